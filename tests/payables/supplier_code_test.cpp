// A supplier code typed with leading zeros is stored as the per-supplier reports look it up.
#include <gtest/gtest.h>

#include "payables/bill_entry.h"
#include "payables_fixture.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "reports/payables_reports.h"

namespace payablestest {
namespace {

class SupplierCodeTest : public PayablesTest {
  protected:
    SupplierCodeTest() { add(dm.TbFornec, {{"Codigo", std::int64_t{7}}, {"Nome", "DISTRIBUIDORA SOL"}}); }

    std::string storedCode(std::int64_t bill) {
        store::Table& t = dm.TbPagar;
        if (!t.isOpen()) t.open();
        EXPECT_TRUE(t.findKey({bill}));
        return t.field("CodFor").asString();
    }
};

TEST_F(SupplierCodeTest, ACodeTypedWithLeadingZerosIsStoredPlainAndTheSupplierReportFindsIt) {
    for (const auto& [typed, stored] : {std::pair{"07", "7"}, {" 007", "7"}, {"7", "7"}}) {
        SCOPED_TRACE(typed);
        payables::BillEntry e = entry("100,00");
        e.codFor = typed;
        payables::saveBill(dm, e);
        EXPECT_EQ(storedCode(e.bill), stored);
    }
    std::vector<std::string> lines;
    reports::printPayables(
        dm, {reports::Bills::Open, 7, {{2025, 5, 1}, {2025, 5, 31}, "01/05/25", "31/05/25"}},
        [&](const reports::Report& report) { lines = reportstest::allLines(reports::generate(report, {})); });
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "TOTAL...R$ | 300,00");
}

}  // namespace
}  // namespace payablestest
