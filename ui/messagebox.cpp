#include "messagebox.h"

#include <QScreen>

namespace {

// Runs a box with the given buttons; returns the button pressed.
int run(QWidget *parent, QMessageBox::Icon icon, const QString &text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton preferred)
{
    QString wrappable = text;
    wrappable.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    QMessageBox box(icon, parent->windowTitle(), wrappable, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(preferred);
    if (const QScreen *shown = parent->screen())
        box.setMaximumWidth(shown->availableGeometry().width());
    return box.exec();
}

} // namespace

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    run(parent, icon, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool askYesNo(QWidget *parent, const QString &question)
{
    return run(parent, QMessageBox::Warning, question, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No) == QMessageBox::Yes;
}
