// The demo salon's history, made by the till's own functions: its figures must add up as
// the program's own rules say, and still do on a copy moved onto the server and back.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>

#include "core/date.h"
#include "core/format.h"
#include "data/audit_trail.h"
#include "demo/salon_history.h"
#include "maintenance/migration/migration.h"
#include "reports/page_text.h"
#include "reports/report_command_line.h"
#include "support/data_fixture.h"
#include "support/server_schema.h"

namespace {

using core::Currency;

// Where the salon's tables are when they are checked: as the history made them, or after a
// move onto the test server and back (`back_from_postgres`): a copy that came back must keep
// every rule the first one kept.
enum class Where { AsMade, BackFromServer };

const char* nameOf(Where where) {
    return where == Where::AsMade ? "as_made" : "back_from_postgres";
}
std::string whereName(const ::testing::TestParamInfo<Where>& info) {
    return nameOf(info.param);
}
void PrintTo(Where where, std::ostream* out) {
    *out << nameOf(where);
}

// One demo salon per place, made the first time a test asks for it.
struct Salon {
    explicit Salon(Where where) {
        testsupport::RecordingMessages quiet;
        {
            data::Tdm dm(made.path(), quiet);
            dm.TbProdutos.open();
            for (dm.TbProdutos.first(); !dm.TbProdutos.eof(); dm.TbProdutos.next())
                stockBefore[dm.TbProdutos.field("Codigo").asInteger()] =
                    dm.TbProdutos.field("Estoque").asFloat();
            dm.TbProdutos.close();
            demo::addSalonHistory(dm, kToday);
        }
        if (where == Where::AsMade) return;
        const store::Location server(
            store::ServerConnection{testsupport::serverConnectionFor(serverStandIn.path())});
        migration::NoProgress progress;
        migration::migrate(made.path(), server, progress);
        migration::migrate(server, returned.path() / "Dados", progress);
        checked = returned.path() / "Dados";
    }

    static constexpr core::Date kToday{2026, 12, 10};  // a Thursday
    testsupport::InitialDataDirectory made{true};
    testsupport::TempDir serverStandIn, returned;
    std::filesystem::path checked = made.path();
    std::map<std::int64_t, double> stockBefore;
};

class SalonHistoryTest : public ::testing::TestWithParam<Where> {
  protected:
    static Salon& salon(Where where) {
        static std::map<Where, std::unique_ptr<Salon>> salons;
        auto& made = salons[where];
        if (!made) made = std::make_unique<Salon>(where);
        return *made;
    }

    static constexpr core::Date kToday = Salon::kToday;
    Salon& salon_ = salon(GetParam());
    std::map<std::int64_t, double>& stockBefore_ = salon_.stockBefore;

    testsupport::RecordingMessages quiet;
    data::Tdm dm{salon_.checked, quiet};
};

INSTANTIATE_TEST_SUITE_P(Places, SalonHistoryTest, ::testing::Values(Where::AsMade, Where::BackFromServer),
                         whereName);

TEST_P(SalonHistoryTest, EveryWorkingDayUpToYesterdayHasOneClosedCashWhoseFormsAddUpToItsTotal) {
    dm.TbCaixa.open();
    int days = 0;
    core::Date previous;
    for (dm.TbCaixa.first(); !dm.TbCaixa.eof(); dm.TbCaixa.next(), ++days) {
        const core::Date day = dm.TbCaixa.field("Abertura").asDate();
        SCOPED_TRACE(core::shortDate(day));
        EXPECT_EQ(dm.TbCaixa.field("Status").asString(), "FECHADO");
        EXPECT_NE(day.dayOfWeek(), 1);  // Sundays closed
        EXPECT_GT(day, previous);
        previous = day;
        Currency forms;
        for (const char* field : {"Dinheiro", "Cheque", "Cartao", "Debito", "TEF"})
            forms += dm.TbCaixa.field(field).asCurrency();
        EXPECT_EQ(forms, dm.TbCaixa.field("Total").asCurrency());
        const Currency drawer = dm.TbCaixa.field("DinheiroDIA").asCurrency() +
                                dm.TbCaixa.field("Dinheiro").asCurrency() -
                                dm.TbCaixa.field("DinheiroTOTAL").asCurrency();
        EXPECT_EQ(dm.TbCaixa.field("Deposito").asCurrency(),
                  drawer - dm.TbCaixa.field("Repasse").asCurrency());
        EXPECT_GE(dm.TbCaixa.field("Deposito").asCurrency(), Currency());
    }
    EXPECT_EQ(previous, kToday.addDays(-1));  // yesterday, and nothing open today
    EXPECT_GE(days, 45);
}

// The history is made by the till's own functions, so its trail tells every cash day, each
// sale paid for with bought credit, each advance and withdrawal, in one unbroken chain (which
// the trip through the server and back keeps).
TEST_P(SalonHistoryTest, TheAuditTrailHoldsEveryCashDayAndItsChainIsUnbroken) {
    dm.TbCaixa.open();
    const int cashDays = dm.TbCaixa.recordCount();
    std::map<std::string, int> actions;
    const auto trail = testsupport::auditTrail(salon_.checked);
    for (const auto& row : trail) ++actions[row.acao];
    EXPECT_EQ(actions["Abertura do Caixa"], cashDays);
    EXPECT_EQ(actions["Fechamento do Caixa"], cashDays);
    EXPECT_GT(actions["Vale de Funcionário"], 0);
    EXPECT_GT(actions["Retirada do Caixa"], 0);
    EXPECT_GT(actions["Pagamento de Conta"], 0);
    const data::AuditCheck check = data::checkAuditTrail(dm);
    EXPECT_FALSE(check.brokenAt) << *check.brokenAt << ": " << check.problem;
    EXPECT_EQ(check.rows, static_cast<std::int64_t>(trail.size())) << "every row checked";
}

TEST_P(SalonHistoryTest, SalesUseEveryPaymentFormAndCreditAndTheirCashRecordReceivedThem) {
    std::map<std::string, int> forms;
    std::map<std::int64_t, Currency> registeredPerCash;
    int creditUsed = 0;
    int overpaid = 0;
    dm.TbServico.open();
    for (dm.TbServico.first(); !dm.TbServico.eof(); dm.TbServico.next()) {
        ++forms[dm.TbServico.field("TipoPG").asString()];
        if (dm.TbServico.field("Saldo").asCurrency() > Currency()) ++creditUsed;
        if (dm.TbServico.field("PGTotal").asCurrency() > dm.TbServico.field("SubTotal").asCurrency())
            ++overpaid;
        EXPECT_GE(dm.TbServico.field("Caixa").asInteger(), 1);
    }
    for (const char* word : {"DINHEIRO", "CHEQUE", "CARTÃO", "DÉBITO", "NOTINHA", "CRÉDITO"})
        EXPECT_GT(forms[word], 0) << word;
    EXPECT_GT(creditUsed, 0);
    EXPECT_GT(overpaid, 0);
}

// Paid bills are the staff's advances, the drawer's withdrawals and the bills of the salon and
// its suppliers; each bill paid from an account has its one debit there.
TEST_P(SalonHistoryTest, PaidBillsAreAdvancesWithdrawalsAndBillsEachPaidFromAnAccountDebitedOnce) {
    std::map<std::int64_t, Currency> debits;  // by the paid bill they pay
    dm.TbBanco.open();
    for (dm.TbBanco.first(); !dm.TbBanco.eof(); dm.TbBanco.next())
        if (dm.TbBanco.field("Pagar").asInteger() != 0)
            debits[dm.TbBanco.field("Pagar").asInteger()] += dm.TbBanco.field("ValorDebto").asCurrency();
    std::map<std::string, Currency> withdrawn;  // by day
    int advances = 0, withdrawals = 0, bills = 0, installments = 0, fromAccount = 0;
    dm.TbFornec.open();
    dm.TbBaixaP.open();
    for (dm.TbBaixaP.first(); !dm.TbBaixaP.eof(); dm.TbBaixaP.next()) {
        const std::int64_t paid = dm.TbBaixaP.field("Contador").asInteger();
        const Currency valor = dm.TbBaixaP.field("Valor").asCurrency();
        const core::Date day = dm.TbBaixaP.field("DataBaixa").asDate();
        SCOPED_TRACE(dm.TbBaixaP.field("Descricao").asString());
        if (dm.TbBaixaP.field("TipoDOC").asString() == "VALE") {
            EXPECT_GE(dm.TbBaixaP.field("CodFUN").asInteger(), 1);
            ++advances;
            continue;
        }
        EXPECT_FALSE(day.isNull());
        EXPECT_LT(day, kToday);
        if (dm.TbBaixaP.field("Tipo").asString() == "RETIRADA") {
            withdrawn[day.toIso()] += valor;
            ++withdrawals;
            continue;
        }
        ++bills;
        installments += dm.TbBaixaP.field("Documento").asString().find('/') != std::string::npos;
        const std::string supplier = dm.TbBaixaP.field("CodFor").asString();
        if (!supplier.empty()) {  // one of the register, booked under his heading
            ASSERT_TRUE(dm.TbFornec.findKey({std::stoll(supplier)})) << supplier;
            EXPECT_EQ(dm.TbBaixaP.field("Plano").asString(), dm.TbFornec.field("Plano").asString());
        }
        const bool account = !dm.TbBaixaP.field("Conta").asString().empty();
        fromAccount += account;
        EXPECT_EQ(debits[paid], account ? -valor : Currency());
    }
    EXPECT_GE(advances, 7);  // a Saturday a week
    EXPECT_GE(withdrawals, 5);
    EXPECT_GE(installments, 1);
    EXPECT_GE(bills - fromAccount, 1);  // paid by slip
    EXPECT_GE(fromAccount, 5);

    // The drawer lost exactly the day's withdrawals.
    dm.TbCaixa.open();
    for (dm.TbCaixa.first(); !dm.TbCaixa.eof(); dm.TbCaixa.next())
        EXPECT_EQ(dm.TbCaixa.field("DinheiroTOTAL").asCurrency(),
                  withdrawn[dm.TbCaixa.field("Abertura").asDate().toIso()]);
}

// What is left to pay: the last installments of the deliveries and the month's bills not yet
// due, each with its supplier; nothing half entered.
TEST_P(SalonHistoryTest, OpenBillsAreThoseNotYetDue) {
    dm.TbPagar.open();
    int installments = 0;
    for (dm.TbPagar.first(); !dm.TbPagar.eof(); dm.TbPagar.next()) {
        SCOPED_TRACE(dm.TbPagar.field("Descricao").asString());
        EXPECT_GE(dm.TbPagar.field("DataVen").asDate(), kToday);
        EXPECT_GE(dm.TbPagar.field("Valor").asCurrency(), Currency::fromReais(1));
        EXPECT_FALSE(dm.TbPagar.field("CodFor").asString().empty());
        installments += dm.TbPagar.field("Dias").asFloat() > 0;
    }
    EXPECT_GE(dm.TbPagar.recordCount(), 4);
    EXPECT_GE(installments, 2);
}

TEST_P(SalonHistoryTest, StockMovedByExactlyTheProductsSoldAndDeliveredAndNoCreditIsNegative) {
    std::map<std::int64_t, double> sold, delivered;
    dm.TbEntrada.open();
    dm.TbItemEntrada.open();
    dm.TbItemEntrada.setMasterSource(nullptr, "");
    for (dm.TbItemEntrada.first(); !dm.TbItemEntrada.eof(); dm.TbItemEntrada.next())
        delivered[std::stoll(dm.TbItemEntrada.field("Codigo").asString())] +=
            dm.TbItemEntrada.field("Quant").asFloat();
    EXPECT_EQ(dm.TbEntrada.recordCount(), 3);  // three deliveries, all saved
    dm.TbServico.open();
    dm.TbItensServico.open();
    dm.TbItensServico.setMasterSource(nullptr, "");
    for (dm.TbItensServico.first(); !dm.TbItensServico.eof(); dm.TbItensServico.next())
        if (dm.TbItensServico.field("Tipo").asString() == "PRODUTO")
            sold[dm.TbItensServico.field("Codigo").asInteger()] +=
                dm.TbItensServico.field("Porcentagem").asFloat();
    EXPECT_FALSE(sold.empty());
    dm.TbProdutos.open();
    for (dm.TbProdutos.first(); !dm.TbProdutos.eof(); dm.TbProdutos.next()) {
        const std::int64_t code = dm.TbProdutos.field("Codigo").asInteger();
        EXPECT_EQ(dm.TbProdutos.field("Estoque").asFloat(), stockBefore_[code] - sold[code] + delivered[code])
            << code;
    }
    dm.TbCliente.open();
    for (dm.TbCliente.first(); !dm.TbCliente.eof(); dm.TbCliente.next())
        EXPECT_GE(dm.TbCliente.field("Saldo").asCurrency(), Currency())
            << dm.TbCliente.field("Nome").asString();
}

TEST_P(SalonHistoryTest, TheBankHoldsEveryDepositTheRentAndTheReserveWithDayBalancesThatAddUp) {
    std::map<std::pair<std::string, std::string>, Currency> lines;
    int deposits = 0, rents = 0, transfers = 0;
    dm.TbBanco.open();
    for (dm.TbBanco.first(); !dm.TbBanco.eof(); dm.TbBanco.next()) {
        const Currency amount =
            dm.TbBanco.field("ValorCredito").asCurrency() + dm.TbBanco.field("ValorDebto").asCurrency();
        lines[{dm.TbBanco.field("Conta").asString(), dm.TbBanco.field("DataApre").asDate().toIso()}] +=
            amount;
        const std::string what = dm.TbBanco.field("Discriminacao").asString();
        deposits += what.starts_with("DEPÓSITO DO CAIXA");
        rents += what == "ALUGUEL DO SALÃO";
        transfers += what.starts_with("Transferência");
    }
    dm.TbCaixa.open();
    int closingsWithDeposit = 0;
    for (dm.TbCaixa.first(); !dm.TbCaixa.eof(); dm.TbCaixa.next())
        closingsWithDeposit += dm.TbCaixa.field("Deposito").asCurrency() >= Currency::fromReais(1);
    EXPECT_EQ(deposits, closingsWithDeposit);
    EXPECT_GE(rents, 2);
    EXPECT_GE(transfers, 4);  // two lines each
    EXPECT_EQ(transfers % 2, 0);

    dm.TbSaldos.open();
    int days = 0;
    for (dm.TbSaldos.first(); !dm.TbSaldos.eof(); dm.TbSaldos.next(), ++days) {
        const std::pair key{dm.TbSaldos.field("Conta").asString(),
                            dm.TbSaldos.field("Data").asDate().toIso()};
        EXPECT_EQ(dm.TbSaldos.field("Saldo").asCurrency(), lines[key]) << key.first << " " << key.second;
    }
    EXPECT_EQ(days, static_cast<int>(lines.size()));
}

TEST_P(SalonHistoryTest, TheBookHoldsAWeekAroundTodayOfEveryEmployeesSlotsSomeBookedForClients) {
    dm.TbCliente.open();
    dm.TbAgenda.open();
    dm.TbAgenda.setIndexName("siData");
    std::map<std::string, int> slots, booked;
    for (dm.TbAgenda.first(); !dm.TbAgenda.eof(); dm.TbAgenda.next()) {
        const std::string day = dm.TbAgenda.field("Data").asDate().toIso();
        ++slots[day];
        const std::string cliente = dm.TbAgenda.field("Cliente").asString();
        if (cliente.empty() || cliente == "\" \"") continue;
        ++booked[day];
        dm.TbCliente.setIndexName("siNome");
        EXPECT_TRUE(dm.TbCliente.findKey({cliente})) << cliente;  // a client of the salon
    }
    std::vector<std::string> days;
    for (long offset = -3; offset <= 3; ++offset)
        if (kToday.addDays(offset).dayOfWeek() != 1) days.push_back(kToday.addDays(offset).toIso());
    std::vector<std::string> found;
    for (const auto& [day, count] : slots) found.push_back(day);
    EXPECT_EQ(found, days);  // each working day of the week, Sunday closed
    for (const std::string& day : days) {
        EXPECT_GT(booked[day], 0) << day;
        EXPECT_LT(booked[day], slots[day]) << day;
        EXPECT_EQ(slots[day] % 9, 0) << day;  // every employee's nine hours
    }
}

// A sale with a client and several items, written to PDF from the command line and read back.
TEST_P(SalonHistoryTest, ASalesReceiptFromTheCommandLineListsItsItemsClientAndTotal) {
    std::int64_t number = 0;
    std::string client;
    Currency total;
    std::vector<std::string> items;
    dm.TbServico.open();
    dm.TbItensServico.open();
    for (dm.TbServico.last(); !dm.TbServico.bof() && number == 0; dm.TbServico.prior()) {
        client = dm.TbServico.field("Cliente").asString();
        if (dm.TbItensServico.recordCount() < 2 || client.empty() || client == "NÃO INDICADO...") continue;
        number = dm.TbServico.field("Contador").asInteger();
        total = dm.TbServico.field("Total").asCurrency();
        for (dm.TbItensServico.first(); !dm.TbItensServico.eof(); dm.TbItensServico.next())
            items.push_back(dm.TbItensServico.field("Descricao").asString());
    }
    dm.TbServico.close();
    dm.TbItensServico.close();
    ASSERT_NE(number, 0) << "the demo has no sale of several items to a client";

    testsupport::TempDir out;
    std::ostringstream err;
    const auto pdf = out / "recibo.pdf";
    ASSERT_EQ(
        reports::runReportCommandLine(
            {"--pdf", "recibo-venda", pdf.string(), "--numero", std::to_string(number)}, salon_.checked, err),
        0)
        << err.str();
    const std::string text = reportstest::pdfText(pdf);
    for (const std::string& item : items)
        EXPECT_NE(text.find(item + " . . ."), std::string::npos) << item << "\n" << text;
    EXPECT_NE(text.find("CLIENTE: " + client), std::string::npos) << text;
    EXPECT_NE(text.find("TOTAL...R$ " + core::formatMoney(total)), std::string::npos) << text;
}

}  // namespace
