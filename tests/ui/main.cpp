#include "ui/accessibility.h"

#include <QApplication>
#include <gtest/gtest.h>

// The window tests need an application object, and the window's accessible interfaces. Listing them
// needs none, and no display.
int main(int argc, char *argv[])
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    // As the program does where it starts.
    accessibility::install();
    return RUN_ALL_TESTS();
}
