// Registering a sale's payment: the sale, the cash, the stock, the receivables and the
// client's credit move together, or nothing does.
#include <gtest/gtest.h>

#include "cash/cash_closing.h"
#include "cash/cash_record.h"
#include "core/date.h"
#include "data/refusal.h"
#include "data/rows.h"
#include "reports/cash_closing_report.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "sales/sale_payment.h"
#include "support/data_fixture.h"
#include "support/processes.h"

namespace {

using core::Currency;
using sales::SalePayment;

Currency reais(double value) {
    return Currency::fromDouble(value);
}

// The catalogue, staff and clients of the worked day, and cash record 5 open with 80,00.
class SalePaymentTest : public testsupport::DataTest {
  protected:
    enum Product { CORTE = 1, ESCOVA = 2, SHAMPOO = 3 };
    enum Client { CARLA = 1, DORA = 2 };
    enum Employee { ANA = 11, BIA = 12 };

    void SetUp() override {
        for (auto* table : {&dm.TbProdutos, &dm.TbFuncionario, &dm.TbCliente, &dm.TbCaixa}) table->open();
        data::addRow(dm.TbProdutos, {{"Codigo", std::int64_t{CORTE}},
                                     {"Descricao", "CORTE"},
                                     {"Tipo", "SERVIÇO"},
                                     {"Valor", 50.0},
                                     {"Saida", 5.0}});
        data::addRow(dm.TbProdutos, {{"Codigo", std::int64_t{ESCOVA}},
                                     {"Descricao", "ESCOVA"},
                                     {"Tipo", "SERVIÇO"},
                                     {"Valor", 30.0},
                                     {"CodFor", std::int64_t{40}}});
        data::addRow(dm.TbProdutos, {{"Codigo", std::int64_t{SHAMPOO}},
                                     {"Descricao", "SHAMPOO"},
                                     {"Tipo", "PRODUTO"},
                                     {"Valor", 12.5},
                                     {"CodFor", std::int64_t{10}},
                                     {"Estoque", 10.0}});
        data::addRow(dm.TbFuncionario, {{"Codigo", std::int64_t{ANA}}, {"Nome", "ANA"}, {"Comissao", 30.0}});
        data::addRow(dm.TbFuncionario, {{"Codigo", std::int64_t{BIA}}, {"Nome", "BIA"}, {"Comissao", 50.0}});
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{CARLA}}, {"Nome", "CARLA"}, {"Saldo", 30.0}});
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{DORA}}, {"Nome", "DORA"}, {"Saldo", 0.0}});
        data::addRow(dm.TbCaixa, {{"Contador", std::int64_t{4}}, {"Status", "FECHADO"}, {"Repasse", 80.0}});
        data::addRow(dm.TbCaixa,
                     {{"Contador", std::int64_t{5}}, {"Status", "ABERTO"}, {"DinheiroDIA", 80.0}});
        dm.TbCaixa.close();
        dm.TbServico.open();
        dm.TbItensServico.open();
    }

    // A sale in progress as the sales screen leaves it: the header a pending insert, the
    // items stored.
    void startSale(std::int64_t employee, const char* name, std::int64_t client = 0,
                   const char* clientName = "") {
        dm.TbServico.insert();
        dm.TbServico.field("Data").setDate(core::Date::today());
        dm.TbServico.field("DataPG").setDate(core::Date::today());
        dm.TbServico.field("CodFun").setInteger(employee);
        dm.TbServico.field("Funcioario").setString(name);
        dm.TbServico.field("CodCliente").setInteger(client);
        dm.TbServico.field("Cliente").setString(clientName);
    }
    void item(int product, double quantity, double value) {
        dm.TbProdutos.findKey({std::int64_t{product}});
        const Currency total = reais(value).times(quantity);
        data::addRow(dm.TbItensServico, {{"Codigo", std::int64_t{product}},
                                         {"Descricao", dm.TbProdutos.field("Descricao").value()},
                                         {"Tipo", dm.TbProdutos.field("Tipo").value()},
                                         {"Porcentagem", quantity},
                                         {"Total", total.toDouble()},
                                         {"CodFun", dm.TbServico.field("CodFun").value()},
                                         {"Data", dm.TbServico.field("Data").value()}});
        for (const char* field : {"Total", "SubTotal"})
            dm.TbServico.field(field).setCurrency(dm.TbServico.field(field).asCurrency() + total);
    }

    // What the next station reads.
    struct Disk {
        Currency dinheiro, cheque, cartao, debito, tef, total;
        double shampoo = 0;
        Currency carla, dora;
        int sales = 0, receivables = 0, received = 0;
    };
    Disk disk() {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataSet(), quiet);
        Disk seen;
        fresh.TbCaixa.open();
        fresh.TbCaixa.last();
        seen.dinheiro = fresh.TbCaixa.field("Dinheiro").asCurrency();
        seen.cheque = fresh.TbCaixa.field("Cheque").asCurrency();
        seen.cartao = fresh.TbCaixa.field("Cartao").asCurrency();
        seen.debito = fresh.TbCaixa.field("Debito").asCurrency();
        seen.tef = fresh.TbCaixa.field("TEF").asCurrency();
        seen.total = fresh.TbCaixa.field("Total").asCurrency();
        fresh.TbProdutos.open();
        fresh.TbProdutos.findKey({std::int64_t{SHAMPOO}});
        seen.shampoo = fresh.TbProdutos.field("Estoque").asFloat();
        fresh.TbCliente.open();
        fresh.TbCliente.findKey({std::int64_t{CARLA}});
        seen.carla = fresh.TbCliente.field("Saldo").asCurrency();
        fresh.TbCliente.findKey({std::int64_t{DORA}});
        seen.dora = fresh.TbCliente.field("Saldo").asCurrency();
        for (auto [table, count] :
             {std::pair{&fresh.TbServico, &seen.sales}, std::pair{&fresh.TbReceber, &seen.receivables},
              std::pair{&fresh.TbBaixaR, &seen.received}}) {
            table->open();
            *count = table->recordCount();
        }
        return seen;
    }
};

// With other stations as real processes: on a data directory and on a server.
using SalePaymentStationsTest = testsupport::OnEveryBackend<SalePaymentTest>;
DATA_ON_EVERY_BACKEND(SalePaymentStationsTest);

TEST_F(SalePaymentTest, EachPaymentFormMovesCashReceivablesStockAndCreditTogether) {
    struct Case {
        int code;
        const char* word;
        Currency Disk::*cashField;  // nullptr: only Total
        bool overpayment;
        double handedOver;
        Currency creditUsed;
        std::int64_t client;
        double registered;  // into the cash
        double carlaAfter;
        int receivables, received;
        long dueInDays;
    };
    const Case cases[] = {
        {1, "DINHEIRO", &Disk::dinheiro, false, 100.0, {}, 0, 75.0, 30.0, 0, 1, 0},
        {2, "CHEQUE", &Disk::cheque, false, 0.0, {}, 0, 75.0, 30.0, 0, 1, 0},
        {3, "CARTÃO", &Disk::cartao, false, 0.0, {}, 0, 75.0, 30.0, 0, 1, 30},
        {4, "NOTINHA", &Disk::tef, false, 0.0, {}, CARLA, 75.0, 30.0, 1, 0, 0},
        {6, "DÉBITO", &Disk::debito, false, 0.0, {}, 0, 75.0, 30.0, 0, 1, 0},
        {2, "CHEQUE", &Disk::cheque, true, 80.0, {}, CARLA, 80.0, 35.0, 0, 1, 0},  // 5,00 more becomes credit
        {3, "CARTÃO", &Disk::cartao, false, 0.0, reais(30), CARLA, 45.0, 0.0, 0, 1, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.word) + (c.overpayment ? " a mais" : "") +
                     (c.creditUsed.isZero() ? "" : " com crédito"));
        const Disk before = disk();
        startSale(ANA, "ANA");
        item(SHAMPOO, 2, 12.5);
        item(CORTE, 1, 50.0);
        sales::registerSalePayment(dm, {c.code, c.client, c.creditUsed, c.overpayment, reais(c.handedOver)});

        const Disk after = disk();
        EXPECT_EQ(after.total - before.total, reais(c.registered));
        EXPECT_EQ(after.*c.cashField - before.*c.cashField, reais(c.registered));
        EXPECT_EQ(after.shampoo, before.shampoo - 2);  // the product, not the service
        EXPECT_EQ(after.carla, reais(c.carlaAfter));
        EXPECT_EQ(after.sales, before.sales + 1);
        EXPECT_EQ(after.receivables, before.receivables + c.receivables);
        EXPECT_EQ(after.received, before.received + c.received);

        // The stored sale carries the word, the cash number and its totals.
        EXPECT_EQ(dm.TbServico.state(), store::TableState::Browse);
        EXPECT_EQ(dm.TbServico.field("TipoPG").asString(), c.word);
        EXPECT_EQ(dm.TbServico.field("Caixa").asInteger(), 5);
        EXPECT_EQ(dm.TbServico.field("SubTotal").asCurrency(), reais(75));
        EXPECT_EQ(dm.TbServico.field("Total").asCurrency(), reais(75) - c.creditUsed);
        const std::string number = dm.TbServico.field("Contador").asString();
        for (dm.TbItensServico.first(); !dm.TbItensServico.eof(); dm.TbItensServico.next())
            EXPECT_EQ(dm.TbItensServico.field("PGTO").asString(), c.word);
        store::Table& record = c.receivables ? dm.TbReceber : dm.TbBaixaR;
        record.open();
        record.last();
        EXPECT_EQ(record.field("Documento").asString(), number);
        EXPECT_EQ(record.field("Vendedor").asString(), c.word);
        EXPECT_EQ(record.field("Valor").asCurrency(), reais(75) - c.creditUsed);
        EXPECT_EQ(record.field("DataVen").asDate(), core::Date::today().addDays(c.dueInDays));
        if (c.receivables) {
            EXPECT_EQ(record.field("Descricao").asString(), "SHAMPOO \\ CORTE \\ ");
            EXPECT_EQ(record.field("CodCliente").asInteger(), CARLA);
        } else {
            EXPECT_EQ(record.field("CodCliente").asInteger(),
                      c.client);  // written, so per-client reports see it
            EXPECT_EQ(record.field("Cliente").asString(), c.client ? "CARLA" : sales::kNoClient);
        }
        record.close();
        // Put CARLA's credit back for the next case.
        dm.TbCliente.findKey({std::int64_t{CARLA}});
        dm.TbCliente.edit();
        dm.TbCliente.field("Saldo").setFloat(30);
        dm.TbCliente.post();
    }
}

TEST_F(SalePaymentTest, ASaleWhollyPaidByCreditTakesOnlyWhatItNeeds) {
    dm.TbCliente.findKey({std::int64_t{CARLA}});
    dm.TbCliente.edit();
    dm.TbCliente.field("Saldo").setFloat(100);
    dm.TbCliente.post();
    startSale(BIA, "BIA");
    item(ESCOVA, 1, 30);
    item(CORTE, 1, 50);
    sales::registerSalePayment(dm, {5, CARLA, {}, false, {}});
    const Disk after = disk();
    EXPECT_EQ(after.carla, reais(20));
    EXPECT_EQ(after.total, Currency());
    EXPECT_EQ(dm.TbServico.field("TipoPG").asString(), "CRÉDITO");
    EXPECT_EQ(dm.TbServico.field("Saldo").asCurrency(), reais(80));
    EXPECT_EQ(dm.TbServico.field("Total").asCurrency(), Currency());
    EXPECT_EQ(after.received, 1);  // a received amount of 0, as before
}

TEST_F(SalePaymentTest, TheWorkedDayAddsUpToTheCent) {
    startSale(ANA, "ANA");  // S1: CORTE at 45,00 and two SHAMPOO, 100,00 handed over
    item(CORTE, 1, 45);
    item(SHAMPOO, 2, 12.5);
    sales::registerSalePayment(dm, {1, 0, {}, false, reais(100)});
    startSale(BIA, "BIA", CARLA, "CARLA");  // S2: CARLA's 30,00 credit, the rest by card
    item(ESCOVA, 1, 30);
    item(CORTE, 1, 50);
    sales::registerSalePayment(dm, {3, CARLA, reais(30), false, {}});
    startSale(ANA, "ANA", DORA, "DORA");  // S3: an IOU note
    item(ESCOVA, 1, 30);
    sales::registerSalePayment(dm, {4, DORA, {}, false, {}});
    startSale(BIA, "BIA");  // S4: 62,50 by a 70,00 cheque, the rest to DORA's credit
    item(SHAMPOO, 1, 12.5);
    item(CORTE, 1, 50);
    sales::registerSalePayment(dm, {2, DORA, {}, true, reais(70)});

    const Disk day = disk();
    EXPECT_EQ(day.dinheiro, reais(70));
    EXPECT_EQ(day.cheque, reais(70));
    EXPECT_EQ(day.cartao, reais(50));
    EXPECT_EQ(day.tef, reais(30));
    EXPECT_EQ(day.total, reais(220));
    EXPECT_EQ(day.shampoo, 7);
    EXPECT_EQ(day.carla, Currency());
    EXPECT_EQ(day.dora, reais(7.5));
    EXPECT_EQ(day.receivables, 1);
    dm.TbReceber.open();
    EXPECT_EQ(dm.TbReceber.field("Cliente").asString(), "DORA");
    EXPECT_EQ(dm.TbReceber.field("Valor").asCurrency(), reais(30));

    // Closing with 90,00 left for tomorrow: 80 + 70 − 0 − 90 goes to the bank.
    ASSERT_TRUE(cash::closeCash(dm, 5, reais(90)));
    dm.TbCaixa.findKey({std::int64_t{5}});
    EXPECT_EQ(dm.TbCaixa.field("Status").asString(), "FECHADO");
    EXPECT_EQ(dm.TbCaixa.field("Deposito").asCurrency(), reais(60));
    reports::PageModel model;
    reports::printCashClosing(dm, 5,
                              [&](const reports::Report& report) { model = reports::generate(report, {}); });
    const std::vector<std::string> lines = reportstest::allLines(model);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(
        std::vector<std::string>(lines.end() - 4, lines.end()),
        (std::vector<std::string>{
            "C. INICIAL | R$ | 80,00 | C. CRÉD. | 50,00 | C. DÉB. | 0,00 | CAIXA R$ | SERVIÇOS | R$ | 250,00",
            "DINHEIRO | R$ | 70,00 | NOTINHAS | R$ | 30,00 | 220,00 | CRÉDITOS | R$ | 30,00",
            "RETIRADA | R$ | 0,00 | CHEQUE | R$ | 70,00 | TOTAL | R$ | 220,00",
            "T. DINHEIRO | R$ | 150,00 | DEPÓSITO | R$ | 60,00 | REPASSAR | R$ | 90,00"}));
}

TEST_F(SalePaymentTest, RefusalsWriteNothingAndLeaveTheSaleInProgress) {
    struct Case {
        const char* why;
        SalePayment payment;
        const char* message;
    };
    const Case cases[] = {
        {"no form", {0}, "Indique a Forma de Pagamento!"},
        {"cash short of the sale", {1, 0, {}, false, reais(74.99)}, "Digite o Valor Pago R$!"},
        {"no amount", {1, 0, {}, false, {}}, "Digite o Valor Pago R$!"},
        {"IOU note without client", {4}, "Selecione o Cliente!"},
        {"credit without client", {3, 0, reais(10)}, "Selecione o Cliente!"},
        {"overpayment on an IOU note", {4, CARLA, {}, true, reais(80)}, nullptr},
        {"overpayment short of the sale", {2, CARLA, {}, true, reais(70)}, "Digite o Valor Pago R$!"},
        {"more credit than the client has", {3, CARLA, reais(30.01)}, nullptr},
    };
    startSale(ANA, "ANA");
    item(SHAMPOO, 2, 12.5);
    item(CORTE, 1, 50);
    const Disk before = disk();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        try {
            sales::registerSalePayment(dm, c.payment);
            ADD_FAILURE() << "accepted";
        } catch (const data::Refusal& refusal) {
            if (c.message) {
                EXPECT_STREQ(refusal.what(), c.message);
            }
        }
        EXPECT_EQ(dm.TbServico.state(), store::TableState::Insert);
        const Disk after = disk();
        EXPECT_EQ(after.total, before.total);
        EXPECT_EQ(after.shampoo, before.shampoo);
        EXPECT_EQ(after.carla, before.carla);
        EXPECT_EQ(after.sales, before.sales);
    }
    sales::registerSalePayment(dm, {1, 0, {}, false, reais(75)});  // and it can still be paid
    EXPECT_EQ(disk().total, before.total + reais(75));
}

TEST_F(SalePaymentTest, AnEmptyCashTableRefusesThePaymentInsteadOfMakingUpACashRecord) {
    dm.TbCaixa.open();
    while (!dm.TbCaixa.isEmpty()) dm.TbCaixa.deleteRecord();
    startSale(ANA, "ANA");
    item(SHAMPOO, 1, 12.5);
    EXPECT_THROW(sales::registerSalePayment(dm, {2}), data::Refusal);
    dm.TbCaixa.refresh();
    EXPECT_TRUE(dm.TbCaixa.isEmpty());
    EXPECT_EQ(disk().sales, 0);
}

TEST_P(SalePaymentStationsTest, ACashClosedByAnotherStationAfterTheSaleBeganIsRefused) {
    startSale(ANA, "ANA");
    item(SHAMPOO, 1, 12.5);
    const pid_t other = testsupport::spawn([&] {
        testsupport::RecordingMessages quiet;
        data::Tdm station(dataSet(), quiet);
        station.TbCaixa.open();
        station.TbCaixa.last();
        station.TbCaixa.edit();
        station.TbCaixa.field("Status").setString("FECHADO");
        station.TbCaixa.post();
        return 0;
    });
    ASSERT_EQ(testsupport::exitCodeOf(other), 0);
    try {
        sales::registerSalePayment(dm, {2});
        FAIL() << "paid into a closed cash";
    } catch (const data::Refusal& refusal) {
        EXPECT_STREQ(refusal.what(), "O Caixa Não Está Aberto!!!");
    }
    EXPECT_EQ(disk().sales, 0);
    EXPECT_EQ(disk().shampoo, 10);
}

TEST_P(SalePaymentStationsTest, ACashRecordLockedByAnotherStationWritesNothingAtAll) {
    startSale(ANA, "ANA", CARLA, "CARLA");
    item(SHAMPOO, 2, 12.5);
    const Disk before = disk();
    {
        testsupport::LockHolder holder(dataSet(), "TbCaixa");
        EXPECT_THROW(sales::registerSalePayment(dm, {3, CARLA, reais(10)}), store::LockError);
    }
    const Disk after = disk();
    EXPECT_EQ(after.sales, before.sales);
    EXPECT_EQ(after.shampoo, before.shampoo);
    EXPECT_EQ(after.carla, before.carla);
    EXPECT_EQ(after.received, before.received);
    EXPECT_EQ(after.total, before.total);
    ASSERT_EQ(dm.TbServico.state(), store::TableState::Insert);
    for (dm.TbItensServico.first(); !dm.TbItensServico.eof(); dm.TbItensServico.next())
        EXPECT_EQ(dm.TbItensServico.field("PGTO").asString(), "");
    sales::registerSalePayment(dm, {3, CARLA, reais(10)});  // the lock gone, the same sale pays
    EXPECT_EQ(disk().carla, reais(20));
}

TEST_P(SalePaymentStationsTest, CreditSpentByAnotherStationIsRefusedNotDrivenNegative) {
    startSale(ANA, "ANA", CARLA, "CARLA");
    item(CORTE, 1, 50);
    const pid_t other = testsupport::spawn([&] {
        testsupport::RecordingMessages quiet;
        data::Tdm station(dataSet(), quiet);
        station.TbCliente.open();
        station.TbCliente.findKey({std::int64_t{CARLA}});
        station.TbCliente.edit();
        station.TbCliente.field("Saldo").setFloat(10);
        station.TbCliente.post();
        return 0;
    });
    ASSERT_EQ(testsupport::exitCodeOf(other), 0);
    try {
        sales::registerSalePayment(dm, {1, CARLA, reais(30), false, reais(20)});
        FAIL() << "spent credit the client no longer has";
    } catch (const data::Refusal& refusal) {
        EXPECT_STREQ(refusal.what(), "O Crédito do Cliente Foi Alterado! Saldo Atual R$ 10,00");
    }
    EXPECT_EQ(disk().carla, reais(10));
    EXPECT_EQ(disk().sales, 0);
}

namespace {

// One station selling a SHAMPOO at 1,00 in cash, `times` times, trying a step again when
// another station holds what it needs.
int sellShampoos(const store::Location& dataSet, int times) {
    testsupport::RecordingMessages quiet;
    data::Tdm dm(dataSet, quiet);
    dm.TbServico.open();
    dm.TbItensServico.open();
    dm.TbProdutos.open();
    for (int sold = 0; sold < times;) {
        try {
            if (dm.TbServico.state() != store::TableState::Insert) {
                dm.TbServico.insert();
                dm.TbServico.field("CodFun").setInteger(1);
            }
            if (dm.TbItensServico.recordCount() == 0)
                data::addRow(
                    dm.TbItensServico,
                    {{"Codigo", std::int64_t{3}}, {"Tipo", "PRODUTO"}, {"Porcentagem", 1.0}, {"Total", 1.0}});
            sales::registerSalePayment(dm, {1, 0, {}, false, Currency::fromReais(1)});
            ++sold;
        } catch (const store::LockError&) {
            if (dm.TbItensServico.isEditing()) dm.TbItensServico.cancel();
        }
    }
    return 0;
}

}  // namespace

TEST_P(SalePaymentStationsTest, TwoStationsTakingCashPaymentsLoseNoCentAndNoStock) {
    dm.TbProdutos.findKey({std::int64_t{SHAMPOO}});
    dm.TbProdutos.edit();
    dm.TbProdutos.field("Estoque").setFloat(1000);
    dm.TbProdutos.post();
    const Disk before = disk();
    const pid_t a = testsupport::spawn([&] { return sellShampoos(dataSet(), 200); });
    const pid_t b = testsupport::spawn([&] { return sellShampoos(dataSet(), 200); });
    EXPECT_EQ(testsupport::exitCodeOf(a), 0);
    EXPECT_EQ(testsupport::exitCodeOf(b), 0);
    const Disk after = disk();
    EXPECT_EQ(after.dinheiro - before.dinheiro, Currency::fromReais(400));
    EXPECT_EQ(after.total - before.total, Currency::fromReais(400));
    EXPECT_EQ(after.shampoo, 600);
    EXPECT_EQ(after.sales, 400);
}

// Station A keeps TbCaixa open on the last, open record as the sales screen does, and is
// behind: station B took 10,00 since A read it. A's payment must add to what is stored now,
// not to the record A still shows.
TEST_P(SalePaymentStationsTest, AStationShowingAnOldCashRecordAddsToWhatAnotherStationStored) {
    dm.TbCaixa.open();
    dm.TbCaixa.last();
    ASSERT_EQ(dm.TbCaixa.field("Dinheiro").asCurrency(), Currency{});
    const pid_t b = testsupport::spawn([&] { return sellShampoos(dataSet(), 10); });
    ASSERT_EQ(testsupport::exitCodeOf(b), 0);
    EXPECT_EQ(dm.TbCaixa.field("Dinheiro").asCurrency(), Currency{});  // A has not looked again

    startSale(ANA, "ANA");
    item(CORTE, 1, 5);
    sales::registerSalePayment(dm, {1, 0, {}, false, reais(5)});
    const Disk after = disk();
    EXPECT_EQ(after.dinheiro, reais(15));
    EXPECT_EQ(after.total, reais(15));
}

}  // namespace
