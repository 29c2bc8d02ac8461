// Backups and restores of a data set on the server, in the archive a data directory's backup
// writes: each archive restores into a data directory and onto a server.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <sstream>

#include "data/data_set_notes.h"
#include "data/initial_data.h"
#include "data/store/snapshot.h"
#include "maintenance/backup_command_line.h"
#include "maintenance/server_backup.h"
#include "migration/migration_fixture.h"
#include "support/data_fixture.h"
#include "support/processes.h"

namespace maintenance {
namespace {

namespace fs = std::filesystem;
using migrationtest::refusalOnOpen;
using migrationtest::rowsOf;
using testsupport::TempDir;

store::Location onServer(const TempDir& standIn) {
    return store::Location(store::ServerConnection{testsupport::serverConnectionFor(standIn.path())});
}

bool unfinished(const store::Location& dataSet) {
    return store::Database(dataSet).backend().note(data::kUnfinishedCopyNote).has_value();
}

void expectSameTables(const store::Location& original, const store::Location& copy,
                      std::size_t trailRowsAdded = 0) {
    store::Database from(original), to(copy);
    migrationtest::expectSameTables(from, to, trailRowsAdded);
}

struct CommandResult {
    int code = -1;
    std::string out, err;
};

// `velmora` with these arguments, its data set configured as `dataSet`.
CommandResult velmora(const std::vector<std::string>& args, const store::Location& dataSet) {
    std::ostringstream out, err;
    CommandResult result;
    result.code = runBackupCommandLine(args, dataSet, out, err).value_or(-1);
    result.out = out.str();
    result.err = err.str();
    return result;
}

// As `velmora --restore ARCHIVE DIRECTORY` does.
void restoreIntoDirectory(const fs::path& archive, const fs::path& directory) {
    const CommandResult restored = velmora({"--restore", archive.string(), directory.string()}, directory);
    EXPECT_EQ(restored.code, 0) << restored.err;
}

fs::path backUpServer(const store::Location& dataSet, const fs::path& archive) {
    store::Database server(dataSet);
    TBackupFile backup;
    EXPECT_TRUE(backupTables(backup, server, archive)) << backup.ErrorText();
    return archive;
}

TablesRestored restoreOnto(const store::Location& dataSet, const fs::path& archive,
                           TRestoreMode mode = TRestoreMode::rmAll) {
    store::Database server(dataSet);
    TBackupFile backup;
    backup.RestoreMode = mode;
    const auto restored = restoreTables(backup, archive, server);
    EXPECT_TRUE(restored.has_value()) << backup.ErrorText();
    return restored.value_or(TablesRestored{});
}

std::string restoreRefusal(const store::Location& dataSet, const fs::path& archive, TRestoreMode mode) {
    try {
        restoreOnto(dataSet, archive, mode);
    } catch (const ServerBackupError& error) {
        return error.what();
    }
    ADD_FAILURE() << "the restore was not refused";
    return "";
}

class ServerBackupOnServer : public ::testing::Test {
  protected:
    TempDir work;
    TempDir sourceStandIn;
    const store::Location source = [&] {
        const store::Location location = onServer(sourceStandIn);
        data::createInitialData(location, true);
        return location;
    }();
    const int shared = static_cast<int>(migrationtest::sharedTables().size());
};

TEST_F(ServerBackupOnServer, AnArchiveOfTheServerRestoresIntoADataDirectoryAndOntoAnEmptyServerIdentical) {
    // `velmora --backup` of the server the program is configured for.
    const fs::path archive = work / "servidor.bck";
    const CommandResult backedUp = velmora({"--backup", archive.string()}, source);
    ASSERT_EQ(backedUp.code, 0) << backedUp.err;
    EXPECT_NE(backedUp.out.find("Backup Concluído. " + std::to_string(shared) + " arquivos"),
              std::string::npos)
        << backedUp.out;

    // Into a data directory, as any archive of table files restores.
    const fs::path directory = work / "Dados";
    restoreIntoDirectory(archive, directory);
    expectSameTables(source, directory, 1);  // the restore is the next row of the trail
    EXPECT_EQ(refusalOnOpen(directory), "");

    // Onto another, empty, server database.
    TempDir emptyStandIn;
    const store::Location empty = onServer(emptyStandIn);
    ASSERT_FALSE(data::holdsTables(empty));
    const CommandResult restored =
        velmora({"--restore", archive.string(), "--servidor", empty.server->connection}, directory);
    ASSERT_EQ(restored.code, 0) << restored.err;
    EXPECT_NE(
        restored.out.find(std::to_string(shared) + " Tabelas de " + std::to_string(shared) + " Arquivos"),
        std::string::npos)
        << restored.out;
    expectSameTables(source, empty, 1);
    EXPECT_FALSE(unfinished(empty));
    EXPECT_EQ(refusalOnOpen(empty), "");
}

TEST_F(ServerBackupOnServer, AnArchiveOfADataDirectoryRestoresOntoTheServerIdentical) {
    TempDir directoryParent;
    const fs::path directory = directoryParent / "Dados";
    data::createInitialData(directory, true);
    TBackupFile files;
    files.SourceOfFile = [](const fs::path& file, const fs::path& scratch) {
        return store::snapshotTableFile(file, scratch) ? scratch : file;
    };
    ASSERT_TRUE(files.BackupFiles({(directory / "*.*").string()}, work / "diretorio.bck"))
        << files.ErrorText();

    TempDir emptyStandIn;
    const store::Location empty = onServer(emptyStandIn);
    EXPECT_EQ(restoreOnto(empty, work / "diretorio.bck").tables, shared);
    expectSameTables(directory, empty);
    EXPECT_EQ(refusalOnOpen(empty), "");
}

// The salon's tables already on the server: by mode, their rows are replaced by the archive's,
// or left as they are.
TEST_F(ServerBackupOnServer, OverAServerHoldingTheTablesAllReplacesTheirRowsAndTheOtherModesKeepThem) {
    const fs::path archive = backUpServer(source, work / "servidor.bck");
    TempDir otherStandIn;
    const store::Location other = onServer(otherStandIn);
    data::createInitialData(other, false);
    const auto& clients = data::tableEntry("TbCliente");
    const auto clientsBefore = [&] {
        store::Database there(other);
        return rowsOf(there, clients);
    }();
    {
        store::Database from(source);
        ASSERT_NE(rowsOf(from, clients).size(), clientsBefore.size()) << "the two salons must differ";
    }

    // Only the tables the server lacks: it has them all.
    EXPECT_EQ(restoreOnto(other, archive, TRestoreMode::rmNoOverwrite).tables, 0);
    {
        store::Database there(other);
        EXPECT_EQ(rowsOf(there, clients).size(), clientsBefore.size());
    }
    const std::string byDate = restoreRefusal(other, archive, TRestoreMode::rmNewer);
    EXPECT_NE(byDate.find("Nada foi restaurado"), std::string::npos) << byDate;

    EXPECT_EQ(restoreOnto(other, archive, TRestoreMode::rmExisting).tables, shared);
    expectSameTables(source, other);
    // Rows added afterwards get identities past every restored one.
    store::Database there(other);
    const store::ErrorContext context{clients.component, clients.definition.fileName};
    const store::TableRef ref{clients.definition, context};
    const std::int64_t highest = rowsOf(there, clients).back().rowid;
    EXPECT_GT(there.backend().openTable(ref)->insert(ref, {}, {}), highest);
}

TEST_F(ServerBackupOnServer, ATableOpenOnAnotherStationRefusesTheRestoreWritingNothing) {
    const fs::path archive = backUpServer(source, work / "servidor.bck");
    TempDir otherStandIn;
    const store::Location other = onServer(otherStandIn);
    data::createInitialData(other, false);
    const auto& clients = data::tableEntry("TbCliente");
    std::size_t clientsBefore = 0;
    {
        store::Database there(other);
        clientsBefore = rowsOf(there, clients).size();
    }
    {
        testsupport::LockHolder otherStation(other, "TbFuncionario");
        const std::string refusal = restoreRefusal(other, archive, TRestoreMode::rmAll);
        EXPECT_NE(refusal.find("TbFuncionario"), std::string::npos) << refusal;
        EXPECT_NE(refusal.find("outra estação"), std::string::npos) << refusal;
    }
    EXPECT_FALSE(unfinished(other));
    store::Database there(other);
    EXPECT_EQ(rowsOf(there, clients).size(), clientsBefore);
}

// Another station posts all along, each posting one row into each of two tables: a backup
// of a single moment holds as many new rows in one as in the other.
TEST_F(ServerBackupOnServer, TheArchiveIsOneMomentOfTheServerWhileAnotherStationPosts) {
    const auto& first = data::tableEntry("TbHistorico");
    const auto& second = data::tableEntry("TbFornec");
    const store::ErrorContext firstContext{first.component, first.definition.fileName};
    const store::ErrorContext secondContext{second.component, second.definition.fileName};
    const store::TableRef firstRef{first.definition, firstContext};
    const store::TableRef secondRef{second.definition, secondContext};
    std::size_t firstBefore = 0, secondBefore = 0;
    {
        store::Database server(source);
        firstBefore = rowsOf(server, first).size();
        secondBefore = rowsOf(server, second).size();
    }

    int posting[2];
    ASSERT_EQ(pipe(posting), 0);
    // Stopped however the test ends, or it would post forever.
    struct Station {
        pid_t pid;
        ~Station() {
            kill(pid, SIGKILL);
            testsupport::exitCodeOf(pid);
        }
    };
    const Station station{testsupport::spawn([&] {
        close(posting[0]);
        store::Database server(source);
        for (int postings = 0;; ++postings) {
            auto transaction = server.backend().begin({first.definition.fileName, second.definition.fileName},
                                                      true, firstContext);
            transaction->insert(firstRef, {}, {});
            transaction->insert(secondRef, {}, {});
            transaction->commit();
            if (postings == 20) {
                const char going = 1;
                (void)!write(posting[1], &going, 1);
            }
        }
        return 0;
    })};
    close(posting[1]);
    char going = 0;
    ASSERT_EQ(read(posting[0], &going, 1), 1) << "the other station stopped posting";
    close(posting[0]);
    const fs::path archive = backUpServer(source, work / "servidor.bck");

    const fs::path directory = work / "Dados";
    restoreIntoDirectory(archive, directory);
    store::Database copy(directory);
    const std::size_t firstPosted = rowsOf(copy, first).size() - firstBefore;
    EXPECT_EQ(rowsOf(copy, second).size() - secondBefore, firstPosted);
    EXPECT_GT(firstPosted, 20u);
    // The station went on posting while the backup ran: the server has more than the archive.
    store::Database server(source);
    EXPECT_GT(rowsOf(server, first).size() - firstBefore, firstPosted);
}

}  // namespace
}  // namespace maintenance
