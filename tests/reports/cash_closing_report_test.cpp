// The closing report of a cash period, read from its page model: the header with the
// period's times, one line per sale of that period only, and the summary's four rows.
#include <gtest/gtest.h>

#include "cash/cash_fixture.h"
#include "data/refusal.h"
#include "page_text.h"
#include "reports/cash_closing_report.h"
#include "reports/engine/generator.h"

namespace {

using reportstest::allLines;
using Lines = std::vector<std::string>;

class CashClosingReportTest : public cashtest::CashTest {
  protected:
    // Period 2 of three, closed with a repass of 100,00.
    void SetUp() override {
        addPeriod({1, "FECHADO"});
        addPeriod({2, "FECHADO", 80, 500, 120, 100});
        addPeriod({3, "ABERTO"});
        withOpen(dm.TbCaixa, [&] {
            dm.TbCaixa.findKey({store::Value{std::int64_t{2}}});
            dm.TbCaixa.edit();
            for (const auto& [field, value] : data::Cells{{"Abertura", "2024-03-08"},
                                                          {"Hora1", "08:05:00"},
                                                          {"Fechamento", "2024-03-08"},
                                                          {"Hora2", "19:40:30"},
                                                          {"Cheque", 45.0},
                                                          {"Cartao", 210.0},
                                                          {"Debito", 95.5},
                                                          {"TEF", 60.0},
                                                          {"Total", 910.5},
                                                          {"Deposito", 360.0}})
                dm.TbCaixa.field(field).setValue(value);
            dm.TbCaixa.post();
        });
    }

    Lines print(std::optional<std::int64_t> number) {
        reports::printCashClosing(dm, number, [this](const reports::Report& report) {
            model = reports::generate(report, {.today = {2024, 3, 8}, .now = {20, 0, 0}});
        });
        return allLines(model);
    }

    reports::PageModel model;
};

const Lines kHeader{"Pág.: | 1", "Salão de Beleza", "Relatório de Fechamento de Caixa - ANA PAULA",
                    "ABERTURA: 08/03/2024 - HORA: 08:05:00 / FECHAMENTO: 08/03/2024 - HORA: 19:40:30",
                    "DATA | CLIENTE | FUNCIONÁRIO | FORMA PGTO. | TOTAL R$"};

TEST_F(CashClosingReportTest, ListsThePeriodsSalesAndSumsThemUnderTheDrawer) {
    addSale(2, "2024-03-08", "CARLA SOUZA", "ANA PAULA", "DINHEIRO", 500);
    addSale(1, "2024-03-07", "OUTRO CAIXA", "ANA PAULA", "DINHEIRO", 999);
    addSale(2, "2024-03-08", "BEATRIZ LIMA", "JOANA", "CARTÃO", 210, 30);
    addSale(3, "2024-03-09", "CAIXA SEGUINTE", "JOANA", "CHEQUE", 888);

    EXPECT_EQ(print(2),
              (Lines{kHeader[0], kHeader[1], kHeader[2], kHeader[3], kHeader[4],
                     "08/03/2024 | CARLA SOUZA | ANA PAULA | DINHEIRO | 500,00",
                     "08/03/2024 | BEATRIZ LIMA | JOANA | CARTÃO | 210,00",
                     "C. INICIAL | R$ | 80,00 | C. CRÉD. | 210,00 | C. DÉB. | 95,50 | CAIXA R$ | SERVIÇOS | "
                     "R$ | 710,00",
                     "DINHEIRO | R$ | 500,00 | NOTINHAS | R$ | 60,00 | 910,50 | CRÉDITOS | R$ | 30,00",
                     "RETIRADA | R$ | 120,00 | CHEQUE | R$ | 45,00 | TOTAL | R$ | 680,00",
                     "T. DINHEIRO | R$ | 460,00 | DEPÓSITO | R$ | 360,00 | REPASSAR | R$ | 100,00"}));
    EXPECT_FALSE(dm.TbServico.isOpen());
    EXPECT_EQ(dm.TbServico.indexName(), "");
    EXPECT_FALSE(dm.TbCaixa.isOpen());
}

TEST_F(CashClosingReportTest, APeriodWithNoSalesPrintsItsHeaderAndZeroSums) {
    const Lines lines = print(std::nullopt);  // the last period, still open
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[3], "ABERTURA:  - HORA:  / FECHAMENTO:  - HORA: ");
    EXPECT_EQ(lines[5], "0,00");  // the one empty detail line
    EXPECT_EQ(
        Lines(lines.end() - 4, lines.end()),
        (Lines{"C. INICIAL | R$ | 0,00 | C. CRÉD. | 0,00 | C. DÉB. | 0,00 | CAIXA R$ | SERVIÇOS | R$ | 0,00",
               "DINHEIRO | R$ | 0,00 | NOTINHAS | R$ | 0,00 | 0,00 | CRÉDITOS | R$ | 0,00",
               "RETIRADA | R$ | 0,00 | CHEQUE | R$ | 0,00 | TOTAL | R$ | 0,00",
               "T. DINHEIRO | R$ | 0,00 | DEPÓSITO | R$ | 0,00 | REPASSAR | R$ | 0,00"}));
}

TEST_F(CashClosingReportTest, APeriodThatDoesNotExistIsRefusedAndTheTablesArePutBack) {
    dm.TbCaixa.open();
    dm.TbCaixa.last();
    EXPECT_THROW(print(7), data::Refusal);
    EXPECT_TRUE(dm.TbCaixa.isOpen());  // the closing screen's table stays open
    EXPECT_FALSE(dm.TbServico.isOpen());
}

}  // namespace
