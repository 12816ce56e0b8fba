#pragma once

#include <QMessageBox>

// The program's message boxes: modal over parent and titled as parent. Their text is plain
// text, shown as it is whatever it holds (a file's "<b>1</b>" is not drawn in bold), and a
// path in it may wrap after any "/", so that a long one never widens the box past the screen.

// Shows a message with one OK button.
void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text);
// Asks a question with the buttons Yes and No, No the default. True when the answer is Yes.
bool askYesNo(QWidget *parent, const QString &question);
