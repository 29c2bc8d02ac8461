#include "support/qt_activation.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace testsupport {

void takeActivation(QWidget& lookup) {
    lookup.show();
    lookup.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&lookup));
}

void giveActivationBack(QWidget& window) {
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    QApplication::processEvents();
}

}  // namespace testsupport
