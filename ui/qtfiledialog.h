#pragma once

#include "platform/filedialog.h"

#include <QFileDialog>
#include <QPointer>

// The common file dialog of the window: one Qt file dialog serves the open and the save
// choice and keeps the chosen path, so the save choice starts on the name of the file just
// read. The save choice asks before replacing an existing file.
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
};
