// The cash conference of a period: takings by form, paid sale items with their commissions,
// each employee's services, commissions and advances, and the cash left in the drawer.
#include <gtest/gtest.h>

#include <cctype>

#include "data/rows.h"
#include "page_text.h"
#include "reports/cash_conference_report.h"
#include "reports/engine/generator.h"
#include "support/data_fixture.h"

namespace {

using core::Currency;
using Lines = std::vector<std::string>;

Currency reais(double value) {
    return Currency::fromDouble(value);
}

class CashConferenceTest : public testsupport::DataTest {
  protected:
    // The helpers write straight into the tables, which every gathering leaves closed.
    struct Takings {
        double dinheiro = 0, cheque = 0, cartao = 0, debito = 0, notinhas = 0;
    };
    void cashPeriod(std::int64_t number, const char* opened, const Takings& t) {
        dm.TbCaixa.open();
        data::addRow(dm.TbCaixa, {{"Contador", number},
                                  {"Status", "FECHADO"},
                                  {"Abertura", opened},
                                  {"Dinheiro", t.dinheiro},
                                  {"Cheque", t.cheque},
                                  {"Cartao", t.cartao},
                                  {"Debito", t.debito},
                                  {"TEF", t.notinhas},
                                  {"Total", t.dinheiro + t.cheque + t.cartao + t.debito + t.notinhas}});
    }
    void item(std::int64_t sale, const char* day, std::int64_t employee, const char* name,
              const char* service, double total, double commission, const char* paidIn = "DINHEIRO") {
        dm.TbItensServico.open();
        data::addRow(dm.TbItensServico, {{"Contador", sale},
                                         {"Ordem", ++order_},
                                         {"Data", day},
                                         {"CodFun", employee},
                                         {"Funcionario", name},
                                         {"Cliente", "HELENA COSTA"},
                                         {"Descricao", service},
                                         {"Tipo", "SERVIÇO"},
                                         {"Total", total},
                                         {"Comissao", commission},
                                         {"PGTO", paidIn}});
    }
    // An advance when `employee` is set; otherwise a bill of kind `tipo`.
    void paidBill(const char* day, std::int64_t employee, const char* name, double value,
                  const char* tipo = "", const char* formaPG = "DINHEIRO") {
        dm.TbBaixaP.open();
        data::addRow(dm.TbBaixaP, {{"Contador", ++bill_},
                                   {"DataBaixa", day},
                                   {"CodFUN", employee},
                                   {"Funcionario", name},
                                   {"Valor", value},
                                   {"Tipo", tipo},
                                   {"FormaPG", formaPG}});
    }

    reports::CashConference gather() { return reports::gatherConference(dm, march, core::noProgress()); }
    Lines printed() {
        Lines lines;
        reports::printConference(dm, march, [&](const reports::Report& report) {
            lines = reportstest::allLines(reports::generate(report, {.today = {2024, 4, 2}}));
        });
        return lines;
    }

    const core::Period march{{2024, 3, 1}, {2024, 3, 31}, "01/03/24", "31/03/24"};
    std::int64_t order_ = 0, bill_ = 0;
};

// The amount printed right after `caption` (a column heading of the same name is passed by).
std::string figure(const Lines& lines, const std::string& caption) {
    for (const std::string& line : lines) {
        const auto at = line.find(caption + " | ");
        if (at == std::string::npos || (at > 0 && line.compare(at - 3, 3, " | ") != 0)) continue;
        const auto start = at + caption.size() + 3;
        const std::string piece = line.substr(start, line.find(" | ", start) - start);
        if (std::isdigit(static_cast<unsigned char>(piece.back()))) return piece;
    }
    return "(ausente)";
}

TEST_F(CashConferenceTest, TakesEachFormFromTheCashPeriodsOpenedInThePeriod) {
    cashPeriod(1, "2024-02-29", {.dinheiro = 999});
    cashPeriod(2, "2024-03-04", {.dinheiro = 100, .cheque = 30});
    cashPeriod(3, "2024-03-05", {.dinheiro = 50});
    cashPeriod(4, "2024-03-31", {.cartao = 10, .debito = 20, .notinhas = 5});
    cashPeriod(5, "2024-04-01", {.cheque = 999});
    const reports::ConferenceTotals t = gather().totals;
    EXPECT_EQ(t.dinheiro, reais(150));
    EXPECT_EQ(t.cheque, reais(30));
    EXPECT_EQ(t.cartao, reais(10));
    EXPECT_EQ(t.debito, reais(20));
    EXPECT_EQ(t.notinhas, reais(5));
    EXPECT_EQ(t.caixa(), reais(215));

    const Lines lines = printed();
    for (const auto& [caption, value] : {std::pair{"DINHEIRO R$", "150,00"},
                                         {"CHEQUE R$", "30,00"},
                                         {"C. DÉBITO R$", "20,00"},
                                         {"C. CRÉDITO R$", "10,00"},
                                         {"NOTINHA R$", "5,00"},
                                         {"T. CAIXA R$", "215,00"}})
        EXPECT_EQ(figure(lines, caption), value) << caption;
}

TEST_F(CashConferenceTest, TwoPeriodsOfCashAndACheque) {
    cashPeriod(1, "2024-03-04", {.dinheiro = 100, .cheque = 30});
    cashPeriod(2, "2024-03-05", {.dinheiro = 50});
    const Lines lines = printed();
    EXPECT_EQ(figure(lines, "DINHEIRO R$"), "150,00");
    EXPECT_EQ(figure(lines, "CHEQUE R$"), "30,00");
    EXPECT_EQ(figure(lines, "T. CAIXA R$"), "180,00");
}

TEST_F(CashConferenceTest, EachEmployeeByCodeWithServicesCommissionsAndAdvances) {
    paidBill("2024-03-02", 13, "CARLA", 15);  // CARLA is met first, but listed last
    item(1, "2024-03-05", 12, "BRUNO", "CORTE", 50, 40);
    item(1, "2024-03-05", 12, "BRUNO", "ESCOVA", 30, 50);
    item(2, "2024-03-06", 11, "ANA", "CORTE", 45, 40);
    item(3, "2024-03-07", 11, "ANA", "ESCOVA", 90, 50, "");  // never paid: neither listed nor counted
    item(4, "2024-04-01", 12, "BRUNO", "CORTE", 50, 40);     // after the period
    paidBill("2024-03-10", 12, "BRUNO", 20);
    paidBill("2024-04-01", 11, "ANA", 70);  // after the period

    const reports::CashConference conference = gather();
    ASSERT_EQ(conference.employees.size(), 3u);
    struct Row {
        std::int64_t codigo;
        const char* nome;
        double servicos, comissao, vales, total;
    };
    const Row expected[] = {
        {11, "ANA", 45, 18, 0, 18}, {12, "BRUNO", 80, 35, 20, 15}, {13, "CARLA", 0, 0, 15, -15}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const reports::ConferenceEmployee& e = conference.employees[i];
        SCOPED_TRACE(expected[i].nome);
        EXPECT_EQ(e.codigo, expected[i].codigo);
        EXPECT_EQ(e.funcionario, expected[i].nome);
        EXPECT_EQ(e.servicos, reais(expected[i].servicos));
        EXPECT_EQ(e.comissao, reais(expected[i].comissao));
        EXPECT_EQ(e.vales, reais(expected[i].vales));
        EXPECT_EQ(e.total(), reais(expected[i].total));
    }
    EXPECT_EQ(conference.totals.servicos, reais(125));
    EXPECT_EQ(conference.totals.comissoes, reais(53));
    EXPECT_EQ(conference.totals.vales, reais(35));

    const Lines lines = printed();
    EXPECT_EQ(reportstest::linesStartingWith(
                  lines, "Relatório de Conferência de CAIXA - Período de: 01/03/24 a 31/03/24")
                  .size(),
              1u);
    Lines items;
    for (const std::string& line : lines)
        if (line.starts_with("0")) items.push_back(line);
    EXPECT_EQ(items, (Lines{"05/03/2024 | HELENA COSTA | CORTE | BRUNO | DINHEIRO | 40,0 | 50,00 | 20,00",
                            "05/03/2024 | HELENA COSTA | ESCOVA | BRUNO | DINHEIRO | 50,0 | 30,00 | 15,00",
                            "06/03/2024 | HELENA COSTA | CORTE | ANA | DINHEIRO | 40,0 | 45,00 | 18,00"}));
    Lines employees;
    for (const std::string& line : lines)
        if (line.find(" . . .") != std::string::npos)
            employees.push_back(line.substr(0, line.find(" . ")) + line.substr(line.find(" | ")));
    EXPECT_EQ(employees, (Lines{"ANA | 45,00 | 18,00 | 0,00 | 18,00", "BRUNO | 80,00 | 35,00 | 20,00 | 15,00",
                                "CARLA | 0,00 | 0,00 | 15,00 | -15,00"}));
    EXPECT_EQ(figure(lines, "SERVIÇOS R$"), "125,00");
    EXPECT_EQ(figure(lines, "COMISSÕES R$"), "53,00");
}

TEST_F(CashConferenceTest, CommissionsAddUpAsPrintedToTheCent) {
    // 50 % of 33,33 is 16,665: each line shows 16,67, and so must the sums of the lines.
    item(1, "2024-03-05", 12, "BRUNO", "ESCOVA", 33.33, 50);
    item(2, "2024-03-06", 12, "BRUNO", "ESCOVA", 33.33, 50);
    const Lines lines = printed();
    EXPECT_EQ(reportstest::linesStartingWith(lines,
                                             "05/03/2024 | HELENA COSTA | ESCOVA | BRUNO | DINHEIRO | 50,0 | "
                                             "33,33 | 16,67")
                  .size(),
              1u);
    EXPECT_EQ(figure(lines, "COMISSÕES R$"), "33,34");
    EXPECT_EQ(reportstest::linesStartingWith(lines, "BRUNO . .").size(), 1u);
    EXPECT_NE(
        reportstest::linesStartingWith(lines, "BRUNO . .").at(0).find(" | 66,66 | 33,34 | 0,00 | 33,34"),
        std::string::npos);
}

TEST_F(CashConferenceTest, CashInTheDrawerIsTheCashTakenLessWithdrawalsAndAdvancesPaidInCash) {
    cashPeriod(1, "2024-03-04", {.dinheiro = 150});
    paidBill("2024-03-04", 0, "", 40, "RETIRADA");
    paidBill("2024-03-05", 12, "BRUNO", 20);
    paidBill("2024-03-06", 0, "", 300, "BOLETO");  // a bill paid from the bank: no withdrawal
    struct Case {
        bool chequeAdvance;
        const char *vales, *retiradasEVales;
    };
    for (const Case c : {Case{false, "20,00", "60,00"}, Case{true, "45,00", "85,00"}}) {
        SCOPED_TRACE(c.chequeAdvance);
        // An advance paid by cheque is listed but never left the drawer.
        if (c.chequeAdvance) paidBill("2024-03-07", 13, "CARLA", 25, "", "CHEQUE");
        const Lines lines = printed();
        EXPECT_EQ(figure(lines, "RETIRADAS R$"), "40,00");
        EXPECT_EQ(figure(lines, "VALES R$"), c.vales);
        EXPECT_EQ(figure(lines, "TOTAL RETIRADAS + VALES R$"), c.retiradasEVales);
        EXPECT_EQ(figure(lines, "DINHEIRO EM CAIXA R$"), "90,00");
    }
}

TEST_F(CashConferenceTest, AnEmptyPeriodPrintsTheFootersWithZeros) {
    item(1, "2024-04-05", 12, "BRUNO", "CORTE", 50, 40);
    const Lines lines = printed();
    for (const char* caption : {"DINHEIRO R$", "T. CAIXA R$", "SERVIÇOS R$", "COMISSÕES R$", "RETIRADAS R$",
                                "DINHEIRO EM CAIXA R$"})
        EXPECT_EQ(figure(lines, caption), "0,00") << caption;
    EXPECT_EQ(reportstest::linesStartingWith(lines, "BRUNO").size(), 0u);
    EXPECT_EQ(
        reportstest::linesStartingWith(lines, "FUNCIONÁRIO | SERVIÇO R$ | COM. R$ | VALES R$ | TOTAL R$")
            .size(),
        1u);
}

// Counts the passes and their records, and stops the walk at record `stopAt` (0: never).
class CountingProgress : public core::PassProgress {
  public:
    explicit CountingProgress(int stopAt = 0) : stopAt_(stopAt) {}
    void start(std::size_t count) override { starts.push_back(count); }
    void advance() override {
        if (++advanced == stopAt_) throw core::PassCancelled{};
    }
    std::vector<std::size_t> starts;
    int advanced = 0;

  private:
    int stopAt_;
};

TEST_F(CashConferenceTest, TheGaugeStartsAtEachPassAndTheTablesAreLeftAsFoundEvenWhenStopped) {
    cashPeriod(1, "2024-03-04", {.dinheiro = 150});
    item(1, "2024-03-05", 12, "BRUNO", "CORTE", 50, 40);
    item(1, "2024-03-05", 12, "BRUNO", "ESCOVA", 30, 50);
    item(2, "2024-03-06", 12, "BRUNO", "ESCOVA", 30, 50, "");
    paidBill("2024-03-10", 12, "BRUNO", 20);

    for (const int stopAt : {0, 2}) {
        SCOPED_TRACE(stopAt);
        CountingProgress progress(stopAt);
        if (stopAt == 0) {
            reports::gatherConference(dm, march, progress);
            EXPECT_EQ(progress.starts, (std::vector<std::size_t>{1, 2, 1}));
            EXPECT_EQ(progress.advanced, 4);
        } else {
            EXPECT_THROW(reports::gatherConference(dm, march, progress), core::PassCancelled);
            EXPECT_EQ(progress.starts, (std::vector<std::size_t>{1, 2}));
        }
        for (store::Table* table : {&dm.TbCaixa, &dm.TbItensServico, &dm.TbBaixaP}) {
            EXPECT_FALSE(table->isOpen()) << table->name();
            EXPECT_EQ(table->indexName(), "") << table->name();
        }
        // The items follow their sale again: on the sale's number, not the date.
        EXPECT_EQ(dm.TbItensServico.indexFields().front(), "Contador");
    }
}

}  // namespace
