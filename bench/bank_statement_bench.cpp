// The bank statement over 50 000 ledger lines of one account against a bare SQLite scan of
// the same rows in the same order (Conta, DataApre, Numero; the fields the statement
// prints), measured in the same run, best of three rounds each. Prints the time per line
// and the ratio (target: at most 3), and the peak memory each needs at a quarter of the lines
// and at all of them, the statement also as `--pdf extrato` writes it (a page at a time).
//   bench_bank_statement [LINES]
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
#include "reports/bank_statement.h"
#include "reports/engine/generator.h"
#include "reports/engine/pdf_export.h"

namespace fs = std::filesystem;

namespace {

constexpr core::Date kFirst{2020, 1, 1};

void addAccount(data::Tdm& dm) {
    dm.TbConta.open();
    data::addRow(dm.TbConta, {{"Conta", "11"}, {"Agencia", "0042"}, {"Nome", "BANCO DO SALÃO"}});
    dm.TbConta.close();
}

// Lines `from` up to `to`, twenty a day from kFirst, a credit and a debit in turn, all in one
// posting (the day balances follow through the table's own hook).
void addLines(data::Tdm& dm, int from, int to) {
    dm.TbBanco.open();
    store::post({&dm.TbBanco, &dm.TbSaldos, &dm.TbContador}, [&] {
        for (int i = from; i < to; ++i) {
            const bool credit = i % 2 == 0;
            const double valor = 10.0 + i % 90;
            data::addRow(dm.TbBanco, {{"Conta", "11"},
                                      {"Banco", "BANCO DO S"},
                                      {"Agencia", "0042"},
                                      {"Ndocumento", "DOC" + std::to_string(i)},
                                      {"DataApre", kFirst.addDays(i / 20).toIso()},
                                      {"Discriminacao", credit ? "DEPÓSITO DO CAIXA" : "CHEQUE COMPENSADO"},
                                      {"Valor", valor},
                                      {"ValorCredito", credit ? valor : 0.0},
                                      {"ValorDebto", credit ? 0.0 : -valor}});
        }
    });
    dm.TbBanco.close();
}

std::size_t bareScan(const fs::path& file) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        throw std::runtime_error("não abriu " + file.string());
    store::Collations collations;  // the account index sorts in Portuguese
    collations.registerOn(db);
    sqlite3_stmt* statement = nullptr;
    const char* sql =
        "SELECT DataApre, Ndocumento, Discriminacao, ValorCredito, ValorDebto FROM registros "
        "WHERE Conta = '11' COLLATE ptbr ORDER BY Conta COLLATE ptbr, DataApre, Numero";
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    std::size_t characters = 0;
    while (sqlite3_step(statement) == SQLITE_ROW)
        for (int column = 0; column < 5; ++column)
            characters += static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return characters;
}

}  // namespace

int main(int argc, char** argv) {
    const int lines = argc > 1 ? std::atoi(argv[1]) : 50000;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);

    const BenchDataSet dataSet("velmora-bank-bench");
    const fs::path& dir = dataSet.path();
    {
        StderrMessages quiet;
        data::Tdm dm(dir, quiet);
        addAccount(dm);
        const core::Date last = kFirst.addDays(lines / 20);
        std::size_t sink = 0;
        std::size_t pages = 0;
        // Pages are handed on as they are finished, as the PDF file takes them.
        const auto statement = [&] {
            reports::printStatement(dm, {"11", kFirst, last}, [&](const reports::Report& report) {
                reports::GenerateOptions options;
                pages = 0;
                options.pageDone = [&](const reports::PageModel&, reports::Page&&) { ++pages; };
                reports::generate(report, options);
            });
        };
        const fs::path pdf = dir / "extrato.pdf";
        const auto statementPdf = [&] {
            reports::printStatement(dm, {"11", kFirst, last},
                                    [&](const reports::Report& report) { reports::writePdf(report, pdf); });
        };
        // The walk alone: what the store costs before the report lays out a line.
        const auto walk = [&] {
            store::Table& banco = dm.TbBanco;
            banco.open();
            banco.setIndexName("siBancoData");
            banco.setRange({std::string("11"), kFirst.toIso()}, {std::string("11"), last.toIso()});
            for (banco.first(); !banco.eof(); banco.next())
                sink += banco.field("Discriminacao").asString().size();
            banco.setIndexName("");
            banco.close();
        };
        for (int rows : {lines / 4, lines}) {
            addLines(dm, rows == lines ? lines / 4 : 0, rows);
            statement();  // first-use costs (fonts, cached statements) stay out of the figure
            const long scanKb = peakGrowthKb([&] { sink += bareScan(dir / "Bancario.DAT"); });
            const long walkKb = peakGrowthKb(walk);
            const long reportKb = peakGrowthKb(statement);
            const long pdfKb = peakGrowthKb(statementPdf);
            std::printf(
                "%6d lines: peak memory growth, scan %5ld kB, store walk %5ld kB, statement %5ld kB, "
                "written to PDF %5ld kB (%zu pages)\n",
                rows, scanKb, walkKb, reportKb, pdfKb, pages);
        }
        const double scan = bestSeconds([&] { sink += bareScan(dir / "Bancario.DAT"); });
        const double walked = bestSeconds(walk);
        const double printed = bestSeconds(statement);
        const double perLine = 1e6 / lines;
        std::printf("ledger lines: %d, pages: %zu (scan read %zu bytes)\n", lines, pages, sink);
        std::printf("bare SQLite scan %8.2f us/line\n", scan * perLine);
        std::printf("store walk       %8.2f us/line  ratio %.2f\n", walked * perLine, walked / scan);
        std::printf("bank statement   %8.2f us/line  ratio %.2f (target <= 3)\n", printed * perLine,
                    printed / scan);
    }
    return 0;
}
