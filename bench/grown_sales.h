#pragma once
// Years of sales added to a data directory's files, for the benchmarks of a large salon.
#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "core/date.h"
#include "data/store/sqlite/collations.h"

namespace salon_growth {

inline void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw std::runtime_error(sqlite3_errmsg(db));
}

// Years of sales, written straight into the files in one transaction: a benchmark fixture,
// not a salon's history.
inline void growSales(const std::filesystem::path& dir, int sales) {
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

}  // namespace salon_growth
