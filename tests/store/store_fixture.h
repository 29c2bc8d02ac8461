#pragma once
// A small table of people on a fresh data directory, for the store's tests.
#include <sys/wait.h>
#include <unistd.h>

#include <memory>

#include "data/store/database.h"
#include "data/store/table.h"
#include "support/processes.h"
#include "support/temp_dir.h"

namespace storetest {

inline store::TableDef peopleDefinition() {
    using store::FieldType;
    store::TableDef def;
    def.fileName = "Pessoas.DAT";
    def.fields = {
        {"Codigo", FieldType::Integer},
        {"Nome", FieldType::Text, 20},
        {"Tipo", FieldType::Text, 10},
        {"Valor", FieldType::Currency, 0, false, "0.0,0"},
        {"Data", FieldType::Date},
        {"Hora", FieldType::Time},
        {"Obs", FieldType::Memo},
        {"Foto", FieldType::Graphic},
        {"Dobro", FieldType::Currency, 0, true},
    };
    def.primaryKey = {"Codigo"};
    def.indexes = {
        {"siNome", {"Nome"}, true}, {"siTipoNome", {"Tipo", "Nome"}, true}, {"siData", {"Data"}, true}};
    return def;
}

inline store::TableDef photosDefinition() {
    using store::FieldType;
    store::TableDef def;
    def.fileName = "Fotos.DAT";
    def.fields = {
        {"Codigo", FieldType::Integer}, {"Ordem", FieldType::Integer}, {"Legenda", FieldType::Text, 30}};
    def.primaryKey = {"Codigo", "Ordem"};
    return def;
}

// Short waits, so that tests of lock failures stay quick.
inline store::LockSettings quickLocks() {
    return {2, std::chrono::milliseconds(10)};
}

class StoreTest : public ::testing::Test {
  protected:
    testsupport::TempDir dir;
    store::Database db{dir.path()};

    std::unique_ptr<store::Table> makePeople(store::Database& database) {
        auto table = std::make_unique<store::Table>(database, peopleDefinition(), "TbPessoa");
        if (!table->fileExists()) table->createTable();
        table->open();
        return table;
    }
    std::unique_ptr<store::Table> makePeople() { return makePeople(db); }

    static void add(store::Table& t, int code, const std::string& name, const std::string& type = "",
                    double value = 0) {
        t.insert();
        t.field("Codigo").setInteger(code);
        if (!name.empty()) t.field("Nome").setString(name);
        if (!type.empty()) t.field("Tipo").setString(type);
        t.field("Valor").setFloat(value);
        t.post();
    }

    // Names in visible order, walking forward with next().
    static std::vector<std::string> forward(store::Table& t) {
        std::vector<std::string> names;
        for (t.first(); !t.eof(); t.next()) names.push_back(t.field("Nome").asString());
        return names;
    }
    static std::vector<std::string> backward(store::Table& t) {
        std::vector<std::string> names;
        for (t.last(); !t.bof(); t.prior()) names.push_back(t.field("Nome").asString());
        return names;
    }
};

using testsupport::exitCodeOf;
using testsupport::spawn;

}  // namespace storetest
