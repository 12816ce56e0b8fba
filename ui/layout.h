#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QPushButton;

// The window's layout, given in twips (1/1440 inch) and turned into pixels at the screen's
// logical resolution: pixels = twips * dpi / 1440.
namespace layout {

// The place of the named control in the client area; an empty rectangle for another name.
// Right to left the places are mirrored, so that the window reads from the right: the buttons
// and the order of label and field, a label a blank further off its field, as its text begins
// there; the box moves with the label whose blanks it covers.
QRect geometry(const char *name, int dpi, Qt::LayoutDirection direction = Qt::LeftToRight);
// The size of the client area.
QSize clientSize(int dpi);
// Verdana 12 pt where it is installed, else the desktop's general font at 12 pt.
QFont font();

// The smallest size in points that a caption or a value is shown in.
inline constexpr int smallestPointSize = 8;

// Shows the button's caption whole within the button's fixed size, however long a translation
// is: in the button's font where it fits; else in a smaller one, down to smallestPointSize;
// else on two lines, broken at a blank; else cut with "…", with the whole caption as the
// tooltip. The accessible name stays the caption. Call once the button has its size and font.
void fitCaption(QPushButton *button);

} // namespace layout
