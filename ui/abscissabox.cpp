#include "abscissabox.h"

#include <QFocusEvent>

QRect AbscissaBox::characterRect(int offset) const
{
    // The cursor is drawn where the text now stands, scrolled or not; every other position lies
    // the width of the text between them away from it.
    const QFontMetrics metrics(font());
    const QString shown = displayText();
    offset = std::clamp(offset, 0, static_cast<int>(shown.size()));
    const QRect cursor = cursorRect();
    const int left = cursor.center().x() - metrics.horizontalAdvance(shown.left(cursorPosition())) +
        metrics.horizontalAdvance(shown.left(offset));
    const int width = offset < shown.size() ? metrics.horizontalAdvance(shown.at(offset)) : 1;
    return {left, cursor.top(), width, cursor.height()};
}

void AbscissaBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // The box's own context menu and a switch to another window take the focus only for a
    // while: the selection and the cursor stay where the person left them, for the menu's Cut,
    // Copy and Paste and for typing on when they come back.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        setCursorPosition(0);
}
