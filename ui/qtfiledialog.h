#pragma once

#include "platform/filedialog.h"

#include <QFileDialog>
#include <QPointer>

// The question the save choice asks before replacing target, which exists: the usual one, or
// one that says that target is sampleFile (the same file under any path or link).
QString replaceQuestion(const QString &target, const QString &sampleFile);

// The common file dialog of the window: one Qt file dialog serves the open and the save
// choice and keeps the chosen path, so the save choice starts on the name of the file just
// read. The save choice asks before replacing an existing file, and says so when that file is
// the sample file just read (under any name), with No as the default answer.
class QtFileDialog : public platform::FileDialog
{
public:
    explicit QtFileDialog(QWidget *parent);
    ~QtFileDialog() override;

    bool ShowOpen() override;
    bool ShowSave() override;
    std::string FileName() const override;

private:
    bool choose(QFileDialog::AcceptMode mode, QFileDialog::FileMode fileMode);

    QWidget *const m_parent;
    QPointer<QFileDialog> m_dialog;
    QString m_fileName;
    QString m_sampleFile; // the last file chosen to read
};
