// Test main for screen tests: the offscreen platform unless told otherwise, and the
// QApplication alive before any test (test discovery runs this binary at build time too).
#include <gtest/gtest.h>
#include <QApplication>

#include <cstdlib>

#include "data/password_hash.h"
#include "support/qt_modal.h"

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    data::useLeastPasswordCostForTests();
    // No test may hang on a window it forgot to close.
    testsupport::ModalWatchdog watchdog;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
