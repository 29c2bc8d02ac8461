// The services an employee performed on a day, read from the report's page model.
#include <gtest/gtest.h>

#include "data/refusal.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "reports/ticket_report.h"
#include "sales/ticket_fixture.h"
#include "sales/ticket_items.h"

namespace {

using Lines = std::vector<std::string>;

class TicketReportTest : public tickettest::TicketTest {
  protected:
    const core::Date day{2026, 12, 14};

    void record(std::int64_t service, double discount, std::int64_t employee = kBia,
                const char* password = "abc", core::Date on = {2026, 12, 14}) {
        sales::recordTicketItem(dm, {15, employee, password, service, core::Currency::fromDouble(discount)},
                                on);
    }
    Lines print(std::int64_t employee) {
        reports::PageModel model;
        reports::printEmployeeServices(dm, employee, day, [&](const reports::Report& report) {
            model = reports::generate(report, {.today = day, .now = {18, 0, 0}});
        });
        EXPECT_FALSE(dm.TbHistorico.isOpen());
        return reportstest::allLines(model);
    }
};

const Lines kHeader{"Pág.: | 1",
                    "Salão de Beleza",
                    "Data: | 14/12/2026",
                    "Funcionário: BIA",
                    "RELATÓRIO DE SERVIÇOS EXECUTADOS",
                    "CÓD. | DESCRIÇÃO DOS SERVIÇOS | Com.% | Manu.% | Valor R$ | Com. R$"};

TEST_F(TicketReportTest, ListsTheEmployeesServicesOfTheDayWithTheCommissionsAfterTheFee) {
    record(kCorte, 5);
    record(kEscova, 0);
    record(kMechas, 0, kCaio, "xyz");                 // another employee
    record(kMechas, 0, kBia, "abc", {2026, 12, 13});  // another day
    Lines expected = kHeader;
    expected.insert(expected.end(),
                    {"1 | CORTE | 40,00 | 10,00 | 45,00 | 13,50",
                     "3 | ESCOVA | 50,00 | 10,00 | 30,00 | 12,00", "TOTAL COMISSÕES...R$ | 25,50"});
    EXPECT_EQ(print(kBia), expected);

    setFee(5);
    const Lines atFive = print(kBia);
    EXPECT_EQ(atFive.back(), "TOTAL COMISSÕES...R$ | 29,25");
}

TEST_F(TicketReportTest, ADayWithoutServicesPrintsItsHeadersAndNothingToPay) {
    Lines expected = kHeader;
    // the engine's one detail line of an empty report, adding nothing
    expected.insert(expected.end(), {"0,00 | 0,00 | 0,00 | 0,00", "TOTAL COMISSÕES...R$ | 0,00"});
    EXPECT_EQ(print(kBia), expected);
    EXPECT_THROW(print(99), data::Refusal);
}

}  // namespace
