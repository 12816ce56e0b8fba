#include "outputfield.h"

#include "platform/catalogue.h"
#include "translation.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <algorithm>

OutputField::OutputField(const Texts &texts, QWidget *parent) : QLabel(parent), m_texts(texts)
{
    setAccessibleName(texts.name);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    describe();
    // Selectable for copying, with the mouse or after Tab.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
}

int OutputField::textWidth() const
{
    // QLabel indents framed text by half an "x" on the left; a pixel stays free on the right.
    const int indent = QFontMetrics(font()).horizontalAdvance('x') / 2;
    return contentsRect().width() - indent - 1;
}

void OutputField::setValue(const QString &value)
{
    m_value = value;
    describe();
    fit();
}

void OutputField::setOtherAbscissa(const QString &abscissa)
{
    if (abscissa == m_otherAbscissa)
        return;
    m_otherAbscissa = abscissa;
    QPalette dimmed; // inherits every colour it does not set
    if (!abscissa.isEmpty()) {
        const QColor disabled = palette().color(QPalette::Disabled, QPalette::Text);
        dimmed.setColor(QPalette::Active, QPalette::Text, disabled);
        dimmed.setColor(QPalette::Inactive, QPalette::Text, disabled);
    }
    setPalette(dimmed);
    describe();
}

void OutputField::describe()
{
    const QString description = m_otherAbscissa.isEmpty()
        ? m_texts.description
        : m_texts.descriptionAt.arg(m_otherAbscissa);
    setAccessibleDescription(description);
    setToolTip(m_value.isEmpty()
                   ? description
                   : translation::text(texts::fieldTooltip).arg(description, m_value));
}

void OutputField::fit()
{
    // The window's font, smaller step by step while the value does not fit.
    m_fitting = true;
    QFont font = parentWidget() ? parentWidget()->font() : QApplication::font();
    setFont(font);
    while (QFontMetrics(font).horizontalAdvance(m_value) > textWidth() &&
           font.pointSize() > minimumPointSize) {
        font.setPointSize(font.pointSize() - 1);
        setFont(font);
    }
    m_fitting = false;
    const QString shown =
        QFontMetrics(font).elidedText(m_value, Qt::ElideRight, std::max(textWidth(), 0));
    m_elided = shown != m_value;
    setText(shown);
}

void OutputField::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_fitting)
        fit();
}

void OutputField::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

std::pair<int, int> OutputField::selectionInValue() const
{
    if (!hasSelectedText())
        return {0, 0};
    // The shown text is the value, or its start followed by the ellipsis.
    const int kept = static_cast<int>(text().size()) - (m_elided ? 1 : 0);
    const auto inValue = [&](int shown) {
        return shown <= kept ? shown : static_cast<int>(m_value.size());
    };
    const int start = selectionStart();
    return {inValue(start), inValue(start + static_cast<int>(selectedText().size()))};
}

void OutputField::selectInValue(int start, int end)
{
    const int kept = static_cast<int>(text().size()) - (m_elided ? 1 : 0);
    const auto inShown = [&](int offset) {
        if (m_elided && offset > kept)
            return kept + 1; // through the ellipsis
        return std::clamp(offset, 0, kept);
    };
    const int from = inShown(start);
    setSelection(from, std::max(inShown(end) - from, 0));
}

QRect OutputField::characterRect(qsizetype index) const
{
    // Where the label draws its text: inside the frame and the margin, past the indent (half
    // an "x" on a framed label that sets none), aligned as the label aligns it, one line high.
    const QFontMetrics metrics(font());
    const int inner = margin();
    QRect area = contentsRect().adjusted(inner, inner, -inner, -inner);
    int indent = this->indent();
    if (indent < 0 && frameWidth() > 0)
        indent = metrics.horizontalAdvance(u'x') / 2 - inner;
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    if (indent > 0 && (align & Qt::AlignLeft))
        area.setLeft(area.left() + indent);
    if (indent > 0 && (align & Qt::AlignRight))
        area.setRight(area.right() - indent);
    const QString shown = text();
    int left = area.left();
    if (align & Qt::AlignRight)
        left = area.right() + 1 - metrics.horizontalAdvance(shown);
    else if (align & Qt::AlignHCenter)
        left = area.left() + (area.width() - metrics.horizontalAdvance(shown)) / 2;
    int top = area.top();
    if (align & Qt::AlignBottom)
        top = area.bottom() + 1 - metrics.height();
    else if (align & Qt::AlignVCenter)
        top = area.top() + std::max((area.height() - metrics.height()) / 2, 0);

    // The shown text is the value, or its start followed by the ellipsis.
    const qsizetype kept = shown.size() - (m_elided ? 1 : 0);
    if (index >= m_value.size() || (!m_elided && index >= kept))
        return {left + metrics.horizontalAdvance(shown), top, 1, metrics.height()};
    index = std::min(index, kept);
    const qsizetype units = index + 1 < shown.size() && shown.at(index).isHighSurrogate() ? 2 : 1;
    return {left + metrics.horizontalAdvance(shown.left(index)), top,
            metrics.horizontalAdvance(shown.mid(index, units)), metrics.height()};
}

qsizetype OutputField::indexAt(const QPoint &point) const
{
    for (qsizetype i = 0; i < m_value.size(); ++i)
        if (characterRect(i).contains(point))
            return i;
    return -1;
}

void OutputField::copy() const
{
    // Part of the value where a part is selected and the whole is shown; else the whole.
    const QString copied = hasSelectedText() && !m_elided ? selectedText() : m_value;
    if (!copied.isEmpty())
        QApplication::clipboard()->setText(copied);
}

void OutputField::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copy();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void OutputField::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *copyAction = menu.addAction(translation::text(texts::copy), this, [this] { copy(); });
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(!m_value.isEmpty());
    menu.exec(event->globalPos());
}
