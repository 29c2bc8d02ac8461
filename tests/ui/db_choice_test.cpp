// Check boxes, drop-downs, pictures and labels bound to fields.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QImage>

#include "ui/db_check_box.h"
#include "ui/db_image.h"
#include "ui/db_lookup_combo.h"
#include "ui/db_text.h"
#include "ui_fixture.h"

namespace {

class DbChoiceTest : public uitest::UiTest {
  protected:
    void SetUp() override {
        addProduct(1, "CORTE", 30);
        addProduct(2, "ESCOVA", 1234.5);
        produtos().first();
    }
    store::Table& produtos() { return dm.TbProdutos; }
};

TEST_F(DbChoiceTest, CheckBoxShowsAndWritesItsTwoValues) {
    produtos().edit();
    produtos().field("Grupo").setString("SIM");
    produtos().post();
    ui::DbCheckBox promocao(dm.DsProdutos, "Grupo", QStringLiteral("SIM"), QString());
    EXPECT_TRUE(promocao.isChecked());
    produtos().next();
    EXPECT_FALSE(promocao.isChecked());
    promocao.click();
    EXPECT_EQ(produtos().state(), store::TableState::Edit);
    EXPECT_EQ(produtos().field("Grupo").asString(), "SIM");
    produtos().post();
    produtos().first();
    promocao.click();
    EXPECT_EQ(produtos().field("Grupo").asString(), "");
    produtos().cancel();
}

TEST_F(DbChoiceTest, CheckBoxOnARecordThatMayNotChangeStaysAsItWas) {
    data::DataSource source{produtos(), false};
    ui::DbCheckBox promocao(source, "Grupo", QStringLiteral("SIM"), QString());
    promocao.click();
    EXPECT_FALSE(promocao.isChecked());
    EXPECT_EQ(produtos().state(), store::TableState::Browse);
}

TEST_F(DbChoiceTest, LookupComboListsTheOtherTableAndStoresTheKey) {
    store::Table& funcionario = dm.TbFuncionario;
    funcionario.open();
    for (auto [code, name] : {std::pair{7, "MARTA"}, std::pair{9, "JOÃO"}}) {
        funcionario.insert();
        funcionario.field("Codigo").setInteger(code);
        funcionario.field("Nome").setString(name);
        funcionario.post();
    }
    ui::DbLookupCombo combo(dm.DsProdutos, "CodFor", funcionario, "Codigo", "Nome");
    const int marta = combo.findText(QStringLiteral("MARTA"));
    const int joao = combo.findText(QStringLiteral("JOÃO"));
    ASSERT_GE(marta, 0);
    ASSERT_GE(joao, 0);
    EXPECT_EQ(combo.currentIndex(), -1);  // CodFor is empty
    uitest::showActive(combo);
    combo.setCurrentIndex(joao);
    emit combo.activated(joao);
    EXPECT_EQ(produtos().field("CodFor").asInteger(), 9);
    produtos().post();
    produtos().next();
    EXPECT_EQ(combo.currentIndex(), -1);
    produtos().first();
    EXPECT_EQ(combo.currentText(), QStringLiteral("JOÃO"));
    // The list follows the other table.
    funcionario.insert();
    funcionario.field("Codigo").setInteger(11);
    funcionario.field("Nome").setString("LUCIA");
    funcionario.post();
    EXPECT_GE(combo.findText(QStringLiteral("LUCIA")), 0);
    EXPECT_EQ(combo.currentText(), QStringLiteral("JOÃO"));
}

TEST_F(DbChoiceTest, PictureShowsWhatDecodesAndNothingElse) {
    // Pictures belong to a client: TbFoto shows the current client's.
    dm.TbCliente.open();
    dm.TbCliente.insert();
    dm.TbCliente.field("Codigo").setInteger(1);
    dm.TbCliente.post();
    store::Table& foto = dm.TbFoto;
    foto.open();
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    foto.insert();
    foto.field("Codigo").setInteger(1);
    foto.field("Ordem").setInteger(1);
    foto.field("Antes").setBlob(png.toStdString());
    foto.post();
    foto.insert();
    foto.field("Codigo").setInteger(1);
    foto.field("Ordem").setInteger(2);
    foto.field("Antes").setBlob("not a picture");
    foto.post();
    foto.first();
    ASSERT_EQ(foto.recordCount(), 2);
    ui::DbImage antes(dm.DsFoto, "Antes");
    antes.resize(80, 60);
    EXPECT_TRUE(antes.hasPicture());
    EXPECT_FALSE(antes.pixmap().isNull());
    foto.next();
    EXPECT_FALSE(antes.hasPicture());
    EXPECT_TRUE(antes.pixmap().isNull());
}

TEST_F(DbChoiceTest, LabelShowsMoneyInTheFieldsFormat) {
    ui::DbText valor(dm.DsProdutos, "Valor");
    EXPECT_EQ(valor.text(), QStringLiteral("30,00"));
    produtos().next();
    EXPECT_EQ(valor.text(), QStringLiteral("1.234,50"));
}

}  // namespace
