#include "qtfiledialog.h"

#include <QLineEdit>
#include <QTimer>

QtFileDialog::QtFileDialog(QWidget *parent) : m_parent(parent) { }

QtFileDialog::~QtFileDialog()
{
    delete m_dialog;
}

bool QtFileDialog::ShowOpen()
{
    return choose(QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
}

bool QtFileDialog::ShowSave()
{
    return choose(QFileDialog::AcceptSave, QFileDialog::AnyFile);
}

std::string QtFileDialog::FileName() const
{
    return m_fileName.toStdString();
}

bool QtFileDialog::choose(QFileDialog::AcceptMode mode, QFileDialog::FileMode fileMode)
{
    // The dialog is made when it is first needed: making it costs more than showing the window.
    if (!m_dialog) {
        m_dialog = new QFileDialog(m_parent);
        // Qt's own dialog looks and behaves the same on every desktop, and a path can always be
        // typed into it.
        m_dialog->setOption(QFileDialog::DontUseNativeDialog);
    }
    m_dialog->setAcceptMode(mode);
    m_dialog->setFileMode(fileMode);
    if (!m_fileName.isEmpty()) {
        m_dialog->selectFile(m_fileName);
        // The remembered name is selected once the dialog shows, as every desktop's dialog
        // does: typing replaces it, and Enter accepts it.
        if (auto *edit = m_dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    if (m_dialog->exec() != QDialog::Accepted || m_dialog->selectedFiles().isEmpty())
        return false;
    m_fileName = m_dialog->selectedFiles().constFirst();
    return true;
}
