#include "ui/long_pass.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QProgressBar>
#include <QPushButton>

#include <stdexcept>

#include "data/store/error.h"
#include "support/qt_scripted_dialogs.h"

namespace {

// A period screen reduced to what a walk touches: the gauge, "&Imprimir", a button that
// was already disabled, and "Cancelar".
class PassScreen : public ::testing::Test {
  protected:
    PassScreen() {
        imprimir->setEnabled(true);
        disabledBefore->setEnabled(false);
        screen.show();
        pass.setCancelButton(*cancelar, QStringLiteral("Deseja Abortar a Pesquisa?"));
    }

    // A walk of `count` records; `onRecord` runs before each record's advance.
    int walk(int count, const std::function<void(int)>& onRecord = {}) {
        int read = 0;
        lastRun = pass.run([&](core::PassProgress& progress) {
            progress.start(count);
            for (int i = 0; i < count; ++i) {
                if (onRecord) onRecord(i);
                ++read;
                progress.advance();
            }
        });
        return read;
    }

    testsupport::ScriptedDialogs dialogs;
    QDialog screen;
    QProgressBar* gauge = new QProgressBar(&screen);
    QPushButton* imprimir = new QPushButton(&screen);
    QPushButton* disabledBefore = new QPushButton(&screen);
    QPushButton* cancelar = new QPushButton(&screen);
    ui::LongPass pass{screen, *gauge, {imprimir, disabledBefore}};
    bool lastRun = false;
};

TEST_F(PassScreen, HoldsTheButtonsWhileReadingAndPutsThemBackAsTheyWere) {
    bool heldDuringWalk = false;
    walk(3, [&](int) { heldDuringWalk = !imprimir->isEnabled() && cancelar->isEnabled(); });
    EXPECT_TRUE(lastRun);
    EXPECT_TRUE(heldDuringWalk);
    EXPECT_TRUE(imprimir->isEnabled());
    EXPECT_FALSE(disabledBefore->isEnabled());  // not switched on by the walk
    EXPECT_FALSE(cancelar->isEnabled());
    EXPECT_EQ(gauge->maximum(), 3);
    EXPECT_EQ(gauge->value(), 3);
}

TEST_F(PassScreen, ClosingTheScreenStopsTheWalkAndThenCloses) {
    const int read = walk(5, [&](int i) {
        if (i == 1) QCoreApplication::postEvent(&screen, new QCloseEvent);
    });
    EXPECT_FALSE(lastRun);
    EXPECT_EQ(read, 2);  // stopped at the record after the close was asked for
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(imprimir->isEnabled());
    EXPECT_TRUE(dialogs.questions.isEmpty());  // closing asks nothing
}

TEST_F(PassScreen, EscapeDuringTheWalkIsACloseToo) {
    const int read = walk(4, [&](int i) {
        if (i == 0) {
            QCoreApplication::postEvent(&screen,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        }
    });
    EXPECT_FALSE(lastRun);
    EXPECT_EQ(read, 1);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(PassScreen, CancelAsksAndGoesOnOrStopsByTheAnswer) {
    struct Case {
        bool stop;
        int read;
    };
    for (const Case c : {Case{false, 4}, Case{true, 2}}) {
        SCOPED_TRACE(c.stop);
        dialogs.questions.clear();
        dialogs.answer(c.stop);
        bool cancelDisabledAfterClick = false;
        const int read = walk(4, [&](int i) {
            if (i == 1) {
                cancelar->click();
                cancelDisabledAfterClick = !cancelar->isEnabled();
            }
        });
        EXPECT_EQ(read, c.read);
        EXPECT_EQ(lastRun, !c.stop);
        EXPECT_TRUE(cancelDisabledAfterClick);
        EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Deseja Abortar a Pesquisa?")});
        EXPECT_TRUE(screen.isVisible());  // a cancel leaves the screen open
        EXPECT_TRUE(imprimir->isEnabled());
    }
}

TEST_F(PassScreen, AFailingWalkIsReportedAndGivesTheButtonsBack) {
    lastRun = pass.run([](core::PassProgress& progress) {
        progress.start(2);
        progress.advance();
        throw store::Error("Tabela ocupada.");
    });
    EXPECT_FALSE(lastRun);
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Tabela ocupada.")});
    EXPECT_TRUE(imprimir->isEnabled());
    EXPECT_FALSE(cancelar->isEnabled());
}

}  // namespace
