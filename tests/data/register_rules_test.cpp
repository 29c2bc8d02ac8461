// Rules the register screens apply before posting.
#include <gtest/gtest.h>

#include "data/register_rules.h"
#include "data/rows.h"
#include "support/data_fixture.h"

namespace {

using testsupport::DataTest;

using RegisterRulesTest = DataTest;

TEST_F(RegisterRulesTest, BirthdayKeyIsWrittenFromDayAndMonth) {
    dm.TbCliente.open();
    dm.TbCliente.insert();
    dm.TbCliente.field("Codigo").setInteger(1);
    dm.TbCliente.field("Dia").setInteger(7);
    dm.TbCliente.field("Mes").setInteger(9);
    data::applyBirthdayKey(dm.TbCliente);
    dm.TbCliente.post();

    dm.TbCliente.setIndexName("siAniversario");
    ASSERT_TRUE(dm.TbCliente.findKey({"7/9"}));
    EXPECT_EQ(dm.TbCliente.field("Codigo").asInteger(), 1);
    EXPECT_FALSE(dm.TbCliente.findKey({"07/09"}));
}

TEST_F(RegisterRulesTest, BirthdayKeyStaysWhenDayOrMonthIsMissing) {
    dm.TbCliente.open();
    data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{1}}, {"Aniversario", "25/12"}});
    for (const auto& [day, month] : {std::pair{0, 5}, std::pair{5, 0}}) {
        dm.TbCliente.edit();
        dm.TbCliente.field("Dia").setInteger(day);
        dm.TbCliente.field("Mes").setInteger(month);
        data::applyBirthdayKey(dm.TbCliente);
        dm.TbCliente.post();
        EXPECT_EQ(dm.TbCliente.field("Aniversario").asString(), "25/12");
    }
}

TEST_F(RegisterRulesTest, NewCodeIsHighestPlusOneWhateverTheScreenShows) {
    dm.TbFornec.open();
    EXPECT_EQ(data::nextCode(dm.TbFornec), 1);  // empty register

    data::addRow(dm.TbFornec, {{"Codigo", std::int64_t{5}}, {"Nome", "ALFA COSMÉTICOS"}});
    data::addRow(dm.TbFornec, {{"Codigo", std::int64_t{2}}, {"Nome", "ZETA DISTRIBUIDORA"}});
    // A search screen left the register on the name index, limited to the first name.
    dm.TbFornec.setIndexName("siNome");
    dm.TbFornec.setRange({"ALFA"}, {"ALFA COSMÉTICOS"});
    EXPECT_EQ(data::nextCode(dm.TbFornec), 6);
    EXPECT_EQ(dm.TbFornec.indexName(), "siNome");
    EXPECT_EQ(dm.TbFornec.recordCount(), 1);
}

TEST_F(RegisterRulesTest, ProductCodeStaysTakenAfterTheProductIsDeleted) {
    dm.TbProdutos.open();
    dm.TbDuplicado.open();
    data::addRow(dm.TbProdutos, {{"Codigo", std::int64_t{3}}, {"Descricao", "ESCOVA"}});
    data::rememberProductCode(dm.TbDuplicado, 3);
    dm.TbProdutos.deleteRecord();
    data::rememberProductCode(dm.TbDuplicado, 3);  // saved again under the same code

    EXPECT_TRUE(dm.TbProdutos.isEmpty());
    EXPECT_TRUE(dm.TbDuplicado.findKey({std::int64_t{3}}));
    EXPECT_EQ(dm.TbDuplicado.recordCount(), 1);
}

}  // namespace
