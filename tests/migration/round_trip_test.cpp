// The demo salon, two months of history, moved onto the server and back with `velmora
// --migrar`: every table comes back identical row by row, and the documents printed from it
// read the same in each of the three places.
#include <gtest/gtest.h>

#include <iostream>
#include <regex>
#include <sstream>

#include "core/date.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "demo/salon_bills.h"
#include "demo/salon_history.h"
#include "maintenance/migration/migration_command_line.h"
#include "migration_fixture.h"
#include "reports/page_text.h"
#include "reports/report_command_line.h"
#include "support/data_fixture.h"

namespace migrationtest {
namespace {

using testsupport::RecordingMessages;
using testsupport::TempDir;

struct CommandResult {
    int code = -1;
    std::string out;
    std::string err;
};

CommandResult run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    CommandResult result;
    result.code = migration::runMigrationCommandLine(args, out, err).value_or(-1);
    result.out = out.str();
    result.err = err.str();
    return result;
}

// The text of the closing, the commissions and the bank statement of the demo's two months,
// printed by `velmora --pdf` from `dataSet`, one after the other, without the time of printing.
std::string documentsOf(const store::Location& dataSet) {
    const std::string from = core::shortDate(core::Date::today().addDays(-70));
    const std::string to = core::shortDate(core::Date::today());
    const std::vector<std::vector<std::string>> documents{
        {"fechamento-caixa", "--numero", "1"},
        {"comissoes", "--de", from, "--ate", to},
        {"extrato", "--conta", demo::kCurrentAccount, "--de", from, "--ate", to},
    };
    TempDir out;
    std::string text;
    for (const auto& document : documents) {
        const auto pdf = out / (document.front() + ".pdf");
        std::vector<std::string> args{"--pdf", document.front(), pdf.string()};
        args.insert(args.end(), document.begin() + 1, document.end());
        std::ostringstream err;
        EXPECT_EQ(reports::runReportCommandLine(args, dataSet, err), 0)
            << document.front() << ": " << err.str();
        text += reportstest::pdfText(pdf);
    }
    static const std::regex printedAt("Hora: [0-9]{2}:[0-9]{2}:[0-9]{2}");
    return std::regex_replace(text, printedAt, "Hora: ");
}

TEST(MigrationOnServer, TheDemoSalonGoesOntoTheServerAndBackWithEveryTableIdenticalRowByRow) {
    TempDir start, serverStandIn, back;
    const std::filesystem::path origin = start / "Dados";
    data::createInitialData(origin, true);
    {
        RecordingMessages quiet;
        data::Tdm dm(origin, quiet);
        demo::addSalonHistory(dm, core::Date::today());
    }
    const std::string server = testsupport::serverConnectionFor(serverStandIn.path());
    const std::filesystem::path returned = back / "Dados";
    const std::string printedAtOrigin = documentsOf(origin);
    ASSERT_NE(printedAtOrigin.find(demo::kCurrentAccount), std::string::npos) << printedAtOrigin;

    const CommandResult onto = run({"--migrar", origin.string(), "--servidor", server});
    ASSERT_EQ(onto.code, 0) << onto.err;
    EXPECT_NE(onto.out.find("TbServico: conferida"), std::string::npos) << onto.out;
    EXPECT_NE(onto.out.find("Transferência concluída"), std::string::npos) << onto.out;
    EXPECT_EQ(documentsOf(store::Location(store::ServerConnection{server})), printedAtOrigin);
    const CommandResult home = run({"--migrar", "--servidor", server, returned.string()});
    ASSERT_EQ(home.code, 0) << home.err;
    EXPECT_EQ(documentsOf(returned), printedAtOrigin);

    store::Database before(origin), after(returned);
    const std::size_t rows = expectSameTables(before, after);
    EXPECT_FALSE(rowsOf(before, data::tableEntry("TbServico")).empty());
    EXPECT_FALSE(rowsOf(before, data::tableEntry("TbCaixa")).empty());
    EXPECT_GT(rows, 500u);

    // The copy that came back is the one to work on; both places it left say where it went.
    EXPECT_EQ(refusalOnOpen(returned), "");
    const std::string atOrigin = refusalOnOpen(origin);
    EXPECT_NE(atOrigin.find("servidor de dados"), std::string::npos) << atOrigin;
    const std::string atServer = refusalOnOpen(store::Location(store::ServerConnection{server}));
    EXPECT_NE(atServer.find(returned.string()), std::string::npos) << atServer;
}

TEST(MigrationCommandLine, AWrongCommandLineEndsWithTwoAndNamesTheProblem) {
    const struct {
        std::vector<std::string> args;
        const char* problem;
    } cases[] = {
        {{"--migrar"}, "pede a origem e o destino"},
        {{"--migrar", "/a"}, "pede a origem e o destino"},
        {{"--migrar", "/a", "/b", "/c"}, "argumento a mais"},
        {{"--migrar", "/a", "--servidor"}, "falta a conexão"},
        {{"--migrar", "/a", "--depressa", "/b"}, "argumento desconhecido"},
        {{"/a", "--migrar", "/b"}, "vem primeiro"},
    };
    for (const auto& c : cases) {
        const CommandResult result = run(c.args);
        EXPECT_EQ(result.code, 2) << c.args.back();
        EXPECT_NE(result.err.find(c.problem), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("velmora --migrar ORIGEM DESTINO"), std::string::npos) << result.err;
    }
    EXPECT_FALSE(migration::runMigrationCommandLine({"--backup"}, std::cout, std::cerr).has_value());
}

TEST(MigrationCommandLine, RefusesToCopyADataSetOntoItselfOrOneWithoutTables) {
    TempDir dir;
    data::createInitialData(dir.path(), false);
    const CommandResult same = run({"--migrar", dir.path().string(), (dir.path() / ".").string()});
    EXPECT_EQ(same.code, 1);
    EXPECT_NE(same.err.find("são os mesmos dados"), std::string::npos) << same.err;
    TempDir empty, target;
    const CommandResult nothing = run({"--migrar", empty.path().string(), target.path().string()});
    EXPECT_EQ(nothing.code, 1);
    EXPECT_NE(nothing.err.find("não tem as tabelas"), std::string::npos) << nothing.err;
    EXPECT_FALSE(data::holdsTables(target.path()));
    EXPECT_EQ(refusalOnOpen(dir.path()), "");
}

}  // namespace
}  // namespace migrationtest
