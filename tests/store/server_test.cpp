// What only a data set on a server meets: its connection lost in the middle of the work, and
// news of what the other stations write.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "data/store/posting.h"
#include "store_fixture.h"

using namespace storetest;

namespace {

std::string connectionLossOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const store::ConnectionError& e) {
        return e.what();
    }
    return "";
}

bool saysTheServerIsLost(const std::string& message) {
    return message.rfind("Sem conexão com o servidor de dados", 0) == 0;
}

}  // namespace

// A station on the test server whose connection goes away, first while it is idle, then in
// the middle of a posting.
class ConnectionLossTest : public StoreTest {
  protected:
    void expectEachLossFailsOneActionInPortuguese(const std::function<void()>& loseConnection) {
        auto t = makePeople();
        add(*t, 1, "Ana");

        // Idle: the first action meets the loss and says so; the next works.
        loseConnection();
        const std::string lost = connectionLossOf([&] { t->refresh(); });
        EXPECT_TRUE(saysTheServerIsLost(lost)) << lost;
        t->refresh();
        EXPECT_EQ(t->field("Nome").asString(), "Ana");
        add(*t, 2, "Bia");

        // Inside a posting: it fails and stores nothing of what it wrote before.
        {
            store::Posting posting({t.get()});
            add(*t, 3, "Cida");
            loseConnection();
            t->insert();
            t->field("Codigo").setInteger(4);
            const std::string failed = connectionLossOf([&] { t->post(); });
            EXPECT_TRUE(saysTheServerIsLost(failed)) << failed;
            t->cancel();
            EXPECT_THROW(posting.commit(), store::Error);
        }
        EXPECT_EQ(t->recordCount(), 2);
        EXPECT_FALSE(t->findKey({store::Value{std::int64_t{3}}}));
        // And the next try works, with its record lock taken again.
        store::post({t.get()}, [&] { add(*t, 3, "Cida"); });
        EXPECT_EQ(t->recordCount(), 3);
        t->first();
        t->edit();
        t->field("Nome").setString("Ana Maria");
        t->post();
        EXPECT_EQ(forward(*t), (std::vector<std::string>{"Ana Maria", "Bia", "Cida"}));
    }
};

INSTANTIATE_TEST_SUITE_P(Backends, ConnectionLossTest, ::testing::Values(serverBackend()), backendName);

TEST_P(ConnectionLossTest, SessionsEndedOnTheServerFailOneActionInPortugueseAndTheNextConnects) {
    expectEachLossFailsOneActionInPortuguese([&] { testsupport::endServerSessions(dir.path()); });
}

// The test server itself restarted (pg_ctl restart), which ends every session on it: these
// cases run alone.
class RestartedServer : public ConnectionLossTest {};

INSTANTIATE_TEST_SUITE_P(Backends, RestartedServer, ::testing::Values(serverBackend()), backendName);

TEST_P(RestartedServer, FailsOneActionInPortugueseAndTheNextConnects) {
    expectEachLossFailsOneActionInPortuguese(testsupport::restartTestServer);
}

TEST_P(StoreTest, SqlMetacharactersInEveryTextFieldRoundTripUnchanged) {
    auto t = makePeople();
    const std::string name = "O'Neil'; DROP TABLE";
    const std::string type = "\"x\"--\\";
    const std::string memo = "'; DROP TABLE pessoas_dat; --\n$1 $$ %s ? \\x00 ' OR '1'='1";
    const std::string photo("\0'\"\\;\xff", 6);
    t->insert();
    t->field("Codigo").setInteger(1);
    t->field("Nome").setString(name);
    t->field("Tipo").setString(type);
    t->field("Obs").setString(memo);
    t->field("Foto").setBlob(photo);
    t->post();
    t->close();
    t->open();
    EXPECT_EQ(t->field("Nome").asString(), name);
    EXPECT_EQ(t->field("Tipo").asString(), type);
    EXPECT_EQ(t->field("Obs").asString(), memo);
    EXPECT_EQ(t->field("Foto").asBlob(), photo);
    t->setIndexName("siNome");
    EXPECT_TRUE(t->findKey({store::Value{name}}));
    t->setFilter("Nome = 'O''Neil''; DROP TABLE'");
    t->setFiltered(true);
    EXPECT_EQ(t->recordCount(), 1);
}

namespace {

// Asks, as a station's screens do a few times a second, until something was read again or
// two seconds went by; how many tables were read again.
int refreshedWithinTwoSeconds(store::Database& database) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    do {
        if (const int refreshed = database.refreshChangedElsewhere()) return refreshed;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < until);
    return 0;
}

}  // namespace

TEST_P(StoreTest, WhatAnotherStationWritesIsReadAgainOnTheSameRecordButNeverUnderAnEdit) {
    if (db.keepsTableFiles()) GTEST_SKIP() << "stations on table files tell each other nothing";
    auto mine = makePeople();
    add(*mine, 1, "Ana");
    add(*mine, 2, "Bia");
    const auto otherStation = openDatabase(dir.path());
    auto theirs = makePeople(*otherStation);
    EXPECT_EQ(db.refreshChangedElsewhere(), 0);  // from now on the station hears of changes
    ASSERT_TRUE(mine->findKey({store::Value{std::int64_t{2}}}));

    add(*theirs, 3, "Cida");
    ASSERT_TRUE(theirs->findKey({store::Value{std::int64_t{2}}}));
    theirs->edit();
    theirs->field("Nome").setString("Beatriz");
    theirs->post();
    EXPECT_EQ(refreshedWithinTwoSeconds(db), 1);
    EXPECT_EQ(mine->field("Codigo").asInteger(), 2);
    EXPECT_EQ(mine->field("Nome").asString(), "Beatriz");
    EXPECT_EQ(mine->recordCount(), 3);

    // The station's own writes are no news to it.
    add(*mine, 4, "Duda");
    EXPECT_EQ(refreshedWithinTwoSeconds(db), 0);

    // An edit in progress is left as the user typed it; once it ends, the table is read again.
    ASSERT_TRUE(mine->findKey({store::Value{std::int64_t{1}}}));
    mine->edit();
    mine->field("Nome").setString("Ana em edição");
    store::post({theirs.get()}, [&] { add(*theirs, 5, "Eva"); });
    EXPECT_EQ(refreshedWithinTwoSeconds(db), 0);
    EXPECT_EQ(mine->state(), store::TableState::Edit);
    EXPECT_EQ(mine->field("Nome").asString(), "Ana em edição");
    mine->cancel();
    EXPECT_EQ(db.refreshChangedElsewhere(), 1);
    EXPECT_EQ(mine->field("Nome").asString(), "Ana");
    EXPECT_EQ(mine->recordCount(), 5);
}
