// The screens that print the payables reports: the period refused as the screen says, the
// supplier looked up on the way to its name, and the report each one prints.
#include <gtest/gtest.h>

#include "payables/payables_report_screens.h"
#include "screen_fixture.h"

namespace payablestest {
namespace {

using Lines = std::vector<std::string>;

template <typename Screen>
class ReportScreenTest : public ScreenTest<Screen> {
  protected:
    void SetUp() override {
        this->add(this->dm.TbFornec,
                  {{"Codigo", std::int64_t{3}}, {"Nome", "LUZ E FORÇA S.A."}, {"NomeFantasia", "LUZ SA"}});
        this->add(this->dm.TbPagar,
                  {{"DataVen", "2025-05-10"}, {"CodFor", "3"}, {"Descricao", "LUZ"}, {"Valor", 100.0}});
        this->add(this->dm.TbPagar,
                  {{"DataVen", "2025-05-12"}, {"CodFor", "4"}, {"Descricao", "ÁGUA"}, {"Valor", 9.0}});
        this->add(
            this->dm.TbBaixaP,
            {{"DataBaixa", "2025-05-11"}, {"CodFor", "3"}, {"Descricao", "LUZ ABRIL"}, {"Valor", 80.0}});
        ScreenTest<Screen>::SetUp();
    }
    void period(const char* from, const char* to) {
        this->type("MaskEdit1", from);
        this->type("MaskEdit2", to);
    }
    void imprimir() {
        this->printed.clear();
        this->button("BitBtn1")->click();
    }
};

using OpenBillsReportTest = ReportScreenTest<payables::TFmDataPagar>;

TEST_F(OpenBillsReportTest, AnEmptyOrImpossiblePeriodIsAskedForAgain) {
    period("010225", "  /  /  ");
    imprimir();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite as datas inicial e final!"));
    EXPECT_EQ(focus(), box("MaskEdit1"));
    period("010225", "310225");
    imprimir();
    EXPECT_EQ(dialogs.errors.back(), QStringLiteral("'31/02/25' não é uma data válida!"));
    EXPECT_EQ(focus(), box("MaskEdit2"));
    EXPECT_TRUE(printed.empty());
    period("010525", "310525");
    imprimir();
    EXPECT_EQ(printedName, "QrPagar");
    EXPECT_EQ(reportstest::linesStartingWith(printed,
                                             "Relatório de Contas a Pagar - Período de: 01/05/25 a 31/05/25")
                  .size(),
              1u);
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.back(), "TOTAL...R$ | 109,00");
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
}

template <typename Screen>
class SupplierReportTest : public ReportScreenTest<Screen> {};

struct SupplierCase {
    const char* report;
    const char* name;   // the name shown on the screen
    const char* total;  // of supplier 3 in May 2025
};

template <typename Screen>
SupplierCase expected();
template <>
SupplierCase expected<payables::TFmDataFor>() {
    return {"QrPagarFOR", "LUZ SA", "TOTAL...R$ | 100,00"};
}
template <>
SupplierCase expected<payables::TFmDataForBaixado>() {
    return {"QrPagarFORB", "LUZ E FORÇA S.A.", "TOTAL...R$ | 80,00"};
}

using SupplierScreens = ::testing::Types<payables::TFmDataFor, payables::TFmDataForBaixado>;
TYPED_TEST_SUITE(SupplierReportTest, SupplierScreens);

TYPED_TEST(SupplierReportTest, LooksTheSupplierUpAndPrintsOnlyHisBillsOfThePeriod) {
    const SupplierCase c = expected<TypeParam>();
    this->type("Edit1", "4");  // bills, but no supplier
    this->enter("Edit1");
    EXPECT_EQ(this->dialogs.messages.back(), QStringLiteral("Não Existe Fornecedor Com Este Código!"));
    EXPECT_EQ(this->focus(), this->box("Edit1"));
    this->type("Edit1", "3");
    this->enter("Edit1");
    EXPECT_EQ(this->box("Edit2")->text(), QString::fromUtf8(c.name));
    EXPECT_EQ(this->focus(), this->box("MaskEdit1"));

    this->period("010525", "  /  /  ");
    this->imprimir();
    EXPECT_EQ(this->dialogs.messages.back(), QStringLiteral("Indique as Datas Inicial e Final"));
    EXPECT_TRUE(this->printed.empty());
    EXPECT_TRUE(this->button("BitBtn1")->isEnabled());

    this->period("010525", "310525");
    this->imprimir();
    EXPECT_EQ(this->printedName, c.report);
    EXPECT_EQ(reportstest::linesStartingWith(this->printed, "Fornecedor: LUZ E FORÇA S.A.").size(), 1u);
    ASSERT_FALSE(this->printed.empty());
    EXPECT_EQ(this->printed.back(), c.total);

    this->type("Edit1", "4");  // a code changed after its name was shown
    this->imprimir();
    EXPECT_EQ(this->dialogs.messages.back(), QStringLiteral("Não Existe Fornecedor Com Este Código!"));
    EXPECT_TRUE(this->printed.empty());
}

TYPED_TEST(SupplierReportTest, TheSearchFillsCodeAndName) {
    this->dialogs.expectScreen(QStringLiteral("TFmConsFornec"), [this](QDialog&) {
        this->dm.TbFornec.first();
        return QDialog::Accepted;
    });
    this->screen.template findChild<QPushButton*>(QStringLiteral("SpeedButton1"))->click();
    EXPECT_EQ(this->box("Edit1")->text(), QStringLiteral("3"));
    EXPECT_EQ(this->box("Edit2")->text(), QStringLiteral("LUZ E FORÇA S.A."));
    EXPECT_EQ(this->focus(), this->box("MaskEdit1"));
}

}  // namespace
}  // namespace payablestest
