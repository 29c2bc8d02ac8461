// The focus the program sends to a box after a look-up screen: the box's arrival runs once,
// whether the window is active, inactive until the look-up has gone, or the box had the
// focus already.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "support/qt_activation.h"
#include "ui/field_binding.h"
#include "ui/focus_arrival.h"
#include "ui_fixture.h"

namespace {

// A code box and a name box that counts the arrivals the screens act on.
struct Screen : QObject {
    QDialog dialog;
    QLineEdit* code = new QLineEdit(&dialog);
    QLineEdit* name = new QLineEdit(&dialog);
    int arrivals = 0;

    Screen() {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(code);
        layout->addWidget(name);
        name->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == name && ui::arrivedByMove(event)) ++arrivals;
        return false;
    }
};

TEST(FocusArrival, OnAnActiveWindowTheBoxArrivesAtOnce) {
    Screen screen;
    uitest::showActive(screen.dialog);
    screen.code->setFocus();
    ui::moveFocusTo(screen.name);
    EXPECT_TRUE(screen.name->hasFocus());
    EXPECT_EQ(screen.arrivals, 1);
    // Sent there again while it has the focus: it arrives again.
    ui::moveFocusTo(screen.name);
    EXPECT_EQ(screen.arrivals, 2);
}

TEST(FocusArrival, OnAnInactiveWindowTheBoxArrivesWhenTheWindowIsBack) {
    for (bool alreadyThere : {false, true}) {
        SCOPED_TRACE(alreadyThere ? "the box had the focus" : "another box had the focus");
        Screen screen;
        uitest::showActive(screen.dialog);
        (alreadyThere ? screen.name : screen.code)->setFocus();
        const int before = screen.arrivals;
        QDialog lookup;
        testsupport::takeActivation(lookup);
        lookup.hide();
        ui::moveFocusTo(screen.name);
        EXPECT_EQ(screen.arrivals, before);
        testsupport::giveActivationBack(screen.dialog);
        EXPECT_TRUE(screen.name->hasFocus());
        EXPECT_EQ(screen.arrivals, before + 1);
        // Later returns of the window are no arrivals.
        testsupport::takeActivation(lookup);
        lookup.hide();
        testsupport::giveActivationBack(screen.dialog);
        EXPECT_EQ(screen.arrivals, before + 1);
    }
}

}  // namespace
