// Actions run guarded: store errors reach the error box unchanged, an action its own
// hook already reported ends silently, and the scripted dialogs catch the unexpected.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "core/date.h"
#include "data/store/error.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/guarded.h"

#include <QPushButton>

namespace {

TEST(RunGuarded, StoreErrorsAndMistypedDatesGoToTheErrorBox) {
    testsupport::ScriptedDialogs dialogs;
    EXPECT_TRUE(ui::runGuarded([] {}));
    EXPECT_FALSE(ui::runGuarded([] { throw store::KeyViolation("TbCliente: chave duplicada."); }));
    EXPECT_FALSE(ui::runGuarded([] { core::parseDate("31/02/24"); }));
    ASSERT_EQ(dialogs.errors.size(), 2);
    EXPECT_EQ(dialogs.errors[0], QStringLiteral("TbCliente: chave duplicada."));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(RunGuarded, AnAbortedPostEndsTheActionSilently) {
    testsupport::ScriptedDialogs dialogs;
    bool after = false;
    EXPECT_FALSE(ui::runGuarded([&] {
        throw store::Aborted();
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST(ScriptedDialogs, AnswersQuestionsInOrderAndRecordsThem) {
    testsupport::ScriptedDialogs dialogs;
    dialogs.answer(true);
    dialogs.answer(false);
    EXPECT_TRUE(ui::Confirma(QStringLiteral("Grava o Registro?")));
    EXPECT_FALSE(ui::Confirma(QStringLiteral("Exclui o Registro?")));
    EXPECT_EQ(dialogs.questions.size(), 2);
}

TEST(ScriptedDialogs, FailsOnAnUnexpectedQuestionOrScreen) {
    EXPECT_NONFATAL_FAILURE(
        {
            testsupport::ScriptedDialogs dialogs;
            ui::Confirma(QStringLiteral("Imprimir o Recibo?"));
        },
        "unexpected Confirma");
    EXPECT_NONFATAL_FAILURE(
        {
            testsupport::ScriptedDialogs dialogs;
            QDialog screen;
            screen.setObjectName(QStringLiteral("FmConsProduto"));
            dialogs.exec(screen);
        },
        "unexpected screen");
}

TEST(ScriptedDialogs, FailsOnAnswersLeftUnused) {
    EXPECT_NONFATAL_FAILURE(
        {
            testsupport::ScriptedDialogs dialogs;
            dialogs.answer(true);
        },
        "never asked");
    EXPECT_NONFATAL_FAILURE(
        {
            testsupport::ScriptedDialogs dialogs;
            dialogs.expectScreen(QStringLiteral("TFmConsProduto"), [](QDialog&) { return 1; });
        },
        "never opened");
}

TEST(ScriptedDialogs, HandsTheExpectedScreenToItsHandler) {
    testsupport::ScriptedDialogs dialogs;
    QDialog screen;
    screen.setObjectName(QStringLiteral("FmConsProduto"));
    dialogs.expectScreen(QStringLiteral("FmConsProduto"), [](QDialog& s) {
        s.setWindowTitle(QStringLiteral("visto"));
        return QDialog::Accepted;
    });
    EXPECT_EQ(ui::Dialogs::current().exec(screen), QDialog::Accepted);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("visto"));
}

}  // namespace

namespace {

// A print button is held while its report is up, and given back as it was, also when the
// report fails.
TEST(RunHeld, HoldsTheButtonWhileTheActionRunsAndGivesItBackAsItWas) {
    testsupport::ScriptedDialogs dialogs;
    struct Case {
        bool enabledBefore;
        bool fails;
    };
    for (const Case c : {Case{true, false}, Case{true, true}, Case{false, false}}) {
        QPushButton button;
        button.setEnabled(c.enabledBefore);
        bool heldWhileRunning = false;
        const bool ran = ui::runHeld(button, [&] {
            heldWhileRunning = !button.isEnabled();
            if (c.fails) throw store::Error("Tabela ocupada.");
        });
        EXPECT_EQ(ran, !c.fails);
        EXPECT_TRUE(heldWhileRunning);
        EXPECT_EQ(button.isEnabled(), c.enabledBefore);
    }
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Tabela ocupada.")});
}

}  // namespace
