// The floor of tabderiv's start-up: a Qt Widgets program that shows an empty window of the
// size of tabderiv's window and nothing else. Built a second time as textwindow, which also
// shows one line of text: the least any window that shows text has to do.

#include "ui/layout.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(layout::clientSize(window.logicalDpiX()));
#ifdef WITH_TEXT
    new QLabel(QStringLiteral("y(x) = "), &window);
#endif
    window.show();
    return QApplication::exec();
}
