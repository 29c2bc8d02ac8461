// Anonymising a client of the demo salon, whose two months of sales, notes, settlements and
// appointments were made by the program's own postings: the books must add up as before.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "core/currency.h"
#include "core/date.h"
#include "core/text.h"
#include "demo/salon_history.h"
#include "registers/client_anonymise.h"
#include "support/data_fixture.h"

namespace {

using core::Currency;

// Every amount of every money table, and how many rows each holds.
std::map<std::string, Currency> books(data::Tdm& dm) {
    std::map<std::string, Currency> seen;
    dm.TbItensServico.setMasterSource(nullptr, {});
    dm.TbFoto.setMasterSource(nullptr, {});
    for (store::Table* table : {&dm.TbCaixa, &dm.TbServico, &dm.TbItensServico, &dm.TbReceber, &dm.TbBaixaR,
                                &dm.TbCliente, &dm.TbAgenda}) {
        table->open();
        seen[table->name() + " rows"] = Currency::fromDouble(static_cast<double>(table->recordCount()));
        for (table->first(); !table->eof(); table->next())
            for (int i = 0; i < table->fieldCount(); ++i) {
                const store::Field field = table->fieldAt(i);
                if (field.type() == store::FieldType::Currency)
                    seen[table->name() + "." + field.name()] =
                        seen[table->name() + "." + field.name()] + field.asCurrency();
            }
        table->close();
    }
    return seen;
}

bool dataDirectoryHolds(const std::filesystem::path& directory, const std::string& text) {
    for (const auto& file : std::filesystem::recursive_directory_iterator(directory)) {
        if (!file.is_regular_file()) continue;
        std::ifstream in(file.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        if (bytes.find(text) != std::string::npos) return true;
    }
    return false;
}

TEST(ClientPrivacyDemoTest, TheBusiestClientOfTheDemoSalonIsForgottenAndTheBooksStillAddUp) {
    testsupport::InitialDataDirectory salon{true};
    testsupport::RecordingMessages quiet;
    std::int64_t busiest = 0;
    std::string name;
    std::map<std::string, Currency> before;
    {
        data::Tdm maker(salon.path(), quiet);
        demo::addSalonHistory(maker, core::Date{2026, 12, 10});
    }
    {
        // Read as another station would, without the ranges the history left on its tables.
        data::Tdm dm(salon.path(), quiet);
        std::map<std::int64_t, int> sales;
        dm.TbServico.open();
        for (dm.TbServico.first(); !dm.TbServico.eof(); dm.TbServico.next())
            if (const auto code = dm.TbServico.field("CodCliente").asInteger(); code != 0) ++sales[code];
        dm.TbServico.close();
        for (const auto& [code, count] : sales)
            if (busiest == 0 || count > sales[busiest]) busiest = code;
        ASSERT_NE(busiest, 0);
        dm.TbCliente.open();
        ASSERT_TRUE(dm.TbCliente.findKey({busiest}));
        name = core::trimmed(dm.TbCliente.field("Nome").asString());
        dm.TbCliente.close();
        before = books(dm);
    }
    ASSERT_TRUE(dataDirectoryHolds(salon.path(), name)) << name;

    {
        data::Tdm dm(salon.path(), quiet);
        dm.loggedIn = {1, "ADMINISTRADOR"};
        registers::anonymiseClient(dm, busiest);
    }
    data::Tdm dm(salon.path(), quiet);
    EXPECT_EQ(books(dm), before);
    EXPECT_FALSE(dataDirectoryHolds(salon.path(), name)) << name;
}

}  // namespace
