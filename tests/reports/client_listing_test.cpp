// "Listagem Geral...": every client by name, three lines each, over the demo salon.
#include <gtest/gtest.h>

#include "data/rows.h"
#include "demo_fixture.h"
#include "page_text.h"
#include "reports/client_listing.h"

namespace {

using reportstest::allLines;
using reportstest::linesStartingWith;
using reportstest::pageLines;
using reportstest::SalonTest;
using Lines = std::vector<std::string>;

using ClientListingTest = SalonTest;

TEST_F(ClientListingTest, ListsEveryClientByNameWhateverIndexWasInUse) {
    dm.TbCliente.open();
    dm.TbCliente.setIndexName("siDia");
    reports::printClientListing(dm, keep([&] { EXPECT_EQ(dm.TbCliente.indexName(), "siNome"); }));
    ASSERT_EQ(shown, 1);
    EXPECT_FALSE(dm.TbCliente.isOpen());
    EXPECT_EQ(dm.TbCliente.indexName(), "");

    ASSERT_EQ(model.pages.size(), 1u);
    const Lines lines = pageLines(model.pages[0]);
    EXPECT_EQ(
        Lines(lines.begin(), lines.begin() + 4),
        (Lines{"Pág.: | 1", "Data Emissão: | 08/03/2024", "Studio Bella Forma", "LISTAGEM DE CLIENTES "}));
    Lines names;
    for (const auto& line : linesStartingWith(lines, "Nome.......: | "))
        names.push_back(line.substr(15, line.find(" | Aniv") - 15));
    EXPECT_EQ(names, (Lines{"ADRIANA FERREIRA", "BEATRIZ CARVALHO", "CAMILA ROCHA", "DANIELA SANTOS",
                            "ELAINE MOREIRA", "FERNANDA OLIVEIRA", "GABRIELA MARTINS", "HELENA COSTA",
                            "ISABELA RIBEIRO", "JULIANA ALMEIDA", "LARISSA PEREIRA", "MARIANA GOMES"}));
    const std::string todayKey = core::birthdayKey(core::Date::today().day, core::Date::today().month);
    EXPECT_EQ(Lines(lines.begin() + 4, lines.begin() + 7),
              (Lines{"Nome.......: | ADRIANA FERREIRA | Aniversário: | " + todayKey,
                     "Endereço: | Rua das Acácias, 120 - Bairro: Jardim América | Cidade: | Belo Horizonte",
                     "CEP..........: | 30.140-000 | Fone: | Celular: | (31) 98811-2040 | E-mail: | "
                     "adriana.f@email.com"}));
}

TEST_F(ClientListingTest, FillsPagesDownToTheNarrowBottomMarginAndRepeatsTheHeader) {
    dm.TbCliente.open();
    for (int i = 0; i < 60; ++i)
        data::addRow(dm.TbCliente,
                     {{"Codigo", std::int64_t{100 + i}}, {"Nome", "ZÉLIA " + std::to_string(100 + i)}});
    dm.TbCliente.close();
    reports::printClientListing(dm, keep());
    ASSERT_GE(model.pages.size(), 2u);
    // The line under the last client of a full page lies below where a 21 mm margin ends.
    double lowest = 0;
    for (const auto& element : model.pages[0].elements) {
        if (const auto* text = std::get_if<reports::PageText>(&element))
            lowest = std::max(lowest, text->box.bottom());
        if (const auto* line = std::get_if<reports::PageLine>(&element)) lowest = std::max(lowest, line->y1);
    }
    EXPECT_GT(lowest, 297 - 21);
    EXPECT_LE(lowest, 297 - 5);
    for (const auto& page : model.pages) EXPECT_EQ(pageLines(page)[3], "LISTAGEM DE CLIENTES ");
    EXPECT_EQ(linesStartingWith(allLines(model), "Nome.......: ").size(), 72u);
    EXPECT_EQ(pageLines(model.pages[1])[0], "Pág.: | 2");
}

}  // namespace
