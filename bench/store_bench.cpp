// The table store against raw SQLite on the same file, in the same run: a table of
// 200 000 rows with three secondary indexes. Prints each figure as a ratio
// (store time / SQLite time), each side the best of three rounds; the goal is at most 1.3 for
// every line.
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "best_seconds.h"
#include "data/store/sqlite/collations.h"
#include "data/store/database.h"
#include "data/store/table.h"

namespace {

constexpr int kRows = 200000;

store::TableDef benchDefinition() {
    using store::FieldType;
    store::TableDef def;
    def.fileName = "Bench.DAT";
    def.fields = {{"Codigo", FieldType::Integer},
                  {"Nome", FieldType::Text, 45},
                  {"Cidade", FieldType::Text, 35},
                  {"Valor", FieldType::Currency},
                  {"Data", FieldType::Date}};
    def.primaryKey = {"Codigo"};
    def.indexes = {{"siNome", {"Nome"}, true}, {"siCidade", {"Cidade"}, true}, {"siData", {"Data"}, true}};
    return def;
}

std::string nameFor(int i) {
    static const char* first[] = {"Ana",   "Bruno",  "Carla",  "Álvaro", "Débora", "Érica",
                                  "Fábio", "Gisele", "Hélio",  "Íris",   "João",   "Kátia",
                                  "Luís",  "Márcia", "Nélson", "Otávio", "Paula",  "Rita"};
    static const char* last[] = {"Silva", "Souza", "Oliveira", "Conceição", "Araújo", "Gonçalves", "Ribeiro"};
    return std::string(first[(i * 7) % 18]) + " " + last[(i * 13) % 7] + " " + std::to_string(i % 9973);
}

std::string dateFor(int i) {
    char text[11];
    std::snprintf(text, sizeof text, "20%02d-%02d-%02d", 15 + i % 10, 1 + (i / 10) % 12, 1 + (i / 120) % 28);
    return text;
}

void fill(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    store::Collations collations;
    collations.registerOn(db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO registros VALUES (?, ?, ?, ?, ?)", -1, &insert, nullptr);
    for (int i = 0; i < kRows; ++i) {
        const std::string name = nameFor(i), date = dateFor(i), city = "Cidade " + std::to_string(i % 500);
        sqlite3_bind_int(insert, 1, i + 1);
        sqlite3_bind_text(insert, 2, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, city.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(insert, 4, (i % 10000) / 100.0);
        sqlite3_bind_text(insert, 5, date.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// Resident memory now, in KiB.
long residentKb() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// A raw connection on the same file, with the same collations.
struct Raw {
    sqlite3* db = nullptr;
    store::Collations collations;
    explicit Raw(const std::filesystem::path& file) {
        sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        collations.registerOn(db);
    }
    ~Raw() { sqlite3_close(db); }
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
            std::exit(1);
        }
        return statement;
    }
};

// Steps a statement to its end, touching every column as the store does; returns the rows.
long drain(sqlite3_stmt* statement) {
    long rows = 0;
    std::size_t bytes = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        ++rows;
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            if (sqlite3_column_type(statement, c) == SQLITE_TEXT) {
                std::string copy(reinterpret_cast<const char*>(sqlite3_column_text(statement, c)),
                                 static_cast<std::size_t>(sqlite3_column_bytes(statement, c)));
                bytes += copy.size();
            } else {
                bytes += static_cast<std::size_t>(sqlite3_column_int64(statement, c) & 1);
            }
        }
    }
    sqlite3_reset(statement);
    return rows + static_cast<long>(bytes & 0);
}

long walk(store::Table& table) {
    long rows = 0;
    for (table.first(); !table.eof(); table.next()) {
        ++rows;
        (void)table.field("Nome").asString();
    }
    return rows;
}

void report(const char* what, double storeSeconds, double rawSeconds, const char* unit, double perUnit) {
    std::printf("%-44s store %9.3f %s  sqlite %9.3f %s  ratio %.2f\n", what, storeSeconds * perUnit, unit,
                rawSeconds * perUnit, unit, storeSeconds / rawSeconds);
}

}  // namespace

int main() {
    const auto dir = std::filesystem::temp_directory_path() / ("velmora-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    store::Database database(dir);
    store::Table table(database, benchDefinition(), "TbBench");
    table.createTable();
    fill(dir / "Bench.DAT");
    table.open();
    Raw raw(dir / "Bench.DAT");
    std::printf("%d rows, three secondary indexes\n", kRows);

    // Full forward scan in a secondary index order.
    table.setIndexName("siNome");
    long storeRows = 0, rawRows = 0;
    const long rssBefore = residentKb();
    double storeScan = bestSeconds([&] { storeRows = walk(table); });
    const long rssAfter = residentKb();
    sqlite3_stmt* scan = raw.prepare(
        "SELECT rowid, Codigo, Nome, Cidade, Valor, Data FROM registros ORDER BY Nome COLLATE ptbr_ci, "
        "rowid");
    double rawScan = bestSeconds([&] { rawRows = drain(scan); });
    if (storeRows != kRows || rawRows != kRows)
        std::printf("row counts differ: %ld %ld\n", storeRows, rawRows);
    report("full scan by siNome (per row)", storeScan / kRows, rawScan / kRows, "us", 1e6);

    // Exact lookups on the primary index.
    std::mt19937 random(42);
    std::uniform_int_distribution<int> code(1, kRows);
    constexpr int kLookups = 20000;
    table.setIndexName("");
    double storeFind = bestSeconds([&] {
        for (int i = 0; i < kLookups; ++i) table.findKey({store::Value{std::int64_t{code(random)}}});
    });
    sqlite3_stmt* find =
        raw.prepare("SELECT rowid, Codigo, Nome, Cidade, Valor, Data FROM registros WHERE Codigo = ?");
    double rawFind = bestSeconds([&] {
        for (int i = 0; i < kLookups; ++i) {
            sqlite3_bind_int(find, 1, code(random));
            drain(find);
        }
    });
    report("FindKey on the primary index (per lookup)", storeFind / kLookups, rawFind / kLookups, "us", 1e6);

    // Type-ahead positioning on a text index.
    table.setIndexName("siNome");
    std::vector<std::string> prefixes;
    for (int i = 0; i < kLookups; ++i) prefixes.push_back(nameFor(code(random)).substr(0, 3 + i % 5));
    double storeNearest = bestSeconds([&] {
        for (const auto& prefix : prefixes) table.findNearest({store::Value{prefix}});
    });
    sqlite3_stmt* nearest = raw.prepare(
        "SELECT rowid, Codigo, Nome, Cidade, Valor, Data FROM registros WHERE Nome COLLATE ptbr_ci >= ? "
        "ORDER BY Nome COLLATE ptbr_ci, rowid LIMIT 1");
    double rawNearest = bestSeconds([&] {
        for (const auto& prefix : prefixes) {
            sqlite3_bind_text(nearest, 1, prefix.c_str(), -1, SQLITE_TRANSIENT);
            drain(nearest);
        }
    });
    report("FindNearest on siNome (per search)", storeNearest / kLookups, rawNearest / kLookups, "us", 1e6);

    // A range of a tenth of the table, scanned.
    table.setIndexName("siData");
    table.setRange({store::Value{std::string("2015-01-01")}}, {store::Value{std::string("2015-12-31")}});
    double storeRange = bestSeconds([&] { storeRows = walk(table); });
    sqlite3_stmt* range = raw.prepare(
        "SELECT rowid, Codigo, Nome, Cidade, Valor, Data FROM registros WHERE Data >= '2015-01-01' AND "
        "Data <= '2015-12-31' ORDER BY Data, rowid");
    double rawRange = bestSeconds([&] { rawRows = drain(range); });
    if (storeRows != rawRows) std::printf("range row counts differ: %ld %ld\n", storeRows, rawRows);
    report("range of 10% by siData (per row)", storeRange / std::max(1L, storeRows),
           rawRange / std::max(1L, rawRows), "us", 1e6);

    std::printf("resident memory grew by %ld KiB while scanning %d rows\n", rssAfter - rssBefore, kRows);
    sqlite3_finalize(scan);
    sqlite3_finalize(find);
    sqlite3_finalize(nearest);
    sqlite3_finalize(range);
    table.close();
    std::filesystem::remove_all(dir);
    return 0;
}
