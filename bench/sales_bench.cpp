// Registering the payment of a five-item sale (the whole posting), against the same rows
// written with bare SQLite in one transaction over the same files, in the same run. Prints
// the ratio; it should stay within 2x.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "data/dm.h"
#include "data/initial_data.h"
#include "data/scratch_directory.h"
#include "data/store/sqlite/collations.h"
#include "five_item_sale.h"
#include "ratio_reporter.h"
#include "sales/sale_payment.h"

namespace {

constexpr const char* kPayment = "pagamento de uma venda de 5 itens";
constexpr const char* kBare = "as mesmas linhas com SQLite puro";

void payment(benchmark::State& state, std::filesystem::path directory) {
    MessagesAsErrors messages;
    data::Tdm dm(directory, messages);
    const auto products = fiveProducts(dm);
    dm.TbServico.open();
    dm.TbItensServico.open();
    for (auto _ : state) {
        state.PauseTiming();
        startSale(dm, products);
        state.ResumeTiming();
        sales::registerSalePayment(dm, {2});
    }
}

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw std::runtime_error(sqlite3_errmsg(db));
}

void run(sqlite3* db, sqlite3_stmt* statement, const std::vector<sqlite3_int64>& values = {}) {
    sqlite3_reset(statement);
    for (std::size_t i = 0; i < values.size(); ++i)
        sqlite3_bind_int64(statement, static_cast<int>(i) + 1, values[i]);
    check(sqlite3_step(statement), db);
}

// The rows the payment writes, bare: the received-amount counter, the sale, its five items,
// five products' stock, the cash record and the received amount.
void bare(benchmark::State& state, std::filesystem::path directory) {
    std::vector<std::int64_t> products;
    {
        MessagesAsErrors messages;
        data::Tdm dm(directory, messages);
        products = fiveProducts(dm);
    }
    sqlite3* db = nullptr;
    check(sqlite3_open((directory / "Servicos.DAT").c_str(), &db), db);
    store::Collations collations;  // the tables' text indexes sort in Portuguese
    collations.registerOn(db);
    const char* attached[][2] = {{"ItensServico.DAT", "itens"},
                                 {"Produtos.db", "produtos"},
                                 {"Caixa.DAT", "caixa"},
                                 {"ReceberBaixadas.DAT", "baixas"},
                                 {"Contador.DAT", "contador"}};
    for (const auto& [file, schema] : attached)
        check(sqlite3_exec(db, ("ATTACH '" + (directory / file).string() + "' AS " + schema).c_str(), nullptr,
                           nullptr, nullptr),
              db);
    auto prepare = [&](const std::string& sql) {
        sqlite3_stmt* statement = nullptr;
        check(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), db);
        return statement;
    };
    sqlite3_stmt* counter = prepare("UPDATE contador.registros SET \"ContBaixaR\" = \"ContBaixaR\" + 1");
    sqlite3_stmt* sale = prepare(
        "INSERT INTO main.registros (\"Contador\", \"CodFun\", \"Total\", \"SubTotal\", \"PGTotal\", "
        "\"CodTipo\", "
        "\"TipoPG\", \"Caixa\", \"Cliente\") VALUES (?, 1, 50, 50, 50, 2, 'CHEQUE', 1, 'NÃO INDICADO...')");
    sqlite3_stmt* item = prepare(
        "INSERT OR REPLACE INTO itens.registros (\"Contador\", \"Ordem\", \"Codigo\", \"PGTO\", "
        "\"Total\") VALUES (?, ?, ?, 'CHEQUE', 10)");
    sqlite3_stmt* stock =
        prepare("UPDATE produtos.registros SET \"Estoque\" = \"Estoque\" - 1 WHERE \"Codigo\" = ?");
    sqlite3_stmt* cash = prepare(
        "UPDATE caixa.registros SET \"Cheque\" = \"Cheque\" + 50, \"Total\" = \"Total\" + 50 "
        "WHERE rowid = (SELECT max(rowid) FROM caixa.registros)");
    sqlite3_stmt* received = prepare(
        "INSERT INTO baixas.registros (\"Contador\", \"Vendedor\", \"Valor\", \"Documento\") VALUES (?, "
        "'CHEQUE', 50, ?)");
    static sqlite3_int64 number = 1'000'000;  // the benchmark runs this function several times
    for (auto _ : state) {
        ++number;
        check(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), db);
        run(db, counter);
        run(db, sale, {number});
        for (std::size_t i = 0; i < products.size(); ++i) {
            run(db, item, {number, static_cast<sqlite3_int64>(i), products[i]});
            run(db, stock, {products[i]});
        }
        run(db, cash);
        run(db, received, {number, number});
        check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    }
    for (sqlite3_stmt* statement : {counter, sale, item, stock, cash, received}) sqlite3_finalize(statement);
    sqlite3_close(db);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    data::ScratchDirectory work;
    const auto demo = work.path() / "Dados";
    data::createInitialData(demo, true);
    {
        MessagesAsErrors messages;
        data::Tdm dm(demo, messages);
        openCash(dm);
    }
    benchmark::RegisterBenchmark(kPayment, payment, demo)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(kBare, bare, demo)->Unit(benchmark::kMillisecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio(kPayment, kBare, " (meta: até 2x)");
    benchmark::Shutdown();
    return 0;
}
