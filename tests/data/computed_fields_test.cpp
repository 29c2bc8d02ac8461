// Calculated fields, worked out in exact money when a record is read.
#include <gtest/gtest.h>

#include "data/rows.h"
#include "support/data_fixture.h"

namespace {

using testsupport::DataTest;

core::Currency money(double reais) {
    return core::Currency::fromDouble(reais);
}

class ComputedFieldTest : public DataTest {
  protected:
    void setFee(double percent) {
        dm.TbConfig.first();
        dm.TbConfig.edit();
        dm.TbConfig.field("Manutencao").setFloat(percent);
        dm.TbConfig.post();
    }
};

TEST_F(ComputedFieldTest, TicketServiceFeeAndCommissionFollowTheCurrentFee) {
    setFee(10);
    dm.TbComando.open();
    dm.TbItemComando.open();
    dm.TbHistorico.open();
    data::addRow(dm.TbComando, {{"Comando", std::int64_t{1}}});
    data::addRow(dm.TbItemComando, {{"Valor", 100.0}, {"COM", 40.0}});
    data::addRow(dm.TbHistorico, {{"Ordem", std::int64_t{1}}, {"Valor", 100.0}, {"COM", 40.0}});

    for (store::Table* table : {&dm.TbItemComando, &dm.TbHistorico}) {
        SCOPED_TRACE(table->name());
        table->first();
        EXPECT_EQ(table->field("Manu").asCurrency(), money(10));
        EXPECT_EQ(table->field("VC").asCurrency(), money(30));
    }

    setFee(25);
    for (store::Table* table : {&dm.TbItemComando, &dm.TbHistorico}) {
        SCOPED_TRACE(table->name());
        table->refresh();
        EXPECT_EQ(table->field("Manu").asCurrency(), money(25));
        EXPECT_EQ(table->field("VC").asCurrency(), money(15));
        EXPECT_EQ(table->rowsAt(0, 1).at(0).values.at(table->field("VC").index()), store::Value(15.0));
    }
}

TEST_F(ComputedFieldTest, FeeIsSeenWhileAValueIsTyped) {
    setFee(10);
    dm.TbComando.open();
    dm.TbItemComando.open();
    data::addRow(dm.TbComando, {{"Comando", std::int64_t{1}}});
    dm.TbItemComando.insert();
    dm.TbItemComando.field("COM").setFloat(50);
    dm.TbItemComando.field("Valor").setCurrency(money(80));
    EXPECT_EQ(dm.TbItemComando.field("Manu").asCurrency(), money(8));
    EXPECT_EQ(dm.TbItemComando.field("VC").asCurrency(), money(32));
}

TEST_F(ComputedFieldTest, CashInDrawerIsOpeningPlusTakingsLessWithdrawals) {
    dm.TbCaixa.open();
    data::addRow(
        dm.TbCaixa,
        {{"Contador", std::int64_t{1}}, {"DinheiroDIA", 50.0}, {"Dinheiro", 300.0}, {"DinheiroTOTAL", 80.0}});
    EXPECT_EQ(dm.TbCaixa.field("Caixa").asCurrency(), money(270));
}

struct AmountCase {
    const char* component;
    data::Cells cells;
    const char* computed;
    core::Currency expected;
};

TEST_F(ComputedFieldTest, CommissionEntryTotalAndCommissionLessAdvances) {
    dm.TbServico.open();
    dm.TbEntrada.open();
    dm.TbServico.insert();
    dm.TbServico.post();
    dm.TbEntrada.insert();
    dm.TbEntrada.post();
    dm.openWorkTable(dm.TbVirtual);
    const std::vector<AmountCase> cases = {
        {"TbItensServico", {{"Comissao", 40.0}, {"Total", 55.0}}, "Comi", money(22)},
        {"TbItensServico", {{"Comissao", 12.5}, {"Total", 0.0}}, "Comi", money(0)},
        // a commission is rounded to the centavo once, halves up
        {"TbItensServico", {{"Comissao", 35.0}, {"Total", 12.5}}, "Comi", money(4.38)},
        {"TbItensServico", {{"Comissao", 33.333}, {"Total", 10.0}}, "Comi", money(3.33)},
        {"TbItensServico", {{"Comissao", 49.99}, {"Total", 0.01}}, "Comi", money(0)},
        {"TbItensServico", {{"Comissao", 50.0}, {"Total", 33.33}}, "Comi", money(16.67)},
        {"TbItemEntrada", {{"Custo", 12.5}, {"Quant", 3.0}}, "Total", money(37.5)},
        {"TbVirtual", {{"Codigo", std::int64_t{1}}, {"COM", 300.0}, {"Vale", 120.7}}, "Valor", money(179.3)},
        // advances above the commission leave the employee owing
        {"TbVirtual", {{"Codigo", std::int64_t{2}}, {"COM", 50.0}, {"Vale", 80.0}}, "Valor", money(-30)},
    };
    for (const AmountCase& c : cases) {
        SCOPED_TRACE(std::string(c.component) + "." + c.computed);
        store::Table& table = dm.table(c.component);
        if (!table.isOpen()) table.open();
        data::addRow(table, c.cells);
        EXPECT_EQ(table.field(c.computed).asCurrency(), c.expected);
        table.deleteRecord();
    }
}

}  // namespace
