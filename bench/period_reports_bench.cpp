// The commission report ("Geral...") and the services summary ("Resumido...") over a period
// holding ITEMS sale items (half of them sold per sale, two items a sale), each against a bare
// SQLite scan of the same rows in the same order, measured in the same run, best of three
// rounds each. Prints the time per item and the ratios (target: at most 3); then the growth
// of the peak memory (VmHWM) while the reports run, at half the items and at all of them,
// which stays flat when the reports hold no row of the period in memory (the peak is
// reset through /proc/self/clear_refs before each measure).
//   bench_period_reports [ITEMS]
#include <sqlite3.h>
#include <unistd.h>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "bench_data.h"
#include "best_seconds.h"
#include "core/date.h"
#include "core/pass_progress.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/messages.h"
#include "data/rows.h"
#include "data/store/sqlite/collations.h"
#include "data/store/posting.h"
#include "peak_memory.h"
#include "reports/commissions_report.h"
#include "reports/engine/generator.h"
#include "reports/services_report.h"

namespace fs = std::filesystem;

namespace {

constexpr core::Date kFirst{2024, 1, 1};
constexpr int kItemsPerDay = 600;
constexpr int kEmployees = 8;
constexpr int kCodes = 40;

// Sales `from` .. `from + count / 2`, two items each (a service, and a product one sale in
// three, a second service otherwise), spread over the days from kFirst; all paid.
void addSales(data::Tdm& dm, int from, int count) {
    static const char* const forms[] = {"DINHEIRO", "CHEQUE", "CARTÃO", "DÉBITO", "NOTINHA", "CRÉDITO"};
    dm.TbServico.open();  // the reports leave them closed
    dm.TbItensServico.open();
    store::post({&dm.TbServico, &dm.TbItensServico, &dm.TbContador}, [&] {
        for (int sale = from; sale < from + count / 2; ++sale) {
            const std::string day = kFirst.addDays(sale * 2 / kItemsPerDay).toIso();
            const std::int64_t employee = 1 + sale % kEmployees;
            const std::string form = forms[sale % 6];
            const double total = 40.0 + sale % 50;
            data::addRow(dm.TbServico, {{"Contador", std::int64_t{sale + 1}},
                                        {"Data", day},
                                        {"Cliente", "CLIENTE " + std::to_string(sale % 900)},
                                        {"TipoPG", form},
                                        {"Total", total - (sale % 10 == 0 ? 5.0 : 0.0)},
                                        {"Saldo", sale % 10 == 0 ? 5.0 : 0.0}});
            for (int order = 1; order <= 2; ++order) {
                const bool product = order == 2 && sale % 3 == 0;
                const std::int64_t code = product ? 100 + sale % 10 : 1 + (sale + order) % (kCodes - 10);
                data::addRow(dm.TbItensServico,
                             {{"Contador", std::int64_t{sale + 1}},
                              {"Ordem", std::int64_t{order}},
                              {"Data", day},
                              {"CodFun", employee},
                              {"Funcionario", "FUNCIONÁRIA " + std::to_string(employee)},
                              {"Codigo", code},
                              {"Descricao", (product ? "PRODUTO " : "SERVIÇO ") + std::to_string(code)},
                              {"Tipo", product ? "PRODUTO" : "SERVIÇO"},
                              {"Total", total / 2},
                              {"Comissao", 30.0 + code % 20},
                              {"Cliente", "CLIENTE " + std::to_string(sale % 900)},
                              {"PGTO", form}});
            }
        }
    });
}

class Scan {
  public:
    explicit Scan(const fs::path& file) {
        if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            throw std::runtime_error("não abriu " + file.string());
        collations_.registerOn(db_);
    }
    ~Scan() { sqlite3_close(db_); }
    // Reads every column of every row the statement gives; returns the bytes read.
    std::size_t run(const std::string& sql) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        std::size_t bytes = 0;
        const int columns = sqlite3_column_count(statement);
        while (sqlite3_step(statement) == SQLITE_ROW)
            for (int column = 0; column < columns; ++column)
                bytes += static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
        sqlite3_finalize(statement);
        return bytes;
    }

  private:
    sqlite3* db_ = nullptr;
    store::Collations collations_;
};

// The rows the commission report reads, in its order: the period's paid items on Data (the
// services among them count), then the period's paid bills on (DataBaixa).
std::size_t commissionScan(const fs::path& dir, const core::Period& period) {
    const std::string range = " BETWEEN '" + period.start.toIso() + "' AND '" + period.end.toIso() + "'";
    std::size_t bytes =
        Scan(dir / "ItensServico.DAT")
            .run("SELECT Tipo, CodFun, Funcionario, Total, Comissao FROM registros WHERE Data" + range +
                 " AND PGTO <> '' ORDER BY Data, rowid");
    bytes += Scan(dir / "PagarBaixadas.DAT")
                 .run("SELECT CodFUN, Funcionario, Valor FROM registros WHERE DataBaixa" + range +
                      " ORDER BY DataBaixa, Contador, rowid");
    return bytes;
}

// The rows the summary reads, in its order: the period's paid sales on Data, then its paid
// items on Data.
std::size_t summaryScan(const fs::path& dir, const core::Period& period) {
    const std::string range = " BETWEEN '" + period.start.toIso() + "' AND '" + period.end.toIso() + "'";
    std::size_t bytes =
        Scan(dir / "Servicos.DAT")
            .run("SELECT Saldo FROM registros WHERE Data" + range + " AND TipoPG <> '' ORDER BY Data, rowid");
    bytes += Scan(dir / "ItensServico.DAT")
                 .run("SELECT Codigo, Descricao, Tipo, Total FROM registros WHERE Data" + range +
                      " AND PGTO <> '' ORDER BY Data, rowid");
    return bytes;
}

struct Timing {
    double scan, report;
};

Timing measure(const std::function<std::size_t()>& scan, const std::function<void()>& report) {
    std::size_t sink = 0;
    const double scanned = bestSeconds([&] { sink += scan(); });
    const double reported = bestSeconds(report);
    if (sink == 0) std::fprintf(stderr, "the scan read nothing\n");
    return {scanned, reported};
}

}  // namespace

int main(int argc, char** argv) {
    const int items = argc > 1 ? std::atoi(argv[1]) : 200000;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);

    const BenchDataSet dataSet("velmora-period-bench");
    const fs::path& dir = dataSet.path();
    {
        StderrMessages quiet;
        data::Tdm dm(dir, quiet);
        const core::Period period{kFirst, kFirst.addDays(items / kItemsPerDay + 1), "", ""};
        std::size_t pages = 0;
        const auto commissions = [&] {
            reports::printCommissions(dm, period, core::noProgress(), [&](const reports::Report& report) {
                pages += reports::generate(report).pages.size();
            });
        };
        const auto summary = [&] {
            reports::printItemSummary(dm, period, core::noProgress(), [&](const reports::Report& report) {
                pages += reports::generate(report).pages.size();
            });
        };
        const auto peakGrowth = [&] {
            commissions();  // fonts and caches settle on a first run
            summary();
            return peakGrowthKb([&] {
                commissions();
                summary();
            });
        };

        addSales(dm, 0, items / 2);
        const long growthAtHalf = peakGrowth();
        addSales(dm, items / 4, items / 2);
        const long growthAtAll = peakGrowth();

        const Timing commission = measure([&] { return commissionScan(dir, period); }, commissions);
        const Timing resumido = measure([&] { return summaryScan(dir, period); }, summary);
        const double perItem = 1e6 / items;
        std::printf("sale items: %d in the period (%zu pages generated)\n", items, pages);
        std::printf("bare SQLite scan (commissions) %8.2f us/item\n", commission.scan * perItem);
        std::printf("commission report              %8.2f us/item  ratio %.2f (target <= 3)\n",
                    commission.report * perItem, commission.report / commission.scan);
        std::printf("bare SQLite scan (summary)     %8.2f us/item\n", resumido.scan * perItem);
        std::printf("services summary (Resumido)    %8.2f us/item  ratio %.2f (target <= 3)\n",
                    resumido.report * perItem, resumido.report / resumido.scan);
        std::printf("peak memory growth while reporting: %ld kB at %d items, %ld kB at %d items\n",
                    growthAtHalf, items / 2, growthAtAll, items);
    }
    return 0;
}
