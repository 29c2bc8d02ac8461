// The desktop suite's main: the application and its event loop on the main thread, the tests
// on a second thread that drives the program through the X server.
#include <gtest/gtest.h>
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "desktop/desktop_fixture.h"

int main(int argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (std::getenv("DISPLAY") == nullptr || platform == nullptr || std::strcmp(platform, "xcb") != 0) {
        std::fprintf(stderr, "the desktop suite needs an X display: run it through run-desktop-suite\n");
        return 1;
    }
    QApplication application(argc, argv);
    // Windows come and go between tests; only the end of the tests ends the loop.
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    desktop::ProgramDialogs dialogs;
    int status = 1;
    std::thread tests([&] {
        status = RUN_ALL_TESTS();
        QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
    });
    QApplication::exec();
    tests.join();
    return status;
}
