#pragma once

#include <QLabel>
#include <QPointer>

// Label1: "y'(", blanks, ") = ", with the abscissa box lying over the blanks. However wide the
// blanks of the font are, the closing ") = " is drawn just right of the box, so that the box
// reads as the argument of y'. The label's text stays as it is, for screen readers too.
class ArgumentLabel : public QLabel
{
    Q_OBJECT

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
