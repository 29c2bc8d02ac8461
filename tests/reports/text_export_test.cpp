// The page model as plain text: lines by their tops, texts at the columns their boxes give.
#include <gtest/gtest.h>

#include "reports/engine/text_export.h"

namespace {

using reports::Align;
using reports::Page;
using reports::PageText;

// A text whose box starts `column` character columns from the sheet's left edge.
PageText at(double column, double y, std::string text, Align align = Align::Left, double width = 0) {
    return PageText{
        {column * reports::kTextColumnMm, y, width * reports::kTextColumnMm, 4}, std::move(text), align};
}

TEST(PageText, PlacesEachTextAtItsColumnOnTheLineOfItsTop) {
    struct Case {
        const char* what;
        std::vector<PageText> texts;
        std::string expected;
    };
    for (const Case& c : {
             Case{"left to right whatever the order drawn",
                  {at(10, 5, "VALOR"), at(2, 5, "NOME")},
                  "  NOME    VALOR\n"},
             Case{"top to bottom; tops a hair apart share a line",
                  {at(0, 9, "DEPOIS"), at(0, 5, "ANTES"), at(8, 5.04, "JUNTO")},
                  "ANTES   JUNTO\nDEPOIS\n"},
             Case{"a right-aligned text ends at its box's right edge",
                  {at(0, 5, "TOTAL"), at(10, 5, "55,00", Align::Right, 10)},
                  "TOTAL          55,00\n"},
             Case{"a centred text sits in the middle of its box",
                  {at(0, 5, "RECIBO", Align::Centre, 20)},
                  "       RECIBO\n"},
             Case{"accents count as one column each",
                  {at(0, 5, "SERVIÇOS"), at(10, 5, "R$")},
                  "SERVIÇOS  R$\n"},
             Case{"a text running into the one before starts a blank after it",
                  {at(0, 5, "FUNCIONÁRIO"), at(4, 5, "40,00")},
                  "FUNCIONÁRIO 40,00\n"},
         }) {
        SCOPED_TRACE(c.what);
        Page page;
        for (const PageText& text : c.texts) page.elements.emplace_back(text);
        page.elements.emplace_back(reports::PageLine{0, 2, 100, 2});  // lines and boxes print nothing
        EXPECT_EQ(reports::pageText(page), c.expected);
    }
}

}  // namespace
