// The data module: its tables, data sources, links and private work tables.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/rows.h"
#include "data/tables.h"
#include "support/data_fixture.h"

namespace {

using testsupport::DataTest;
using testsupport::InitialDataDirectory;
using testsupport::RecordingMessages;

using DataModuleTest = DataTest;

TEST_F(DataModuleTest, OwnsEveryCatalogueTableUnderItsName) {
    const auto& catalogue = data::tableCatalogue();
    ASSERT_EQ(dm.tables().size(), catalogue.size());
    for (const data::TableEntry& entry : catalogue) {
        SCOPED_TRACE(entry.component);
        store::Table& table = dm.table(entry.component);
        EXPECT_EQ(table.name(), entry.component);
        EXPECT_EQ(table.definition().fileName, entry.definition.fileName);
        EXPECT_EQ(&table.database(),
                  entry.placement == data::Placement::Shared ? &dm.DbVelmora : &dm.DbTrabalho);
    }
    EXPECT_THROW(dm.table("TbInexistente"), std::out_of_range);
}

TEST_F(DataModuleTest, EveryTableWithCalculatedFieldsHasItsHook) {
    for (store::Table* table : dm.tables()) {
        const auto& fields = table->definition().fields;
        const bool calculated =
            std::ranges::any_of(fields, [](const auto& field) { return field.calculated; });
        EXPECT_EQ(static_cast<bool>(table->onCalcFields), calculated) << table->name();
    }
}

TEST_F(DataModuleTest, OpensTheFourAlwaysOpenTablesOnly) {
    EXPECT_TRUE(messages.said.empty());
    for (store::Table* table : dm.tables()) {
        const bool alwaysOpen = table == &dm.TbSenha || table == &dm.TbConfig || table == &dm.TbAcesso ||
                                table == &dm.TbItemAcesso;
        EXPECT_EQ(table->isOpen(), alwaysOpen) << table->name();
    }
    EXPECT_EQ(dm.TbSenha.field("Usuario").asString(), "ADMINISTRADOR");
}

TEST_F(DataModuleTest, SharesLockSettingsAndAutoEditAsConfigured) {
    EXPECT_EQ(dm.DbVelmora.directory(), dataDir());
    EXPECT_EQ(dm.DbVelmora.lockSettings().retryCount, 15);
    EXPECT_EQ(dm.DbVelmora.lockSettings().waitTime, std::chrono::milliseconds(100));
    for (const data::DataSource* manual :
         {&dm.DsCliente, &dm.DsReceber, &dm.DsPagar, &dm.DsPlano, &dm.DsFornec, &dm.DsFuncionario,
          &dm.DsComando, &dm.DsBanco, &dm.DsEntrada})
        EXPECT_FALSE(manual->autoEdit) << manual->table.name();
    for (const data::DataSource* automatic : {&dm.DsProdutos, &dm.dsSaldos, &dm.DsConfig, &dm.DsServico})
        EXPECT_TRUE(automatic->autoEdit) << automatic->table.name();
    EXPECT_EQ(&dm.dsSaldos.table, &dm.TbSaldos);
}

TEST_F(DataModuleTest, DetailTablesFollowTheirMaster) {
    dm.TbCliente.open();
    dm.TbFoto.open();
    for (std::int64_t client : {1, 2}) data::addRow(dm.TbCliente, {{"Codigo", client}});
    ASSERT_TRUE(dm.TbCliente.findKey({std::int64_t{1}}));
    data::addRow(dm.TbFoto, {{"Data", "2024-03-05"}});
    data::addRow(dm.TbFoto, {{"Data", "2024-03-06"}});
    ASSERT_TRUE(dm.TbCliente.findKey({std::int64_t{2}}));
    data::addRow(dm.TbFoto, {{"Data", "2024-04-01"}});

    EXPECT_EQ(dm.TbFoto.recordCount(), 1);
    EXPECT_EQ(dm.TbFoto.field("Codigo").asInteger(), 2);
    dm.TbCliente.first();
    EXPECT_EQ(dm.TbFoto.recordCount(), 2);

    // permitted users of an access area
    ASSERT_TRUE(dm.TbAcesso.findKey({17.01}));
    data::addRow(dm.TbItemAcesso, {{"Numero", std::int64_t{1}}, {"Usuario", "ADMINISTRADOR"}});
    ASSERT_TRUE(dm.TbAcesso.findKey({17.1}));
    EXPECT_TRUE(dm.TbItemAcesso.isEmpty());
    ASSERT_TRUE(dm.TbAcesso.findKey({17.01}));
    EXPECT_EQ(dm.TbItemAcesso.field("Codigo").asFloat(), 17.01);
}

TEST_F(DataModuleTest, MissingTableFileIsNamedInTheError) {
    std::filesystem::remove(dataDir() / "Clientes.DAT");
    try {
        dm.TbCliente.open();
        FAIL() << "a missing table opened";
    } catch (const store::FileError& error) {
        EXPECT_NE(std::string(error.what()).find("Clientes.DAT"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(dm.TbCliente.isOpen());
}

TEST(DataModuleStart, AlwaysOpenTableThatWillNotOpenIsReportedAndTheRestOpen) {
    InitialDataDirectory directory;
    std::filesystem::remove(directory / "Configuracoes.DAT");
    RecordingMessages messages;
    data::Tdm dm(directory.path(), messages);

    ASSERT_EQ(messages.said.size(), 1u);
    EXPECT_NE(messages.said[0].find("Configuracoes.DAT"), std::string::npos) << messages.said[0];
    EXPECT_FALSE(dm.TbConfig.isOpen());
    EXPECT_TRUE(dm.TbSenha.isOpen());
    EXPECT_TRUE(dm.TbAcesso.isOpen());
    EXPECT_TRUE(dm.TbItemAcesso.isOpen());
}

TEST(DataModuleWorkTables, PrivateToEachInstanceAndRemovedWithIt) {
    InitialDataDirectory directory;
    RecordingMessages messages;
    std::filesystem::path firstScratch;
    {
        data::Tdm first(directory.path(), messages);
        data::Tdm second(directory.path(), messages);
        for (data::Tdm* dm : {&first, &second}) dm->openWorkTable(dm->TbVirtual);
        data::addRow(first.TbVirtual, {{"Codigo", std::int64_t{1}}, {"COM", 10.0}});
        data::addRow(second.TbVirtual, {{"Codigo", std::int64_t{1}}, {"COM", 99.0}});
        first.TbVirtual.refresh();
        EXPECT_EQ(first.TbVirtual.recordCount(), 1);
        EXPECT_EQ(first.TbVirtual.field("COM").asFloat(), 10.0);
        second.TbVirtual.emptyTable();
        first.TbVirtual.refresh();
        EXPECT_EQ(first.TbVirtual.recordCount(), 1);

        firstScratch = first.DbTrabalho.directory();
        EXPECT_NE(firstScratch, second.DbTrabalho.directory());
        EXPECT_NE(firstScratch, directory.path());
        EXPECT_FALSE(std::filesystem::exists(directory / "Virtual.DAT"));
        EXPECT_TRUE(std::filesystem::exists(firstScratch / "Virtual.DAT"));
    }
    EXPECT_FALSE(std::filesystem::exists(firstScratch));
}

TEST_F(DataModuleTest, SingleRowBuffersStartWithTheirOneRow) {
    for (store::Table* buffer : {&dm.TbAtende, &dm.TbCredito, &dm.TbDatas, &dm.TbSoma, &dm.TbAtual}) {
        SCOPED_TRACE(buffer->name());
        dm.openWorkTable(*buffer);
        EXPECT_EQ(buffer->recordCount(), 1);
        buffer->close();
        dm.openWorkTable(*buffer);  // opened again: still one row
        EXPECT_EQ(buffer->recordCount(), 1);
    }
    EXPECT_THROW(dm.openWorkTable(dm.TbCliente), std::logic_error);
}

}  // namespace
