// Clients' consent marks: their days follow the marks, and a data set made before the marks
// existed gains them, not given, when it is opened.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/client_consent.h"
#include "data/rows.h"
#include "data/tables.h"
#include "support/data_fixture.h"
#include "support/temp_dir.h"

namespace {

using testsupport::DataTest;

using ClientConsentTest = DataTest;

TEST_F(ClientConsentTest, AMarkTakesTheDayItIsGivenKeepsItAndLosesItWhenWithdrawn) {
    const core::Date monday{2026, 3, 2};
    const core::Date later{2026, 4, 20};
    store::Table& cliente = dm.TbCliente;
    cliente.open();
    data::addRow(cliente, {{"Codigo", std::int64_t{1}}, {"Nome", "ANA"}});

    struct Step {
        const char* lembretes;
        const char* ofertas;
        core::Date today;
        core::Date dayLembretes;  // the null date: no day
        core::Date dayOfertas;
    };
    const Step steps[] = {
        {"SIM", "", monday, monday, {}},       // reminders given
        {"SIM", "SIM", later, monday, later},  // reminders keep their day, offers given later
        {"", "SIM", later, {}, later},         // reminders withdrawn
        {"", "", later, {}, {}},
    };
    for (const Step& step : steps) {
        cliente.edit();
        cliente.field("Lembretes").setString(step.lembretes);
        cliente.field("Ofertas").setString(step.ofertas);
        data::applyConsentDates(cliente, step.today);
        cliente.post();
        SCOPED_TRACE(std::string(step.lembretes) + "/" + step.ofertas);
        EXPECT_EQ(cliente.field("DataLembretes").asDate(), step.dayLembretes);
        EXPECT_EQ(cliente.field("DataOfertas").asDate(), step.dayOfertas);
        EXPECT_EQ(data::hasConsent(cliente, data::kReminderConsent), std::string(step.lembretes) == "SIM");
        EXPECT_EQ(data::hasConsent(cliente, data::kOfferConsent), std::string(step.ofertas) == "SIM");
    }
}

TEST(ClientConsentOldDataSet, ClientsMadeBeforeTheMarksReadAsNotGiven) {
    testsupport::TempDir directory("velmora-old-clients");
    store::TableDef old = data::tableEntry("TbCliente").definition;
    const auto isConsent = [](const store::FieldDef& f) {
        return f.name == "Lembretes" || f.name == "DataLembretes" || f.name == "Ofertas" ||
               f.name == "DataOfertas";
    };
    old.fields.erase(std::remove_if(old.fields.begin(), old.fields.end(), isConsent), old.fields.end());
    ASSERT_FALSE(old.findField("Lembretes"));
    {
        store::Database database(directory.path());
        store::Table before(database, old, "TbCliente");
        before.createTable();
        before.open();
        data::addRow(before, {{"Codigo", std::int64_t{7}}, {"Nome", "BEATRIZ"}});
    }
    store::Database database(directory.path());
    store::Table now(database, data::tableEntry("TbCliente").definition, "TbCliente");
    now.open();
    ASSERT_TRUE(now.findKey({std::int64_t{7}}));
    EXPECT_EQ(now.field("Nome").asString(), "BEATRIZ");
    EXPECT_FALSE(data::hasConsent(now, data::kReminderConsent));
    EXPECT_FALSE(data::hasConsent(now, data::kOfferConsent));
    EXPECT_TRUE(now.field("DataLembretes").isNull());
    // The new fields take writes like any other.
    now.edit();
    now.field("Lembretes").setString(data::kConsentGiven);
    data::applyConsentDates(now, core::Date{2026, 5, 1});
    now.post();
    EXPECT_EQ(now.field("DataLembretes").asDate(), (core::Date{2026, 5, 1}));
}

}  // namespace
