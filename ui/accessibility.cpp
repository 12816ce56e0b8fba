#include "accessibility.h"

#include "abscissabox.h"
#include "announcer.h"
#include "form1.h"
#include "outputfield.h"
#include "textboundaries.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <algorithm>

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

// The answer to a reader's request for the unit at, before or after an offset of content.
// Qt's own answer loops for ever in some cases (a word at -1, or at 0 in a path, and at the end
// of a text): in Qt 6.4 and 6.8 (Debian 12 and 13), not in 6.11.
enum class Towards { At, Before, After };
QString unitOf(const QString &content, Towards towards, int offset,
               QAccessible::TextBoundaryType boundary, int *start, int *end)
{
    using namespace textboundaries;
    const Unit unit = towards == Towards::At ? at(content, offset, boundary)
        : towards == Towards::Before         ? before(content, offset, boundary)
                                             : after(content, offset, boundary);
    *start = unit.start;
    *end = unit.end;
    return unit.start < 0 ? QString() : part(content, unit.start, unit.end);
}

// A control that holds one line of text, its value, reported as one run of attributes. Its
// offsets count characters (see textboundaries.h).
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

    QString text(int start, int end) const override
    {
        return textboundaries::part(content(), start, end);
    }
    int characterCount() const override { return textboundaries::length(content()); }
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
        return unitOf(content(), Towards::At, cursorIfAsked(offset), boundary, start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                             int *end) const override
    {
        return unitOf(content(), Towards::Before, cursorIfAsked(offset), boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                            int *end) const override
    {
        return unitOf(content(), Towards::After, cursorIfAsked(offset), boundary, start, end);
    }

protected:
    virtual QString content() const = 0;
    virtual bool readOnly() const = 0;
    // The offset of a character of the content from its index in the QString, and back.
    int offsetOf(qsizetype index) const { return textboundaries::offsetOf(content(), index); }
    int indexOf(int offset) const
    {
        return static_cast<int>(textboundaries::indexOf(content(), offset));
    }

private:
    int cursorIfAsked(int offset) const { return offset == -2 ? cursorPosition() : offset; }
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
            const int from = box()->selectionStart();
            *start = offsetOf(from);
            *end = offsetOf(from + box()->selectionLength());
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override
    {
        const int from = indexOf(start);
        box()->setSelection(from, indexOf(end) - from);
    }
    int cursorPosition() const override { return offsetOf(box()->cursorPosition()); }
    void setCursorPosition(int position) override { box()->setCursorPosition(indexOf(position)); }
    void scrollToSubstring(int start, int end) override
    {
        box()->setCursorPosition(indexOf(end));
        box()->setCursorPosition(indexOf(start));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inBox = box()->mapFromGlobal(point);
        if (!box()->rect().contains(inBox))
            return -1;
        return offsetOf(box()->cursorPositionAt(inBox));
    }
    QRect characterRect(int offset) const override
    {
        const QRect inBox = box()->characterRect(indexOf(offset));
        return {box()->mapToGlobal(inBox.topLeft()), inBox.size()};
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        const int from = indexOf(start);
        box()->setText(box()->text().replace(from, indexOf(end) - from, text));
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
        if (index == 0) {
            const auto [from, to] = field()->selectionInValue();
            *start = offsetOf(from);
            *end = offsetOf(to);
        }
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void removeSelection(int) override { field()->setSelection(0, 0); }
    void setSelection(int, int start, int end) override
    {
        field()->selectInValue(indexOf(start), indexOf(end));
    }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    void scrollToSubstring(int, int) override { }
    int offsetAtPoint(const QPoint &point) const override
    {
        const qsizetype index = field()->indexAt(field()->mapFromGlobal(point));
        return index < 0 ? -1 : offsetOf(index);
    }
    QRect characterRect(int offset) const override
    {
        const QRect inField = field()->characterRect(indexOf(offset));
        return {field()->mapToGlobal(inField.topLeft()), inField.size()};
    }

protected:
    QString content() const override { return field()->value(); }
    bool readOnly() const override { return true; }

private:
    OutputField *field() const { return static_cast<OutputField *>(widget()); }
};

// A text control of Qt's own, in a dialog or message box Qt builds (a line edit, a label), as
// Qt makes it accessible: its name, role, state, value, attributes, selection and echo mode
// stay Qt's. Only the requests for the unit at, before or after an offset are answered here,
// and its offsets count characters as the reader does: each offset passes to Qt's interface as
// the index of its character in the QString, and back. A line edit that hides its text
// (password, no echo) keeps Qt's answers and offsets whole, as it hides the characters.
class QtTextControlInterface : public QAccessibleInterface,
                               public QAccessibleTextInterface,
                               public QAccessibleEditableTextInterface
{
public:
    // Wraps qts, Qt's own interface of the control, which Qt's cache holds until the control
    // goes.
    explicit QtTextControlInterface(QAccessibleInterface *qts) : m_qts(qts) { }

    // QAccessibleInterface: Qt's.
    bool isValid() const override { return m_qts->isValid(); }
    QObject *object() const override { return m_qts->object(); }
    QWindow *window() const override { return m_qts->window(); }
    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        return m_qts->relations(match);
    }
    QAccessibleInterface *focusChild() const override { return m_qts->focusChild(); }
    QAccessibleInterface *childAt(int x, int y) const override { return m_qts->childAt(x, y); }
    QAccessibleInterface *parent() const override { return m_qts->parent(); }
    QAccessibleInterface *child(int index) const override { return m_qts->child(index); }
    int childCount() const override { return m_qts->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return m_qts->indexOfChild(child);
    }
    QString text(QAccessible::Text t) const override { return m_qts->text(t); }
    void setText(QAccessible::Text t, const QString &text) override { m_qts->setText(t, text); }
    QRect rect() const override { return m_qts->rect(); }
    QAccessible::Role role() const override { return m_qts->role(); }
    QAccessible::State state() const override { return m_qts->state(); }
    QColor foregroundColor() const override { return m_qts->foregroundColor(); }
    QColor backgroundColor() const override { return m_qts->backgroundColor(); }
    void virtual_hook(int id, void *data) override { m_qts->virtual_hook(id, data); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        // Qt's other interfaces (actions, value) as they are; the text ones through this.
        void *qts = m_qts->interface_cast(type);
        if (qts && type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (qts && type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return qts;
    }

    // QAccessibleTextInterface: the units here, all else Qt's in Qt's offsets.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                         int *end) const override
    {
        if (hidden())
            return qtsText()->textAtOffset(offset, boundary, start, end);
        return unitOf(content(), Towards::At, cursorIfAsked(offset), boundary, start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                             int *end) const override
    {
        if (hidden())
            return qtsText()->textBeforeOffset(offset, boundary, start, end);
        return unitOf(content(), Towards::Before, cursorIfAsked(offset), boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                            int *end) const override
    {
        if (hidden())
            return qtsText()->textAfterOffset(offset, boundary, start, end);
        return unitOf(content(), Towards::After, cursorIfAsked(offset), boundary, start, end);
    }
    void selection(int index, int *start, int *end) const override
    {
        qtsText()->selection(index, start, end);
        *start = toOffset(*start);
        *end = toOffset(*end);
    }
    int selectionCount() const override { return qtsText()->selectionCount(); }
    void addSelection(int start, int end) override
    {
        qtsText()->addSelection(toIndex(start), toIndex(end));
    }
    void removeSelection(int index) override { qtsText()->removeSelection(index); }
    void setSelection(int index, int start, int end) override
    {
        qtsText()->setSelection(index, toIndex(start), toIndex(end));
    }
    int cursorPosition() const override { return toOffset(qtsText()->cursorPosition()); }
    void setCursorPosition(int position) override
    {
        qtsText()->setCursorPosition(toIndex(position));
    }
    QString text(int start, int end) const override
    {
        return qtsText()->text(toIndex(start), toIndex(end));
    }
    int characterCount() const override
    {
        return hidden() ? qtsText()->characterCount() : textboundaries::length(content());
    }
    QRect characterRect(int offset) const override
    {
        return qtsText()->characterRect(toIndex(offset));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return toOffset(qtsText()->offsetAtPoint(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        qtsText()->scrollToSubstring(toIndex(start), toIndex(end));
    }
    QString attributes(int offset, int *start, int *end) const override
    {
        const QString attributes = qtsText()->attributes(toIndex(offset), start, end);
        *start = toOffset(*start);
        *end = toOffset(*end);
        return attributes;
    }

    // QAccessibleEditableTextInterface: Qt's, in Qt's offsets.
    void deleteText(int start, int end) override
    {
        qtsEditable()->deleteText(toIndex(start), toIndex(end));
    }
    void insertText(int offset, const QString &text) override
    {
        qtsEditable()->insertText(toIndex(offset), text);
    }
    void replaceText(int start, int end, const QString &text) override
    {
        qtsEditable()->replaceText(toIndex(start), toIndex(end), text);
    }

private:
    QAccessibleTextInterface *qtsText() const { return m_qts->textInterface(); }
    QAccessibleEditableTextInterface *qtsEditable() const { return m_qts->editableTextInterface(); }
    QString content() const { return qtsText()->text(0, qtsText()->characterCount()); }
    bool hidden() const
    {
        const auto *edit = qobject_cast<const QLineEdit *>(object());
        return edit && edit->echoMode() != QLineEdit::Normal;
    }
    int cursorIfAsked(int offset) const { return offset == -2 ? cursorPosition() : offset; }
    // An offset as the index of its character in the control's QString, and back; offsets
    // outside the text (-1 among them) keep their distance from it.
    int toIndex(int offset) const
    {
        if (hidden() || offset < 0)
            return offset;
        const QString text = content();
        const int length = textboundaries::length(text);
        return static_cast<int>(textboundaries::indexOf(text, std::min(offset, length))) +
            std::max(offset - length, 0);
    }
    int toOffset(int index) const
    {
        if (hidden() || index < 0)
            return index;
        const QString text = content();
        return textboundaries::offsetOf(text, std::min<qsizetype>(index, text.size())) +
            static_cast<int>(std::max<qsizetype>(index - text.size(), 0));
    }

    QAccessibleInterface *const m_qts;
};

// Qt's own interface for a text control of Qt's, wrapped as above. Qt's interface is made,
// and kept, by Qt's own factory, asked while this one stands aside for that object; the
// wrapper is what every reader and every other interface then meets for the object.
QAccessibleInterface *wrapQts(QObject *control)
{
    static QObject *standingAside = nullptr;
    if (control == standingAside)
        return nullptr;
    QAccessibleInterface *qts = nullptr;
    {
        const QScopedValueRollback asideFor(standingAside, control);
        qts = QAccessible::queryAccessibleInterface(control);
    }
    if (!qts)
        return nullptr;
    // Qt's interface goes with the control.
    QObject::connect(control, &QObject::destroyed, [id = QAccessible::uniqueId(qts)] {
        QAccessible::deleteAccessibleInterface(id);
    });
    return new QtTextControlInterface(qts);
}

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
    // Every other line edit and label: in Qt's file dialog, Qt's message boxes, the window's
    // own labels.
    if (key == QLatin1String("QLineEdit") || key == QLatin1String("QLabel"))
        return wrapQts(object);
    return nullptr;
}

} // namespace

namespace accessibility {

void install()
{
    QAccessible::installFactory(factory);
}

} // namespace accessibility
