// Employee advances: saved all at once as a paid bill, checked against the employee as
// stored, and their receipt with the amount in figures and in words that agree.
#include <gtest/gtest.h>

#include "advances/advance_posting.h"
#include "data/refusal.h"
#include "data/rows.h"
#include "reports/advance_receipt.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "support/data_fixture.h"

namespace {

using core::Currency;

Currency reais(double value) {
    return Currency::fromDouble(value);
}

class AdvanceTest : public testsupport::DataTest {
  protected:
    static constexpr core::Date kToday{2026, 12, 10};

    void SetUp() override {
        dm.TbFuncionario.open();
        data::addRow(dm.TbFuncionario, {{"Codigo", std::int64_t{7}}, {"Nome", "ANA PAULA"}});
        data::addRow(dm.TbFuncionario, {{"Codigo", std::int64_t{8}}, {"Nome", "BRUNO LIMA"}});
    }
    advances::Advance cash(double value, std::int64_t employee = 7) {
        return {advances::startAdvance(dm, kToday), employee, reais(value), "ADIANTAMENTO"};
    }
    int count(store::Table& table) {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataDir(), quiet);
        store::Table& same = fresh.table(table.name());
        same.open();
        return same.recordCount();
    }
    std::vector<std::string> receiptLines(const reports::AdvanceReceipt& receipt) {
        return reportstest::allLines(reports::generate(reports::advanceReceiptReport(dm, receipt), {}));
    }
};

TEST_F(AdvanceTest, SavingMovesTheAdvanceFromTheOpenBillsToThePaidOnesAtOnce) {
    const advances::Advance advance = cash(50);
    ASSERT_EQ(count(dm.TbPagar), 1);
    const advances::SavedAdvance saved = advances::saveAdvance(dm, advance, kToday);
    EXPECT_EQ(count(dm.TbPagar), 0);
    ASSERT_EQ(count(dm.TbBaixaP), 1);
    store::Table& paid = dm.TbBaixaP;
    ASSERT_TRUE(paid.findKey({saved.number}));
    const std::pair<const char*, std::string> expected[] = {
        {"TipoDOC", "VALE"},
        {"FormaPG", "DINHEIRO"},
        {"Fornecedor", "PRÓPRIO SALÃO"},
        {"CodPlano", "5"},
        {"Plano", "Vale Para Funcionários"},
        {"CodFUN", "7"},
        {"Funcionario", "ANA PAULA"},
        {"DataBaixa", "10/12/2026"},
        {"Valor", "50"},
        {"Cheque", ""},
        {"Descricao", "ADIANTAMENTO"},
    };
    for (const auto& [field, value] : expected) EXPECT_EQ(paid.field(field).asString(), value) << field;
    // Saving the same pending advance again (the button pressed twice, another station) writes nothing.
    EXPECT_THROW(advances::saveAdvance(dm, advance, kToday), data::Refusal);
    EXPECT_EQ(count(dm.TbBaixaP), 1);
}

TEST_F(AdvanceTest, EachRefusalWritesNothing) {
    const struct {
        const char* why;
        advances::Advance advance;
        const char* message;
    } cases[] = {
        {"below 0,10", {0, 7, reais(0.09)}, "Digite o Valor do Documento!"},
        {"a thousand million", {0, 7, Currency::fromReais(1'000'000'000)}, "Digite o Valor do Documento!"},
        {"no employee", {0, 0, reais(10)}, "Selecione o Funcionário Para o Vale!"},
        {"unknown employee", {0, 99, reais(10)}, "Não Existe Funcionário Com Este Código!"},
        {"cheque without number", {0, 7, reais(10), "", true, " "}, "Digite o Número do Cheque Emitido!"},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.why);
        c.advance.pending = advances::startAdvance(dm, kToday);
        try {
            advances::saveAdvance(dm, c.advance, kToday);
            ADD_FAILURE() << "saved";
        } catch (const data::Refusal& refusal) {
            EXPECT_STREQ(refusal.what(), c.message);
        }
        EXPECT_EQ(count(dm.TbBaixaP), 0);
        advances::discardAdvance(dm, c.advance.pending);
    }
    EXPECT_EQ(count(dm.TbPagar), 0);
}

TEST_F(AdvanceTest, TheNameIsThatOfTheCodeAsStoredAndTheValueIsRoundedOnce) {
    advances::Advance advance = cash(0.285, 8);  // a name typed for code 7 would not count
    const advances::SavedAdvance saved = advances::saveAdvance(dm, advance, kToday);
    EXPECT_EQ(saved.receipt.employee, "BRUNO LIMA");
    EXPECT_EQ(saved.receipt.value, reais(0.29));
    dm.TbBaixaP.findKey({saved.number});
    EXPECT_EQ(dm.TbBaixaP.field("Valor").asCurrency(), reais(0.29));
    const auto lines = receiptLines(saved.receipt);
    EXPECT_FALSE(reportstest::linesStartingWith(lines, "R$ 0,29").empty());
    EXPECT_FALSE(
        reportstest::linesStartingWith(lines, "A IMPORTÂNCIA DE: |  VINTE E  NOVE CENTAVOS").empty());
}

TEST_F(AdvanceTest, TheChequeWordingFollowsTheFormAndCashKeepsNoChequeNumber) {
    advances::Advance byCheque = cash(80);
    byCheque.byCheque = true;
    byCheque.cheque = "000123";
    const auto chequeReceipt = advances::saveAdvance(dm, byCheque, kToday).receipt;
    EXPECT_EQ(reports::advanceReference(chequeReceipt), "Adiantamento (VALE) Pago Com Cheque Nº 000123");

    advances::Advance inCash = cash(80);
    inCash.cheque = "999";  // typed, then "Em Dinheiro" chosen
    const auto saved = advances::saveAdvance(dm, inCash, kToday);
    EXPECT_EQ(reports::advanceReference(saved.receipt), "Adiantamento (VALE) Pago em Dinheiro.");
    dm.TbBaixaP.findKey({saved.number});
    EXPECT_EQ(dm.TbBaixaP.field("Cheque").asString(), "");
}

TEST_F(AdvanceTest, TheReceiptPrintsTwoCopiesWithTheWholeAmountInWords) {
    const auto fifty = receiptLines({"ANA PAULA", reais(50), false, "", kToday});
    EXPECT_EQ(reportstest::linesStartingWith(fifty, "RECIBO").size(), 2u);
    EXPECT_EQ(reportstest::linesStartingWith(fifty, "R$ 50,00").size(), 2u);
    EXPECT_EQ(reportstest::linesStartingWith(fifty, "A IMPORTÂNCIA DE: |  CINQUENTA REAIS").size(), 2u);
    EXPECT_EQ(
        reportstest::linesStartingWith(fifty, "REFERENTE A: | Adiantamento (VALE) Pago em Dinheiro.").size(),
        2u);
    EXPECT_EQ(reportstest::linesStartingWith(fifty, "10 de Dezembro de 2026").size(), 2u);

    // Cut at 80 characters the words would end "…QUATRO CENTAVO": the rest goes on a second line.
    const auto longer = receiptLines({"ANA PAULA", reais(2444.54), false, "", kToday});
    EXPECT_EQ(reportstest::linesStartingWith(longer, "CENTAVOS").size(), 2u);

    // A saved advance prints by its number; an unknown number prints nothing.
    const auto saved = advances::saveAdvance(dm, cash(50), kToday);
    std::vector<std::string> printed;
    reports::printAdvanceReceipt(dm, saved.number, [&](const reports::Report& report) {
        printed = reportstest::allLines(reports::generate(report, {}));
    });
    EXPECT_EQ(reportstest::linesStartingWith(printed, "PAGAMOS PARA: | ANA PAULA").size(), 2u);
    EXPECT_THROW(reports::printAdvanceReceipt(dm, saved.number + 100, [](const reports::Report&) {}),
                 data::Refusal);
}

}  // namespace
