// The initial data set and `velmora --init-data`.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "core/date.h"
#include "core/text.h"
#include "data/access_areas.h"
#include "data/command_line.h"
#include "data/initial_data.h"
#include "data/tables.h"
#include "data/user_passwords.h"
#include "support/data_fixture.h"
#include "support/server_schema.h"

namespace {

using testsupport::InitialDataDirectory;
using testsupport::RecordingMessages;
using testsupport::TempDir;

struct CommandResult {
    std::optional<int> code;
    std::string out;
    std::string err;
};

CommandResult run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    CommandResult result;
    result.code = data::runDataCommandLine(args, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

int rowCount(store::Table& table) {
    if (!table.isOpen()) table.open();
    return table.recordCount();
}

TEST(InitData, CreatesADirectoryThatOpensWithEveryAreaAndTheFirstUser) {
    TempDir parent;
    const auto directory = parent / "Dados";
    const CommandResult result = run({"--init-data", directory.string()});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_NE(result.out.find(directory.string()), std::string::npos);

    RecordingMessages messages;
    data::Tdm dm(directory, messages);
    EXPECT_TRUE(messages.said.empty());
    for (const data::TableEntry& entry : data::tableCatalogue())
        EXPECT_EQ(std::filesystem::exists(directory / entry.definition.fileName),
                  entry.placement == data::Placement::Shared)
            << entry.component;

    EXPECT_EQ(rowCount(dm.TbAcesso), static_cast<int>(data::accessAreas().size()));
    std::set<std::string> names;
    for (const data::AccessArea& area : data::accessAreas()) {
        SCOPED_TRACE(area.code);
        ASSERT_TRUE(dm.TbAcesso.findKey({area.code}));
        const std::string local = dm.TbAcesso.field("Local").asString();
        EXPECT_EQ(local, area.local);  // not cut short by the field size
        EXPECT_TRUE(names.insert(local).second) << "two areas named " << local;
        EXPECT_EQ(dm.TbAcesso.field("Status").asString(), "");
    }
    for (double area : {1.0, 1.1, 1.5, 2.2, 14.3, 17.0, 17.01, 17.1, 17.2, 24.0, 26.0})
        EXPECT_TRUE(dm.TbAcesso.findKey({area})) << area;
    EXPECT_FALSE(dm.TbAcesso.findKey({25.0}));

    EXPECT_EQ(rowCount(dm.TbConfig), 1);
    EXPECT_EQ(rowCount(dm.TbContador), 1);
    for (const char* counter : {"ContServico", "ContServ", "ContFecha", "ContFechaCaixa", "ContReceber",
                                "ContBaixaR", "ContPagar", "ContBaixaP"})
        EXPECT_EQ(dm.TbContador.field(counter).asInteger(), 1) << counter;

    rowCount(dm.TbPlano);
    ASSERT_TRUE(dm.TbPlano.findKey({"5"}));
    EXPECT_EQ(dm.TbPlano.field("Descricao").asString(), "Vale Para Funcionários");
    EXPECT_FALSE(dm.TbPlano.field("Marca").asString().empty());

    ASSERT_EQ(rowCount(dm.TbSenha), 1);
    EXPECT_EQ(dm.TbSenha.field("Usuario").asString(), "ADMINISTRADOR");
    EXPECT_TRUE(data::isUsersPassword(dm, "1234"));
    rowCount(dm.TbFuncionario);
    ASSERT_TRUE(dm.TbFuncionario.findKey({dm.TbSenha.field("CodFUN").asInteger()}));
    EXPECT_EQ(dm.TbFuncionario.field("Nome").asString(), "ADMINISTRADOR");
}

TEST(InitDataOnServer, FillsAnEmptyDatabaseThatThenOpensAndIsNeverFilledTwice) {
    TempDir standIn;  // names the test server's schema for this data set
    const std::string connection = testsupport::serverConnectionFor(standIn.path());
    const store::Location server{store::ServerConnection{connection}};
    EXPECT_FALSE(data::holdsTables(server));
    const CommandResult result = run({"--init-data", "--servidor", connection});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_NE(result.out.find("Dados iniciais criados no servidor"), std::string::npos) << result.out;
    EXPECT_TRUE(data::holdsTables(server));
    {
        RecordingMessages messages;
        data::Tdm dm(server, messages);
        EXPECT_TRUE(messages.said.empty());
        EXPECT_FALSE(dm.DbVelmora.keepsTableFiles());
        EXPECT_EQ(rowCount(dm.TbAcesso), static_cast<int>(data::accessAreas().size()));
        ASSERT_EQ(rowCount(dm.TbSenha), 1);
        EXPECT_EQ(dm.TbSenha.field("Usuario").asString(), "ADMINISTRADOR");
        // Scratch tables stay on this station's own folder.
        EXPECT_TRUE(dm.DbTrabalho.keepsTableFiles());
    }
    const CommandResult again = run({"--init-data", "--servidor", connection, "--demo"});
    EXPECT_EQ(again.code, 1);
    EXPECT_NE(again.err.find("já contém tabelas"), std::string::npos) << again.err;
    const CommandResult renewed = run({"--senha-master", "--servidor", connection});
    EXPECT_EQ(renewed.code, 0) << renewed.err;
}

TEST(InitData, RefusesADirectoryThatAlreadyHoldsTables) {
    InitialDataDirectory directory;
    {
        RecordingMessages messages;
        data::Tdm dm(directory.path(), messages);
        dm.TbConfig.edit();
        dm.TbConfig.field("Nome").setString("Salão da Maria");
        dm.TbConfig.post();
    }
    // Even one table file left there counts.
    for (const auto& file : std::filesystem::directory_iterator(directory.path()))
        if (file.is_regular_file() && file.path().filename() != "Configuracoes.DAT")
            std::filesystem::remove(file.path());

    const CommandResult result = run({"--init-data", directory.path().string(), "--demo"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("já contém tabelas"), std::string::npos) << result.err;

    store::Database database(directory.path());
    store::Table config(database, data::tableEntry("TbConfig").definition, "TbConfig");
    config.open();
    EXPECT_EQ(config.recordCount(), 1);
    EXPECT_EQ(config.field("Nome").asString(), "Salão da Maria");
    EXPECT_FALSE(std::filesystem::exists(directory / "Clientes.DAT"));
}

TEST(InitData, CommandLineWithoutTheOptionOrItsDirectory) {
    EXPECT_FALSE(run({}).code.has_value());
    EXPECT_FALSE(run({"--data", "/tmp/x"}).code.has_value());
    for (const auto& args : {std::vector<std::string>{"--init-data"}, {"--init-data", "--demo"}}) {
        const CommandResult result = run(args);
        EXPECT_EQ(result.code, 2);
        EXPECT_NE(result.err.find("--init-data"), std::string::npos);
    }
}

TEST(InitData, DemoSalonIsReadyToUse) {
    InitialDataDirectory directory(true);
    RecordingMessages messages;
    data::Tdm dm(directory.path(), messages);
    const core::Date today = core::Date::today();

    EXPECT_EQ(dm.TbConfig.field("Nome").asString(), "Studio Bella Forma");
    EXPECT_EQ(rowCount(dm.TbCliente), 12);
    dm.TbCliente.setIndexName("siAniversario");
    const std::string todayKey = core::birthdayKey(today.day, today.month);
    dm.TbCliente.setRange({todayKey}, {todayKey});
    EXPECT_EQ(dm.TbCliente.recordCount(), 2);
    dm.TbCliente.setIndexName("");
    int thisMonth = 0;
    for (dm.TbCliente.first(); !dm.TbCliente.eof(); dm.TbCliente.next()) {
        EXPECT_EQ(dm.TbCliente.field("Aniversario").asString(),
                  core::birthdayKey(static_cast<int>(dm.TbCliente.field("Dia").asInteger()),
                                    static_cast<int>(dm.TbCliente.field("Mes").asInteger())));
        if (dm.TbCliente.field("Mes").asInteger() == today.month) ++thisMonth;
    }
    EXPECT_EQ(thisMonth, 4);

    EXPECT_EQ(rowCount(dm.TbFuncionario), 5);
    dm.TbHora.open();
    for (dm.TbFuncionario.first(); !dm.TbFuncionario.eof(); dm.TbFuncionario.next()) {
        if (dm.TbFuncionario.field("Codigo").asInteger() == 1) continue;  // the administrator
        EXPECT_GT(dm.TbFuncionario.field("Comissao").asFloat(), 0)
            << dm.TbFuncionario.field("Nome").asString();
        EXPECT_EQ(dm.TbHora.recordCount(), 9) << dm.TbFuncionario.field("Nome").asString();
    }
    EXPECT_EQ(rowCount(dm.TbContador), 1);
    EXPECT_EQ(dm.TbContador.field("ContFechaCaixa").asInteger(), 1 + 4 * 9);

    EXPECT_EQ(rowCount(dm.TbProdutos), 20);
    EXPECT_EQ(rowCount(dm.TbDuplicado), 20);
    int services = 0, onPromotion = 0, inStock = 0;
    for (dm.TbProdutos.first(); !dm.TbProdutos.eof(); dm.TbProdutos.next()) {
        EXPECT_GT(dm.TbProdutos.field("Valor").asCurrency(), core::Currency());
        const bool service = dm.TbProdutos.field("Tipo").asString() == "SERVIÇO";
        services += service;
        onPromotion += dm.TbProdutos.field("Grupo").asString() == "SIM";
        inStock += !service && dm.TbProdutos.field("Estoque").asFloat() > 0;
        EXPECT_TRUE(dm.TbDuplicado.findKey({dm.TbProdutos.field("Codigo").value()}));
    }
    EXPECT_GT(services, 0);
    EXPECT_GT(onPromotion, 0);
    EXPECT_EQ(inStock, 20 - services);
    EXPECT_EQ(rowCount(dm.TbConta), 2);
    EXPECT_GT(rowCount(dm.TbPlano), 1);
}

}  // namespace
