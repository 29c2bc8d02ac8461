// Masked fields: the field's edit mask becomes the input mask, and dates, times and
// postal codes travel between the box and the record unchanged.
#include <gtest/gtest.h>

#include "ui/db_mask_edit.h"
#include "ui/edit_mask.h"
#include "ui/field_binding.h"
#include "ui_fixture.h"

namespace {

struct MaskCase {
    const char* mask;
    const char* inputMask;
    const char* shown;  // as the box shows it, blanks included
    const char* value;  // what is stored
};

class EditMaskTranslation : public ::testing::TestWithParam<MaskCase> {};

TEST_P(EditMaskTranslation, GivesTheQtMaskAndTheStoredValue) {
    const MaskCase& c = GetParam();
    auto mask = ui::EditMask::parse(c.mask);
    ASSERT_TRUE(mask.has_value());
    EXPECT_EQ(mask->inputMask(), QString::fromUtf8(c.inputMask));
    EXPECT_EQ(mask->valueOf(QString::fromUtf8(c.shown)), QString::fromUtf8(c.value));
}

INSTANTIATE_TEST_SUITE_P(
    Masks, EditMaskTranslation,
    ::testing::Values(MaskCase{"!99/99/0099;1;_", "00/00/9900;_", "05/03/2004", "05/03/2004"},
                      MaskCase{"!99/99/00;1;_", "00/00/99;_", "05/03/04", "05/03/04"},
                      MaskCase{"!90:00;1;_", "09:99;_", "9_:30", "9 :30"},
                      MaskCase{R"(99\.999\-999;1;_)", "00.000-000;_", "12.345-678", "12.345-678"},
                      MaskCase{R"(999\.999\.999\-99;1;_)", "000.000.000-00;_", "123.456.789-09",
                               "123.456.789-09"},
                      MaskCase{R"(99\.999\-999;0;_)", "00.000-000;_", "12.345-678", "12345678"},
                      MaskCase{">LL;1;*", ">AA;*", "S*", "S "}));

TEST(EditMask, BlankMeansNoInputPositionFilled) {
    auto mask = ui::EditMask::parse("!99/99/00;1;_");
    EXPECT_TRUE(mask->isBlank(QStringLiteral("__/__/__")));
    EXPECT_FALSE(mask->isBlank(QStringLiteral("0_/__/__")));
    EXPECT_FALSE(ui::EditMask::parse("").has_value());
}

class DbMaskEditTest : public uitest::UiTest {
  protected:
    void SetUp() override {
        cliente().open();
        cliente().insert();
        cliente().field("Codigo").setInteger(1);
        cliente().field("Nome").setString("ANA");
        cliente().field("Nascimento").setDate({1980, 3, 5});
        cliente().field("CEP").setString("12.345-678");
        cliente().post();
        cliente().insert();
        cliente().field("Codigo").setInteger(2);
        cliente().field("Nome").setString("BIA");
        cliente().post();
        cliente().first();
    }
    store::Table& cliente() { return dm.TbCliente; }
    // Clients are changed only after "&Alterar"; these tests type straight in.
    data::DataSource typing{dm.TbCliente, true};
};

TEST_F(DbMaskEditTest, ADateRoundTripsThroughTheLongDateMask) {
    ui::DbMaskEdit nascimento(typing, "Nascimento");
    EXPECT_EQ(nascimento.inputMask(), QStringLiteral("00/00/9900;_"));
    EXPECT_EQ(nascimento.displayText(), QStringLiteral("05/03/1980"));
    uitest::showActive(nascimento);
    nascimento.setFocus();
    nascimento.selectAll();
    QTest::keyClicks(&nascimento, "07091999");
    ui::postRecord(cliente());
    EXPECT_EQ(cliente().field("Nascimento").asDate(), (core::Date{1999, 9, 7}));
    EXPECT_EQ(nascimento.displayText(), QStringLiteral("07/09/1999"));
    // The next client has no date: the box shows only the mask's blanks.
    cliente().next();
    EXPECT_EQ(nascimento.displayText(), QStringLiteral("__/__/____"));
}

TEST_F(DbMaskEditTest, ATwoDigitYearIsReadAsADateToo) {
    ui::DbMaskEdit nascimento(typing, "Nascimento");
    uitest::showActive(nascimento);
    nascimento.setFocus();
    nascimento.selectAll();
    QTest::keyClicks(&nascimento, "010203");
    ui::postRecord(cliente());
    EXPECT_EQ(cliente().field("Nascimento").asDate(), (core::Date{2003, 2, 1}));
}

TEST_F(DbMaskEditTest, ABlankDateClearsTheField) {
    ui::DbMaskEdit nascimento(typing, "Nascimento");
    uitest::showActive(nascimento);
    nascimento.setFocus();
    nascimento.selectAll();
    QTest::keyClick(&nascimento, Qt::Key_Delete);
    ui::postRecord(cliente());
    EXPECT_TRUE(cliente().field("Nascimento").isNull());
}

TEST_F(DbMaskEditTest, AnImpossibleDateIsRefusedAndTheRecordKeepsItsDate) {
    ui::DbMaskEdit nascimento(typing, "Nascimento");
    uitest::showActive(nascimento);
    nascimento.setFocus();
    nascimento.selectAll();
    QTest::keyClicks(&nascimento, "31022004");
    EXPECT_THROW(ui::postRecord(cliente()), store::Error);
    cliente().cancel();
    EXPECT_EQ(cliente().field("Nascimento").asDate(), (core::Date{1980, 3, 5}));
}

TEST_F(DbMaskEditTest, APostalCodeKeepsItsLiterals) {
    ui::DbMaskEdit cep(typing, "CEP");
    EXPECT_EQ(cep.displayText(), QStringLiteral("12.345-678"));
    uitest::showActive(cep);
    cep.setFocus();
    cep.selectAll();
    QTest::keyClicks(&cep, "87654321");
    ui::postRecord(cliente());
    EXPECT_EQ(cliente().field("CEP").asString(), "87.654-321");
}

TEST_F(DbMaskEditTest, ATimeMaskGivenByTheScreenStoresTheTime) {
    store::Table& caixa = dm.TbCaixa;
    caixa.open();
    caixa.insert();
    caixa.field("Hora1").setString("08:15");
    caixa.post();
    data::DataSource source{caixa, true};
    ui::DbMaskEdit hora(source, "Hora1", "!90:00;1;_");
    EXPECT_EQ(hora.displayText(), QStringLiteral("08:15"));
    uitest::showActive(hora);
    hora.setFocus();
    hora.selectAll();
    QTest::keyClicks(&hora, "1745");
    ui::postRecord(caixa);
    EXPECT_EQ(caixa.field("Hora1").asTime(), (core::Time{17, 45, 0}));
}

}  // namespace
