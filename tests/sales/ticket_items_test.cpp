// Service tickets: items recorded with their history copy, the checks that refuse an item,
// the commission after the maintenance fee, and deleting an item.
#include <gtest/gtest.h>

#include "data/refusal.h"
#include "sales/ticket_fixture.h"
#include "sales/ticket_items.h"
#include "support/processes.h"

namespace {

using core::Currency;
using Rows = std::vector<std::string>;
using sales::TicketEntry;

Currency reais(double value) {
    return Currency::fromDouble(value);
}

class TicketItemsTest : public tickettest::TicketTest {
  protected:
    std::int64_t record(std::int64_t service, double discount = 0, std::int64_t employee = kBia,
                        const char* password = "ABC", std::int64_t ticket = 15) {
        return sales::recordTicketItem(dm, {ticket, employee, password, service, reais(discount)});
    }
    std::string refusalOf(const TicketEntry& entry) {
        try {
            sales::recordTicketItem(dm, entry);
        } catch (const data::Refusal& refusal) {
            return refusal.what();
        }
        return "(aceito)";
    }
};

// With other stations as real processes: on a data directory and on a server.
using TicketItemsStationsTest = testsupport::OnEveryBackend<TicketItemsTest>;
DATA_ON_EVERY_BACKEND(TicketItemsStationsTest);

TEST_F(TicketItemsTest, ItemsAndTheirHistoryCarryTheCommissionAfterTheFeeInForceWhenRead) {
    const std::int64_t corte = record(kCorte, 5);
    const std::int64_t escova = record(kEscova);
    EXPECT_EQ(escova, corte + 1);
    const std::string c = std::to_string(corte), e = std::to_string(escova);
    const Rows tenPercent{c + " CORTE 45,00 40 10 20 4,50 13,50", e + " ESCOVA 30,00 50 10 20 3,00 12,00"};
    EXPECT_EQ(rowsOf("TbItemComando", 15), tenPercent);
    EXPECT_EQ(rowsOf("TbHistorico"), tenPercent);

    setFee(5);  // read again with the new fee; the stored Desconto stays
    EXPECT_EQ(rowsOf("TbHistorico"),
              (Rows{c + " CORTE 45,00 40 10 20 2,25 15,75", e + " ESCOVA 30,00 50 10 20 1,50 13,50"}));
}

TEST_F(TicketItemsTest, PriceAndCommissionComeFromTheCatalogueAndTheEmployeeOfTheCodeGiven) {
    record(kPromo, 0, kCaio, "xyz");   // on promotion: its promotional price, even above the price
    record(kMechas, 0, kCaio, "XYZ");  // no commission of its own: CAIO's 30 %
    record(7, 0, kCaio, "xyz");        // 0,10 is enough
    record(kCorte, 5, kCaio, "xyz");   // a discount equal to the maximum passes
    const Rows rows = rowsOf("TbHistorico");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_NE(rows[0].find(" PROMO 60,00 30 10 21 "), std::string::npos) << rows[0];
    EXPECT_NE(rows[1].find(" MECHAS 20,00 30 10 21 "), std::string::npos) << rows[1];
    EXPECT_NE(rows[2].find(" DEZ CENTAVOS 0,10 30 "), std::string::npos) << rows[2];
    EXPECT_NE(rows[3].find(" CORTE 45,00 30 "), std::string::npos) << rows[3];
}

TEST_F(TicketItemsTest, AnItemIsRefusedWritingNothing) {
    const struct {
        TicketEntry entry;
        const char* refusal;
    } cases[] = {
        {{15, 99, "ABC", kCorte, {}}, "Selecione o Funcionário Para o Lançamento!"},
        {{15, kBia, "ABD", kCorte, {}}, "Senha do Funcionário Incorreta!"},
        // BIA's password with CAIO's code: the work would be CAIO's on BIA's word
        {{15, kCaio, "ABC", kCorte, {}}, "Senha do Funcionário Incorreta!"},
        {{15, kBia, "ABC", 99, {}}, "Selecione o Serviço Para o Lançamento!"},
        {{15, kBia, "ABC", kBarato, {}}, "Digite o Valor R$ do Serviço Prestado!"},
        {{15, kBia, "ABC", kCorte, reais(5.01)},
         "O Desconto Está Acima do Permitido! Desconto Máximo de R$ 5,00"},
        {{15, kBia, "ABC", kMechas, reais(20)},
         "O Desconto Não Pode Ser Igual ou Maior Que o Valor do Serviço!"},
        {{15, kBia, "ABC", kMechas, reais(25)},
         "O Desconto Não Pode Ser Igual ou Maior Que o Valor do Serviço!"},
    };
    for (const auto& c : cases) EXPECT_EQ(refusalOf(c.entry), c.refusal) << c.refusal;
    EXPECT_TRUE(rowsOf("TbHistorico").empty());
    EXPECT_EQ(rowsOf("TbItemComando", 15), Rows{"(sem comanda)"});
}

TEST_F(TicketItemsTest, ATicketIsMadeOnceByItsFirstUseAndKeepsItsItems) {
    sales::openTicket(dm, 15);
    EXPECT_TRUE(rowsOf("TbItemComando", 15).empty());  // the ticket exists, with no items
    record(kCorte);
    sales::openTicket(dm, 15);
    record(kEscova);
    record(kMechas, 0, kBia, "ABC", 16);
    EXPECT_EQ(rowsOf("TbItemComando", 15).size(), 2u);
    EXPECT_EQ(rowsOf("TbItemComando", 16).size(), 1u);
}

TEST_P(TicketItemsStationsTest, TwoStationsRecordingOnTheSameNewTicketShareIt) {
    auto station = [&](std::int64_t service) {
        return testsupport::spawn([&, service] {
            testsupport::RecordingMessages quiet;
            data::Tdm other(dataSet(), quiet);
            sales::openTicket(other, 40);
            sales::recordTicketItem(other, {40, kBia, "abc", service, {}});
            return 0;
        });
    };
    const pid_t a = station(kCorte);
    const pid_t b = station(kEscova);
    EXPECT_EQ(testsupport::exitCodeOf(a), 0);
    EXPECT_EQ(testsupport::exitCodeOf(b), 0);
    EXPECT_EQ(rowsOf("TbItemComando", 40).size(), 2u);
}

TEST_F(TicketItemsTest, DeletingAnItemTakesItsHistoryCopyAndIsNotDoneTwice) {
    const std::int64_t corte = record(kCorte);
    const std::int64_t escova = record(kEscova);
    sales::deleteTicketItem(dm, 15, corte);
    EXPECT_EQ(rowsOf("TbItemComando", 15).size(), 1u);
    ASSERT_EQ(rowsOf("TbHistorico").size(), 1u);
    EXPECT_EQ(rowsOf("TbHistorico")[0].substr(0, std::to_string(escova).size()), std::to_string(escova));
    EXPECT_THROW(sales::deleteTicketItem(dm, 15, corte), data::Refusal);

    // An item whose history copy is gone still goes.
    dm.TbHistorico.open();
    ASSERT_TRUE(dm.TbHistorico.findKey({escova}));
    dm.TbHistorico.deleteRecord();
    sales::deleteTicketItem(dm, 15, escova);
    EXPECT_TRUE(rowsOf("TbItemComando", 15).empty());
}

}  // namespace
