// Scheduled backups from the command line.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <sstream>

#include "archive_test_support.h"
#include "maintenance/backup_command.h"
#include "maintenance/backup_command_line.h"
#include "support/data_fixture.h"
#include "support/temp_dir.h"

namespace maintenance {
namespace {

using namespace archive_test;
namespace fs = std::filesystem;

class CommandLine : public ::testing::Test {
  protected:
    CommandLine() {
        fs::create_directory(data());
        writeFile(data() / "Clientes.DAT", textBytes(60000, 1));
        writeFile(data() / "Fotos.db", randomBytes(50000, 2));
    }

    fs::path data() const { return dir_ / "Dados"; }
    std::string archive() const { return (dir_ / "noite.bck").string(); }

    std::optional<int> run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        return runBackupCommand(args, data(), out_, err_, nullptr);
    }

    testsupport::TempDir dir_;
    std::ostringstream out_, err_;
};

TEST_F(CommandLine, IgnoresArgumentsThatAreNotItsOwn) {
    EXPECT_EQ(run({}), std::nullopt);
    EXPECT_EQ(run({"--demo", "--init-data", "x"}), std::nullopt);
    EXPECT_TRUE(out_.str().empty() && err_.str().empty());
}

TEST_F(CommandLine, BacksUpDescribesAndRestores) {
    // What an interrupted restore left behind is no data: the backup leaves it out.
    writeFile(data() / ".velmora-restore-123", textBytes(10, 3));
    EXPECT_EQ(run({"--backup", archive()}), 0) << err_.str();
    EXPECT_NE(out_.str().find("Backup Concluído. 2 arquivos"), std::string::npos) << out_.str();

    EXPECT_EQ(run({"--archive-info", archive()}), 0);
    EXPECT_EQ(out_.str(), "Título: \nArquivos: 2\nTamanho total: 110000 bytes\n");

    const fs::path folder = dir_ / "Restaurados";
    EXPECT_EQ(run({"--restore", archive(), folder.string()}), 0) << err_.str();
    EXPECT_EQ(out_.str(), "Arquivos Restaurados Com Sucesso! 2 Arquivos de 2 Restaurados\n");
    // A table file restored where there was none gets the name the store opens it by; any
    // other file keeps the archive's lower-case name.
    EXPECT_EQ(readFile(folder / "Clientes.DAT"), textBytes(60000, 1));
    EXPECT_EQ(readFile(folder / "fotos.db"), randomBytes(50000, 2));

    // --data belongs to the whole run and is accepted with every operation.
    EXPECT_EQ(run({"--data", data().string(), "--restore", archive(), folder.string(), "--modo",
                   "sem-sobrescrever"}),
              0);
    EXPECT_EQ(out_.str(), "Arquivos Restaurados Com Sucesso! 0 Arquivos de 2 Restaurados\n");
}

TEST_F(CommandLine, ARestoreOfADataSetIsTheNextRowOfTheTrailItBroughtBack) {
    testsupport::InitialDataDirectory salon;
    ASSERT_EQ(run({"--backup", archive(), "--data", salon.path().string()}), 0) << err_.str();
    const fs::path folder = dir_ / "Restaurados";
    ASSERT_EQ(run({"--restore", archive(), folder.string()}), 0) << err_.str();
    EXPECT_EQ(err_.str(), "");
    const auto trail = testsupport::auditTrail(store::Location(folder));
    ASSERT_EQ(trail.size(), 1u);
    EXPECT_EQ(trail[0].acao, "Restauração de Backup");
    EXPECT_EQ(trail[0].resumo, "Arquivo " + archive());
}

TEST_F(CommandLine, VolumesFollowOneAnotherWithoutAPrompt) {
    const fs::path other = dir_ / "Outros";
    fs::create_directory(other);
    writeFile(other / "x.dat", randomBytes(100000, 3));
    EXPECT_EQ(run({"--backup", archive(), "--data", other.string(), "--nivel", "maximo", "--tamanho-maximo",
                   "40000"}),
              0)
        << err_.str();
    EXPECT_TRUE(fs::exists(dir_ / "noite.002"));
    EXPECT_TRUE(fs::exists(dir_ / "noite.003"));
    EXPECT_EQ(run({"--restore", archive(), (dir_ / "r").string(), "--modo", "todos"}), 0) << err_.str();
    EXPECT_EQ(readFile(dir_ / "r" / "x.dat"), randomBytes(100000, 3));
}

TEST_F(CommandLine, FailuresExitWithOneAndTheReason) {
    EXPECT_EQ(run({"--backup", archive(), "--data", (dir_ / "nenhuma").string()}), 1);
    EXPECT_NE(err_.str().find("a pasta de dados não existe"), std::string::npos) << err_.str();
    EXPECT_FALSE(fs::exists(archive())) << "no empty archive that looks like a backup";

    EXPECT_EQ(run({"--backup", (dir_ / "nenhuma" / "x.bck").string()}), 1);
    EXPECT_NE(err_.str().find("Cannot write to archive"), std::string::npos) << err_.str();

    writeFile(archive(), bytesOf("lixo"));
    EXPECT_EQ(run({"--restore", archive(), (dir_ / "r").string()}), 1);
    EXPECT_NE(err_.str().find("Cannot read archive"), std::string::npos) << err_.str();
    EXPECT_NE(err_.str().find("Erro Na Restauração dos Arquivos!"), std::string::npos);

    EXPECT_EQ(run({"--archive-info", (dir_ / "nenhum.bck").string()}), 1);
    EXPECT_NE(err_.str().find("Cannot read archive"), std::string::npos) << err_.str();
}

TEST_F(CommandLine, WrongArgumentsExitWithTwoAndTheUsage) {
    const std::vector<std::vector<std::string>> cases = {
        {"--backup"},
        {"--restore", "a.bck"},
        {"--backup", "a.bck", "--nivel", "enorme"},
        {"--backup", "a.bck", "--tamanho-maximo", "-5"},
        {"--backup", "a.bck", "--tamanho-maximo", "12k"},
        {"--backup", "a.bck", "--modo", "todos"},
        {"--restore", "a.bck", "dir", "--modo", "all"},
        {"--restore", "a.bck", "dir", "--nivel", "maximo"},
        {"--backup", "a.bck", "--restore", "b.bck", "dir"},
        {"--archive-info", "a.bck", "--extra"},
        {"--data", "--backup"},
        {"--restore", "a.bck", "dir", "--servidor", "service=velmora"},
        {"--backup", "a.bck", "--data", "dir", "--servidor", "service=velmora"},
        {"--restore", "a.bck", "--servidor"},
    };
    for (const auto& args : cases) {
        EXPECT_EQ(run(args), 2) << args.back();
        EXPECT_NE(err_.str().find("Uso:\n  velmora --backup ARQUIVO.bck"), std::string::npos) << err_.str();
    }
    EXPECT_FALSE(fs::exists(dir_ / "a.bck"));
}

TEST_F(CommandLine, TablesGoThroughASnapshotAndComeBackWhole) {
    const fs::path table = data() / "Vendas.DAT";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(table.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "CREATE TABLE vendas(id INTEGER PRIMARY KEY, valor REAL);"
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000)"
                           " INSERT INTO vendas(valor) SELECT i * 1.5 FROM n;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);

    std::ostringstream out, err;
    EXPECT_EQ(runBackupCommandLine({"--backup", archive()}, data(), out, err), 0) << err.str();
    const fs::path folder = dir_ / "Restaurados";
    EXPECT_EQ(runBackupCommandLine({"--restore", archive(), folder.string()}, data(), out, err), 0)
        << err.str();

    ASSERT_EQ(sqlite3_open_v2((folder / "vendas.dat").c_str(), &db, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    sqlite3_stmt* count = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT count(*), sum(valor) FROM vendas", -1, &count, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(count), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(count, 0), 5000);
    EXPECT_DOUBLE_EQ(sqlite3_column_double(count, 1), 1.5 * 5000 * 5001 / 2);
    sqlite3_finalize(count);
    sqlite3_close(db);
    EXPECT_EQ(readFile(folder / "Clientes.DAT"), textBytes(60000, 1)) << "other files as bytes";
}

}  // namespace
}  // namespace maintenance
