// Postings: several tables written all at once or not at all, in one process and across
// real processes.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>

#include <map>

#include "data/store/posting.h"
#include "store_fixture.h"

using namespace storetest;
using core::Currency;
using store::Value;

namespace {

// Tables of the people layout, each in a file of its own.
std::unique_ptr<store::Table> tableOn(store::Database& database, const std::string& fileName,
                                      const std::string& name) {
    auto def = peopleDefinition();
    def.fileName = fileName;
    auto table = std::make_unique<store::Table>(database, def, name);
    if (!table->fileExists()) table->createTable();
    table->open();
    return table;
}

// Every row of a file as "code:name:value", read through a database of its own.
std::vector<std::string> rowsOnDisk(const std::filesystem::path& dir, const std::string& fileName) {
    auto freshOwned = openDatabase(dir);
    store::Database& fresh = *freshOwned;
    auto table = tableOn(fresh, fileName, "TbLeitura");
    std::vector<std::string> rows;
    for (table->first(); !table->eof(); table->next())
        rows.push_back(table->field("Codigo").asString() + ":" + table->field("Nome").asString() + ":" +
                       table->field("Valor").asString());
    return rows;
}

Currency valueOf(store::Table& table, int code) {
    if (!table.findKey({Value{std::int64_t{code}}}))
        throw std::runtime_error("no row " + std::to_string(code));
    return table.field("Valor").asCurrency();
}

void addTo(store::Table& table, int code, Currency amount) {
    if (!table.findKey({Value{std::int64_t{code}}}))
        throw std::runtime_error("no row " + std::to_string(code));
    table.editExisting();
    table.field("Valor").setCurrency(table.field("Valor").asCurrency() + amount);
    table.post();
}

class PostingTest : public StoreTest {
  protected:
    std::unique_ptr<store::Table> caixa = tableOn(db, "Caixa.DAT", "TbCaixa");
    std::unique_ptr<store::Table> banco = tableOn(db, "Banco.DAT", "TbBanco");
    std::unique_ptr<store::Table> servico = tableOn(db, "Servicos.DAT", "TbServico");

    void SetUp() override {
        for (auto* table : {caixa.get(), banco.get(), servico.get()}) {
            add(*table, 1, "PRIMEIRO", "", 100);
            add(*table, 2, "SEGUNDO", "", 200);
        }
    }
};

}  // namespace

STORE_CONFORMANCE(PostingTest);

TEST_P(PostingTest, AFailureAfterTheSecondWriteLeavesEveryFileAndTableAsBefore) {
    std::map<std::string, std::vector<std::string>> before;
    for (const char* file : {"Caixa.DAT", "Banco.DAT", "Servicos.DAT"})
        before[file] = rowsOnDisk(dir.path(), file);
    caixa->findKey({Value{std::int64_t{2}}});
    banco->findKey({Value{std::int64_t{1}}});
    servico->findKey({Value{std::int64_t{2}}});

    EXPECT_THROW(
        {
            store::Posting posting({caixa.get(), banco.get(), servico.get()});
            addTo(*caixa, 1, Currency::fromReais(50));  // first write
            banco->insert();                            // second write
            banco->field("Codigo").setInteger(3);
            banco->field("Nome").setString("NOVO");
            banco->post();
            servico->findKey({Value{std::int64_t{1}}});
            servico->edit();  // the third write never comes
            servico->field("Valor").setFloat(999);
            throw std::runtime_error("falha no meio");
        },
        std::runtime_error);

    for (const char* file : {"Caixa.DAT", "Banco.DAT", "Servicos.DAT"})
        EXPECT_EQ(rowsOnDisk(dir.path(), file), before[file]) << file;
    // Each table shows the record it showed before, as stored, in browse state.
    EXPECT_EQ(caixa->field("Codigo").asInteger(), 2);
    EXPECT_EQ(banco->field("Codigo").asInteger(), 1);
    EXPECT_EQ(servico->field("Codigo").asInteger(), 2);
    EXPECT_EQ(servico->field("Valor").asCurrency(), Currency::fromReais(200));
    for (auto* table : {caixa.get(), banco.get(), servico.get()}) {
        EXPECT_EQ(table->state(), store::TableState::Browse) << table->name();
        EXPECT_EQ(table->recordCount(), 2) << table->name();
    }
    // No record lock is left: another station edits every record at once.
    auto otherOwned = openDatabase(dir.path(), quickLocks());
    store::Database& other = *otherOwned;
    for (const char* file : {"Caixa.DAT", "Banco.DAT", "Servicos.DAT"}) {
        auto elsewhere = tableOn(other, file, "TbOutro");
        for (elsewhere->first(); !elsewhere->eof(); elsewhere->next()) {
            EXPECT_NO_THROW(elsewhere->edit()) << file;
            elsewhere->cancel();
        }
    }
}

TEST_P(PostingTest, AnInsertBegunBeforeAFailedPostingIsStillPendingAfterIt) {
    servico->insert();  // a sale being typed, stored only by the posting that pays it
    servico->field("Codigo").setInteger(7);
    servico->field("Nome").setString("VENDA");
    EXPECT_THROW(store::post({servico.get(), caixa.get()},
                             [&] {
                                 servico->post();
                                 addTo(*caixa, 1, Currency::fromReais(10));
                                 throw store::LockError("registro bloqueado");
                             }),
                 store::LockError);
    EXPECT_EQ(rowsOnDisk(dir.path(), "Servicos.DAT").size(), 2u);
    ASSERT_EQ(servico->state(), store::TableState::Insert);
    EXPECT_EQ(servico->field("Nome").asString(), "VENDA");
    store::post({servico.get(), caixa.get()}, [&] {
        servico->post();
        addTo(*caixa, 1, Currency::fromReais(10));
    });
    EXPECT_EQ(rowsOnDisk(dir.path(), "Servicos.DAT").back(), "7:VENDA:");
    EXPECT_EQ(rowsOnDisk(dir.path(), "Caixa.DAT")[0], "1:PRIMEIRO:110");
}

TEST_P(PostingTest, ACommittedPostingIsOnDiskAndReadableWhileItRuns) {
    store::Posting posting({servico.get(), caixa.get()});
    addTo(*caixa, 1, Currency::fromReais(50));
    addTo(*servico, 2, Currency::fromReais(-20));
    // The posting sees its own writes; the disk does not have them yet.
    EXPECT_EQ(valueOf(*caixa, 1), Currency::fromReais(150));
    EXPECT_EQ(rowsOnDisk(dir.path(), "Caixa.DAT")[0], "1:PRIMEIRO:100");
    posting.commit();
    EXPECT_EQ(rowsOnDisk(dir.path(), "Caixa.DAT")[0], "1:PRIMEIRO:150");
    EXPECT_EQ(rowsOnDisk(dir.path(), "Servicos.DAT")[1], "2:SEGUNDO:180");
    EXPECT_EQ(valueOf(*servico, 2), Currency::fromReais(180));
}

TEST_P(PostingTest, RecordsChangedInAPostingStayLockedUntilItEnds) {
    auto otherOwned = openDatabase(dir.path(), quickLocks());
    store::Database& other = *otherOwned;
    auto elsewhere = tableOn(other, "Caixa.DAT", "TbOutro");
    {
        store::Posting posting({caixa.get()});
        addTo(*caixa, 1, Currency::fromReais(1));
        // Posted inside the posting, but not yet on disk: nobody may edit it from the old value.
        EXPECT_THROW(elsewhere->edit(), store::LockError);
        posting.commit();
    }
    elsewhere->first();
    elsewhere->edit();
    EXPECT_EQ(elsewhere->field("Valor").asCurrency(), Currency::fromReais(101));
    elsewhere->cancel();
}

TEST_P(PostingTest, ATableClosedAndOpenedAgainInsideAPostingKeepsItsLocks) {
    auto otherOwned = openDatabase(dir.path(), quickLocks());
    store::Database& other = *otherOwned;
    auto elsewhere = tableOn(other, "Banco.DAT", "TbOutro");
    elsewhere->findKey({Value{std::int64_t{2}}});
    store::Posting posting({caixa.get(), banco.get()});
    {
        auto hidden = tableOn(db, "Banco.DAT", "TbBancoOculto");  // as a hook's own handle would
        addTo(*hidden, 2, Currency::fromReais(5));
    }
    EXPECT_THROW(elsewhere->edit(), store::LockError);  // still held for the posting
    {
        auto hidden = tableOn(db, "Banco.DAT", "TbBancoOculto");
        addTo(*hidden, 2, Currency::fromReais(5));  // its own lock again, no wait on itself
    }
    posting.commit();
    EXPECT_EQ(rowsOnDisk(dir.path(), "Banco.DAT")[1], "2:SEGUNDO:210");
}

TEST_P(PostingTest, CommitRefusesATableLeftInEditAndWritesNothing) {
    store::Posting posting({caixa.get(), banco.get()});
    addTo(*banco, 1, Currency::fromReais(7));
    caixa->edit();
    caixa->field("Valor").setFloat(1);
    EXPECT_THROW(posting.commit(), store::Error);
    EXPECT_EQ(caixa->state(), store::TableState::Browse);
    EXPECT_EQ(rowsOnDisk(dir.path(), "Banco.DAT")[0], "1:PRIMEIRO:100");
    EXPECT_EQ(rowsOnDisk(dir.path(), "Caixa.DAT")[0], "1:PRIMEIRO:100");
}

TEST_P(PostingTest, WritingATableThePostingDoesNotNameFailsIt) {
    try {
        store::Posting posting({caixa.get()});
        addTo(*caixa, 1, Currency::fromReais(3));
        addTo(*banco, 1, Currency::fromReais(3));
        posting.commit();
        FAIL() << "a write outside the posting went through";
    } catch (const store::Error& error) {
        EXPECT_NE(std::string(error.what()).find("não faz parte da postagem"), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(rowsOnDisk(dir.path(), "Caixa.DAT")[0], "1:PRIMEIRO:100");
    EXPECT_EQ(rowsOnDisk(dir.path(), "Banco.DAT")[0], "1:PRIMEIRO:100");
    EXPECT_EQ(banco->state(), store::TableState::Browse);
    EXPECT_EQ(banco->field("Valor").asCurrency(), Currency::fromReais(100));
    // Outside a posting the table writes as always.
    addTo(*banco, 1, Currency::fromReais(3));
    EXPECT_EQ(rowsOnDisk(dir.path(), "Banco.DAT")[0], "1:PRIMEIRO:103");
}

TEST_P(PostingTest, APostingOverMoreFilesThanOneConnectionAttachesIsRefusedNamingTheTables) {
    std::vector<std::unique_ptr<store::Table>> many;
    std::vector<store::Table*> scope;
    for (int i = 0; i < 12; ++i) {
        many.push_back(tableOn(db, "Arquivo" + std::to_string(i) + ".DAT", "TbArquivo" + std::to_string(i)));
        add(*many.back(), 1, "UM");
        scope.push_back(many.back().get());
    }
    // One SQLite connection attaches at most ten files; a server transaction has no such bound.
    if (db.keepsTableFiles()) {
        try {
            store::Posting posting(scope);
            FAIL() << "a posting over 12 files was accepted";
        } catch (const store::Error& error) {
            const std::string text = error.what();
            EXPECT_NE(text.find("TbArquivo0"), std::string::npos) << text;
            EXPECT_NE(text.find("TbArquivo11"), std::string::npos) << text;
        }
        scope.resize(8);  // as wide as the widest posting of the program
    }
    store::Posting posting(scope);
    addTo(*many[7], 1, Currency::fromReais(1));
    posting.commit();
}

TEST_P(PostingTest, OnlyOnePostingRunsAtATimeOnADataDirectory) {
    store::Posting first({caixa.get()});
    EXPECT_THROW(store::Posting({banco.get()}), store::Error);
}

TEST_P(PostingTest, ADeletionOfARowAlreadyDeletedElsewhereFails) {
    auto otherOwned = openDatabase(dir.path(), quickLocks());
    store::Database& other = *otherOwned;
    auto elsewhere = tableOn(other, "Caixa.DAT", "TbOutro");
    caixa->findKey({Value{std::int64_t{2}}});
    elsewhere->findKey({Value{std::int64_t{2}}});
    elsewhere->deleteRecord();
    try {
        caixa->deleteRecord();
        FAIL() << "the second deletion reported success";
    } catch (const store::Error& error) {
        EXPECT_NE(std::string(error.what()).find("excluído por outro usuário"), std::string::npos);
    }
    caixa->refresh();
    EXPECT_EQ(caixa->recordCount(), 1);
    // Inside a posting the failure undoes what the posting wrote before it.
    elsewhere->first();
    caixa->first();
    elsewhere->deleteRecord();
    EXPECT_THROW(store::post({caixa.get(), banco.get()},
                             [&] {
                                 addTo(*banco, 1, Currency::fromReais(9));
                                 caixa->first();
                                 caixa->deleteRecord();
                             }),
                 store::Error);
    EXPECT_EQ(rowsOnDisk(dir.path(), "Banco.DAT")[0], "1:PRIMEIRO:100");
}

TEST_P(PostingTest, EditExistingFailsOnAnEmptyTableWhereEditWouldInsert) {
    auto vazia = tableOn(db, "Vazia.DAT", "TbVazia");
    EXPECT_THROW(store::post({vazia.get()},
                             [&] {
                                 vazia->editExisting();
                                 vazia->field("Valor").setFloat(10);
                                 vazia->post();
                             }),
                 store::Error);
    EXPECT_EQ(vazia->state(), store::TableState::Browse);
    EXPECT_TRUE(rowsOnDisk(dir.path(), "Vazia.DAT").empty());
    vazia->edit();  // the inherited behaviour stays for screens
    EXPECT_EQ(vazia->state(), store::TableState::Insert);
    vazia->cancel();
}

// ---- processes ----

TEST_P(PostingTest, AProcessKilledInsideAPostingLeavesNoneOfItsRows) {
    const auto before = rowsOnDisk(dir.path(), "Caixa.DAT");
    const auto beforeBanco = rowsOnDisk(dir.path(), "Banco.DAT");
    const bool files = db.keepsTableFiles();
    const auto sizeBefore = files ? std::filesystem::file_size(dir / "Caixa.DAT") : 0;
    pid_t child = spawn([&] {
        auto databaseOwned = openDatabase(dir.path());
        store::Database& database = *databaseOwned;
        auto c = tableOn(database, "Caixa.DAT", "TbCaixa");
        auto b = tableOn(database, "Banco.DAT", "TbBanco");
        store::Posting posting({c.get(), b.get()});
        addTo(*c, 1, Currency::fromReais(500));
        add(*b, 9, "NOVO", "", 1);
        addTo(*b, 2, Currency::fromReais(1));
        // More than SQLite keeps in memory, so that changed pages reach the table file
        // itself before the end and only the undo journal can put it back.
        for (int i = 0; i < 4; ++i) {
            c->insert();
            c->field("Codigo").setInteger(100 + i);
            c->field("Foto").setBlob(std::string(1 << 20, static_cast<char>('a' + i)));
            c->post();
        }
        ::kill(::getpid(), SIGKILL);  // between two writes
        addTo(*c, 2, Currency::fromReais(1));
        return 0;
    });
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    // The dead process left changed pages in the file and its undo journal beside it; the
    // next reader plays the journal back.
    if (files) {
        EXPECT_GT(std::filesystem::file_size(dir / "Caixa.DAT"), sizeBefore + (1u << 20));
        EXPECT_TRUE(std::filesystem::exists(dir / "Caixa.DAT-journal"));
    }
    EXPECT_EQ(rowsOnDisk(dir.path(), "Caixa.DAT"), before);
    EXPECT_EQ(rowsOnDisk(dir.path(), "Banco.DAT"), beforeBanco);
    if (files) {
        EXPECT_FALSE(std::filesystem::exists(dir / "Caixa.DAT-journal"));
        EXPECT_EQ(std::filesystem::file_size(dir / "Caixa.DAT"), sizeBefore);
    }
    // Its tables and the records it was changing are free again within the lock wait.
    store::post({caixa.get(), banco.get()}, [&] {
        addTo(*banco, 1, Currency::fromReais(1));
        addTo(*banco, 2, Currency::fromReais(1));
        addTo(*caixa, 1, Currency::fromReais(1));
    });
    EXPECT_EQ(rowsOnDisk(dir.path(), "Banco.DAT")[0], "1:PRIMEIRO:101");
    EXPECT_EQ(rowsOnDisk(dir.path(), "Caixa.DAT")[0], "1:PRIMEIRO:101");
}

TEST_P(PostingTest, APostingOnTablesAnotherStationIsPostingToFailsAfterTheWaitWithNothingWritten) {
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    pid_t holder = spawn([&] {
        auto databaseOwned = openDatabase(dir.path());
        auto c = tableOn(*databaseOwned, "Caixa.DAT", "TbCaixa");
        store::Posting posting({c.get()});
        addTo(*c, 2, Currency::fromReais(5));
        char x = 1;
        if (write(ready[1], &x, 1) != 1 || read(release[0], &x, 1) != 1) return 2;
        posting.commit();
        return 0;
    });
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);

    auto quickOwned = openDatabase(dir.path(), quickLocks());
    auto mineCaixa = tableOn(*quickOwned, "Caixa.DAT", "TbCaixa");
    auto mineBanco = tableOn(*quickOwned, "Banco.DAT", "TbBanco");
    const std::vector<store::Table*> both{mineCaixa.get(), mineBanco.get()};
    try {
        store::post(both, [&] { addTo(*mineBanco, 1, Currency::fromReais(1)); });
        FAIL() << "the posting got tables another station was posting to";
    } catch (const store::LockError& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find("As tabelas TbBanco, TbCaixa estão sendo gravadas por outro usuário. Nada foi "
                            "gravado"),
                  std::string::npos)
            << text;
    }
    EXPECT_EQ(rowsOnDisk(dir.path(), "Banco.DAT")[0], "1:PRIMEIRO:100");

    ASSERT_EQ(write(release[1], &c, 1), 1);
    EXPECT_EQ(exitCodeOf(holder), 0);
    store::post(both, [&] {
        addTo(*mineBanco, 1, Currency::fromReais(1));
        addTo(*mineCaixa, 2, Currency::fromReais(1));
    });
    EXPECT_EQ(rowsOnDisk(dir.path(), "Banco.DAT")[0], "1:PRIMEIRO:101");
    EXPECT_EQ(rowsOnDisk(dir.path(), "Caixa.DAT")[1], "2:SEGUNDO:206");
}

namespace {

// Moves 1,00 from one table's record to the other's, `times` times, one posting each; the
// two stations name and write the tables in opposite orders. A station that cannot have
// the tables in time tries again, as a person would.
// Opens a table as a station would, trying again while another station commits.
std::unique_ptr<store::Table> openedWhenFree(store::Database& database, const std::string& fileName,
                                             const std::string& name) {
    for (;;) {
        try {
            return tableOn(database, fileName, name);
        } catch (const store::LockError&) {
        }
    }
}

int moveOneReal(const std::filesystem::path& dir, int times, bool reversed) {
    auto databaseOwned = openDatabase(dir);
    store::Database& database = *databaseOwned;
    auto from = openedWhenFree(database, "Caixa.DAT", "TbCaixa");
    auto to = openedWhenFree(database, "Banco.DAT", "TbBanco");
    std::vector<store::Table*> scope{from.get(), to.get()};
    if (reversed) std::swap(scope[0], scope[1]);
    for (int done = 0; done < times;) {
        try {
            store::post(scope, [&] {
                if (reversed) addTo(*to, 1, Currency::fromReais(1));
                addTo(*from, 1, Currency::fromReais(-1));
                if (!reversed) addTo(*to, 1, Currency::fromReais(1));
            });
            ++done;
        } catch (const store::LockError&) {
        }
    }
    return 0;
}

// Reads both records together until told to stop; exits 3 if a sum ever differs.
int readSums(const std::filesystem::path& dir, int stopFd) {
    auto databaseOwned = openDatabase(dir);
    store::Database& database = *databaseOwned;
    auto a = openedWhenFree(database, "Caixa.DAT", "TbCaixa");
    auto b = openedWhenFree(database, "Banco.DAT", "TbBanco");
    int reads = 0;
    for (;;) {
        pollfd stop{stopFd, POLLIN, 0};
        if (poll(&stop, 1, 0) > 0) break;
        try {
            store::ConsistentRead together({a.get(), b.get()});
            const Currency sum = valueOf(*a, 1) + valueOf(*b, 1);
            if (sum != Currency::fromReais(200)) {
                std::fprintf(stderr, "soma vista: %s\n", std::to_string(sum.toDouble()).c_str());
                return 3;
            }
            ++reads;
        } catch (const store::LockError&) {
        }
    }
    return reads > 0 ? 0 : 4;
}

}  // namespace

TEST_P(PostingTest, TwoStationsPostingAndOneReadingSeeEveryPostingWholeAndTheExactEnd) {
    int stop[2];
    ASSERT_EQ(pipe(stop), 0);
    pid_t reader = spawn([&] { return readSums(dir.path(), stop[0]); });
    pid_t a = spawn([&] { return moveOneReal(dir.path(), 500, false); });
    pid_t b = spawn([&] { return moveOneReal(dir.path(), 500, true); });
    EXPECT_EQ(exitCodeOf(a), 0);
    EXPECT_EQ(exitCodeOf(b), 0);
    char c = 1;
    ASSERT_EQ(write(stop[1], &c, 1), 1);
    EXPECT_EQ(exitCodeOf(reader), 0);
    EXPECT_EQ(rowsOnDisk(dir.path(), "Caixa.DAT")[0], "1:PRIMEIRO:-900");
    EXPECT_EQ(rowsOnDisk(dir.path(), "Banco.DAT")[0], "1:PRIMEIRO:1100");
}
