// The copier between a data directory and a PostgreSQL server (the one VELMORA_BENCH_PG names),
// on the demo salon grown by SALES sales of two items each (100 000 unless given):
//   bench_server_copy [SALES]
// Rows per second each way, the copier's check included, against COPY of the same rows by bare
// libpq in the same run: onto the server against COPY FROM STDIN into tables made like the
// ones the copier filled, back against COPY TO STDOUT of those. Goal: at least half of
// COPY's rate each way.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bare_libpq.h"
#include "bench_data.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/scratch_directory.h"
#include "demo/salon_history.h"
#include "grown_sales.h"
#include "maintenance/migration/migration.h"

namespace {

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The tables of a schema, by name.
std::vector<std::string> tablesOf(Bare& bare, const char* schema) {
    bare.prepare("tables", "SELECT tablename FROM pg_tables WHERE schemaname = $1 ORDER BY tablename");
    PGresult* rows = PQexecPrepared(bare.conn, "tables", 1, &schema, nullptr, nullptr, 0);
    if (PQresultStatus(rows) != PGRES_TUPLES_OK) Bare::fail(PQresultErrorMessage(rows));
    std::vector<std::string> names;
    for (int r = 0; r < PQntuples(rows); ++r) names.emplace_back(PQgetvalue(rows, r, 0));
    PQclear(rows);
    return names;
}

// COPY … TO STDOUT of a table, in binary: its rows' bytes.
std::string copyOut(Bare& bare, const std::string& table) {
    bare.execute(("COPY " + table + " TO STDOUT (FORMAT binary)").c_str(), PGRES_COPY_OUT);
    std::string data;
    char* chunk = nullptr;
    int length = 0;
    while ((length = PQgetCopyData(bare.conn, &chunk, 0)) > 0) {
        data.append(chunk, static_cast<std::size_t>(length));
        PQfreemem(chunk);
    }
    if (length == -2) Bare::fail(PQerrorMessage(bare.conn));
    bare.finishCopy();
    return data;
}

void copyIn(Bare& bare, const std::string& table, const std::string& data) {
    bare.execute(("COPY " + table + " FROM STDIN (FORMAT binary)").c_str(), PGRES_COPY_IN);
    if (PQputCopyData(bare.conn, data.data(), static_cast<int>(data.size())) != 1 ||
        PQputCopyEnd(bare.conn, nullptr) != 1)
        Bare::fail(PQerrorMessage(bare.conn));
    bare.finishCopy();
}

void report(const char* way, double rows, double copierSeconds, double copySeconds) {
    std::printf("%-20s copiador %9.0f linhas/s  COPY %9.0f linhas/s  razão %.2f (meta: ao menos 0,5)\n", way,
                rows / copierSeconds, rows / copySeconds, copySeconds / copierSeconds);
}

}  // namespace

int main(int argc, char** argv) {
    const int sales = argc > 1 ? std::atoi(argv[1]) : 100'000;
    const char* connection = std::getenv("VELMORA_BENCH_PG");
    if (!connection || !*connection) {
        std::printf("VELMORA_BENCH_PG não está definida: nenhum servidor para medir.\n");
        return 1;
    }
    data::ScratchDirectory work;
    const auto salon = work.path() / "Salao";
    data::createInitialData(salon, true);
    {
        StderrMessages quiet;
        data::Tdm dm(salon, quiet);
        demo::addSalonHistory(dm, core::Date::today());
    }
    salon_growth::growSales(salon, sales);

    Bare bare(connection);
    bare.execute("CREATE SCHEMA copiado");
    bare.execute("CREATE SCHEMA por_copy");
    const store::Location server{
        store::ServerConnection{std::string(connection) + " options='-csearch_path=copiado'"}};
    migration::NoProgress quiet;
    migration::MigrationSummary onto;
    const double copierOnto = secondsOf([&] { onto = migration::migrate(salon, server, quiet); });
    migration::MigrationSummary back;
    const double copierBack =
        secondsOf([&] { back = migration::migrate(server, work.path() / "Volta", quiet); });

    // The same rows, bare: out of the tables the copier filled, into tables made like them.
    const std::vector<std::string> tables = tablesOf(bare, "copiado");
    std::vector<std::string> rows(tables.size());
    const double copyOutSeconds = secondsOf([&] {
        for (std::size_t i = 0; i < tables.size(); ++i) rows[i] = copyOut(bare, "copiado." + tables[i]);
    });
    for (const auto& table : tables)
        bare.execute(
            ("CREATE TABLE por_copy." + table + " (LIKE copiado." + table + " INCLUDING ALL)").c_str());
    const double copyInSeconds = secondsOf([&] {
        bare.execute("BEGIN");
        for (std::size_t i = 0; i < tables.size(); ++i) copyIn(bare, "por_copy." + tables[i], rows[i]);
        bare.execute("COMMIT");
    });

    std::printf("salão de demonstração com mais %d vendas: %lld linhas em %d tabelas\n", sales,
                static_cast<long long>(onto.rows), onto.tables);
    report("para o servidor", static_cast<double>(onto.rows), copierOnto, copyInSeconds);
    report("de volta", static_cast<double>(back.rows), copierBack, copyOutSeconds);
    return 0;
}
