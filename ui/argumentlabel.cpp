#include "argumentlabel.h"

#include <QPainter>

namespace {

// Between the box's right edge and the closing parenthesis.
constexpr int closingGap = 1;

} // namespace

int ArgumentLabel::closingLeft(const QRect &label, const QRect &box)
{
    return box.right() + 1 + closingGap - label.left();
}

void ArgumentLabel::paintEvent(QPaintEvent *event)
{
    const QString shown = text();
    const qsizetype open = shown.indexOf('(');
    const qsizetype close = shown.lastIndexOf(')');
    if (!m_argument || open < 0 || close < open) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setLayoutDirection(layoutDirection()); // a painter takes the application's
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(area, flags, shown.left(open + 1));
    QRect closing = area;
    closing.setLeft(closingLeft(geometry(), m_argument->geometry()));
    painter.drawText(closing, flags, shown.mid(close));
}
