// How wide a field must be: the text it may hold, the pixels that text takes by the font
// (checked against what the box really shows), and data fields keeping that width in a
// squeezed form while only long ones stretch. A grid's cell by the same rules.
#include <gtest/gtest.h>
#include <QDialog>
#include <QStandardItemModel>
#include <QStyle>
#include <QTableView>

#include "ui/db_edit.h"
#include "ui/db_mask_edit.h"
#include "ui/field_width.h"
#include "ui/form_layout.h"
#include "ui_fixture.h"

namespace {

struct ContentCase {
    const char* inputMask;
    int maxLength;  // 0: none
    const char* widest;
};

class WidestContent : public ::testing::TestWithParam<ContentCase> {};

TEST_P(WidestContent, IsTheMaskFilledInOrTheSizeUpToTheLongTextLimit) {
    const ContentCase& c = GetParam();
    QLineEdit edit;
    if (c.maxLength > 0) edit.setMaxLength(c.maxLength);
    edit.setInputMask(QString::fromUtf8(c.inputMask));
    EXPECT_EQ(ui::widestContent(edit), QString::fromUtf8(c.widest));
}

INSTANTIATE_TEST_SUITE_P(Fields, WidestContent,
                         ::testing::Values(ContentCase{"000.000.000-00;_", 0, "000.000.000-00"},
                                           ContentCase{"00/00/9900;_", 0, "00/00/0000"},
                                           ContentCase{"09:99;_", 0, "00:00"}, ContentCase{">AA;*", 0, "MM"},
                                           ContentCase{R"(\A\900)", 0, "A900"},
                                           ContentCase{"", 10, "XXXXXXXXXX"},
                                           ContentCase{"", 100, "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXX"},
                                           ContentCase{"", 0, ""}));

TEST(FieldWidth, PasswordsAreMeasuredInTheCharactersShown) {
    QLineEdit edit;
    edit.setMaxLength(4);
    edit.setEchoMode(QLineEdit::Password);
    const QChar bullet(edit.style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, &edit));
    EXPECT_EQ(ui::widestContent(edit), QString(4, bullet));
}

// The box scrolls its text when it is too narrow: the first character then lies left of
// the text area and the position under the area's first pixel is not 0.
bool showsWhole(QLineEdit& edit, const QString& text, int width) {
    edit.setText(text);
    edit.resize(width, edit.sizeHint().height());
    edit.setCursorPosition(static_cast<int>(text.size()));
    edit.grab();  // lays the text out as painted
    const QRect area = edit.contentsRect().marginsRemoved(edit.textMargins());
    const int firstPixel = area.left() + edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
    return edit.cursorPositionAt(QPoint(firstPixel, area.center().y())) == 0;
}

TEST(FieldWidth, TheWidthGivenShowsTheWholeTextAndNoLess) {
    QLineEdit edit;
    edit.setInputMask(QStringLiteral("000.000.000-00;_"));
    const QString text = ui::widestContent(edit);
    const int width = ui::widthToShow(edit, text);
    EXPECT_EQ(ui::contentWidth(edit), width);
    EXPECT_TRUE(showsWhole(edit, text, width));
    EXPECT_FALSE(showsWhole(edit, text, width - 6));
}

class DataFieldWidth : public uitest::UiTest {
  protected:
    void SetUp() override { dm.TbFuncionario.open(); }
};

TEST_F(DataFieldWidth, NumberFieldsHoldTheWidestAmountInTheirFormat) {
    ui::DbEdit salario(dm.DsFuncionario, "Salario");
    ui::DbEdit comissao(dm.DsFuncionario, "Comissao");
    ui::DbEdit codigo(dm.DsFuncionario, "Codigo");
    EXPECT_EQ(ui::widestContent(salario), QStringLiteral("-99.999.999,99"));
    EXPECT_EQ(ui::widestContent(comissao), QStringLiteral("-99999999,99"));
    EXPECT_EQ(ui::widestContent(codigo), QStringLiteral("-99999999"));
    EXPECT_TRUE(ui::hasShortContent(salario));
    codigo.setMaxLength(2);  // a day of the month
    EXPECT_EQ(ui::widestContent(codigo), QStringLiteral("00"));
}

TEST_F(DataFieldWidth, ASqueezedFormKeepsEveryFieldReadableAndStretchesOnlyLongOnes) {
    QDialog form;
    QFormLayout* rows = ui::labelledRows(&form);
    auto* nome = new ui::DbEdit(dm.DsFuncionario, "Nome");  // 60 characters: stretches
    auto* cpf = new ui::DbMaskEdit(dm.DsFuncionario, "CPF");
    auto* rg = new ui::DbEdit(dm.DsFuncionario, "RG");
    ui::addLabelledRow(*rows, QStringLiteral("Nome"), nome);
    ui::addLabelledRow(*rows, QStringLiteral("CPF"), cpf, QStringLiteral("Identidade - RG:"), rg);

    form.resize(10, 10);
    form.show();
    for (ui::DbEdit* field : {nome, static_cast<ui::DbEdit*>(cpf), rg})
        EXPECT_GE(field->width(), ui::contentWidth(*field)) << field->maxLength();

    form.resize(1200, form.height());
    QApplication::processEvents();
    EXPECT_EQ(cpf->width(), ui::contentWidth(*cpf));
    EXPECT_EQ(rg->width(), ui::contentWidth(*rg));
    EXPECT_GT(nome->width(), ui::contentWidth(*nome));
    EXPECT_FALSE(ui::hasShortContent(*nome));
}

TEST_F(DataFieldWidth, AGridCellShowsTextUpToFortyCapitalsAndFiguresAndDatesFilledIn) {
    const store::TableDef& def = dm.TbFuncionario.definition();
    const auto widest = [&def](const char* field) { return ui::widestCellText(*def.findField(field)); };
    EXPECT_EQ(widest("Nome"), QString(40, QLatin1Char('X')));  // 60 characters
    EXPECT_EQ(widest("RG"), QString(20, QLatin1Char('X')));
    EXPECT_EQ(widest("Salario"), QStringLiteral("-99.999.999,99"));
    EXPECT_EQ(widest("Codigo"), QStringLiteral("-99999999"));
    EXPECT_EQ(widest("Admissao"), QStringLiteral("28/12/2000"));
}

TEST(CellWidth, IsWhatTheGridItselfGivesItsText) {
    QStandardItemModel model(1, 1);
    const QString name = QStringLiteral("ANA PAULA DE SOUZA MENDES");
    model.setItem(0, 0, new QStandardItem(name));
    QTableView grid;
    grid.setModel(&model);
    // The view's own measure of its column, public on the base class.
    const QAbstractItemView& view = grid;
    EXPECT_EQ(ui::cellWidthToShow(grid, name), view.sizeHintForColumn(0));
    grid.setShowGrid(false);
    EXPECT_EQ(ui::cellWidthToShow(grid, name), view.sizeHintForColumn(0));
    grid.setFont(QFont(grid.font().family(), 20));
    EXPECT_EQ(ui::cellWidthToShow(grid, name), view.sizeHintForColumn(0));
}

}  // namespace
