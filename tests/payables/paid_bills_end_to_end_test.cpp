// Paid bills as other parts of the program meet them: the printed list of a month's
// payments, and two stations undoing the same payment at once.
#include <gtest/gtest.h>

#include <sstream>

#include "payables/settlement.h"
#include "payables_fixture.h"
#include "reports/page_text.h"
#include "reports/report_command_line.h"
#include "support/processes.h"
#include "support/temp_dir.h"

namespace payablestest {
namespace {

using core::Date;

class PaidBillsEndToEndTest : public PayablesTest {
  protected:
    PaidBillsEndToEndTest() { addAccount("1234"); }

    // A bill entered and paid through the settlement, as the panel pays it.
    std::int64_t pay(const char* valor, const std::string& conta, Date paidOn) {
        payables::BillEntry e = entry(valor, conta);
        payables::saveBill(dm, e);
        return payables::settleBill(dm, {e.bill, "BOLETO", conta, "", paidOn}, paidOn);
    }
};

// With other stations as real processes: on a data directory and on a server.
using PaidBillsStationsTest = testsupport::OnEveryBackend<PaidBillsEndToEndTest>;
DATA_ON_EVERY_BACKEND(PaidBillsStationsTest);

TEST_F(PaidBillsEndToEndTest, TheMonthsPaymentsArePrintedWithTheirTotal) {
    pay("100,00", "1234", {2025, 5, 10});
    pay("50,00", "", {2025, 5, 28});
    pay("70,00", "", {2025, 6, 1});  // paid in the next month
    EXPECT_EQ(balance("1234", {2025, 5, 10}), reais("-100,00"));

    testsupport::TempDir out;
    std::ostringstream err;
    ASSERT_EQ(reports::runReportCommandLine({"--pdf", "contas-pagas", (out / "pagas.pdf").string(), "--de",
                                             "01/05/2025", "--ate", "31/05/2025"},
                                            dataDir(), err),
              0)
        << err.str();
    const std::string text = reportstest::pdfText(out / "pagas.pdf");
    for (const char* wanted :
         {"Relatório de Contas Pagas - Período de: 01/05/2025 a 31/05/2025", "TOTAL...R$ 150,00"})
        EXPECT_NE(text.find(wanted), std::string::npos) << wanted << "\n" << text;
}

TEST_P(PaidBillsStationsTest, OfTwoStationsReversingOnePaymentExactlyOneDoes) {
    const std::int64_t paid = pay("100,00", "1234", {2025, 5, 10});
    EXPECT_EQ(testsupport::stationsDoingAtOnce(
                  dataSet(), [&](data::Tdm& other) { payables::reversePaidBill(other, paid); }),
              1);

    EXPECT_EQ(count(dm.TbBaixaP), 0);
    EXPECT_EQ(count(dm.TbPagar), 1);  // one bill back, not two
    EXPECT_EQ(count(dm.TbBanco), 0);
    EXPECT_EQ(balance("1234", {2025, 5, 10}), reais("0,00"));
}

}  // namespace
}  // namespace payablestest
