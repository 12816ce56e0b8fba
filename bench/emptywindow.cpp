// The floor of tabderiv's start-up: a Qt Widgets program that shows an empty window of the
// size of tabderiv's window and nothing else.

#include "ui/layout.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(layout::clientSize(window.logicalDpiX()));
    window.show();
    return QApplication::exec();
}
