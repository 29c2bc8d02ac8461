#pragma once
// A small table of people on a fresh data set, for the store's tests. Every test runs once
// per backend (a conformance suite): a fixture's database, and every database a test or its
// child processes open with openDatabase(), are on the backend of the running case.
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <ostream>
#include <memory>
#include <stdexcept>
#include <string>

#include "data/store/database.h"
#include "data/store/table.h"
#include "support/processes.h"
#include "support/server_schema.h"
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

// A backend the suite runs on, and how a test gets a data set of its own on it.
struct BackendUnderTest {
    std::string name;
    std::function<std::unique_ptr<store::Database>(const std::filesystem::path& dir,
                                                   store::LockSettings locks)>
        open;
};

inline const std::vector<BackendUnderTest>& backendsUnderTest() {
    static const std::vector<BackendUnderTest> backends = {
        {"sqlite", [](const std::filesystem::path& dir,
                      store::LockSettings locks) { return std::make_unique<store::Database>(dir, locks); }},
        {"postgres",
         [](const std::filesystem::path& dir, store::LockSettings locks) {
             return std::make_unique<store::Database>(
                 store::ServerConnection{testsupport::serverConnectionFor(dir)}, locks);
         }},
    };
    return backends;
}

// Test names and messages show the backend by name.
inline void PrintTo(const BackendUnderTest* backend, std::ostream* out) {
    *out << backend->name;
}

inline std::string backendName(const ::testing::TestParamInfo<const BackendUnderTest*>& info) {
    return info.param->name;
}

// The backend of the running test, for helpers and child processes.
inline const BackendUnderTest*& currentBackend() {
    static const BackendUnderTest* backend = &backendsUnderTest().front();
    return backend;
}

inline std::unique_ptr<store::Database> openDatabase(const std::filesystem::path& dir,
                                                     store::LockSettings locks = {}) {
    return currentBackend()->open(dir, locks);
}

inline std::vector<const BackendUnderTest*> everyBackend() {
    std::vector<const BackendUnderTest*> all;
    for (const auto& backend : backendsUnderTest()) all.push_back(&backend);
    return all;
}

// The backend on the test server, for what only a server meets.
inline const BackendUnderTest* serverBackend() {
    for (const auto& backend : backendsUnderTest())
        if (backend.name == "postgres") return &backend;
    throw std::logic_error("no postgres backend under test");
}

// Runs the tests of `fixture` on every backend.
#define STORE_CONFORMANCE(fixture)                                                              \
    INSTANTIATE_TEST_SUITE_P(Backends, fixture, ::testing::ValuesIn(storetest::everyBackend()), \
                             storetest::backendName)

// Short waits, so that tests of lock failures stay quick.
inline store::LockSettings quickLocks() {
    return {2, std::chrono::milliseconds(10)};
}

class StoreTest : public ::testing::TestWithParam<const BackendUnderTest*> {
  protected:
    const BackendUnderTest* backend = currentBackend() = GetParam();
    testsupport::TempDir dir;
    std::unique_ptr<store::Database> ownDatabase = openDatabase(dir.path());
    store::Database& db = *ownDatabase;

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
