#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// The window's layout, given in twips (1/1440 inch) and turned into pixels at the screen's
// logical resolution: pixels = twips * dpi / 1440.
namespace layout {

// The place of the named control in the client area; an empty rectangle for another name.
QRect geometry(const char *name, int dpi);
// The size of the client area.
QSize clientSize(int dpi);
// Verdana 12 pt where it is installed, else the desktop's general font at 12 pt.
QFont font();

} // namespace layout
