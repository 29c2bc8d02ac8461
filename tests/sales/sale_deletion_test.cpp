// Deleting a sale of the day gives back, in one posting, all its payment took: stock, cash,
// its note or received amount, and the client credit it used.
#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

#include "core/date.h"
#include "data/refusal.h"
#include "data/rows.h"
#include "sales/account_payments.h"
#include "sales/sale_deletion.h"
#include "sales/sale_payment.h"
#include "support/data_fixture.h"
#include "support/processes.h"

namespace {

using core::Currency;
using core::Date;
using sales::SalePayment;

Currency reais(double value) {
    return Currency::fromDouble(value);
}

class SaleDeletionTest : public testsupport::DataTest {
  protected:
    enum { CORTE = 1, SHAMPOO = 3, CARLA = 1, ANA = 11 };

    void SetUp() override {
        for (auto* table : {&dm.TbProdutos, &dm.TbCliente, &dm.TbCaixa}) table->open();
        data::addRow(dm.TbProdutos,
                     {{"Codigo", std::int64_t{CORTE}}, {"Descricao", "CORTE"}, {"Tipo", "SERVIÇO"}});
        data::addRow(dm.TbProdutos, {{"Codigo", std::int64_t{SHAMPOO}},
                                     {"Descricao", "SHAMPOO"},
                                     {"Tipo", "PRODUTO"},
                                     {"Estoque", 10.0}});
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{CARLA}}, {"Nome", "CARLA"}, {"Saldo", 30.0}});
        data::addRow(dm.TbCaixa, {{"Contador", std::int64_t{1}}, {"Status", "ABERTO"}});
        for (auto* table : {&dm.TbProdutos, &dm.TbCliente, &dm.TbCaixa}) table->close();
    }

    // 3 × 12,50 of shampoo and a 40,00 haircut for CARLA, paid on `day`; its number.
    std::int64_t paidSale(const SalePayment& payment, const Date& day = Date::today()) {
        dm.TbServico.open();
        dm.TbItensServico.open();
        dm.TbServico.insert();
        dm.TbServico.field("Data").setDate(day);
        dm.TbServico.field("CodFun").setInteger(ANA);
        dm.TbServico.field("CodCliente").setInteger(CARLA);
        for (auto [code, quantity, total] : {std::tuple{SHAMPOO, 3.0, 37.5}, std::tuple{CORTE, 1.0, 40.0}})
            data::addRow(dm.TbItensServico, {{"Codigo", std::int64_t{code}},
                                             {"Porcentagem", quantity},
                                             {"Total", total},
                                             {"Data", day.toIso()}});
        sales::registerSalePayment(dm, payment, day);
        const std::int64_t number = dm.TbServico.field("Contador").asInteger();
        dm.TbServico.close();
        dm.TbItensServico.close();
        return number;
    }

    struct Disk {
        Currency dinheiro, debito, tef, total, carla;
        double shampoo = 0;
        int sales = 0, items = 0, notes = 0, received = 0;
        bool operator==(const Disk&) const = default;
        friend void PrintTo(const Disk& d, std::ostream* out) {
            *out << "dinheiro " << d.dinheiro.toDouble() << " debito " << d.debito.toDouble() << " tef "
                 << d.tef.toDouble() << " total " << d.total.toDouble() << " carla " << d.carla.toDouble()
                 << " shampoo " << d.shampoo << " sales " << d.sales << " items " << d.items << " notes "
                 << d.notes << " received " << d.received;
        }
    };
    Disk disk() {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataSet(), quiet);
        Disk seen;
        fresh.TbCaixa.open();
        fresh.TbCaixa.last();
        seen.dinheiro = fresh.TbCaixa.field("Dinheiro").asCurrency();
        seen.debito = fresh.TbCaixa.field("Debito").asCurrency();
        seen.tef = fresh.TbCaixa.field("TEF").asCurrency();
        seen.total = fresh.TbCaixa.field("Total").asCurrency();
        fresh.TbProdutos.open();
        fresh.TbProdutos.findKey({std::int64_t{SHAMPOO}});
        seen.shampoo = fresh.TbProdutos.field("Estoque").asFloat();
        fresh.TbCliente.open();
        fresh.TbCliente.findKey({std::int64_t{CARLA}});
        seen.carla = fresh.TbCliente.field("Saldo").asCurrency();
        fresh.TbItensServico.setMasterSource(nullptr, "");
        for (auto [table, count] :
             {std::pair{&fresh.TbServico, &seen.sales}, std::pair{&fresh.TbItensServico, &seen.items},
              std::pair{&fresh.TbReceber, &seen.notes}, std::pair{&fresh.TbBaixaR, &seen.received}}) {
            table->open();
            *count = table->recordCount();
        }
        return seen;
    }

    std::string refusalOf(std::int64_t sale, const Date& today = Date::today()) {
        try {
            sales::deleteSale(dm, sale, today);
        } catch (const data::Refusal& refusal) {
            return refusal.what();
        }
        return "excluída";
    }
};

// With other stations as real processes: on a data directory and on a server.
using SaleDeletionStationsTest = testsupport::OnEveryBackend<SaleDeletionTest>;
DATA_ON_EVERY_BACKEND(SaleDeletionStationsTest);

TEST_F(SaleDeletionTest, EachPaymentIsUndoneWholly) {
    const struct {
        const char* why;
        SalePayment payment;
        Disk paid;  // what the payment wrote, all of which the deletion gives back
    } cases[] = {
        {"cash", {1, 0, {}, false, reais(80)}, {reais(77.5), {}, {}, reais(77.5), reais(30), 7, 1, 2, 0, 1}},
        {"debit", {6}, {{}, reais(77.5), {}, reais(77.5), reais(30), 7, 1, 2, 0, 1}},
        {"30,00 of credit, the rest on a note",
         {4, CARLA, reais(30)},
         {{}, {}, reais(47.5), reais(47.5), {}, 7, 1, 2, 1, 0}},
    };
    const Disk before = disk();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const std::int64_t sale = paidSale(c.payment);
        ASSERT_EQ(disk(), c.paid);
        sales::deleteSale(dm, sale);
        EXPECT_EQ(disk(), before);
        EXPECT_FALSE(dm.TbServico.isOpen());
    }
}

TEST_F(SaleDeletionTest, ASalePaidWhollyByCreditGivesTheCreditBack) {
    dm.TbCliente.open();
    dm.TbCliente.findKey({std::int64_t{CARLA}});
    dm.TbCliente.edit();
    dm.TbCliente.field("Saldo").setFloat(100);
    dm.TbCliente.post();
    const std::int64_t sale = paidSale({5, CARLA});
    ASSERT_EQ(disk().carla, reais(22.5));
    sales::deleteSale(dm, sale);
    const Disk after = disk();
    EXPECT_EQ(after.carla, reais(100));
    EXPECT_EQ(after.total, Currency());
    EXPECT_EQ(after.received, 0);
}

TEST_F(SaleDeletionTest, RefusalsWriteNothing) {
    const std::int64_t yesterdays = paidSale({1, 0, {}, false, reais(80)}, Date::today().addDays(-1));
    const std::int64_t settled = paidSale({4, CARLA});
    dm.TbReceber.open();
    const std::int64_t note = dm.TbReceber.field("Contador").asInteger();
    dm.TbReceber.close();
    sales::settleNotes(dm, {CARLA, {note}, reais(30), 1, reais(47.5)});  // its note, paid
    const Disk before = disk();
    const std::size_t audited = testsupport::auditTrail(dataSet()).size();  // the settlement's
    ASSERT_EQ(before.notes, 0);
    EXPECT_EQ(refusalOf(yesterdays), "Você Poderá Excluir Somente Lançamentos do Dia!");
    // The note is gone and the settlement's received amount carries the sale's number.
    EXPECT_EQ(refusalOf(settled), "A Notinha Deste Lançamento Já Foi Acertada! Exclusão Não Permitida.");
    EXPECT_EQ(refusalOf(999), "Lançamento Não Encontrado! Pode Ter Sido Excluído em Outra Estação.");
    EXPECT_EQ(disk(), before);
    EXPECT_EQ(testsupport::auditTrail(dataSet()).size(), audited) << "a refused deletion leaves no trace either";
}

TEST_F(SaleDeletionTest, TheTrailKeepsOneRowWithWhoDeletedItAndWhatItWas) {
    const std::int64_t sale = paidSale({1, 0, {}, false, reais(80)});
    dm.loggedIn = {1, "ADMINISTRADOR"};
    // An authorization dialog made another user current to allow the deletion.
    data::addRow(dm.TbSenha, {{"Codigo", std::int64_t{2}}, {"Usuario", "BRUNA"}, {"CodFUN", std::int64_t{1}}});
    sales::deleteSale(dm, sale);

    const auto trail = testsupport::auditTrail(dataSet());
    ASSERT_EQ(trail.size(), 1u);
    EXPECT_EQ(trail[0].acao, "Exclusão de Venda");
    EXPECT_EQ(trail[0].usuario, "ADMINISTRADOR");
    EXPECT_EQ(trail[0].autorizou, "BRUNA");
    EXPECT_EQ(trail[0].tabela, "TbServico");
    EXPECT_EQ(trail[0].chave, std::to_string(sale));
    EXPECT_NE(trail[0].resumo.find("total R$ 77,50, forma DINHEIRO"), std::string::npos) << trail[0].resumo;
    EXPECT_NE(trail[0].resumo.find("R$ 37,50"), std::string::npos) << "each item with its amount";
}

TEST_F(SaleDeletionTest, AClosedCashTakesNothingBack) {
    const std::int64_t sale = paidSale({1, 0, {}, false, reais(80)});
    dm.TbCaixa.open();
    dm.TbCaixa.last();
    dm.TbCaixa.edit();
    dm.TbCaixa.field("Status").setString("FECHADO");
    dm.TbCaixa.post();
    dm.TbCaixa.close();
    const Disk before = disk();
    EXPECT_EQ(refusalOf(sale), "O Caixa Não Está Aberto!!!");
    EXPECT_EQ(disk(), before);
}

TEST_F(SaleDeletionTest, TheCashOpenNowIsTheOneAdjusted) {
    const std::int64_t sale = paidSale({1, 0, {}, false, reais(80)});
    dm.TbCaixa.open();
    dm.TbCaixa.last();
    dm.TbCaixa.edit();
    dm.TbCaixa.field("Status").setString("FECHADO");
    dm.TbCaixa.post();
    data::addRow(dm.TbCaixa, {{"Contador", std::int64_t{2}}, {"Status", "ABERTO"}});
    dm.TbCaixa.close();
    sales::deleteSale(dm, sale);
    EXPECT_EQ(disk().dinheiro, reais(-77.5));
}

TEST_P(SaleDeletionStationsTest, TwoStationsDeletingTheSameSaleUndoItOnce) {
    const std::int64_t sale = paidSale({1, 0, {}, false, reais(80)});
    EXPECT_EQ(testsupport::stationsDoingAtOnce(dataSet(),
                                               [&](data::Tdm& other) { sales::deleteSale(other, sale); }),
              1);
    const Disk after = disk();
    EXPECT_EQ(after.shampoo, 10);
    EXPECT_EQ(after.total, Currency());
    EXPECT_EQ(after.sales, 0);
}

TEST_P(SaleDeletionStationsTest, ASaleAnotherStationHasOpenIsNotDeleted) {
    const std::int64_t sale = paidSale({1, 0, {}, false, reais(80)});
    const Disk before = disk();
    {
        testsupport::LockHolder holder(dataSet(), "TbServico");
        EXPECT_THROW(sales::deleteSale(dm, sale), store::LockError);
    }
    EXPECT_EQ(disk(), before);
    sales::deleteSale(dm, sale);  // once it is let go
    EXPECT_EQ(disk().sales, 0);
}

}  // namespace
