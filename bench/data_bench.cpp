// Opening the data module and creating a sale, each against the same work done with bare
// SQLite in the same run, and a posting against the same writes posted one by one. Prints
// the ratios; opening should stay within 3x, the posting at most 1x.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/dm.h"
#include "data/initial_data.h"
#include "data/messages.h"
#include "data/scratch_directory.h"
#include "data/store/posting.h"
#include "ratio_reporter.h"

namespace {

constexpr const char* kOpenModule = "abrir o módulo de dados";
constexpr const char* kOpenBare = "abrir os mesmos arquivos SQLite";
constexpr const char* kNewSale = "nova venda (contador + gancho)";
constexpr const char* kNewSaleBare = "contador com SQLite puro";
constexpr const char* kPosting = "8 gravações em 6 arquivos numa postagem";
constexpr const char* kSeparatePosts = "as mesmas 8 gravações uma a uma";

class Silent final : public data::Messages {
  public:
    void inform(const std::string& text) override { throw std::runtime_error(text); }
};

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw std::runtime_error(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

// What the data module does per always-open table, bare: open the file, read its schema
// and its first row.
sqlite3* openBare(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    check(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr), db);
    sqlite3_stmt* statement = nullptr;
    check(sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table' LIMIT 1", -1,
                             &statement, nullptr),
          db);
    check(sqlite3_step(statement), db);
    const std::string table = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    check(
        sqlite3_prepare_v2(db, ("SELECT * FROM \"" + table + "\" LIMIT 1").c_str(), -1, &statement, nullptr),
        db);
    check(sqlite3_step(statement), db);
    sqlite3_finalize(statement);
    return db;
}

void openModule(benchmark::State& state, std::filesystem::path directory) {
    Silent silent;
    for (auto _ : state) {
        data::Tdm dm(directory, silent);
        benchmark::DoNotOptimize(dm.TbSenha.currentRecord());
    }
}

void openBareFiles(benchmark::State& state, std::filesystem::path directory) {
    const std::vector<std::string> files = {"Senhas.DAT", "Configuracoes.DAT", "Acesso.DAT",
                                            "ItemAcesso.DAT"};
    for (auto _ : state) {
        std::vector<sqlite3*> open;
        for (const auto& file : files) open.push_back(openBare(directory / file));
        for (sqlite3* db : open) sqlite3_close(db);
    }
}

void newSale(benchmark::State& state, std::filesystem::path directory) {
    Silent silent;
    data::Tdm dm(directory, silent);
    dm.TbServico.open();
    for (auto _ : state) {
        dm.TbServico.insert();
        benchmark::DoNotOptimize(dm.TbServico.field("Contador").asInteger());
        dm.TbServico.cancel();
    }
}

// The counter step bare: open the counter file, increment in one transaction, close.
void newSaleBare(benchmark::State& state, std::filesystem::path directory) {
    const auto file = directory / "contador-puro.db";
    {
        sqlite3* db = nullptr;
        check(sqlite3_open(file.c_str(), &db), db);
        check(sqlite3_exec(db,
                           "CREATE TABLE IF NOT EXISTS c (v INTEGER);"
                           "INSERT INTO c SELECT 1 WHERE NOT EXISTS (SELECT 1 FROM c)",
                           nullptr, nullptr, nullptr),
              db);
        sqlite3_close(db);
    }
    for (auto _ : state) {
        sqlite3* db = openBare(file);
        check(sqlite3_exec(db, "BEGIN IMMEDIATE; UPDATE c SET v = v + 1; COMMIT", nullptr, nullptr, nullptr),
              db);
        sqlite3_close(db);
    }
}

void touch(store::Table& table, const char* textField) {
    table.editExisting();
    table.field(textField).setString(table.field(textField).asString() == "A" ? "B" : "A");
    table.post();
}

// A sale with one item, two products' stock, the client and the employee: 8 writes (the two
// counters included) over Servicos, ItensServico, Contador, Produtos, Clientes and
// Funcionarios.
void eightWrites(data::Tdm& dm) {
    dm.TbServico.insert();
    dm.TbServico.post();
    dm.TbItensServico.insert();
    dm.TbItensServico.post();
    dm.TbProdutos.first();
    dm.TbProdutos.editExisting();
    dm.TbProdutos.field("Estoque").setFloat(dm.TbProdutos.field("Estoque").asFloat() - 1);
    dm.TbProdutos.post();
    dm.TbProdutos.last();
    dm.TbProdutos.editExisting();
    dm.TbProdutos.field("Estoque").setFloat(dm.TbProdutos.field("Estoque").asFloat() - 1);
    dm.TbProdutos.post();
    dm.TbCliente.first();
    touch(dm.TbCliente, "Obs");
    dm.TbFuncionario.first();
    touch(dm.TbFuncionario, "Email");
}

void eightWritesBenchmark(benchmark::State& state, std::filesystem::path directory, bool asOnePosting) {
    Silent silent;
    data::Tdm dm(directory, silent);
    for (auto* table : {&dm.TbServico, &dm.TbItensServico, &dm.TbProdutos, &dm.TbCliente, &dm.TbFuncionario})
        table->open();
    const std::vector<store::Table*> scope = {&dm.TbServico,  &dm.TbItensServico, &dm.TbContador,
                                              &dm.TbProdutos, &dm.TbCliente,      &dm.TbFuncionario};
    for (auto _ : state) {
        if (asOnePosting) {
            store::post(scope, [&] { eightWrites(dm); });
        } else {
            eightWrites(dm);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    data::ScratchDirectory work;
    const auto demo = work.path() / "Dados";
    data::createInitialData(demo, true);

    benchmark::RegisterBenchmark(kOpenModule, openModule, demo)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(kOpenBare, openBareFiles, demo)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(kNewSale, newSale, demo)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(kNewSaleBare, newSaleBare, work.path())->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(kPosting, eightWritesBenchmark, demo, true)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(kSeparatePosts, eightWritesBenchmark, demo, false)
        ->Unit(benchmark::kMicrosecond);

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio(kOpenModule, kOpenBare, " (meta: até 3x)");
    reporter.printRatio(kNewSale, kNewSaleBare, "");
    reporter.printRatio(kPosting, kSeparatePosts, " (meta: até 1x)");
    benchmark::Shutdown();
    return 0;
}
