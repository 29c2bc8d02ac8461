// The supplier search by either index, the quick supplier and heading screens as the
// payables see them, the chart-of-accounts save, and a bank account's number.
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "data/rows.h"
#include "registers/bank_account_rules.h"
#include "registers/plan_quick_screen.h"
#include "registers/plan_screen.h"
#include "registers/plan_search.h"
#include "registers/supplier_quick_screen.h"
#include "registers/supplier_search.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/db_edit.h"

namespace {

class SupplierPlanTest : public testsupport::DataTest {
  protected:
    void add(store::Table& t, const data::Cells& cells) {
        if (!t.isOpen()) t.open();
        data::addRow(t, cells);
    }
    testsupport::ScriptedDialogs dialogs;
};

TEST_F(SupplierPlanTest, TheSupplierSearchFindsByTradeNameOrByName) {
    add(dm.TbFornec,
        {{"Codigo", std::int64_t{1}}, {"Nome", "ALFA COSMETICOS LTDA"}, {"NomeFantasia", "ZETA"}});
    add(dm.TbFornec, {{"Codigo", std::int64_t{2}}, {"Nome", "ZULU PERFUMES SA"}, {"NomeFantasia", "BETA"}});
    registers::TFmConsFornec screen(dm);
    EXPECT_EQ(dm.TbFornec.indexName(), "siFantasia");
    QTest::keyClicks(screen.searchEdit(), "ze");
    EXPECT_EQ(dm.TbFornec.field("Codigo").asInteger(), 1);
    QTest::keyClicks(screen.otherEdit(), "zu");
    EXPECT_EQ(dm.TbFornec.indexName(), "siNome");
    EXPECT_TRUE(screen.otherRadio()->isChecked());
    EXPECT_EQ(dm.TbFornec.field("Codigo").asInteger(), 2);
}

TEST_F(SupplierPlanTest, ACancelledQuickSupplierLeavesNothingAndNothingChosen) {
    add(dm.TbFornec, {{"Codigo", std::int64_t{4}}, {"Nome", "ALFA"}});
    dialogs.expectScreen(QStringLiteral("TFmConsFornecPG"), [](QDialog& screen) {
        static_cast<registers::TFmConsFornecPG&>(screen).novo();
        return 0;
    });
    dialogs.expectScreen(QStringLiteral("TFmFornecedoresPG"), [this](QDialog& screen) {
        auto& quick = static_cast<registers::TFmFornecedoresPG&>(screen);
        EXPECT_EQ(dm.TbFornec.field("Codigo").asInteger(), 5);  // saved empty at once
        screen.reject();                                        // the close box: refused
        EXPECT_EQ(dialogs.messages.value(0),
                  QStringLiteral("Registro em Edição! Grave ou Cancela o Registro."));
        dialogs.answer(true);
        quick.cancelar();
        return 0;
    });
    EXPECT_EQ(registers::chooseSupplier(dm), std::nullopt);
    dm.TbFornec.setIndexName({});
    EXPECT_EQ(dm.TbFornec.recordCount(), 1);
}

TEST_F(SupplierPlanTest, AHeadingNeedsACodeAndKeepsSubCodigoInStep) {
    registers::TFmPlano screen(dm);
    screen.novo();
    dialogs.answer(true);
    screen.gravar();
    EXPECT_EQ(dialogs.messages.value(0), QStringLiteral("O Código Não Pode Ser Em Branco!"));
    EXPECT_TRUE(dm.TbPlano.isEditing());

    dm.TbPlano.field("Codigo").setString("1.2");
    dm.TbPlano.field("Descricao").setString("ALUGUEL");
    screen.gravar();
    EXPECT_EQ(dm.TbPlano.field("SubCodigo").asString(), "1.2");
    dm.TbPlano.edit();
    dm.TbPlano.field("Codigo").setString("1.3");
    dialogs.answer(true);
    screen.gravar();
    EXPECT_EQ(dm.TbPlano.field("SubCodigo").asString(), "1.3");
}

TEST_F(SupplierPlanTest, AQuickHeadingNotSavedIsNoChoice) {
    add(dm.TbPlano, {{"Codigo", "2.1"}, {"Descricao", "LUZ"}});
    const int before = dm.TbPlano.recordCount();
    dialogs.expectScreen(QStringLiteral("TFmConsPlano"), [](QDialog& screen) {
        static_cast<registers::TFmConsPlano&>(screen).novaConta();
        return 0;
    });
    dialogs.expectScreen(QStringLiteral("TFmPlanoNO"), [](QDialog& screen) {
        screen.reject();
        return 0;
    });
    EXPECT_EQ(registers::choosePlan(dm), std::nullopt);
    dm.TbPlano.setIndexName({});
    EXPECT_EQ(dm.TbPlano.recordCount(), before);
}

TEST_F(SupplierPlanTest, AnAccountNeedsANumberAndKeepsItOnceItHasMovements) {
    add(dm.TbConta, {{"Conta", "1234"}});
    add(dm.TbConta, {{"Conta", "5678"}});
    add(dm.TbBanco, {{"Numero", std::int64_t{1}}, {"Conta", "1234"}});
    store::Table& conta = dm.TbConta;
    struct Case {
        const char* from;
        const char* to;
        bool refused;
    };
    for (const Case& c : {Case{"1234", "4321", true}, Case{"1234", "", true}, Case{"5678", "8765", false},
                          Case{"1234", "1234", false}}) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        ASSERT_TRUE(conta.findKey({store::Value{std::string(c.from)}}));
        conta.edit();
        conta.field("Conta").setString(c.to);
        EXPECT_EQ(registers::bankAccountRefusal(dm).has_value(), c.refused);
        conta.cancel();
    }
    conta.insert();
    EXPECT_TRUE(registers::bankAccountRefusal(dm).has_value());
    conta.field("Conta").setString("9");
    EXPECT_FALSE(registers::bankAccountRefusal(dm).has_value());
    conta.cancel();
}

}  // namespace
