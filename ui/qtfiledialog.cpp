#include "qtfiledialog.h"

#include "messagebox.h"
#include "platform/catalogue.h"
#include "platform/message.h"
#include "translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <filesystem>

namespace {

// Qt's file dialog, whose save choice asks its own question before replacing a file.
class ChoiceDialog : public QFileDialog
{
public:
    ChoiceDialog(QWidget *parent, const QString &sampleFile)
        : QFileDialog(parent), m_sampleFile(sampleFile)
    {
        // Qt's own dialog looks and behaves the same on every desktop, and a path can always
        // be typed into it.
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::DontConfirmOverwrite);
    }

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (acceptMode() == AcceptSave && !chosen.isEmpty()) {
            // Only a file is replaced: a folder opens, and a device or a pipe is refused by the
            // writer, without a question first.
            const QFileInfo target(chosen.constFirst());
            if (target.isFile() &&
                !askYesNo(this, replaceQuestion(target.filePath(), m_sampleFile)))
                return;
        }
        QFileDialog::accept();
    }

private:
    const QString &m_sampleFile; // the owner's, which outlives the dialog
};

} // namespace

namespace {

// A file's name as messages write it (platform::named).
QString named(const QString &name)
{
    return QString::fromStdString(platform::named(QFile::encodeName(name).toStdString()));
}

} // namespace

QString replaceQuestion(const QString &target, const QString &sampleFile)
{
    const QString name = named(QFileInfo(target).fileName());
    std::error_code error;
    if (!sampleFile.isEmpty() &&
        std::filesystem::equivalent(QFile::encodeName(target).toStdString(),
                                    QFile::encodeName(sampleFile).toStdString(), error)) {
        // The save replaces the name chosen, through symbolic links: under the sample file's
        // own name its samples are replaced; under a second name (a hard link) the sample file
        // keeps them.
        if (QFileInfo(target).canonicalFilePath() == QFileInfo(sampleFile).canonicalFilePath())
            return translation::text(texts::replaceSampleFile).arg(name);
        return translation::text(texts::replaceSampleFileLink)
            .arg(name, named(QFileInfo(sampleFile).fileName()));
    }
    // Qt's own question, in Qt's own words.
    return QCoreApplication::translate("QFileDialog",
                                       "%1 already exists.\nDo you want to replace it?")
        .arg(name);
}

QtFileDialog::QtFileDialog(QWidget *parent) : m_parent(parent) { }

QtFileDialog::~QtFileDialog()
{
    delete m_dialog;
}

bool QtFileDialog::ShowOpen()
{
    if (!choose(QFileDialog::AcceptOpen, QFileDialog::ExistingFile))
        return false;
    m_sampleFile = m_fileName;
    return true;
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
    if (!m_dialog)
        m_dialog = new ChoiceDialog(m_parent, m_sampleFile);
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
