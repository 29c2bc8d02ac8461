// The copier between data sets: each case runs into a data directory and onto the server.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include "data/data_set_notes.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "migration_fixture.h"
#include "support/data_fixture.h"
#include "support/processes.h"

namespace migrationtest {
namespace {

using testsupport::RecordingMessages;
using testsupport::TempDir;

class MigrationTo : public ::testing::TestWithParam<const Side*> {
  protected:
    static bool noted(const store::Location& dataSet, const char* note) {
        return store::Database(dataSet).backend().note(note).has_value();
    }
    std::string migrationRefusal() {
        try {
            migration::migrate(source, destination, progress);
        } catch (const migration::MigrationError& error) {
            return error.what();
        }
        ADD_FAILURE() << "the migration was not refused";
        return "";
    }
    void expectSourceUntouched() {
        EXPECT_FALSE(noted(source, data::kMovedNote));
        EXPECT_EQ(refusalOnOpen(source), "");
        store::Database database(source);
        const auto& clients = data::tableEntry("TbCliente");
        EXPECT_EQ(rowsOf(database, clients).size(), clientsBefore.size());
    }

    TempDir sourceDir, destinationDir;
    const std::filesystem::path source = sourceDir / "Dados";
    const store::Location destination = GetParam()->locate(destinationDir.path());
    RecordingProgress progress;
    std::vector<store::Record> clientsBefore = [&] {
        data::createInitialData(source, true);
        store::Database database(source);
        return rowsOf(database, data::tableEntry("TbCliente"));
    }();
};

INSTANTIATE_TEST_SUITE_P(Backends, MigrationTo, ::testing::ValuesIn(everySide()), sideName);

TEST_P(MigrationTo, CopiesEveryTableCheckedAndTheMovedSourceIsRefusedOnOpen) {
    const migration::MigrationSummary summary = migration::migrate(source, destination, progress);
    EXPECT_EQ(summary.tables, static_cast<int>(sharedTables().size()));
    EXPECT_EQ(progress.said.front(), "TbCliente " + std::to_string(clientsBefore.size()));
    EXPECT_NE(std::find(progress.said.begin(), progress.said.end(),
                        "TbCliente ok " + std::to_string(clientsBefore.size())),
              progress.said.end());
    EXPECT_FALSE(noted(destination, data::kUnfinishedCopyNote));
    EXPECT_EQ(refusalOnOpen(destination), "");

    // The station still pointed at the source is told where the data went, without a password.
    const std::string refusal = refusalOnOpen(source);
    EXPECT_NE(refusal.find("não são mais usados aqui"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find(store::Database(destination).backend().reachedBy()), std::string::npos) << refusal;
    EXPECT_EQ(refusal.find("password"), std::string::npos) << refusal;
    const auto moved = store::Database(source).backend().note(data::kMovedNote);
    ASSERT_TRUE(moved.has_value());
    EXPECT_NE(moved->find("transferidos"), std::string::npos) << *moved;

    // Moving it a second time would make two salons out of one.
    TempDir another;
    try {
        migration::migrate(source, store::Location(another / "Dados"), progress);
        ADD_FAILURE() << "a moved source was copied again";
    } catch (const migration::MigrationError& error) {
        EXPECT_NE(std::string(error.what()).find("não podem ser transferidos"), std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(data::holdsTables(store::Location(another / "Dados")));
}

TEST_P(MigrationTo, RefusesADestinationThatHoldsTablesWritingNothing) {
    data::createInitialData(destination, false);
    const std::string refusal = migrationRefusal();
    EXPECT_NE(refusal.find("já contém a tabela TbCliente"), std::string::npos) << refusal;
    EXPECT_TRUE(progress.said.empty());
    EXPECT_FALSE(noted(destination, data::kUnfinishedCopyNote));
    EXPECT_EQ(refusalOnOpen(destination), "");
    store::Database there(destination);
    EXPECT_TRUE(rowsOf(there, data::tableEntry("TbCliente")).empty());
    expectSourceUntouched();
}

TEST_P(MigrationTo, RefusesASourceTableHeldByAnotherStationWritingNothing) {
    {
        testsupport::LockHolder otherStation(source, "TbFuncionario");
        const std::string refusal = migrationRefusal();
        EXPECT_NE(refusal.find("TbFuncionario"), std::string::npos) << refusal;
        EXPECT_NE(refusal.find("outra estação"), std::string::npos) << refusal;
    }
    EXPECT_TRUE(progress.said.empty());
    EXPECT_FALSE(data::holdsTables(destination));
    EXPECT_FALSE(noted(destination, data::kUnfinishedCopyNote));
    expectSourceUntouched();
    // Once the other station is gone, the same copy goes through.
    EXPECT_NO_THROW(migration::migrate(source, destination, progress));
}

TEST_P(MigrationTo, ACopyThatFailsItsCheckLeavesTheDestinationMarkedIncompleteAndTheSourceAsItWas) {
    ASSERT_FALSE(clientsBefore.empty());
    const auto& clients = data::tableEntry("TbCliente");
    const int name =
        static_cast<int>(clients.definition.findField("Nome") - clients.definition.fields.data());
    // Something changes one row on the destination between the copy and its check.
    progress.afterCopy = [&](const std::string& table) {
        if (table != "TbCliente") return;
        store::Database there(destination);
        const store::ErrorContext context{clients.component, clients.definition.fileName};
        const store::TableRef ref{clients.definition, context};
        there.backend().openTable(ref)->update(ref, clientsBefore.back().rowid, {name},
                                               {store::Value{std::string("OUTRO NOME")}});
    };
    const std::string refusal = migrationRefusal();
    EXPECT_NE(refusal.find("conferência da tabela TbCliente"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("conteúdo diferente"), std::string::npos) << refusal;
    EXPECT_TRUE(noted(destination, data::kUnfinishedCopyNote));
    const std::string onOpen = refusalOnOpen(destination);
    EXPECT_NE(onOpen.find("cópia incompleta"), std::string::npos) << onOpen;
    expectSourceUntouched();
    store::Database database(source);
    const auto clientsAfter = rowsOf(database, clients);
    ASSERT_EQ(clientsAfter.size(), clientsBefore.size());
    EXPECT_EQ(clientsAfter.back().values, clientsBefore.back().values);

    // Run again into a fresh destination, the copy succeeds.
    TempDir fresh;
    progress.afterCopy = nullptr;
    EXPECT_NO_THROW(migration::migrate(source, GetParam()->locate(fresh.path()), progress));
}

TEST_P(MigrationTo, AStationKilledMidCopyLeavesTheSourceAsItWasAndTheDestinationMarkedIncomplete) {
    int copiedSome[2];
    ASSERT_EQ(pipe(copiedSome), 0);
    // The migrating station tells once its second table is copied, then stays in the copy,
    // holding the source, until it is killed.
    const pid_t station = testsupport::spawn([&] {
        close(copiedSome[0]);
        int tables = 0;
        progress.afterCopy = [&](const std::string&) {
            if (++tables < 2) return;
            const char done = 1;
            (void)!write(copiedSome[1], &done, 1);
            for (;;) pause();
        };
        migration::migrate(source, destination, progress);
        return 1;
    });
    close(copiedSome[1]);
    char done = 0;
    ASSERT_EQ(read(copiedSome[0], &done, 1), 1) << "the station ended before copying two tables";
    close(copiedSome[0]);
    kill(station, SIGKILL);
    EXPECT_EQ(testsupport::exitCodeOf(station), -1);

    EXPECT_TRUE(noted(destination, data::kUnfinishedCopyNote));
    const std::string onOpen = refusalOnOpen(destination);
    EXPECT_NE(onOpen.find("cópia incompleta"), std::string::npos) << onOpen;
    expectSourceUntouched();
    // The killed station holds nothing any more: the copy runs again into a fresh destination.
    TempDir fresh;
    EXPECT_NO_THROW(migration::migrate(source, GetParam()->locate(fresh.path()), progress));
}

}  // namespace
}  // namespace migrationtest
