#pragma once

#include <QMessageBox>

// Shows a message in a modal box over parent, titled as parent, with one OK button. A path in
// the message may wrap after any "/", so that a long one never widens the box past the screen.
void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text);
