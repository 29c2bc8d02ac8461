// Tables opened for an action or a screen: closed again at its end, except those that were
// open before it; one that will not open leaves none of the others open.
#include <gtest/gtest.h>

#include "data/opened_tables.h"
#include "support/data_fixture.h"

namespace {

class OpenedTablesTest : public testsupport::DataTest {};

TEST_F(OpenedTablesTest, ClosesOnlyWhatItOpened) {
    ASSERT_TRUE(dm.TbConfig.isOpen());
    ASSERT_FALSE(dm.TbCliente.isOpen());
    {
        data::OpenedTables opened{&dm.TbConfig, &dm.TbCliente};
        EXPECT_TRUE(dm.TbCliente.isOpen());
        opened.open(dm.TbProdutos);
        EXPECT_TRUE(dm.TbProdutos.isOpen());
    }
    EXPECT_TRUE(dm.TbConfig.isOpen());
    EXPECT_FALSE(dm.TbCliente.isOpen());
    EXPECT_FALSE(dm.TbProdutos.isOpen());
}

TEST_F(OpenedTablesTest, ATableThatWillNotOpenLeavesTheOthersAsTheyWere) {
    store::TableDef missing;
    missing.fileName = "Inexistente.DAT";
    missing.fields = {{"Codigo", store::FieldType::Integer}};
    store::Table nowhere(dm.DbVelmora, missing, "TbInexistente");
    EXPECT_THROW((data::OpenedTables{&dm.TbCliente, &nowhere}), store::Error);
    EXPECT_FALSE(dm.TbCliente.isOpen());
    EXPECT_TRUE(dm.TbConfig.isOpen());
}

}  // namespace
