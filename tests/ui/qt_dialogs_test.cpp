// The production Dialogs service runs a screen until the screen itself ends, even while the
// screen hides for another one to take its place.
#include <gtest/gtest.h>
#include <QDialog>
#include <QTimer>
#include <QWindow>

#include "support/qt_modal.h"
#include "ui/qt_dialogs.h"

namespace {

TEST(QtDialogsExec, AScreenHiddenWhileAnotherTakesItsPlaceRunsOnUntilItEnds) {
    ui::QtDialogs dialogs;
    QDialog screen;
    QDialog inPlace;
    int inPlaceResult = -1;
    bool backInFront = false;
    testsupport::onNextModal([&](QWidget&) {
        screen.hide();
        testsupport::onNextModal([](QWidget& other) { static_cast<QDialog&>(other).reject(); });
        inPlaceResult = dialogs.exec(inPlace);
        screen.show();
        backInFront = screen.isVisible();
        // The user goes on working on the screen a while before closing it.
        QTimer::singleShot(100, &screen, &QDialog::accept);
    });
    EXPECT_EQ(dialogs.exec(screen), QDialog::Accepted);
    EXPECT_EQ(inPlaceResult, QDialog::Rejected);
    EXPECT_TRUE(backInFront);
}

TEST(QtDialogsExec, AScreenThatEndsAsItShowsReturnsAtOnce) {
    ui::QtDialogs dialogs;
    struct EndsAtOnce : QDialog {
        void showEvent(QShowEvent* event) override {
            QDialog::showEvent(event);
            done(7);
        }
    } screen;
    EXPECT_EQ(dialogs.exec(screen), 7);
}

TEST(QtDialogsExec, AScreenWithoutAParentStacksOverTheScreenThatOpenedIt) {
    ui::QtDialogs dialogs;
    QDialog opener;
    QDialog opened;
    QWindow* transient = nullptr;
    testsupport::onNextModal([&](QWidget&) {
        testsupport::onNextModal([&](QWidget& other) {
            transient = other.windowHandle()->transientParent();
            static_cast<QDialog&>(other).reject();
        });
        dialogs.exec(opened);
        opener.accept();
    });
    dialogs.exec(opener);
    EXPECT_EQ(transient, opener.windowHandle());
}

}  // namespace
