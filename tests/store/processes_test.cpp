// Two program instances on one data directory, as two real processes.
#include <gtest/gtest.h>

#include <chrono>

#include "store_fixture.h"

using namespace storetest;
using store::Value;

namespace {

// Adds 1,00 `times` times. Two loops this tight can keep the table busy nearly all the
// time, so a step may meet the lock error; like a person at the desk, it tries again.
int addToValue(const std::filesystem::path& dir, int times) {
    auto databaseOwned = openDatabase(dir);
    store::Database& database = *databaseOwned;
    store::Table t(database, peopleDefinition(), "TbPessoa");
    for (int done = 0; done < times;) {
        try {
            t.open();
            if (!t.findKey({Value{std::int64_t{1}}})) return 2;
            t.edit();
            t.field("Valor").setCurrency(t.field("Valor").asCurrency() + core::Currency::fromReais(1));
            t.post();
            ++done;
        } catch (const store::LockError&) {
            t.cancel();
        }
    }
    return 0;
}

}  // namespace

TEST_P(StoreTest, TwoProcessesAddingToOneRecordLoseNoUpdate) {
    {
        auto t = makePeople();
        add(*t, 1, "Caixa", "", 0);
    }
    pid_t a = spawn([&] { return addToValue(dir.path(), 500); });
    pid_t b = spawn([&] { return addToValue(dir.path(), 500); });
    EXPECT_EQ(exitCodeOf(a), 0);
    EXPECT_EQ(exitCodeOf(b), 0);
    auto t = makePeople();
    EXPECT_EQ(t->field("Valor").asCurrency(), core::Currency::fromReais(1000));
}

TEST_P(StoreTest, ARecordLockedElsewhereFailsTheEditAfterTheRetries) {
    {
        auto t = makePeople();
        add(*t, 1, "Ana");
        add(*t, 2, "Bia");
    }
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    pid_t holder = spawn([&] {
        auto databaseOwned = openDatabase(dir.path());
        store::Database& database = *databaseOwned;
        store::Table t(database, peopleDefinition(), "TbPessoa");
        t.open();
        t.edit();  // record 1 locked until told to stop
        char c = 1;
        if (write(ready[1], &c, 1) != 1) return 2;
        if (read(release[0], &c, 1) != 1) return 3;
        t.cancel();
        return 0;
    });
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);

    auto t = makePeople();
    const auto started = std::chrono::steady_clock::now();
    EXPECT_THROW(t->edit(), store::LockError);
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_GE(waited, std::chrono::milliseconds(1400));
    EXPECT_LT(waited, std::chrono::milliseconds(6000));  // generous: the machine may be busy
    EXPECT_EQ(t->state(), store::TableState::Browse);
    t->next();  // another record is free
    t->edit();
    t->field("Nome").setString("Bianca");
    t->post();

    ASSERT_EQ(write(release[1], &c, 1), 1);
    EXPECT_EQ(exitCodeOf(holder), 0);
    t->first();
    t->edit();  // free again once the holder let go
    t->cancel();
}

TEST_P(StoreTest, ALockIsReleasedWhenItsProcessDies) {
    {
        auto t = makePeople();
        add(*t, 1, "Ana");
    }
    pid_t crashed = spawn([&] {
        auto databaseOwned = openDatabase(dir.path());
        store::Database& database = *databaseOwned;
        store::Table t(database, peopleDefinition(), "TbPessoa");
        t.open();
        t.edit();
        _exit(9);  // dies holding the lock
        return 0;
    });
    EXPECT_EQ(exitCodeOf(crashed), 9);
    auto t = makePeople();
    t->edit();
    EXPECT_EQ(t->state(), store::TableState::Edit);
    t->cancel();
}

TEST_P(StoreTest, APostBySomeoneElseIsSeenAfterRefreshAndByTheNextEdit) {
    auto t = makePeople();
    add(*t, 1, "Ana", "", 5);
    pid_t other = spawn([&] {
        auto databaseOwned = openDatabase(dir.path());
        store::Database& database = *databaseOwned;
        store::Table mine(database, peopleDefinition(), "TbPessoa");
        mine.open();
        mine.insert();
        mine.field("Codigo").setInteger(2);
        mine.field("Nome").setString("Nova");
        mine.post();
        mine.first();
        mine.edit();
        mine.field("Valor").setFloat(7);
        mine.post();
        return 0;
    });
    ASSERT_EQ(exitCodeOf(other), 0);
    EXPECT_EQ(t->field("Valor").asFloat(), 5.0);  // still the buffered record
    t->edit();                                    // an edit reads the record again
    EXPECT_EQ(t->field("Valor").asFloat(), 7.0);
    t->cancel();
    t->refresh();
    EXPECT_EQ(t->recordCount(), 2);
    EXPECT_EQ(forward(*t), (std::vector<std::string>{"Ana", "Nova"}));
}
