// The balance sheet over 200 000 sale items and 5 000 paid bills against a bare SQLite scan
// of the same rows in the same order (items by Data, bills by DataBaixa, the fields the walk
// reads), measured in the same run, best of three rounds each; then the peak memory each
// needs at a quarter of the rows and at all of them (flat: it must not grow with the rows).
//   bench_balance_sheet [ITEMS]
#include <sqlite3.h>
#include <unistd.h>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "bench_data.h"
#include "best_seconds.h"
#include "core/date.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/messages.h"
#include "data/rows.h"
#include "data/store/sqlite/collations.h"
#include "data/store/posting.h"
#include "peak_memory.h"
#include "reports/balance_sheet.h"
#include "reports/engine/generator.h"

namespace fs = std::filesystem;

namespace {

constexpr core::Date kFirst{2020, 1, 1};
constexpr int kItemsPerDay = 100;
constexpr int kItemsPerBill = 40;
const char* const kServices[] = {"CORTE FEMININO", "CORTE MASCULINO", "ESCOVA",        "HIDRATAÇÃO",
                                 "MANICURE",       "PEDICURE",        "COLORAÇÃO",     "MECHAS",
                                 "SOBRANCELHA",    "SHAMPOO 300ML",   "CONDICIONADOR", "MÁSCARA CAPILAR"};
const char* const kPlans[][2] = {{"1.1", "Aluguel"}, {"2.3", "Luz"}, {"3", "Produtos"}, {"5", "Vales"}};

// Items `from` up to `to` (a hundred a day from kFirst, one in fifty of a sale never paid) and
// a paid bill for every forty of them, in one posting.
void addRows(data::Tdm& dm, int from, int to) {
    store::Table& items = dm.TbItensServico;
    store::Table& bills = dm.TbBaixaP;
    items.setMasterSource(nullptr, "");
    items.open();
    bills.open();
    store::post({&items, &bills, &dm.TbContador}, [&] {
        for (int i = from; i < to; ++i) {
            const std::string day = kFirst.addDays(i / kItemsPerDay).toIso();
            data::addRow(items, {{"Contador", std::int64_t{i / 3}},
                                 {"Data", day},
                                 {"Descricao", kServices[i % std::size(kServices)]},
                                 {"Total", 15.0 + i % 70},
                                 {"Tipo", "SERVIÇO"},
                                 {"PGTO", i % 50 == 0 ? "" : "DINHEIRO"}});
            if (i % kItemsPerBill == 0) {
                const auto& plan = kPlans[(i / kItemsPerBill) % std::size(kPlans)];
                data::addRow(bills, {{"DataBaixa", day},
                                     {"CodPlano", plan[0]},
                                     {"Plano", plan[1]},
                                     {"Valor", 50.0 + i % 300}});
            }
        }
    });
    items.close();
    bills.close();
}

std::size_t scan(sqlite3* db, const std::string& sql, int columns) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    std::size_t characters = 0;
    while (sqlite3_step(statement) == SQLITE_ROW)
        for (int column = 0; column < columns; ++column)
            characters += static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
    sqlite3_finalize(statement);
    return characters;
}

std::size_t bareScan(const fs::path& dir, const std::string& start, const std::string& end) {
    std::size_t characters = 0;
    for (const auto& [file, sql, columns] :
         {std::tuple{"PagarBaixadas.DAT",
                     "SELECT CodPlano, Plano, Valor FROM registros WHERE DataBaixa BETWEEN '" + start +
                         "' AND '" + end + "' ORDER BY DataBaixa, Contador",
                     3},
          std::tuple{"ItensServico.DAT",
                     "SELECT Descricao, Total FROM registros WHERE Data BETWEEN '" + start + "' AND '" + end +
                         "' AND IFNULL(PGTO, '') <> '' ORDER BY Data",
                     2}}) {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2((dir / file).c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string("não abriu ") + file);
        store::Collations collations;
        collations.registerOn(db);
        characters += scan(db, sql, columns);
        sqlite3_close(db);
    }
    return characters;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 200000;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);

    const BenchDataSet dataSet("velmora-balance-bench");
    const fs::path& dir = dataSet.path();
    {
        StderrMessages quiet;
        data::Tdm dm(dir, quiet);
        const core::Period all{kFirst, kFirst.addDays(count / kItemsPerDay), "01/01/20", "-"};
        const auto balanceSheet = [&] {
            std::size_t pages = 0;
            const reports::BalanceTotals totals = reports::fillBalanceSheet(dm, all, core::noProgress());
            reports::printBalanceSheet(dm, all, totals, [&](const reports::Report& report) {
                pages = reports::generate(report).pages.size();
            });
            return pages;
        };
        std::size_t sink = 0;
        for (int rows : {count / 4, count}) {
            addRows(dm, rows == count ? count / 4 : 0, rows);
            sink += balanceSheet();  // first-use costs (fonts, cached statements) stay out of the figure
            const long scanKb =
                peakGrowthKb([&] { sink += bareScan(dir, all.start.toIso(), all.end.toIso()); });
            const long reportKb = peakGrowthKb([&] { sink += balanceSheet(); });
            std::printf("%6d items: peak memory growth, scan %5ld kB, balance sheet %5ld kB\n", rows, scanKb,
                        reportKb);
        }
        const double scan = bestSeconds([&] { sink += bareScan(dir, all.start.toIso(), all.end.toIso()); });
        // The store's walk over the same rows alone (the items' calculated commission included):
        // what bounds the balance sheet before it adds a single value.
        const double walk = bestSeconds([&] {
            for (store::Table* table : {&dm.TbBaixaP, &dm.TbItensServico}) {
                table->setMasterSource(nullptr, "");
                table->open();
                table->setIndexName(table == &dm.TbBaixaP ? "siBaixa" : "siData");
                table->setRange({all.start.toIso()}, {all.end.toIso()});
                const int read = table->field(table == &dm.TbBaixaP ? "Valor" : "Total").index();
                for (table->first(); !table->eof(); table->next())
                    sink += static_cast<std::size_t>(table->fieldAt(read).asFloat());
                table->setIndexName("");
                table->close();
            }
        });
        const double report = bestSeconds([&] { sink += balanceSheet(); });
        const double perItem = 1e6 / count;
        std::printf("sale items: %d, paid bills: %d (read %zu)\n", count, count / kItemsPerBill, sink);
        std::printf("bare SQLite scan %8.2f us/item\n", scan * perItem);
        std::printf("store walk       %8.2f us/item  ratio %.2f\n", walk * perItem, walk / scan);
        std::printf("balance sheet    %8.2f us/item  ratio %.2f (target <= 3)\n", report * perItem,
                    report / scan);
    }
    return 0;
}
