#include "accessibility.h"

#include "abscissabox.h"
#include "announcer.h"
#include "form1.h"
#include "outputfield.h"
#include "textboundaries.h"

#include <QAccessibleWidget>
#include <tuple>

namespace {

// The announcer: a notification whose name is the sentence.
class NotificationInterface : public QAccessibleWidget
{
public:
    explicit NotificationInterface(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// A control that holds one line of text, its value, reported as one run of attributes.
class TextInterface : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit TextInterface(QWidget *widget) : QAccessibleWidget(widget, QAccessible::EditableText)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !readOnly();
        state.readOnly = readOnly();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return content();
        return QAccessibleWidget::text(t);
    }

    QString text(int start, int end) const override { return content().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(content().size()); }
    QString attributes(int, int *start, int *end) const override
    {
        // No attributes: one run over the whole text.
        *start = 0;
        *end = characterCount();
        return {};
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                         int *end) const override
    {
        return unit(textboundaries::at(content(), offset, boundary), start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                             int *end) const override
    {
        return unit(textboundaries::before(content(), offset, boundary), start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                            int *end) const override
    {
        return unit(textboundaries::after(content(), offset, boundary), start, end);
    }

protected:
    virtual QString content() const = 0;
    virtual bool readOnly() const = 0;

private:
    QString unit(textboundaries::Unit unit, int *start, int *end) const
    {
        *start = unit.start;
        *end = unit.end;
        return unit.start < 0 ? QString() : content().mid(unit.start, unit.end - unit.start);
    }
};

// The abscissa box, editable, as Qt reports a line edit but for the run of attributes.
class AbscissaBoxInterface : public TextInterface, public QAccessibleEditableTextInterface
{
public:
    explicit AbscissaBoxInterface(AbscissaBox *box) : TextInterface(box) { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return TextInterface::interface_cast(type);
    }

    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    // QAccessibleTextInterface
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = static_cast<int>(box()->selectionStart());
            *end = *start + static_cast<int>(box()->selectionLength());
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    void scrollToSubstring(int start, int end) override
    {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inBox = box()->mapFromGlobal(point);
        if (!box()->rect().contains(inBox))
            return -1;
        return box()->cursorPositionAt(inBox);
    }
    QRect characterRect(int offset) const override
    {
        const QRect inBox = box()->characterRect(offset);
        return {box()->mapToGlobal(inBox.topLeft()), inBox.size()};
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        box()->setText(box()->text().replace(start, end - start, text));
    }

protected:
    QString content() const override { return box()->text(); }
    bool readOnly() const override { return box()->isReadOnly(); }

private:
    AbscissaBox *box() const { return static_cast<AbscissaBox *>(widget()); }
};

// An output field: read-only text whose content is the whole value, however it is shown, so
// that a reader says the field's name, its value and its description on focus. Its offsets
// are offsets into the value, the selection's too.
class OutputFieldInterface : public TextInterface
{
public:
    explicit OutputFieldInterface(OutputField *field) : TextInterface(field) { }

    // QAccessibleTextInterface
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0)
            std::tie(*start, *end) = field()->selectionInValue();
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void removeSelection(int) override { field()->setSelection(0, 0); }
    void setSelection(int, int start, int end) override { field()->selectInValue(start, end); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    void scrollToSubstring(int, int) override { }
    int offsetAtPoint(const QPoint &point) const override
    {
        for (int i = 0; i < characterCount(); ++i)
            if (point.x() < characterRect(i).right())
                return i;
        return -1;
    }
    QRect characterRect(int offset) const override
    {
        // Where the character stands with the text at the start of the field.
        const QFontMetrics metrics(widget()->font());
        const QString text = content();
        const QRect area = widget()->contentsRect();
        const int left = area.left() + metrics.horizontalAdvance(text.left(offset));
        const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 1;
        return {widget()->mapToGlobal(QPoint(left, area.top())), QSize(width, area.height())};
    }

protected:
    QString content() const override { return field()->value(); }
    bool readOnly() const override { return true; }

private:
    OutputField *field() const { return static_cast<OutputField *>(widget()); }
};

// The object as a Control when the key names Control's own class; Qt asks for each class of an
// object from the most derived up, so no other widget ever matches.
template<typename Control> Control *own(const QString &key, QObject *object)
{
    return key == QLatin1String(Control::staticMetaObject.className())
        ? static_cast<Control *>(object)
        : nullptr;
}

QAccessibleInterface *factory(const QString &key, QObject *object)
{
    if (auto *window = own<Form1>(key, object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto *box = own<AbscissaBox>(key, object))
        return new AbscissaBoxInterface(box);
    if (auto *field = own<OutputField>(key, object))
        return new OutputFieldInterface(field);
    if (auto *announcer = own<Announcer>(key, object))
        return new NotificationInterface(announcer);
    return nullptr;
}

} // namespace

namespace accessibility {

void install()
{
    QAccessible::installFactory(factory);
}

} // namespace accessibility
