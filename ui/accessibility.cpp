#include "accessibility.h"

#include "fields.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

constexpr const char *announcerName = "announcer";

// The announcer: a notification whose name is the sentence.
class NotificationInterface : public QAccessibleWidget
{
public:
    explicit NotificationInterface(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
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
    int offsetAtPoint(const QPoint &point) const override
    {
        for (int i = 0; i < characterCount(); ++i)
            if (point.x() < characterRect(i).right())
                return i;
        return -1;
    }
    QRect characterRect(int offset) const override
    {
        // Where the character stands with the text at the start of the control.
        const QFontMetrics metrics(widget()->font());
        const QString text = content();
        const QRect area = widget()->contentsRect();
        const int left = area.left() + metrics.horizontalAdvance(text.left(offset));
        const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 1;
        return {widget()->mapToGlobal(QPoint(left, area.top())), QSize(width, area.height())};
    }

protected:
    virtual QString content() const = 0;
    virtual bool readOnly() const = 0;
};

// A line edit, editable, as Qt reports it but for the run of attributes.
class LineEditInterface : public TextInterface, public QAccessibleEditableTextInterface
{
public:
    explicit LineEditInterface(QLineEdit *edit) : TextInterface(edit) { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return TextInterface::interface_cast(type);
    }

    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value)
            edit()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    // QAccessibleTextInterface
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && edit()->hasSelectedText()) {
            *start = static_cast<int>(edit()->selectionStart());
            *end = *start + static_cast<int>(edit()->selectionLength());
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void removeSelection(int) override { edit()->deselect(); }
    void setSelection(int, int start, int end) override
    {
        edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    void scrollToSubstring(int start, int end) override
    {
        edit()->setCursorPosition(end);
        edit()->setCursorPosition(start);
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        edit()->setText(edit()->text().replace(start, end - start, text));
    }

protected:
    QString content() const override { return edit()->text(); }
    bool readOnly() const override { return edit()->isReadOnly(); }

private:
    QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }
};

// An output field: read-only text whose content is the whole value, however it is shown, so
// that a reader says the field's name, its value and its description on focus.
class OutputFieldInterface : public TextInterface
{
public:
    explicit OutputFieldInterface(OutputField *field) : TextInterface(field) { }

    // QAccessibleTextInterface
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = *start + static_cast<int>(field()->selectedText().size());
        }
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void removeSelection(int) override { field()->setSelection(0, 0); }
    void setSelection(int, int start, int end) override
    {
        field()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    void scrollToSubstring(int, int) override { }

protected:
    QString content() const override { return field()->value(); }
    bool readOnly() const override { return true; }

private:
    OutputField *field() const { return static_cast<OutputField *>(widget()); }
};

QAccessibleInterface *factory(const QString &key, QObject *object)
{
    if (key == QLatin1String("Form1"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (key == QLatin1String("QLineEdit"))
        return new LineEditInterface(static_cast<QLineEdit *>(object));
    if (key != QLatin1String("QLabel"))
        return nullptr;
    if (object->objectName() == QLatin1String(announcerName))
        return new NotificationInterface(static_cast<QLabel *>(object));
    if (auto *field = dynamic_cast<OutputField *>(object))
        return new OutputFieldInterface(field);
    return nullptr;
}

} // namespace

namespace accessibility {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

} // namespace accessibility

Announcer::Announcer(QWidget *parent) : QLabel(parent)
{
    setObjectName(announcerName);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString &sentence)
{
    setText(sentence);
    hide();
    show();
}
