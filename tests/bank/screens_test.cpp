// The bank screens as a user works them: the ledger's states, the transfer window that
// only its own buttons close, and the statement's selection.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/db_grid.h"

#include "bank/ledger.h"
#include "bank/ledger_query.h"
#include "bank/ledger_screen.h"
#include "bank/statement_screen.h"
#include "bank/transfer_screen.h"
#include "bank_fixture.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "support/qt_scripted_dialogs.h"

namespace banktest {
namespace {

template <typename Widget = QLineEdit>
Widget* child(QWidget& screen, const char* name) {
    auto* found = screen.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Types into a box as a user does: focus it, replace its text.
void type(QWidget& screen, const char* name, const QString& text) {
    QLineEdit* box = child(screen, name);
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

class LedgerScreenTest : public BankTest {
  protected:
    LedgerScreenTest() {
        screen.show();
        QApplication::setActiveWindow(&screen);
    }
    QPushButton* button(const char* name) { return child<QPushButton>(screen, name); }
    std::vector<bool> states() {
        std::vector<bool> enabled;
        for (const char* name :
             {"BitBtn6", "BitBtn4", "BitBtn5", "BitBtn11", "BitBtn7", "BitBtn1", "BitBtn2"})
            enabled.push_back(button(name)->isEnabled());
        return enabled;
    }
    // "&NOVO", the account, on to "Data:", the operation and the value.
    void typeEntry(const char* conta, int operacao, const char* valor) {
        button("BitBtn6")->click();
        QTest::keyClicks(child(screen, "Edit1"), conta);
        QTest::keyClick(child(screen, "Edit1"), Qt::Key_Return);  // enters "Data:"
        child<QComboBox>(screen, "DBComboBox1")->setCurrentIndex(operacao);
        type(screen, "DBEdit6", valor);
    }

    testsupport::ScriptedDialogs dialogs;
    bank::TFmControleBancario screen{dm};
};

TEST_F(LedgerScreenTest, AnEntryGoesThroughItsStatesAndDeleteWaitsForItToBeStored) {
    //                 NOVO  REG    CANC   EXCL   TRANSF EXTR   CONS
    const std::vector<bool> idle{true, false, false, false, true, true, true};
    const std::vector<bool> entering{false, true, true, false, false, false, false};
    EXPECT_EQ(states(), idle);
    typeEntry("11", 0, "100,00");
    EXPECT_EQ(states(), entering);
    EXPECT_EQ(child<QLabel>(screen, "Label1")->text(), QStringLiteral("CONTA - BANCO BANCO DO BRASIL S.A."));
    EXPECT_EQ(child(screen, "DBEdit1")->text(), QStringLiteral("BANCO DO B"));
    EXPECT_EQ(child(screen, "DBEdit8")->text(),
              QString::fromStdString(core::shortDateTwoDigitYear(core::Date::today())));

    dialogs.answer(true);
    button("BitBtn4")->click();
    EXPECT_EQ(dialogs.questions.back(), QStringLiteral("Registrar o Lançamento?"));
    EXPECT_EQ(balance("11", core::Date::today()), reais("100,00"));
    std::vector<bool> stored = idle;
    stored[3] = true;
    EXPECT_EQ(states(), stored);

    // A new entry: the last operation comes back, and deleting is off until it is stored.
    button("BitBtn6")->click();
    EXPECT_EQ(states(), entering);
    EXPECT_EQ(child<QComboBox>(screen, "DBComboBox1")->currentText(), QStringLiteral("CRÉDITO"));
    dialogs.answer(true);
    button("BitBtn5")->click();
    EXPECT_EQ(states(), idle);
    EXPECT_EQ(count(dm.TbBanco), 1);
}

TEST_F(LedgerScreenTest, DeleteRemovesTheEntryJustStoredWithItsDay) {
    typeEntry("11", 1, "30,00");
    dialogs.answer(true);
    button("BitBtn4")->click();
    EXPECT_EQ(balance("11", core::Date::today()), reais("-30,00"));
    dialogs.answer(true);
    button("BitBtn11")->click();
    EXPECT_EQ(dialogs.questions.back(), QStringLiteral("Excluir o Lançamento?"));
    EXPECT_EQ(count(dm.TbBanco), 0);
    EXPECT_EQ(balance("11", core::Date::today()), reais("0,00"));
    EXPECT_FALSE(button("BitBtn11")->isEnabled());
}

TEST_F(LedgerScreenTest, WhatRegisterChecksIsAskedForAgainAndNothingIsWritten) {
    struct Case {
        const char* what;
        const char* conta;
        int operacao;
        const char* valor;
        const char* vencimento;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {"below the minimum", "11", 0, "0,50", nullptr, "Digite o Valor do Lançamento!", "DBEdit6"},
        {"no operation", "11", -1, "10,00", nullptr, "Selecione o Tipo de Operação CRÉDITO ou DÉBTO!",
         "DBComboBox1"},
        {"impossible effective date", "11", 0, "10,00", "310225", "Digite a Data de Vencimento!", "DBEdit8"},
        {"no effective date", "11", 0, "10,00", "", "Digite a Data de Vencimento!", "DBEdit8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        typeEntry(c.conta, c.operacao, c.valor);
        if (c.vencimento) type(screen, "DBEdit8", QString::fromLatin1(c.vencimento));
        button("BitBtn4")->click();
        EXPECT_EQ(dialogs.messages.back(), QString::fromUtf8(c.message));
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(c.focus));
        EXPECT_EQ(count(dm.TbBanco), 0);
        dialogs.answer(true);
        button("BitBtn5")->click();
    }
}

TEST_F(LedgerScreenTest, AnUnknownAccountIsSaidOnTheWayAndRefusedAtRegister) {
    typeEntry("99", 0, "10,00");
    EXPECT_EQ(dialogs.messages.value(0), QStringLiteral("Conta Bancária Inexistente!"));
    // Typed on regardless, with dates: registering looks the account up again.
    type(screen, "DBEdit3", "010525");
    type(screen, "DBEdit8", "010525");
    dialogs.answer(true);
    button("BitBtn4")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Conta Bancária Inexistente!"));
    EXPECT_EQ(count(dm.TbBanco), 0);
}

TEST_F(LedgerScreenTest, TransferAndStatementOpenWithTheLedgerHiddenMeanwhile) {
    for (const auto& [button, screenName] :
         {std::pair{"BitBtn7", "TFmTransferir"}, {"BitBtn1", "TFmDataExtrato"}}) {
        SCOPED_TRACE(screenName);
        bool ledgerShown = true;
        dialogs.expectScreen(QString::fromLatin1(screenName), [&](QDialog&) {
            ledgerShown = screen.isVisible();
            return int(QDialog::Rejected);
        });
        this->button(button)->click();
        EXPECT_FALSE(ledgerShown);
        EXPECT_TRUE(screen.isVisible());
    }
}

TEST_F(LedgerScreenTest, ClosingIsRefusedWhileAnEntryIsBeingMade) {
    button("BitBtn6")->click();
    screen.close();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(dialogs.messages.back(),
              QStringLiteral("Registro em Edição! Registre ou Cancele o Lançamento."));
    dialogs.answer(true);
    button("BitBtn5")->click();
    screen.close();
    EXPECT_FALSE(screen.isVisible());
}

class TransferScreenTest : public BankTest {
  protected:
    TransferScreenTest() {
        screen.show();
        QApplication::setActiveWindow(&screen);
    }
    void typeTransfer(const char* valor) {
        type(screen, "Edit1", "11");
        QTest::keyClick(child(screen, "Edit1"), Qt::Key_Tab);  // "Data:" looks the origin up
        type(screen, "MaskEdit1", "050625");
        type(screen, "Edit7", valor);
        type(screen, "Edit2", "22");
        QTest::keyClick(child(screen, "Edit2"), Qt::Key_Tab);  // the destination's name looks it up
    }

    testsupport::ScriptedDialogs dialogs;
    bank::TFmTransferir screen{dm};
};

TEST_F(TransferScreenTest, HasNoCaptionAndOnlyItsButtonsCloseIt) {
    EXPECT_FALSE(screen.windowFlags() & Qt::WindowTitleHint);
    EXPECT_FALSE(screen.windowFlags() & Qt::WindowCloseButtonHint);
    QTest::keyClick(&screen, Qt::Key_Escape);
    screen.close();
    EXPECT_TRUE(screen.isVisible());
    dialogs.answer(true);
    child<QPushButton>(screen, "BitBtn2")->click();
    EXPECT_EQ(dialogs.questions.back(), QStringLiteral("Cancelar a Transferência?"));
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(count(dm.TbBanco), 0);
}

TEST_F(TransferScreenTest, TransfersWhatWasTypedAndRefusesANegativeValue) {
    typeTransfer("-200,00");
    EXPECT_EQ(child(screen, "Edit5")->text(), QStringLiteral("BANCO DO BRASIL S.A."));
    EXPECT_EQ(child(screen, "Edit3")->text(), QStringLiteral("CAIXA"));
    child<QPushButton>(screen, "BitBtn1")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite o Valor Para a Transferência!"));
    EXPECT_EQ(count(dm.TbBanco), 0);

    type(screen, "Edit7", "200,00");
    type(screen, "MaskEdit1", "310225");
    child<QPushButton>(screen, "BitBtn1")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite a Data da Transferência!"));
    EXPECT_EQ(count(dm.TbBanco), 0);

    type(screen, "MaskEdit1", "050625");
    dialogs.answer(true);
    child<QPushButton>(screen, "BitBtn1")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Transferência Realizada Com Sucesso!"));
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(balance("11", {2025, 6, 5}), reais("-200,00"));
    EXPECT_EQ(balance("22", {2025, 6, 5}), reais("200,00"));
}

TEST_F(BankTest, TheStatementScreenAsksForItsDatesAndPrintsTheAccountTyped) {
    testsupport::ScriptedDialogs dialogs;
    std::vector<std::string> printed;
    bank::TFmDataExtrato screen{dm, [&](const reports::Report& report) {
                                    printed = reportstest::allLines(reports::generate(report, {}));
                                }};
    screen.show();
    QApplication::setActiveWindow(&screen);
    bank::registerEntry(dm, {"22", {2025, 5, 2}, bank::kCredito, "", {2025, 5, 2}, reais("10,00"), "DEP"});
    type(screen, "Edit1", "22");
    type(screen, "DBEdit1", "310225");
    type(screen, "DBEdit2", "310525");
    child<QPushButton>(screen, "BitBtn1")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite a Data Inicial do Período!"));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("DBEdit1"));
    EXPECT_TRUE(printed.empty());

    type(screen, "DBEdit1", "010525");
    child<QPushButton>(screen, "BitBtn1")->click();
    EXPECT_EQ(reportstest::linesStartingWith(printed, "CAIXA | Agência: 0042 | Conta: 22").size(), 1u);
}

}  // namespace
}  // namespace banktest

namespace banktest {
namespace {

TEST_F(BankTest, TheQueryListsAnAccountsPeriodAndDeletesALineWithItsDay) {
    const core::Date may10{2025, 5, 10};
    for (const char* conta : {"11", "11", "22"})
        bank::registerEntry(dm, {conta, may10, bank::kCredito, "", may10, reais("40,00"), "DEP"});
    testsupport::ScriptedDialogs dialogs;
    bank::TFmConsControle screen{dm};
    screen.show();
    QApplication::setActiveWindow(&screen);
    EXPECT_EQ(child(screen, "MaskEdit1")->text(),
              QString::fromStdString(core::shortDateTwoDigitYear(core::Date::today())));
    type(screen, "Edit1", "11");
    type(screen, "MaskEdit1", "010525");
    type(screen, "MaskEdit2", "310525");
    child<QPushButton>(screen, "BitBtn3")->click();
    ASSERT_EQ(screen.grid()->model()->rowCount(), 2);

    dialogs.answer(true);
    child<QPushButton>(screen, "BitBtn1")->click();
    EXPECT_EQ(dialogs.questions.back(), QStringLiteral("Excluir o Lançamento?"));
    EXPECT_EQ(screen.grid()->model()->rowCount(), 1);
    EXPECT_EQ(balance("11", may10), reais("40,00"));
    EXPECT_EQ(balance("22", may10), reais("40,00"));
    expectBalancesMatchLines();
}

}  // namespace
}  // namespace banktest
