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

// Bills stored before codes were kept plain carry "07": the per-supplier reports find them
// too, open and paid, and the rows are stored plain from then on.
TEST_F(SupplierCodeTest, OldBillsStoredWithLeadingZerosAreFoundByTheSupplierReports) {
    for (const char* stored : {"07", "007", "7"})
        add(dm.TbPagar, {{"Contador", std::int64_t{100 + static_cast<int>(std::string(stored).size())}},
                         {"DataVen", "2025-05-10"}, {"CodFor", stored}, {"Valor", 10.0}});
    add(dm.TbBaixaP, {{"Contador", std::int64_t{200}}, {"DataBaixa", "2025-05-12"}, {"CodFor", "0007"},
                      {"Valor", 25.0}});
    add(dm.TbPagar, {{"Contador", std::int64_t{300}}, {"DataVen", "2025-05-10"}, {"CodFor", "70"},
                     {"Valor", 1000.0}});
    const struct {
        reports::Bills bills;
        const char* total;
    } cases[] = {{reports::Bills::Open, "TOTAL...R$ | 30,00"}, {reports::Bills::Paid, "TOTAL...R$ | 25,00"}};
    for (const auto& c : cases) {
        std::vector<std::string> lines;
        reports::printPayables(
            dm, {c.bills, 7, {{2025, 5, 1}, {2025, 5, 31}, "01/05/25", "31/05/25"}},
            [&](const reports::Report& report) { lines = reportstest::allLines(reports::generate(report, {})); });
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), c.total);
    }
    EXPECT_EQ(storedCode(101), "7");
    EXPECT_EQ(storedCode(102), "7");
    EXPECT_EQ(storedCode(103), "7");
    EXPECT_EQ(storedCode(300), "70");
}

}  // namespace
}  // namespace payablestest
