// Bad files and bad places: every failure is a store error naming the table, and nothing
// already posted is lost.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <sqlite3.h>

#include <fstream>

#include "data/store/repair.h"
#include "data/store/snapshot.h"
#include "store_fixture.h"

using namespace storetest;
using store::Value;

namespace {

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const store::Error& e) {
        return e.what();
    }
    return "";
}

// Overwrites one page of an SQLite file with garbage.
void damagePage(const std::filesystem::path& file, long page) {
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp((page - 1) * 4096 + 8);
    std::string garbage(2000, '\x5a');
    f.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
}

// The first page of every index of the file, as SQLite itself records them.
std::vector<long> indexRootPages(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* query = nullptr;
    sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_master WHERE type = 'index'", -1, &query, nullptr);
    std::vector<long> pages;
    while (sqlite3_step(query) == SQLITE_ROW) pages.push_back(sqlite3_column_int(query, 0));
    sqlite3_finalize(query);
    sqlite3_close(db);
    return pages;
}

}  // namespace

TEST_P(StoreTest, MissingFileOrForeignFileIsAFileErrorNamingTheTable) {
    if (!db.keepsTableFiles()) GTEST_SKIP() << "works on table files";
    store::Table t(db, peopleDefinition(), "TbPessoa");
    auto missing = messageOf([&] { t.open(); });
    EXPECT_NE(missing.find("TbPessoa (Pessoas.DAT)"), std::string::npos) << missing;
    EXPECT_NE(missing.find("não foi encontrado"), std::string::npos) << missing;

    std::ofstream(dir / "Pessoas.DAT") << "isto não é uma tabela, é um texto qualquer com mais de cem bytes "
                                          "para parecer um arquivo de verdade ............................";
    EXPECT_THROW(t.open(), store::FileError);
    auto foreign = messageOf([&] { t.open(); });
    EXPECT_NE(foreign.find("Pessoas.DAT"), std::string::npos) << foreign;
    EXPECT_FALSE(t.isOpen());
}

TEST_P(StoreTest, WritingInAReadOnlyDirectoryFailsWithoutLosingWhatWasPosted) {
    if (!db.keepsTableFiles()) GTEST_SKIP() << "works on table files";
    {
        auto t = makePeople();
        add(*t, 1, "Ana");
    }
    using std::filesystem::perms;
    std::filesystem::permissions(dir.path(), perms::owner_read | perms::owner_exec | perms::group_read |
                                                 perms::group_exec | perms::others_read | perms::others_exec);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        std::filesystem::permissions(entry.path(),
                                     perms::owner_read | perms::group_read | perms::others_read);
    // An unprivileged station (tests may run as root, whom permissions do not bind).
    pid_t child = spawn([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 4;
        auto databaseOwned = openDatabase(dir.path());
        store::Database& database = *databaseOwned;
        store::Table t(database, peopleDefinition(), "TbPessoa");
        t.open();
        if (t.field("Nome").asString() != "Ana") return 5;
        t.insert();
        t.field("Codigo").setInteger(2);
        auto message = messageOf([&] { t.post(); });
        if (message.find("TbPessoa") == std::string::npos) return 6;
        t.cancel();
        return t.recordCount() == 1 ? 0 : 7;
    });
    EXPECT_EQ(exitCodeOf(child), 0);
    auto t = makePeople();
    EXPECT_EQ(t->recordCount(), 1);
}

TEST_P(StoreTest, AFullDiskIsReportedAndEarlierPostsSurvive) {
    if (!db.keepsTableFiles()) GTEST_SKIP() << "works on table files";
    // The child may write only a little more than the table holds now.
    {
        auto t = makePeople();
        add(*t, 1, "Ana");
    }
    pid_t child = spawn([&] {
        auto databaseOwned = openDatabase(dir.path());
        store::Database& database = *databaseOwned;
        auto t = makePeople(database);
        const rlim_t size = std::filesystem::file_size(dir / "Pessoas.DAT") + 8192;
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{size, size};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            for (int code = 2; code < 10000; ++code) {
                t->insert();
                t->field("Codigo").setInteger(code);
                t->field("Obs").setString(std::string(3000, 'x'));
                t->post();
            }
        } catch (const store::Error& e) {
            return std::string(e.what()).find("TbPessoa") != std::string::npos ? 0 : 2;
        }
        return 3;  // the disk never filled
    });
    EXPECT_EQ(exitCodeOf(child), 0);
    auto t = makePeople();
    EXPECT_TRUE(store::checkTableFile(dir / "Pessoas.DAT"));
    EXPECT_TRUE(t->findKey({Value{std::int64_t{1}}}));
    EXPECT_GE(t->recordCount(), 1);
}

TEST_P(StoreTest, RepairRebuildsAFileWhoseIndexPagesWereDamaged) {
    if (!db.keepsTableFiles()) GTEST_SKIP() << "works on table files";
    {
        auto t = makePeople();
        for (int code = 1; code <= 3000; ++code) add(*t, code, "Cliente " + std::to_string(code));
    }
    const auto file = dir / "Pessoas.DAT";
    EXPECT_TRUE(store::checkTableFile(file));
    for (long page : indexRootPages(file)) damagePage(file, page);
    EXPECT_FALSE(store::checkTableFile(file));

    std::vector<int> progress;
    auto report = store::repairTableFile(file, [&](int percent) { progress.push_back(percent); });
    EXPECT_TRUE(report.wasDamaged);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_TRUE(store::checkTableFile(file));
    EXPECT_TRUE(std::filesystem::exists(dir / "Pessoas.DAT.danificado"));

    auto t = makePeople();
    EXPECT_EQ(report.rowsRecovered, t->recordCount());
    t->setIndexName("siNome");
    t->findNearest({Value{std::string("Cliente 2999")}});
    EXPECT_EQ(t->field("Codigo").asInteger(), 2999);
    EXPECT_EQ(report.rowsRecovered, 3000);  // only index pages were hit: every row comes back
    EXPECT_EQ(report.rowsLost, 0);
}

TEST_P(StoreTest, RepairLeavesAnIntactFileAsItIs) {
    if (!db.keepsTableFiles()) GTEST_SKIP() << "works on table files";
    {
        auto t = makePeople();
        add(*t, 1, "Ana");
    }
    auto report = store::repairTableFile(dir / "Pessoas.DAT");
    EXPECT_FALSE(report.wasDamaged);
    EXPECT_EQ(report.rowsRecovered, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "Pessoas.DAT.danificado"));
    std::ofstream(dir / "texto.DAT") << std::string(200, 'x');
    EXPECT_THROW(store::repairTableFile(dir / "texto.DAT"), store::Error);
}

TEST_P(StoreTest, RepairRefusesATableThatIsOpenElsewhere) {
    if (!db.keepsTableFiles()) GTEST_SKIP() << "works on table files";
    auto quickOwned = openDatabase(dir.path(), quickLocks());
    store::Database& quick = *quickOwned;
    auto t = makePeople(quick);
    add(*t, 1, "Ana");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t other = spawn([&] {
        char c = 1;
        if (write(ready[1], &c, 1) != 1) return 2;
        try {
            store::repairTableFile(dir / "Pessoas.DAT");
        } catch (const store::LockError&) {
            return 0;
        }
        return 3;
    });
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    EXPECT_EQ(exitCodeOf(other), 0);
    t->close();
    EXPECT_FALSE(store::repairTableFile(dir / "Pessoas.DAT").wasDamaged);
}

TEST_P(StoreTest, SnapshotCopiesATableAndDeclinesOtherFiles) {
    if (!db.keepsTableFiles()) GTEST_SKIP() << "works on table files";
    {
        auto t = makePeople();
        add(*t, 1, "Ana");
    }
    testsupport::TempDir out;
    EXPECT_TRUE(store::snapshotTableFile(dir / "Pessoas.DAT", out / "Pessoas.DAT"));
    std::ofstream(dir / "leia-me.txt") << "texto";
    EXPECT_FALSE(store::snapshotTableFile(dir / "leia-me.txt", out / "leia-me.txt"));
    auto copyOwned = openDatabase(out.path());
    store::Database& copy = *copyOwned;
    auto t = makePeople(copy);
    EXPECT_EQ(t->field("Nome").asString(), "Ana");
}
