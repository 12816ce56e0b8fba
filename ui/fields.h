#pragma once

#include <QLabel>
#include <QPointer>

// Label1: "y'(", blanks, ") = ", with the abscissa box lying over the blanks. However wide the
// blanks of the font are, the closing ") = " is drawn just right of the box, so that the box
// reads as the argument of y'. The label's text stays as it is, for screen readers too.
class ArgumentLabel : public QLabel
{
public:
    using QLabel::QLabel;

    // The box that covers the blanks.
    void setArgument(QWidget *box) { m_argument = box; }
    // Where the closing part of the text begins, in the label's coordinates, for a label and a
    // box at the given places.
    static int closingLeft(const QRect &label, const QRect &box);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<QWidget> m_argument;
};

// An output field: flat, a single-line border, the colours of a text box, read-only, reached
// with Tab. A value too wide for the field is shown in a smaller font, down to
// minimumPointSize, and cut with an ellipsis only when even that is too wide, so that it never
// reads as a shorter number. The tooltip and the accessible value carry the whole value; Copy
// (Ctrl+C, context menu) copies it. A value that belongs to another abscissa than the box's is
// drawn in the disabled text colour, and its tooltip and description name its abscissa.
class OutputField : public QLabel
{
public:
    static constexpr int minimumPointSize = 8;

    // name is the field's name for screen readers, description says what the field holds.
    OutputField(const QString &name, const QString &description, QWidget *parent);

    // Shows the value, replacing the last one; empty clears the field.
    void setValue(const QString &value);
    QString value() const { return m_value; }
    // Marks the value as found at the given abscissa, which the box no longer reads; empty
    // when the value belongs to the box's abscissa.
    void setOtherAbscissa(const QString &abscissa);
    bool showsOtherAbscissa() const { return !m_otherAbscissa.isEmpty(); }
    // The width the text may take.
    int textWidth() const;

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void fit();
    void copy() const;
    void describe();

    QString m_description;
    QString m_otherAbscissa;
    QString m_value;
    bool m_elided = false;
    bool m_fitting = false;
};
