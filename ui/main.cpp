#include "accessibility.h"
#include "form1.h"
#include "platformchoice.h"
#include "translation.h"

#include <QApplication>
#include <fontconfig/fontconfig.h>
#include <thread>

int main(int argc, char *argv[])
{
    // Chosen before any thread starts: setenv is not safe while another thread may read the
    // environment.
    platformchoice::apply();
    // The first text the window lays out makes Qt read the system's font configuration, which
    // takes about as long as all the rest of the start. It is read here, on the second core,
    // while the application connects to the display; Qt then finds it loaded.
    std::thread fonts([] { FcInit(); });
    QApplication app(argc, argv);
    fonts.join();
    QApplication::setApplicationName(QStringLiteral("tabderiv"));
    QApplication::setDesktopFileName(QStringLiteral("org.tabderiv.tabderiv"));
    translation::install(app);
    accessibility::install();
    Form1 window;
    window.show();
    return QApplication::exec();
}
