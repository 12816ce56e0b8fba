#include "messagebox.h"

#include <QScreen>

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QString wrappable = text;
    wrappable.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    QMessageBox box(icon, parent->windowTitle(), wrappable, QMessageBox::Ok, parent);
    if (const QScreen *shown = parent->screen())
        box.setMaximumWidth(shown->availableGeometry().width());
    box.exec();
}
