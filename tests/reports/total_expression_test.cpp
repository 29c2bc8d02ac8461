// The total expression language: what it accepts, what it refuses, what it adds up.
#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "reports/engine/total_expression.h"

namespace {

using namespace reports;
using TotalExpressionTest = reportstest::EngineTest;

TEST_F(TotalExpressionTest, AddsAggregatesAndCurrentValues) {
    addEmployee(1, "ANA", 10, 100);
    addEmployee(2, "BIA", 2.5, 50);
    struct Case {
        const char* text;
        const char* expected;  // after both rows, the second one current
    };
    for (const Case& c :
         {Case{"SUM(TbVirtual.COM)", "12.5000"}, Case{"sum ( TbVirtual.COM )", "12.5000"},
          Case{"SUM(TbVirtual.Total) - SUM(TbVirtual.COM)", "137.5000"},
          Case{"SUM(TbVirtual.COM)+SUM(TbVirtual.Total)", "162.5000"}, Case{"TbVirtual.COM", "2.5000"},
          Case{"-SUM(TbVirtual.COM)", "-12.5000"}, Case{"SUM(TbVirtual.Vale)", "0.0000"}}) {
        SCOPED_TRACE(c.text);
        const TotalExpression expression = this->expression(c.text);
        TotalAccumulator total(expression);
        EXPECT_TRUE(total.value().isZero() || std::string(c.text) == "TbVirtual.COM");
        for (dm.TbVirtual.first(); !dm.TbVirtual.eof(); dm.TbVirtual.next()) total.accumulate();
        dm.TbVirtual.last();
        const double value = total.value().toDouble();
        char text[32];
        std::snprintf(text, sizeof text, "%.4f", value);
        EXPECT_STREQ(text, c.expected);
    }
}

TEST_F(TotalExpressionTest, RefusesWhatTheLanguageDoesNotHave) {
    for (const char* text : {"", "SUM(TbVirtual.Nada)", "SUM(TbNada.COM)", "SUM(TbVirtual.COM", "TbVirtual",
                             "SUM(TbVirtual.COM) * 2", "SUM(TbVirtual.COM) +", "AVG(TbVirtual.COM)",
                             "SUM(SUM(TbVirtual.COM))"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(expression(text), LayoutError);
    }
    try {
        expression("SUM(TbVirtual.Nada)");
    } catch (const LayoutError& error) {
        EXPECT_STREQ(error.what(),
                     "Expressão de total \"SUM(TbVirtual.Nada)\": a tabela TbVirtual não tem o campo Nada.");
    }
}

}  // namespace
