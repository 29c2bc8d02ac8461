// Moving through a table: index order, duplicates, nulls, partial keys, ranges, filters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <tuple>

#include "data/store/posting.h"
#include "store_fixture.h"

using namespace storetest;
using store::Value;

namespace {

std::vector<std::string> reversed(std::vector<std::string> v) {
    std::reverse(v.begin(), v.end());
    return v;
}

}  // namespace

TEST_P(StoreTest, PrimaryOrderForwardAndBackwardWithEofAndBof) {
    auto t = makePeople();
    EXPECT_TRUE(t->isEmpty());
    EXPECT_TRUE(t->eof());
    for (int code : {3, 1, 2}) add(*t, code, "P" + std::to_string(code));
    EXPECT_EQ(forward(*t), (std::vector<std::string>{"P1", "P2", "P3"}));
    EXPECT_EQ(backward(*t), (std::vector<std::string>{"P3", "P2", "P1"}));
    EXPECT_EQ(t->recordCount(), 3);

    t->last();
    EXPECT_TRUE(t->eof());
    t->next();  // past the end: stays on the last record
    EXPECT_EQ(t->field("Codigo").asInteger(), 3);
    t->first();
    EXPECT_TRUE(t->bof());
    EXPECT_FALSE(t->eof());
}

TEST_P(StoreTest, PortugueseOrderIgnoresCaseAndPlacesAccentsWithTheirLetter) {
    auto t = makePeople();
    int code = 1;
    for (const char* name : {"Bruno", "alberto", "Álvaro", "ana", "Çintia", "carlos", "Zé", "émerson"})
        add(*t, code++, name);
    t->setIndexName("siNome");
    const std::vector<std::string> expected{"alberto", "Álvaro", "ana",     "Bruno",
                                            "carlos",  "Çintia", "émerson", "Zé"};
    EXPECT_EQ(forward(*t), expected);
    EXPECT_EQ(backward(*t), reversed(expected));
}

TEST_P(StoreTest, DuplicateKeysAreVisitedOnceEachInBothDirections) {
    auto t = makePeople();
    // 40 rows sharing few names: every next/prior must step within equal keys by identity.
    for (int code = 1; code <= 40; ++code) add(*t, code, "N" + std::to_string(code % 3));
    t->setIndexName("siNome");
    std::vector<int> codes;
    for (t->first(); !t->eof(); t->next()) codes.push_back(static_cast<int>(t->field("Codigo").asInteger()));
    ASSERT_EQ(codes.size(), 40u);
    std::vector<int> back;
    for (t->last(); !t->bof(); t->prior()) back.push_back(static_cast<int>(t->field("Codigo").asInteger()));
    EXPECT_EQ(back, std::vector<int>(codes.rbegin(), codes.rend()));
    std::vector<int> sorted = codes;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
}

TEST_P(StoreTest, NullKeysComeFirstAndAreNeverSkipped) {
    auto t = makePeople();
    add(*t, 1, "Maria");
    add(*t, 2, "");  // null name
    add(*t, 3, "Ana");
    add(*t, 4, "");
    add(*t, 5, "Zilda");
    t->setIndexName("siNome");
    const std::vector<std::string> expected{"", "", "Ana", "Maria", "Zilda"};
    EXPECT_EQ(forward(*t), expected);
    EXPECT_EQ(backward(*t), reversed(expected));
    // The two-field index with nulls in its second field.
    t->setIndexName("siTipoNome");
    EXPECT_EQ(forward(*t).size(), 5u);
    EXPECT_EQ(backward(*t).size(), 5u);
}

TEST_P(StoreTest, AWalkOverTwoKeysCrossesEveryLevelInOrderWithinARange) {
    auto t = makePeople();
    // 300 rows on few keys, nulls and case variants in both fields: batches of the walk end
    // inside runs of equal keys, of equal first keys, and between first keys.
    const char* const types[] = {"", "a", "B", "b", "c"};
    const char* const names[] = {"", "x", "X", "y"};
    for (int code = 1; code <= 300; ++code) add(*t, code, names[code % 4], types[(code / 4) % 5]);
    t->setIndexName("siTipoNome");
    struct Row {
        std::string tipo, nome;
        int code;
    };
    const auto walk = [&](bool forwards) {
        std::vector<Row> rows;
        for (forwards ? t->first() : t->last(); !(forwards ? t->eof() : t->bof());
             forwards ? t->next() : t->prior())
            rows.push_back({t->field("Tipo").asString(), t->field("Nome").asString(),
                            static_cast<int>(t->field("Codigo").asInteger())});
        if (!forwards) std::reverse(rows.begin(), rows.end());
        return rows;
    };
    const auto upper = [](std::string text) {
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return text;
    };
    // Key order without case (null, the empty text, first), then the row's identity.
    const auto keyOrder = [&](const Row& a, const Row& b) {
        return std::tuple(upper(a.tipo), upper(a.nome)) < std::tuple(upper(b.tipo), upper(b.nome));
    };
    for (const bool ranged : {false, true}) {
        SCOPED_TRACE(ranged ? "range B..C" : "whole table");
        if (ranged) t->setRange({Value{std::string("b")}}, {Value{std::string("C")}});
        const std::vector<Row> rows = walk(true);
        ASSERT_EQ(rows.size(), ranged ? 180u : 300u);
        EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), keyOrder));
        std::vector<int> codes, back;
        for (const Row& row : rows) codes.push_back(row.code);
        for (const Row& row : walk(false)) back.push_back(row.code);
        EXPECT_EQ(codes, back) << "next and prior visit the same rows in the same order";
        std::sort(codes.begin(), codes.end());
        EXPECT_EQ(std::adjacent_find(codes.begin(), codes.end()), codes.end());
    }
}

// The read-ahead of a walk grows from 8 rows to 512: after the first row, 999 more are 7
// batches, and one more read finds the end. On a server each read is one wait, whatever the
// number of key levels the rows after the current one are asked by; table files wait on none.
TEST_P(StoreTest, WalkingAThousandRowsWaitsOnTheServerOnceABatch) {
    auto t = makePeople();
    {
        store::Posting posting({t.get()});
        for (int code = 1; code <= 1000; ++code)
            add(*t, code, "N" + std::to_string(code % 37), code % 3 ? "a" : "b");
        posting.commit();
    }
    const auto walk = [&] {
        int rows = 0;
        for (t->first(); !t->eof(); t->next()) ++rows;
        return rows;
    };
    for (const char* index : {"", "siNome", "siTipoNome"}) {
        SCOPED_TRACE(*index ? index : "primary");
        t->setIndexName(index);
        ASSERT_EQ(walk(), 1000);  // its statements prepared
        const std::int64_t before = db.serverRoundTrips();
        ASSERT_EQ(walk(), 1000);
        EXPECT_EQ(db.serverRoundTrips() - before, backend == serverBackend() ? 9 : 0);
    }
}

TEST_P(StoreTest, FindKeyMatchesOnLeadingFieldsAndLeavesTheRecordWhenNotFound) {
    auto t = makePeople();
    add(*t, 1, "Corte", "SERVIÇO");
    add(*t, 2, "Xampu", "PRODUTO");
    add(*t, 3, "Escova", "SERVIÇO");
    t->setIndexName("siTipoNome");
    ASSERT_TRUE(t->findKey({Value{std::string("SERVIÇO")}}));
    EXPECT_EQ(t->field("Nome").asString(), "Corte");  // first in index order
    ASSERT_TRUE(
        t->findKey({Value{std::string("serviço")}, Value{std::string("escova")}}));  // case-insensitive
    EXPECT_EQ(t->field("Codigo").asInteger(), 3);
    EXPECT_FALSE(t->findKey({Value{std::string("OUTRO")}}));
    EXPECT_EQ(t->field("Codigo").asInteger(), 3);

    t->setIndexName("");
    EXPECT_TRUE(t->findKey({Value{std::int64_t{2}}}));
    EXPECT_EQ(t->field("Nome").asString(), "Xampu");
    EXPECT_TRUE(t->findKey({Value{std::string("1")}}));  // a typed code converts
    EXPECT_EQ(t->field("Nome").asString(), "Corte");
}

TEST_P(StoreTest, FindNearestPositionsAtTheFirstKeyNotBelowWhatWasTyped) {
    auto t = makePeople();
    int code = 1;
    for (const char* name : {"Tatiane", "Teresa", "Tereza", "Tessália", "Testa", "Ursula"})
        add(*t, code++, name);
    t->setIndexName("siNome");
    struct Case {
        const char* typed;
        const char* expected;
    };
    for (const Case& c : {Case{"T", "Tatiane"}, Case{"TE", "Teresa"}, Case{"TES", "Tessália"},
                          Case{"test", "Testa"}, Case{"TEX", "Ursula"}, Case{"zz", "Ursula"}}) {
        t->findNearest({Value{std::string(c.typed)}});
        EXPECT_EQ(t->field("Nome").asString(), c.expected) << c.typed;
    }
}

TEST_P(StoreTest, RangeIncludesBothEndsAndCancelShowsEverything) {
    auto t = makePeople();
    for (int day = 1; day <= 9; ++day) {
        t->insert();
        t->field("Codigo").setInteger(day);
        t->field("Nome").setString("D" + std::to_string(day));
        t->field("Data").setDate({2025, 3, day});
        t->post();
    }
    add(*t, 10, "sem data");
    t->setIndexName("siData");
    t->setRange({Value{std::string("2025-03-03")}}, {Value{std::string("05/03/2025")}});
    EXPECT_EQ(forward(*t), (std::vector<std::string>{"D3", "D4", "D5"}));
    EXPECT_EQ(backward(*t), (std::vector<std::string>{"D5", "D4", "D3"}));
    EXPECT_EQ(t->recordCount(), 3);
    EXPECT_FALSE(t->findKey({Value{std::string("2025-03-07")}}));  // outside the range
    t->cancelRange();
    EXPECT_EQ(t->recordCount(), 10);
    EXPECT_EQ(forward(*t).front(), "sem data");
}

TEST_P(StoreTest, AWalkFromARowLeftBelowTheRangeGoesOnInsideTheRange) {
    auto t = makePeople();
    for (const char* name : {"Ana", "Bia", "Caio", "Davi", "Eva"}) add(*t, static_cast<int>(*name), name);
    t->setIndexName("siNome");
    t->setRange({Value{std::string("C")}}, {Value{std::string("Dz")}});
    // Posted below the range start, then walked on from: next() and delete move into the
    // range, never to the hidden rows between.
    add(*t, 1, "Aba");
    t->next();
    EXPECT_EQ(t->field("Nome").asString(), "Caio");
    add(*t, 2, "Abe");
    t->deleteRecord();
    EXPECT_EQ(t->field("Nome").asString(), "Caio");
    t->findKey({Value{std::string("Caio")}});
    t->edit();
    t->field("Nome").setString("Bea");
    t->post();
    t->next();
    EXPECT_EQ(t->field("Nome").asString(), "Davi");
}

TEST_P(StoreTest, FilterOnQuotedTextOrNumberHidesOtherRows) {
    auto t = makePeople();
    add(*t, 1, "Corte", "SERVIÇO");
    add(*t, 2, "Xampu", "PRODUTO");
    add(*t, 3, "Escova", "SERVIÇO");
    t->setFilter("Tipo = 'SERVIÇO'");
    EXPECT_EQ(t->recordCount(), 3);  // not yet filtered
    t->setFiltered(true);
    EXPECT_EQ(forward(*t), (std::vector<std::string>{"Corte", "Escova"}));
    t->setFilter("Codigo = 2");
    EXPECT_EQ(forward(*t), (std::vector<std::string>{"Xampu"}));
    t->setFilter("Tipo <> 'SERVIÇO'");
    EXPECT_EQ(forward(*t), (std::vector<std::string>{"Xampu"}));
    add(*t, 4, "Sem tipo");  // a null type reads '': different from 'SERVIÇO', not from ''
    EXPECT_EQ(forward(*t), (std::vector<std::string>{"Xampu", "Sem tipo"}));
    t->setFilter("Tipo <> ''");
    EXPECT_EQ(forward(*t), (std::vector<std::string>{"Corte", "Xampu", "Escova"}));
    t->setFilter("Codigo <> 1");
    EXPECT_EQ(forward(*t), (std::vector<std::string>{"Xampu", "Escova", "Sem tipo"}));
    t->setFiltered(false);
    EXPECT_EQ(t->recordCount(), 4);
    EXPECT_THROW(t->setFilter("Tipo LIKE 'S%'"), store::Error);
    EXPECT_THROW(t->setFilter("Inexistente = 1"), store::Error);
}

TEST_P(StoreTest, GridPositionsFollowTheVisibleOrder) {
    auto t = makePeople();
    for (int code = 1; code <= 6; ++code) add(*t, code, std::string(1, static_cast<char>('F' - code)));
    t->setIndexName("siNome");  // names E D C B A @ → @ A B C D E
    auto rows = t->rowsAt(2, 2);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(std::get<std::string>(rows[0].values[1]), "B");
    ASSERT_TRUE(t->moveToPosition(4));
    EXPECT_EQ(t->field("Nome").asString(), "D");
    EXPECT_EQ(t->currentPosition(), 4);
    EXPECT_FALSE(t->moveToPosition(6));
}

TEST_P(StoreTest, MasterDetailFollowsEveryMoveOfTheMaster) {
    auto people = makePeople();
    add(*people, 1, "Ana");
    add(*people, 2, "Bia");
    add(*people, 3, "Cris");
    store::Table photos(db, photosDefinition(), "TbFoto");
    photos.createTable();
    photos.open();
    photos.setIndexFieldNames("Codigo");
    photos.setMasterSource(people.get(), "Codigo");
    people->findKey({Value{std::int64_t{1}}});
    for (int order : {1, 2}) {
        photos.insert();  // the link field comes from the master
        photos.field("Ordem").setInteger(order);
        photos.post();
    }
    EXPECT_EQ(photos.field("Codigo").asInteger(), 1);
    people->next();
    EXPECT_TRUE(photos.isEmpty());
    photos.insert();
    photos.field("Ordem").setInteger(3);
    photos.post();
    EXPECT_EQ(photos.recordCount(), 1);
    people->first();
    EXPECT_EQ(photos.recordCount(), 2);
    people->last();
    EXPECT_EQ(photos.recordCount(), 0);
    photos.setMasterSource(nullptr, "");
    photos.first();
    EXPECT_EQ(photos.recordCount(), 3);
}

// A report walking many rows reads only what it prints: the fields asked for and every index
// field come back, the others are an error to read, and nothing can be changed from rows read
// in part, whose missing fields would be written back empty.
TEST_P(StoreTest, AWalkReadingSomeFieldsSeesThemAndIsRefusedTheRestAndEveryChange) {
    auto t = makePeople();
    for (int code = 1; code <= 300; ++code) add(*t, code, "N" + std::to_string(code % 7), "T", code * 1.5);
    t->setIndexName("siNome");
    t->readOnlyFields({"Valor"});

    std::vector<std::string> names;
    double sum = 0;
    for (t->first(); !t->eof(); t->next()) {  // past several batches, as reports walk
        names.push_back(t->field("Nome").asString());
        sum += t->field("Valor").asFloat();
    }
    EXPECT_EQ(names.size(), 300u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_DOUBLE_EQ(sum, 1.5 * 300 * 301 / 2);
    EXPECT_EQ(t->field("Tipo").asString(), "T");  // an index field is always read
    EXPECT_THROW(t->field("Obs").asString(), std::logic_error);
    EXPECT_THROW(t->edit(), std::logic_error);
    EXPECT_THROW(t->insert(), std::logic_error);
    EXPECT_THROW(t->deleteRecord(), std::logic_error);
    EXPECT_EQ(t->state(), store::TableState::Browse);
    EXPECT_EQ(t->recordCount(), 300);

    // Whole records again, on asking or on the next opening.
    t->readWholeRecords();
    t->edit();
    t->field("Obs").setString("lido inteiro");
    t->post();
    t->readOnlyFields({"Valor"});
    t->close();
    t->open();
    t->setIndexName("siNome");
    t->first();
    t->last();
    EXPECT_EQ(t->field("Obs").asString(), "lido inteiro");
}

TEST_P(StoreTest, ATableWithCalculatedFieldsIsReadWhole) {
    auto t = makePeople();
    t->onCalcFields = [](store::Table& table) {
        table.field("Dobro").setCurrency(table.field("Valor").asCurrency() +
                                         table.field("Valor").asCurrency());
    };
    EXPECT_THROW(t->readOnlyFields({"Nome"}), std::logic_error);
}
