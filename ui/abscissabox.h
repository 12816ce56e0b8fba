#pragma once

#include <QLineEdit>

// The box in which the abscissa x is typed. When the focus moves on to another control it shows
// its text from the start, so that a long "-0.0001" keeps its sign in view. It tells a screen
// reader where each character stands as drawn, scrolled or not.
class AbscissaBox : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // Where the character at offset is drawn, in the box's coordinates; at the end of the text
    // a rectangle one pixel wide.
    QRect characterRect(int offset) const;

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
