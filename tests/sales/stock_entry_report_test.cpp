// "Relatório de Entradas" read from its page model: the lines of a period, of every supplier
// or one, selected by the dates and supplier each line carries, totalled line by line.
#include <gtest/gtest.h>

#include "data/rows.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "reports/stock_entry_report.h"
#include "sales/stock_entry.h"
#include "support/data_fixture.h"

namespace {

using Lines = std::vector<std::string>;
using sales::EntryHeader;

class StockEntryReportTest : public testsupport::DataTest {
  protected:
    const core::Date day{2026, 12, 10}, nextDay{2026, 12, 11}, before{2026, 12, 9};

    StockEntryReportTest() {
        dm.TbProdutos.open();
        data::addRow(dm.TbProdutos,
                     {{"Codigo", std::int64_t{11}}, {"Descricao", "SHAMPOO"}, {"Tipo", "PRODUTO"}});
        data::addRow(dm.TbProdutos,
                     {{"Codigo", std::int64_t{12}}, {"Descricao", "TINTURA"}, {"Tipo", "PRODUTO"}});
        dm.TbProdutos.close();
        // Two lines on the 10th from supplier 5, one on the 11th from supplier 6, one the 9th.
        enter({day, "1", 5, "COSMETICOS REUNIDOS DO BRASIL"},
              {{11, "SHAMPOO", 2.50, 3}, {12, "TINTURA", 2.00, 2}});
        enter({nextDay, "2", 6, "BELEZA PURA"}, {{12, "TINTURA", 10.00, 1}});
        enter({before, "3", 5, "COSMETICOS REUNIDOS DO BRASIL"}, {{11, "SHAMPOO", 1.00, 1}});
    }
    struct Line {
        std::int64_t code;
        const char* produto;
        double custo, quantity;
    };
    void enter(const EntryHeader& header, std::initializer_list<Line> lines) {
        const std::int64_t entry = sales::createEntry(dm, header.data);
        for (const Line& l : lines)
            sales::addEntryLine(dm, entry, header,
                                {l.code, l.produto, core::Currency::fromDouble(l.custo), l.quantity});
        sales::totalEntry(dm, entry);
        sales::saveEntry(dm, entry, header);
    }
    Lines print(std::optional<std::int64_t> supplier) {
        reports::PageModel model;
        reports::printStockEntries(dm, day, nextDay, supplier, [&](const reports::Report& report) {
            model = reports::generate(report, {.today = nextDay, .now = {18, 0, 0}});
        });
        return reportstest::allLines(model);
    }
};

TEST_F(StockEntryReportTest, ListsTheLinesOfThePeriodAndTotalsThem) {
    const Lines lines = print(std::nullopt);
    const Lines expected{"Pág.: | 1",
                         "Salão de Beleza",
                         "Data Emissão: | 11/12/2026",
                         "Relatório de Entradas - Período de: 10/12/26 a 11/12/26",
                         "DATA | CÓD. | PRODUTO | FORNECEDOR | CUSTO R$ | QTDE. | TOTAL R$",
                         "10/12/2026 | 11 | SHAMPOO | COSMETICOS REUNIDOS | 2,50 | 3 | 7,50",
                         "10/12/2026 | 12 | TINTURA | COSMETICOS REUNIDOS | 2,00 | 2 | 4,00",
                         "11/12/2026 | 12 | TINTURA | BELEZA PURA | 10,00 | 1 | 10,00",
                         "TOTAL...R$ | 21,50"};
    EXPECT_EQ(lines, expected);
}

TEST_F(StockEntryReportTest, OneSuppliersLinesOfThePeriod) {
    const Lines lines = print(5);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(
        Lines(lines.end() - 3, lines.end()),
        (Lines{"10/12/2026 | 11 | SHAMPOO | COSMETICOS REUNIDOS | 2,50 | 3 | 7,50",
               "10/12/2026 | 12 | TINTURA | COSMETICOS REUNIDOS | 2,00 | 2 | 4,00", "TOTAL...R$ | 11,50"}));
}

}  // namespace
