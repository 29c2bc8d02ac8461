// What a copy of a whole data set needs from every backend: rows written under the identities
// they had elsewhere, and notes about the data set kept beside its tables.
#include <gtest/gtest.h>

#include "store_fixture.h"

using namespace storetest;
using store::Value;

namespace {

std::vector<int> storedFields(const store::TableDef& def) {
    std::vector<int> fields;
    for (std::size_t i = 0; i < def.fields.size(); ++i)
        if (!def.fields[i].calculated) fields.push_back(static_cast<int>(i));
    return fields;
}

store::Record personRow(std::int64_t rowid, std::int64_t code, Value name, Value photo = {}) {
    store::Record row;
    row.rowid = rowid;
    row.values.resize(peopleDefinition().fields.size());
    row.values[0] = code;
    row.values[1] = std::move(name);
    row.values[3] = 12.5;
    row.values[4] = std::string("2004-03-05");
    row.values[7] = std::move(photo);
    return row;
}

}  // namespace

TEST_P(StoreTest, RowsWrittenWithTheirIdentitiesKeepThemAndLaterInsertsGoPastThem) {
    auto people = makePeople();
    people->close();
    const store::TableDef def = peopleDefinition();
    const store::ErrorContext context{"TbPessoa", def.fileName};
    const store::TableRef ref{def, context};
    const auto fields = storedFields(def);
    const std::string photo("\x00\x01\xff", 3);
    const std::vector<store::Record> rows = {personRow(3, 1, std::string("Ana"), photo),
                                             personRow(40, 2, std::string("")), personRow(7, 3, Value{})};
    {
        auto transaction = db.backend().begin({def.fileName}, true, context);
        transaction->insertRows(ref, fields, rows);
        transaction->commit();
    }
    store::KeyQuery query;
    query.order = {store::KeyColumn::rowIdentity()};
    query.fields = &fields;
    const auto read = db.backend().openTable(ref)->read(ref, query);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].rowid, 3);
    EXPECT_EQ(read[0].values[7], Value{photo});
    EXPECT_EQ(read[1].rowid, 7);
    EXPECT_EQ(read[1].values[1], Value{});  // a null stays null
    EXPECT_EQ(read[2].rowid, 40);
    EXPECT_EQ(read[2].values[1], Value{std::string()});  // and an empty text empty
    EXPECT_EQ(read[2].values[3], Value{12.5});
    EXPECT_EQ(read[2].values[4], Value{std::string("2004-03-05")});

    people->open();
    add(*people, 4, "Bia");
    ASSERT_TRUE(people->findKey({std::int64_t{4}}));
    EXPECT_GT(*people->bookmark(), 40);
    ASSERT_TRUE(people->gotoBookmark(40));
    EXPECT_EQ(people->field("Codigo").asInteger(), 2);

    // A table's own session writes them as one write too; a key taken fails it whole.
    auto session = db.backend().openTable(ref);
    EXPECT_THROW(
        session->insertRows(ref, fields, {personRow(50, 9, std::string("Caio")), personRow(51, 1, Value{})}),
        store::KeyViolation);
    EXPECT_EQ(session->count(ref, store::Predicate{}), 4);
    session->insertRows(ref, fields, {personRow(60, 9, std::string("Caio"))});
    EXPECT_EQ(session->count(ref, store::Predicate{}), 5);
}

TEST_P(StoreTest, NotesAboutTheDataSetAreKeptReplacedAndRemoved) {
    store::Backend& backend = db.backend();
    EXPECT_FALSE(backend.note("NOTA.txt").has_value());
    backend.removeNote("NOTA.txt");  // removing what is not there is no error
    backend.writeNote("NOTA.txt", "primeira versão");
    backend.writeNote("OUTRA.txt", "outra");
    backend.writeNote("NOTA.txt", "Os dados foram para o servidor.\nConexão: host=x");
    EXPECT_EQ(backend.note("NOTA.txt"), "Os dados foram para o servidor.\nConexão: host=x");
    // Another station reads the same note.
    auto other = openDatabase(dir.path());
    EXPECT_EQ(other->backend().note("OUTRA.txt"), "outra");
    backend.removeNote("NOTA.txt");
    EXPECT_FALSE(other->backend().note("NOTA.txt").has_value());
    EXPECT_EQ(backend.note("OUTRA.txt"), "outra");
}

TEST(StoreReachedBy, NamesTheDataDirectory) {
    testsupport::TempDir dir;
    EXPECT_EQ(store::Database(dir.path()).backend().reachedBy(), dir.path().string());
}

TEST(StoreReachedByOnServer, NamesTheConnectionWithoutItsPassword) {
    testsupport::TempDir dir;
    const std::string connection = testsupport::serverConnectionFor(dir.path()) + " password='se gredo'";
    const std::string reached = store::Database(store::ServerConnection{connection}).backend().reachedBy();
    EXPECT_EQ(reached.find("gredo"), std::string::npos) << reached;
    EXPECT_EQ(reached.find("password"), std::string::npos) << reached;
    EXPECT_NE(reached.find("search_path"), std::string::npos) << reached;
    // What it names reaches the same data set.
    store::Database(store::ServerConnection{connection}).backend().writeNote("NOTA.txt", "aqui");
    EXPECT_EQ(store::Database(store::ServerConnection{reached}).backend().note("NOTA.txt"), "aqui");
}
