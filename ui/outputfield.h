#pragma once

#include "layout.h"

#include <QLabel>
#include <utility>

// An output field: flat, a single-line border, the colours of a text box, read-only, reached
// with Tab. A value too wide for the field is shown in a smaller font, down to
// minimumPointSize, and cut with an ellipsis only when even that is too wide, so that it never
// reads as a shorter number. The tooltip and the accessible value carry the whole value; Copy
// (Ctrl+C, context menu) copies it. A value that belongs to another abscissa than the box's is
// drawn in the disabled text colour, and its tooltip and description name its abscissa.
class OutputField : public QLabel
{
    Q_OBJECT

public:
    static constexpr int minimumPointSize = layout::smallestPointSize;

    // What the field says of itself: its name for screen readers, what it holds, and what it
    // holds when its value was found at another abscissa (%1) than the box reads.
    struct Texts
    {
        QString name;
        QString description;
        QString descriptionAt;
    };

    OutputField(const Texts &texts, QWidget *parent);

    // Shows the value, replacing the last one; empty clears the field.
    void setValue(const QString &value);
    QString value() const { return m_value; }
    // Marks the value as found at the given abscissa, which the box no longer reads; empty
    // when the value belongs to the box's abscissa.
    void setOtherAbscissa(const QString &abscissa);
    // The width the text may take.
    int textWidth() const;
    // The selection as offsets into the whole value: where the value is cut with "…", a
    // selection that reaches the ellipsis reaches the end of the value. {0, 0} without one.
    std::pair<int, int> selectionInValue() const;
    // Selects the part of the value from start to end, as far as it is shown.
    void selectInValue(int start, int end);
    // Where the value's character at index is drawn, in the field's coordinates: a character
    // cut from the value stands where the ellipsis does; at the end of the value a rectangle
    // one pixel wide.
    QRect characterRect(qsizetype index) const;
    // The index of the value's character drawn at point (in the field's coordinates); -1 where
    // no character is drawn.
    qsizetype indexAt(const QPoint &point) const;

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void fit();
    void copy() const;
    void describe();

    Texts m_texts;
    QString m_otherAbscissa;
    QString m_value;
    bool m_elided = false;
    bool m_fitting = false;
};
