// Portuguese order of text keys, the same on every backend: accents after their letter,
// lower case before upper case where case counts, case ignored (and ties in the order rows
// came in) where it does not, "Ç" with "C".
#include <gtest/gtest.h>

#include <algorithm>

#include "store_fixture.h"

using namespace storetest;

namespace {

store::TableDef namesDefinition() {
    using store::FieldType;
    store::TableDef def;
    def.fileName = "Nomes.DAT";
    def.fields = {{"Codigo", FieldType::Integer}, {"Nome", FieldType::Text, 20}};
    def.primaryKey = {"Codigo"};
    def.indexes = {{"siNome", {"Nome"}, true}, {"siNomeExato", {"Nome"}, false}};
    return def;
}

// In the order they are posted: case variants that compare equal come upper case first, so
// that ignoring case (ties by arrival) and telling it apart give different orders.
const std::vector<std::string> kPosted = {
    "Conceição", "Carla",  "Zé",    "Ângela", "CONCEIÇÃO", "ÇARLA",     "ANA",   "Álvaro", "Cássia",
    "Ana",       "carla",  "ze",    "Célia",  "Anã",       "Conceicao", "celia", "Ána",    "Cecília",
    "alvaro",    "angela", "Érica", "ana",    "erica",     "Evandro",   "Zeca",  "cassia", "Çarla"};

struct Order {
    const char* index;
    std::vector<std::string> names;
};

const Order kOrders[] = {
    {"siNomeExato",
     {"alvaro",    "Álvaro",    "ana",       "Ana",   "ANA",    "Anã",     "Ána",     "angela", "Ângela",
      "carla",     "Carla",     "Çarla",     "ÇARLA", "cassia", "Cássia",  "Cecília", "celia",  "Célia",
      "Conceicao", "Conceição", "CONCEIÇÃO", "erica", "Érica",  "Evandro", "ze",      "Zé",     "Zeca"}},
    {"siNome",
     {"alvaro",    "Álvaro",    "ANA",       "Ana",   "ana",    "Anã",     "Ána",     "angela", "Ângela",
      "Carla",     "carla",     "ÇARLA",     "Çarla", "cassia", "Cássia",  "Cecília", "celia",  "Célia",
      "Conceicao", "Conceição", "CONCEIÇÃO", "erica", "Érica",  "Evandro", "ze",      "Zé",     "Zeca"}},
};

}  // namespace

TEST_P(StoreTest, PortugueseNamesSortAlikeOnEveryBackendWithAndWithoutCase) {
    store::Table t(db, namesDefinition(), "TbNome");
    t.createTable();
    t.open();
    for (std::size_t i = 0; i < kPosted.size(); ++i) {
        t.insert();
        t.field("Codigo").setInteger(static_cast<std::int64_t>(i + 1));
        t.field("Nome").setString(kPosted[i]);
        t.post();
    }
    for (const Order& order : kOrders) {
        SCOPED_TRACE(order.index);
        t.setIndexName(order.index);
        EXPECT_EQ(forward(t), order.names);
        auto reversed = order.names;
        std::reverse(reversed.begin(), reversed.end());
        EXPECT_EQ(backward(t), reversed);
        // A search lands where the order says: "Ç" is sought with "C", accents after their letter.
        t.findNearest({store::Value{std::string("Çe")}});
        EXPECT_EQ(t.field("Nome").asString(), "Cecília");
        t.findNearest({store::Value{std::string("Ang")}});
        EXPECT_EQ(t.field("Nome").asString(), "angela");
    }
    t.setIndexName("siNome");
    EXPECT_TRUE(t.findKey({store::Value{std::string("conceição")}}));  // case ignored, accents not
    EXPECT_EQ(t.field("Nome").asString(), "Conceição");
    EXPECT_FALSE(t.findKey({store::Value{std::string("Alvára")}}));
}
