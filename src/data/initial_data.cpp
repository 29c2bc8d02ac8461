#include "data/initial_data.h"

#include <stdexcept>

#include "data/access_areas.h"
#include "data/demo_salon.h"
#include "data/dm.h"
#include "data/master_password.h"
#include "data/messages.h"
#include "data/password_hash.h"
#include "data/rows.h"
#include "data/tables.h"

namespace data {

namespace {

void createTables(const store::Location& dataSet) {
    store::Database database(dataSet);
    for (const TableEntry& entry : tableCatalogue())
        if (entry.placement == Placement::Shared)
            store::Table(database, entry.definition, entry.component).createTable();
}

void addSettingsAndCounters(Tdm& dm) {
    addRow(dm.TbConfig, {{"Nome", "Salão de Beleza"}, {"Manutencao", 0.0}});
    dm.TbContador.open();
    Cells counters;
    for (const char* name : {"ContServico", "ContServ", "ContFecha", "ContFechaCaixa", "ContReceber",
                             "ContBaixaR", "ContPagar", "ContBaixaP"})
        counters.emplace_back(name, std::int64_t{1});
    addRow(dm.TbContador, counters);
    dm.TbContador.close();
}

void addAccessAreas(Tdm& dm) {
    for (const AccessArea& area : accessAreas())
        addRow(dm.TbAcesso, {{"Codigo", area.code}, {"Local", area.local}, {"Status", ""}});
}

void addProtectedHeadings(Tdm& dm) {
    // Employee advances are booked under this heading (its code is fixed), so it may be
    // neither changed nor deleted.
    dm.TbPlano.open();
    addRow(dm.TbPlano,
           {{"Codigo", "5"}, {"Descricao", "Vale Para Funcionários"}, {"SubCodigo", "5"}, {"Marca", "SIM"}});
    dm.TbPlano.close();
}

void addFirstUser(Tdm& dm) {
    dm.TbFuncionario.open();
    addRow(dm.TbFuncionario, {{"Codigo", std::int64_t{1}}, {"Nome", kFirstUser}, {"Cargo", "Administrador"}});
    dm.TbFuncionario.close();
    addRow(dm.TbSenha, {{"Codigo", std::int64_t{1}},
                        {"Usuario", kFirstUser},
                        {"Senha", hashPassword(kFirstPassword)},
                        {"CodFUN", std::int64_t{1}},
                        {"Nivel", "Nível - 1"}});
}

}  // namespace

bool holdsTables(const store::Location& dataSet) {
    if (!dataSet.onServer()) {
        for (const TableEntry& entry : tableCatalogue())
            if (entry.placement == Placement::Shared &&
                std::filesystem::exists(dataSet.directory / entry.definition.fileName))
                return true;
        return false;
    }
    store::Database database(dataSet);
    for (const TableEntry& entry : tableCatalogue())
        if (entry.placement == Placement::Shared &&
            store::Table(database, entry.definition, entry.component).fileExists())
            return true;
    return false;
}

void createInitialData(const store::Location& dataSet, bool demo) {
    if (holdsTables(dataSet))
        throw std::runtime_error(
            dataSet.onServer() ? "O banco de dados do servidor já contém tabelas do sistema: os dados "
                                 "iniciais não foram criados."
                               : "O diretório " + dataSet.directory.string() +
                                     " já contém tabelas do sistema: os dados iniciais não foram criados.");
    if (!dataSet.onServer()) std::filesystem::create_directories(dataSet.directory);
    createTables(dataSet);

    FailOnMessage silent;
    Tdm dm(dataSet, silent);
    addSettingsAndCounters(dm);
    addAccessAreas(dm);
    addProtectedHeadings(dm);
    addFirstUser(dm);
    if (demo) addDemoSalon(dm, core::Date::today());
}

std::string createDataSet(const store::Location& dataSet, bool demo) {
    createInitialData(dataSet, demo);
    FailOnMessage silent;
    Tdm dm(dataSet, silent);
    return renewMasterPassword(dm);
}

}  // namespace data
