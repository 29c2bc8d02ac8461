// Opening the sales screen on the demo salon grown by 100 000 sales (two items each)
// against opening it on the demo salon as made, best of five rounds each in the same run.
// Nothing the screen shows when it opens may walk all sales: the ratio should stay within 3x.
//   sales_screen_bench [SALES]
#include <sqlite3.h>
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "bench_data.h"
#include "best_seconds.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/messages.h"
#include "data/scratch_directory.h"
#include "data/store/sqlite/collations.h"
#include "demo/salon_history.h"
#include "sales/sales_screen.h"

namespace fs = std::filesystem;

namespace {

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw std::runtime_error(sqlite3_errmsg(db));
}

// Years of sales, written straight into the files in one transaction: a benchmark fixture,
// not a salon's history.
void growSales(const fs::path& dir, int sales) {
    sqlite3* db = nullptr;
    check(sqlite3_open((dir / "Servicos.DAT").c_str(), &db), db);
    store::Collations collations;
    collations.registerOn(db);
    check(sqlite3_exec(db, ("ATTACH '" + (dir / "ItensServico.DAT").string() + "' AS itens").c_str(), nullptr,
                       nullptr, nullptr),
          db);
    sqlite3_stmt* sale = nullptr;
    check(sqlite3_prepare_v2(
              db,
              "INSERT INTO main.registros (\"Contador\", \"Data\", \"DataPG\", \"CodCliente\", "
              "\"Cliente\", \"CodFun\", \"Funcioario\", \"Total\", \"SubTotal\", \"PGTotal\", "
              "\"TipoPG\", \"Caixa\") VALUES (?1, ?2, ?2, ?3, 'CLIENTE ' || ?3, 2, 'ANA PAULA SOUZA', "
              "80, 80, 80, 'DINHEIRO', ?4)",
              -1, &sale, nullptr),
          db);
    sqlite3_stmt* item = nullptr;
    check(
        sqlite3_prepare_v2(db,
                           "INSERT INTO itens.registros (\"Contador\", \"Ordem\", \"Codigo\", \"Descricao\", "
                           "\"Total\", \"Porcentagem\", \"Data\", \"CodFun\", \"Tipo\", \"PGTO\") VALUES "
                           "(?1, ?2, 1, 'CORTE FEMININO', 40, 1, ?3, 2, 'SERVIÇO', 'DINHEIRO')",
                           -1, &item, nullptr),
        db);
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    for (int i = 1; i <= sales; ++i) {
        const core::Date day = core::Date{2016, 1, 1}.addDays(i / 40);
        const std::string iso = day.toIso();
        sqlite3_reset(sale);
        sqlite3_bind_int(sale, 1, 1'000'000 + i);
        sqlite3_bind_text(sale, 2, iso.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(sale, 3, 1 + i % 15);
        sqlite3_bind_int(sale, 4, 10'000 + i / 40);
        check(sqlite3_step(sale), db);
        for (int order = 0; order < 2; ++order) {
            sqlite3_reset(item);
            sqlite3_bind_int(item, 1, 1'000'000 + i);
            sqlite3_bind_int(item, 2, 2 * i + order);
            sqlite3_bind_text(item, 3, iso.c_str(), -1, SQLITE_TRANSIENT);
            check(sqlite3_step(item), db);
        }
    }
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    sqlite3_finalize(sale);
    sqlite3_finalize(item);
    sqlite3_close(db);
}

// The time to open the screen, and how many sales the data set holds.
double openingSeconds(const fs::path& dir, int& salesHeld) {
    StderrMessages quiet;
    data::Tdm dm(dir, quiet);
    dm.TbServico.open();
    salesHeld = dm.TbServico.recordCount();
    dm.TbServico.close();
    return bestSeconds(
        [&] {
            sales::TFmModuloVENDA screen(dm);
            screen.show();
            QApplication::processEvents();
        },
        5);
}

}  // namespace

int main(int argc, char** argv) {
    const int sales = argc > 1 ? std::atoi(argv[1]) : 100'000;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    data::ScratchDirectory work;
    const fs::path demo = work.path() / "Demo";
    const fs::path grown = work.path() / "Crescido";
    for (const fs::path& dir : {demo, grown}) {  // the demo salon as --init-data --demo makes it
        data::createInitialData(dir, true);
        StderrMessages quiet;
        data::Tdm dm(dir, quiet);
        demo::addSalonHistory(dm, core::Date::today());
    }
    growSales(grown, sales);

    int demoSales = 0;
    int grownSales = 0;
    const double normal = openingSeconds(demo, demoSales);
    const double large = openingSeconds(grown, grownSales);
    std::printf("abrir o caixa com %7d vendas  %8.2f ms\n", demoSales, normal * 1e3);
    std::printf("abrir o caixa com %7d vendas  %8.2f ms\n", grownSales, large * 1e3);
    std::printf("razão %.2fx (meta: até 3x)\n", large / normal);
    return 0;
}
