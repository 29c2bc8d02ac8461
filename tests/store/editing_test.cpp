// Changing records: hooks, computed fields, key violations, nulls, blobs, deletes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "store_fixture.h"

using namespace storetest;
using store::Value;

TEST_P(StoreTest, HooksRunInTheirOrderAndComputedFieldsFollowEdits) {
    auto t = makePeople();
    std::vector<std::string> calls;
    t->onNewRecord = [&](store::Table& table) {
        calls.push_back("new");
        table.field("Tipo").setString("SERVIÇO");
    };
    t->onCalcFields = [&](store::Table& table) {
        table.field("Dobro").setCurrency(table.field("Valor").asCurrency() +
                                         table.field("Valor").asCurrency());
    };
    t->afterPost = [&](store::Table& table) {
        calls.push_back("after:" + std::to_string(table.field("Codigo").asInteger()));
    };
    t->insert();
    EXPECT_FALSE(t->modified());  // defaults of a new record are not a change
    EXPECT_EQ(t->field("Tipo").asString(), "SERVIÇO");
    t->field("Codigo").setInteger(7);
    t->field("Valor").setString("12,25");
    EXPECT_EQ(t->field("Dobro").asCurrency(), core::Currency::fromDouble(24.5));
    t->post();
    EXPECT_EQ(calls, (std::vector<std::string>{"new", "after:7"}));
    t->first();
    EXPECT_EQ(t->field("Dobro").asCurrency(), core::Currency::fromDouble(24.5));
    EXPECT_EQ(t->rowsAt(0, 1).at(0).values[8], Value{24.5});  // grid rows are computed too
}

TEST_P(StoreTest, KeyViolationReachesThePostErrorHookWhichMayAbortSilently) {
    auto t = makePeople();
    add(*t, 1, "Ana");
    int hookCalls = 0;
    bool wasKeyViolation = false;
    t->onPostError = [&](store::Table& table, const store::Error& error, store::PostErrorAction& action) {
        ++hookCalls;
        wasKeyViolation = dynamic_cast<const store::KeyViolation*>(&error) != nullptr;
        table.cancel();
        action = store::PostErrorAction::Abort;
    };
    t->insert();
    t->field("Codigo").setInteger(1);
    t->field("Nome").setString("Outra");
    EXPECT_THROW(t->post(), store::Aborted);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_TRUE(wasKeyViolation);
    EXPECT_EQ(t->state(), store::TableState::Browse);
    EXPECT_EQ(t->recordCount(), 1);
    EXPECT_EQ(t->field("Nome").asString(), "Ana");

    // Without the hook the key violation itself is thrown and the insert stays open.
    t->onPostError = nullptr;
    t->insert();
    t->field("Codigo").setInteger(1);
    EXPECT_THROW(t->post(), store::KeyViolation);
    EXPECT_EQ(t->state(), store::TableState::Insert);
    t->field("Codigo").setInteger(2);
    t->post();
    EXPECT_EQ(t->recordCount(), 2);
}

TEST_P(StoreTest, NullFieldsReadAsZeroOrEmptyAndTextIsCutToItsSize) {
    auto t = makePeople();
    t->insert();
    t->field("Codigo").setInteger(1);
    t->field("Nome").setString("Maria Aparecida dos Santos Ferreira");  // 35 characters, field holds 20
    t->post();
    EXPECT_EQ(t->field("Nome").asString(), "Maria Aparecida dos ");
    for (const char* name : {"Valor", "Tipo", "Data", "Hora", "Obs"})
        EXPECT_TRUE(t->field(name).isNull()) << name;
    EXPECT_EQ(t->field("Valor").asFloat(), 0.0);
    EXPECT_EQ(t->field("Valor").asCurrency(), core::Currency());
    EXPECT_EQ(t->field("Tipo").asString(), "");
    EXPECT_TRUE(t->field("Data").asDate().isNull());

    t->edit();
    t->field("Data").setString("05/03/2004");
    t->field("Hora").setString("09:30");
    t->field("Valor").setFloat(10.5);
    t->post();
    EXPECT_EQ(t->field("Data").asString(), "05/03/2004");
    EXPECT_EQ(t->field("Hora").asString(), "09:30:00");
    t->edit();
    t->field("Valor").clear();
    t->field("Data").setDate({});
    t->post();
    EXPECT_TRUE(t->field("Valor").isNull());
    EXPECT_TRUE(t->field("Data").isNull());
    t->edit();
    EXPECT_THROW(t->field("Data").setString("31/02/24"), store::Error);
    EXPECT_THROW(t->field("Codigo").setString("doze"), store::Error);
    t->cancel();
}

TEST_P(StoreTest, WritingOutsideInsertOrEditIsRefused) {
    auto t = makePeople();
    add(*t, 1, "Ana");
    EXPECT_THROW(t->field("Nome").setString("Bia"), store::Error);
}

TEST_P(StoreTest, BlobsLoadFromFileAndSaveToStreamByteForByte) {
    auto t = makePeople();
    std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    bytes += std::string(5000, '\0') + "fim";
    {
        std::ofstream out(dir / "foto.png", std::ios::binary);
        out << bytes;
    }
    t->insert();
    t->field("Codigo").setInteger(1);
    t->field("Foto").loadFromFile(dir / "foto.png");
    t->post();
    t->close();
    t->open();
    std::ostringstream saved;
    t->field("Foto").saveToStream(saved);
    EXPECT_EQ(saved.str(), bytes);
    t->edit();
    EXPECT_THROW(t->field("Foto").loadFromFile(dir / "nao-existe.jpg"), store::Error);
    t->cancel();
}

TEST_P(StoreTest, CancelRestoresTheRecordAndDeleteMovesToTheNext) {
    auto t = makePeople();
    for (int code = 1; code <= 3; ++code) add(*t, code, "P" + std::to_string(code));
    t->findKey({Value{std::int64_t{2}}});
    t->edit();
    t->field("Nome").setString("mudado");
    t->cancel();
    EXPECT_EQ(t->field("Nome").asString(), "P2");
    t->insert();
    t->cancel();
    EXPECT_EQ(t->field("Codigo").asInteger(), 2);  // back where the insert began

    t->deleteRecord();
    EXPECT_EQ(t->field("Codigo").asInteger(), 3);
    t->deleteRecord();
    EXPECT_EQ(t->field("Codigo").asInteger(), 1);  // the last one gone: the one before
    t->deleteRecord();
    EXPECT_TRUE(t->isEmpty());
    EXPECT_TRUE(t->eof());
}

TEST_P(StoreTest, MovingAwayPostsAPendingChangeAndDropsAnUntouchedOne) {
    auto t = makePeople();
    add(*t, 1, "Ana");
    add(*t, 2, "Bia");
    t->first();
    t->edit();
    t->field("Nome").setString("Ana Paula");
    t->next();  // posts
    t->first();
    EXPECT_EQ(t->field("Nome").asString(), "Ana Paula");
    t->insert();
    t->next();  // nothing typed: the new record is dropped
    EXPECT_EQ(t->recordCount(), 2);
}

TEST_P(StoreTest, EditOfAnEmptyTableStartsAnInsert) {
    auto t = makePeople();
    t->edit();
    EXPECT_EQ(t->state(), store::TableState::Insert);
    t->cancel();
}

TEST_P(StoreTest, EmptyTableRemovesEveryRowAndObserversHearIt) {
    auto t = makePeople();
    for (int code = 1; code <= 5; ++code) add(*t, code, "P");
    std::vector<store::TableEvent> events;
    int id = t->subscribe([&](store::TableEvent e) { events.push_back(e); });
    t->emptyTable();
    EXPECT_TRUE(t->isEmpty());
    EXPECT_EQ(t->recordCount(), 0);
    EXPECT_EQ(events, (std::vector<store::TableEvent>{store::TableEvent::DataChanged}));
    t->unsubscribe(id);
    add(*t, 1, "P");
    EXPECT_EQ(events.size(), 1u);
}

TEST_P(StoreTest, ExclusiveOpenKeepsOthersOutUntilClosed) {
    auto quickOwned = openDatabase(dir.path(), quickLocks());
    store::Database& quick = *quickOwned;
    auto shared = makePeople(quick);
    store::Table exclusive(quick, peopleDefinition(), "TbPessoa");
    exclusive.setExclusive(true);
    EXPECT_THROW(exclusive.open(), store::LockError);
    shared->close();
    exclusive.open();
    store::Table other(quick, peopleDefinition(), "TbPessoa");
    EXPECT_THROW(other.open(), store::LockError);
    exclusive.close();
    other.open();
    EXPECT_TRUE(other.isOpen());
}

TEST_P(StoreTest, ColumnsAddedToTheDefinitionAppearInOldFilesWithTheirRows) {
    {
        auto t = makePeople();
        add(*t, 1, "Ana");
    }
    auto def = peopleDefinition();
    def.fields.push_back({"Email", store::FieldType::Text, 60});
    def.indexes.push_back({"siEmail", {"Email"}, true});
    store::Table t(db, def, "TbPessoa");
    t.open();
    EXPECT_EQ(t.field("Nome").asString(), "Ana");
    EXPECT_TRUE(t.field("Email").isNull());
    t.setIndexName("siEmail");
    t.edit();
    t.field("Email").setString("ana@exemplo.com");
    t.post();
    EXPECT_EQ(t.recordCount(), 1);
}

TEST_P(StoreTest, AnAppendOnlyTableTakesNewRowsAndRefusesChangingOrRemovingOne) {
    store::TableDef def = photosDefinition();
    {
        // Made before it was append-only: opening it with the new definition guards it too.
        store::Table before(db, def, "TbTrilha");
        before.createTable();
        before.open();
        before.insert();
        before.field("Codigo").setInteger(1);
        before.field("Ordem").setInteger(1);
        before.field("Legenda").setString("primeira");
        before.post();
    }
    def.appendOnly = true;
    store::Table trail(db, def, "TbTrilha");
    trail.open();
    trail.insert();
    trail.field("Codigo").setInteger(1);
    trail.field("Ordem").setInteger(2);
    trail.field("Legenda").setString("segunda");
    trail.post();

    trail.first();
    trail.edit();
    trail.field("Legenda").setString("reescrita");
    EXPECT_THROW(trail.post(), store::Error);
    trail.cancel();
    trail.last();
    EXPECT_THROW(trail.deleteRecord(), store::Error);
    EXPECT_THROW(trail.emptyTable(), store::Error);

    trail.close();
    trail.open();
    std::vector<std::string> captions;
    for (trail.first(); !trail.eof(); trail.next()) captions.push_back(trail.field("Legenda").asString());
    EXPECT_EQ(captions, (std::vector<std::string>{"primeira", "segunda"}));
    trail.close();

    // A restore replaces the table whole, through the backend; its guards are back afterwards.
    const store::ErrorContext context{"TbTrilha", def.fileName};
    const store::TableRef ref{def, context};
    {
        auto transaction = db.backend().begin({def.fileName}, true, context);
        transaction->removeAll(ref);
        transaction->commit();
    }
    trail.open();
    EXPECT_TRUE(trail.isEmpty());
    trail.insert();
    trail.field("Codigo").setInteger(2);
    trail.field("Ordem").setInteger(1);
    trail.post();
    trail.edit();
    trail.field("Legenda").setString("reescrita");
    EXPECT_THROW(trail.post(), store::Error);
    trail.cancel();
}
