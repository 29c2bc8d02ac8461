// The sales of a period: the sales with totals per payment form, one line per code sold,
// every item, and the receivables settled; only what was paid counts.
#include <gtest/gtest.h>

#include <algorithm>

#include "page_text.h"
#include "reports/payment_forms.h"
#include "reports/received_accounts_report.h"
#include "reports/services_report.h"
#include "worked_period.h"

namespace {

using core::Currency;
using reportstest::allLines;
using reportstest::linesStartingWith;
using Lines = std::vector<std::string>;

// The lines after the caption strip `captions`, up to the first line starting with `until`.
Lines between(const Lines& lines, const std::string& captions, const std::string& until) {
    const auto first = std::find(lines.begin(), lines.end(), captions);
    if (first == lines.end()) return {"(sem cabeçalho) " + captions};
    const auto last =
        std::find_if(first, lines.end(), [&](const std::string& line) { return line.starts_with(until); });
    return Lines(first + 1, last);
}

Lines fromLine(const Lines& lines, const std::string& start) {
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [&](const std::string& line) { return line.starts_with(start); });
    return Lines(first, lines.end());
}

TEST(PaymentFormTotals, EachWordAddsToOneFigureOnly) {
    struct Case {
        const char* word;
        Currency reports::PaymentFormTotals::*figure;
    };
    const Currency amount = Currency::fromReais(50);
    for (const Case& c :
         {Case{"DINHEIRO", &reports::PaymentFormTotals::cash},
          Case{"CHEQUE", &reports::PaymentFormTotals::cheque},
          Case{"CARTÃO", &reports::PaymentFormTotals::creditCard},
          // a debit sale is its own figure, not one of the others as well
          Case{"DÉBITO", &reports::PaymentFormTotals::debitCard},
          Case{"NOTINHA", &reports::PaymentFormTotals::notinha},
          Case{"CRÉDITO", &reports::PaymentFormTotals::others}, Case{"", &reports::PaymentFormTotals::others},
          Case{"dinheiro", &reports::PaymentFormTotals::others},  // words compared exactly
          Case{"CARTAO", &reports::PaymentFormTotals::others}}) {
        SCOPED_TRACE(c.word);
        reports::PaymentFormTotals totals;
        totals.add(c.word, amount);
        EXPECT_EQ(totals.*c.figure, amount);
        EXPECT_EQ(totals.sum(), amount);
    }
}

class ServicesReportTest : public reportstest::WorkedPeriodTest {
  protected:
    using Print = void (*)(data::Tdm&, const core::Period&, core::PassProgress&,
                           const reports::ReportOutput&);
    Lines print(Print report, const core::Period& period) {
        report(dm, period, core::noProgress(), keep());
        return allLines(model);
    }

    static inline const Lines kMarchForms{"RESUMO: | DINHEIRO R$ | 135,00 | CARTÃO CRED. R$ | 0,00",
                                          "CHEQUE R$ | 25,00 | CARTÃO DÉB. R$ | 50,00",
                                          "NOTINHA R$ | 0,00 | OUTROS R$ | 0,00"};
};

TEST_F(ServicesReportTest, GeneralListsThePaidSalesAndSplitsTheirTotalByPaymentForm) {
    const Lines lines = print(reports::printSales, march);
    EXPECT_EQ(
        linesStartingWith(lines, "Relatório de Produtos e Serviços - Período de: 01/03/24 a 31/03/24").size(),
        1u);
    EXPECT_EQ(between(lines, "Data: | Cliente: | Pagamento: | Total R$", "TOTAL...R$"),
              (Lines{"05/03/2024 | HELENA COSTA | DINHEIRO | 135,00", "12/03/2024 | BEATRIZ | DÉBITO | 50,00",
                     "20/03/2024 | CAMILA | CHEQUE | 25,00"}));
    Lines summary{"TOTAL...R$ | 210,00"};
    summary.insert(summary.end(), kMarchForms.begin(), kMarchForms.end());
    EXPECT_EQ(fromLine(lines, "TOTAL...R$"), summary);
    EXPECT_FALSE(dm.TbServico.isOpen());
}

TEST_F(ServicesReportTest, SummaryHasOneLinePerCodeAndTakesTheCreditsFromTheTotal) {
    const Lines lines = print(reports::printItemSummary, march);
    // By rising total; QTDE. counts items, not units (the two shampoos of S1 are one item).
    EXPECT_EQ(between(lines, "PRODUTOS E SERVIÇOS | QTDE. | TOTAL R$", "RESUMO:"),
              (Lines{"ESCOVA | 2 | 70,00", "SHAMPOO | 2 | 75,00", "CORTE | 2 | 95,00"}));
    EXPECT_EQ(fromLine(lines, "RESUMO:"),
              (Lines{"RESUMO: | PRODUTOS | R$ | 75,00 | SUB-TOTAL | R$ | 240,00",
                     "SERVIÇOS | R$ | 165,00 | CREDITOS | R$ | 30,00", "TOTAL GERAL | R$ | 210,00"}));
    EXPECT_EQ(dm.TbTemp.indexName(), "");
}

TEST_F(ServicesReportTest, DetailedListsEveryPaidItemWithTheSalesPaymentForms) {
    const Lines lines = print(reports::printSaleItems, march);
    EXPECT_TRUE(model.landscape);
    EXPECT_EQ(
        between(lines, "Data: | Cliente: | Funcionário: | Descrição | Forma PGTO | Valor R$", "TOTAL...R$"),
        (Lines{"05/03/2024 | HELENA COSTA | ANA | CORTE | DINHEIRO | 50,00",
               "05/03/2024 | HELENA COSTA | ANA | ESCOVA | DINHEIRO | 35,00",
               "05/03/2024 | HELENA COSTA | ANA | SHAMPOO | DINHEIRO | 50,00",
               "12/03/2024 | BEATRIZ | BRUNO | CORTE | DÉBITO | 45,00",
               "12/03/2024 | BEATRIZ | BRUNO | ESCOVA | DÉBITO | 35,00",
               "20/03/2024 | CAMILA | ANA | SHAMPOO | CHEQUE | 25,00"}));
    // The items add up before the credit; the forms are the sales', after it.
    Lines summary{"TOTAL...R$ | 240,00"};
    summary.insert(summary.end(), kMarchForms.begin(), kMarchForms.end());
    EXPECT_EQ(fromLine(lines, "TOTAL...R$"), summary);
    EXPECT_EQ(dm.TbItensServico.indexFields().front(), "Contador");
}

TEST_F(ServicesReportTest, AnEmptyOrReversedPeriodPrintsOneEmptyLineAndZeros) {
    const core::Period reversed{{2024, 3, 31}, {2024, 3, 1}, "31/03/24", "01/03/24"};
    const Lines lines = print(reports::printSales, reversed);
    EXPECT_EQ(between(lines, "Data: | Cliente: | Pagamento: | Total R$", "TOTAL...R$"), (Lines{"0,00"}));
    EXPECT_EQ(fromLine(lines, "TOTAL...R$"),
              (Lines{"TOTAL...R$ | 0,00", "RESUMO: | DINHEIRO R$ | 0,00 | CARTÃO CRED. R$ | 0,00",
                     "CHEQUE R$ | 0,00 | CARTÃO DÉB. R$ | 0,00", "NOTINHA R$ | 0,00 | OUTROS R$ | 0,00"}));
}

TEST_F(ServicesReportTest, ReceivedAccountsSplitTheRowsListedByTheirPaymentForm) {
    dm.TbBaixaR.open();
    for (const auto& [day, client, form, value] : {std::tuple{"2024-03-04", "HELENA COSTA", "DINHEIRO", 80.0},
                                                   std::tuple{"2024-03-09", "BEATRIZ", "DÉBITO", 40.0},
                                                   std::tuple{"2024-03-30", "CAMILA", "CARTÃO", 60.0},
                                                   std::tuple{"2024-04-01", "CAMILA", "CHEQUE", 99.0}})
        data::addRow(dm.TbBaixaR, {{"DataVen", day},
                                   {"Cliente", client},
                                   {"Vendedor", form},
                                   {"Valor", value},
                                   {"Documento", "7"}});
    dm.TbBaixaR.close();
    const Lines lines = print(reports::printReceivedAccounts, march);
    EXPECT_EQ(
        linesStartingWith(lines, "Relatório de Contas a Recebidas - Período de: 01/03/24 a 31/03/24").size(),
        1u);
    EXPECT_EQ(
        between(lines, "DATA | CLIENTE | Nº Serviço: | FORMA PGTO | VALOR R$", "TOTAL...R$"),
        (Lines{"04/03/2024 | HELENA COSTA | 7 | DINHEIRO | 80,00",
               "09/03/2024 | BEATRIZ | 7 | DÉBITO | 40,00", "30/03/2024 | CAMILA | 7 | CARTÃO | 60,00"}));
    EXPECT_EQ(fromLine(lines, "TOTAL...R$"),
              (Lines{"TOTAL...R$ | 180,00", "RESUMO: | DINHEIRO R$ | 80,00 | CARTÃO CRED. R$ | 60,00",
                     "CHEQUE R$ | 0,00 | CARTÃO DÉB. R$ | 40,00", "NOTINHA R$ | 0,00 | OUTROS R$ | 0,00"}));
    EXPECT_FALSE(dm.TbBaixaR.isOpen());
}

}  // namespace
