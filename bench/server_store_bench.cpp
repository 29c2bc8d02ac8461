// The table store on a PostgreSQL server against bare libpq on the same table, in the same
// run: a table of 20 000 rows with two secondary indexes, and a posting of five rows over two
// tables. Each side is the best of three rounds; prints each figure as a ratio (store time /
// libpq time). Goals: store operations at most 1.5, the posting at most 2. The server is the
// one VELMORA_BENCH_PG names (scripts/run-benchmarks starts a throwaway one, and runs this over
// its Unix socket and over TCP).
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "bare_libpq.h"
#include "best_seconds.h"
#include "data/store/database.h"
#include "data/store/posting.h"
#include "data/store/table.h"

namespace {

constexpr int kRows = 20000;
constexpr int kLookups = 2000;
constexpr int kPostings = 200;

store::TableDef benchDefinition(const char* fileName) {
    using store::FieldType;
    store::TableDef def;
    def.fileName = fileName;
    def.fields = {{"Codigo", FieldType::Integer},
                  {"Nome", FieldType::Text, 45},
                  {"Cidade", FieldType::Text, 35},
                  {"Valor", FieldType::Currency}};
    def.primaryKey = {"Codigo"};
    def.indexes = {{"siNome", {"Nome"}, true}, {"siCidade", {"Cidade"}, true}};
    return def;
}

std::string nameFor(int i) {
    static const char* first[] = {"Ana",    "Bruno", "Carla", "Álvaro", "Débora", "Érica", "Fábio",
                                  "Gisele", "Hélio", "Íris",  "João",   "Kátia",  "Luís",  "Márcia"};
    static const char* last[] = {"Silva", "Souza", "Oliveira", "Conceição", "Araújo", "Gonçalves"};
    return std::string(first[(i * 7) % 14]) + " " + last[(i * 13) % 6] + " " + std::to_string(i % 997);
}

void fill(Bare& bare) {
    bare.execute("BEGIN");
    bare.prepare(
        "fill",
        "INSERT INTO bench_dat (\"Codigo\", \"Nome\", \"Cidade\", \"Valor\") VALUES ($1, $2, $3, $4)");
    for (int i = 0; i < kRows; ++i)
        bare.run("fill", {std::to_string(i + 1), nameFor(i), "Cidade " + std::to_string(i % 500),
                          std::to_string((i % 10000) / 100.0)});
    bare.execute("COMMIT");
    bare.execute("ANALYZE bench_dat");
}

void report(const char* what, double storeSeconds, double bareSeconds, double per, const char* goal) {
    std::printf("%-44s store %9.1f us  libpq %9.1f us  ratio %.2f (meta: até %s)\n", what,
                storeSeconds / per * 1e6, bareSeconds / per * 1e6, storeSeconds / bareSeconds, goal);
}

}  // namespace

int main() {
    const char* connection = std::getenv("VELMORA_BENCH_PG");
    if (!connection || !*connection) {
        std::printf("VELMORA_BENCH_PG não está definida: nenhum servidor para medir.\n");
        return 1;
    }
    store::Database database(store::ServerConnection{connection});
    store::Table table(database, benchDefinition("Bench.DAT"), "TbBench");
    if (table.fileExists()) {
        std::printf("a tabela de medida já existe neste banco: use um banco vazio.\n");
        return 1;
    }
    table.createTable();
    Bare bare(connection);
    fill(bare);
    table.open();
    std::printf("%d rows, two secondary indexes, on %s\n", kRows, database.location().c_str());

    table.setIndexName("siNome");
    long storeRows = 0, bareRows = 0;
    const double storeScan = bestSeconds([&] {
        storeRows = 0;
        for (table.first(); !table.eof(); table.next()) {
            ++storeRows;
            (void)table.field("Nome").asString();
        }
    });
    bare.prepare("scan",
                 "SELECT linha, \"Codigo\", \"Nome\", \"Cidade\", \"Valor\" FROM bench_dat "
                 "ORDER BY \"Nome\" COLLATE velmora_ptbr_ci NULLS FIRST, linha");
    const double bareScan = bestSeconds([&] { bareRows = bare.run("scan"); });
    if (storeRows != kRows || bareRows != kRows)
        std::printf("row counts differ: %ld %ld\n", storeRows, bareRows);
    report("full scan by siNome (per row)", storeScan, bareScan, kRows, "1,5");

    std::mt19937 random(42);
    std::uniform_int_distribution<int> code(1, kRows);
    table.setIndexName("");
    const double storeFind = bestSeconds([&] {
        for (int i = 0; i < kLookups; ++i) table.findKey({store::Value{std::int64_t{code(random)}}});
    });
    bare.prepare(
        "find",
        "SELECT linha, \"Codigo\", \"Nome\", \"Cidade\", \"Valor\" FROM bench_dat WHERE \"Codigo\" = $1");
    const double bareFind = bestSeconds([&] {
        for (int i = 0; i < kLookups; ++i) bare.run("find", {std::to_string(code(random))});
    });
    report("FindKey on the primary index (per lookup)", storeFind, bareFind, kLookups, "1,5");

    table.setIndexName("siNome");
    std::vector<std::string> prefixes;
    for (int i = 0; i < kLookups; ++i) prefixes.push_back(nameFor(code(random)).substr(0, 3 + i % 5));
    const double storeNearest = bestSeconds([&] {
        for (const auto& prefix : prefixes) table.findNearest({store::Value{prefix}});
    });
    bare.prepare("nearest",
                 "SELECT linha, \"Codigo\", \"Nome\", \"Cidade\", \"Valor\" FROM bench_dat "
                 "WHERE \"Nome\" COLLATE velmora_ptbr_ci >= $1 "
                 "ORDER BY \"Nome\" COLLATE velmora_ptbr_ci NULLS FIRST, linha LIMIT 1");
    const double bareNearest = bestSeconds([&] {
        for (const auto& prefix : prefixes) bare.run("nearest", {prefix});
    });
    report("FindNearest on siNome (per search)", storeNearest, bareNearest, kLookups, "1,5");

    // A posting of five rows over two tables, as a sale's payment writes its items and its
    // cash line; bare libpq writes the same rows in one transaction.
    store::Table items(database, benchDefinition("Itens.DAT"), "TbItens");
    store::Table cash(database, benchDefinition("Caixa.DAT"), "TbCaixa");
    items.createTable();
    cash.createTable();
    items.open();
    cash.open();
    int next = 1;
    auto add = [&](store::Table& t) {
        t.insert();
        t.field("Codigo").setInteger(next++);
        t.field("Nome").setString("Corte de cabelo");
        t.field("Valor").setFloat(35.5);
        t.post();
    };
    const double storePosting = bestSeconds([&] {
        for (int i = 0; i < kPostings; ++i)
            store::post({&items, &cash}, [&] {
                for (int item = 0; item < 4; ++item) add(items);
                add(cash);
            });
    });
    bare.prepare("item", "INSERT INTO itens_dat (\"Codigo\", \"Nome\", \"Valor\") VALUES ($1, $2, $3)");
    bare.prepare("cash", "INSERT INTO caixa_dat (\"Codigo\", \"Nome\", \"Valor\") VALUES ($1, $2, $3)");
    const double barePosting = bestSeconds([&] {
        for (int i = 0; i < kPostings; ++i) {
            bare.execute("BEGIN");
            for (int item = 0; item < 4; ++item) bare.run("item", {std::to_string(next++), "Corte", "35.5"});
            bare.run("cash", {std::to_string(next++), "Corte", "35.5"});
            bare.execute("COMMIT");
        }
    });
    report("posting of 5 rows over 2 tables (per posting)", storePosting, barePosting, kPostings, "2");
    return 0;
}
