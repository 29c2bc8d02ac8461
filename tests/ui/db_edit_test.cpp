// Data-aware fields: they follow the table, start an edit only where the source allows,
// and their typing reaches the record before a post.
#include <gtest/gtest.h>
#include <QLineEdit>

#include "ui/db_edit.h"
#include "ui/db_memo.h"
#include "ui/field_binding.h"
#include "ui_fixture.h"

namespace {

class DbEditTest : public uitest::UiTest {
  protected:
    void SetUp() override {
        addProduct(1, "CORTE", 30);
        addProduct(2, "ESCOVA", 1234.5);
        addProduct(3, "TINTURA", 80);
        dm.TbProdutos.first();
    }
    store::Table& produtos() { return dm.TbProdutos; }
};

TEST_F(DbEditTest, FollowsEveryMoveOfTheTable) {
    ui::DbEdit descricao(dm.DsProdutos, "Descricao");
    ui::DbEdit valor(dm.DsProdutos, "Valor");
    EXPECT_EQ(descricao.text(), QStringLiteral("CORTE"));
    produtos().next();
    EXPECT_EQ(descricao.text(), QStringLiteral("ESCOVA"));
    EXPECT_EQ(valor.text(), QStringLiteral("1.234,50"));  // the field's money format
    produtos().last();
    EXPECT_EQ(descricao.text(), QStringLiteral("TINTURA"));
    produtos().close();
    EXPECT_EQ(descricao.text(), QString());
    EXPECT_TRUE(descricao.isReadOnly());
}

struct AutoEditCase {
    const char* name;
    bool autoEdit;
    store::TableState stateAfterTyping;
    const char* textAfterTyping;
};

class AutoEdit : public DbEditTest, public ::testing::WithParamInterface<AutoEditCase> {};

TEST_P(AutoEdit, TypingStartsAnEditOnlyWhereTheSourceAllows) {
    const AutoEditCase& c = GetParam();
    data::DataSource source{produtos(), c.autoEdit};
    ui::DbEdit edit(source, "Descricao");
    uitest::showActive(edit);
    edit.setFocus();
    edit.end(false);
    QTest::keyClicks(&edit, "X");
    EXPECT_EQ(produtos().state(), c.stateAfterTyping);
    EXPECT_EQ(edit.text(), QString::fromUtf8(c.textAfterTyping));
    EXPECT_EQ(edit.isReadOnly(), !c.autoEdit);
}

INSTANTIATE_TEST_SUITE_P(DbEdit, AutoEdit,
                         ::testing::Values(AutoEditCase{"On", true, store::TableState::Edit, "CORTEX"},
                                           AutoEditCase{"Off", false, store::TableState::Browse, "CORTE"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DbEditTest, WithoutAutoEditTheFieldOpensOnceTheScreenStartsTheEdit) {
    data::DataSource source{produtos(), false};
    ui::DbEdit edit(source, "Descricao");
    produtos().edit();
    EXPECT_FALSE(edit.isReadOnly());
    produtos().cancel();
    EXPECT_TRUE(edit.isReadOnly());
}

TEST_F(DbEditTest, TypedTextReachesTheRecordBeforeThePost) {
    ui::DbEdit edit(dm.DsProdutos, "Descricao");
    uitest::showActive(edit);
    edit.setFocus();
    edit.end(false);
    QTest::keyClicks(&edit, " MASCULINO");
    // Still in the field: nothing written yet.
    EXPECT_TRUE(edit.isDirty());
    ui::postRecord(produtos());
    EXPECT_EQ(produtos().state(), store::TableState::Browse);
    produtos().refresh();
    EXPECT_EQ(produtos().field("Descricao").asString(), "CORTE MASCULINO");
}

TEST_F(DbEditTest, AFieldLeftIsWrittenAtOnce) {
    QWidget screen;
    auto* descricao = new ui::DbEdit(dm.DsProdutos, "Descricao", &screen);
    new ui::DbEdit(dm.DsProdutos, "Valor", &screen);
    uitest::showActive(screen);
    descricao->setFocus();
    descricao->home(false);
    QTest::keyClicks(descricao, "Z");
    EXPECT_EQ(produtos().field("Descricao").asString(), "CORTE");
    QTest::keyClick(descricao, Qt::Key_Tab);
    EXPECT_FALSE(descricao->isDirty());
    EXPECT_EQ(produtos().field("Descricao").asString(), "ZCORTE");
    produtos().cancel();
}

TEST_F(DbEditTest, AnotherFieldsWriteKeepsTypingButANewValueForThisFieldReplacesIt) {
    ui::DbEdit descricao(dm.DsProdutos, "Descricao");
    uitest::showActive(descricao);
    descricao.setFocus();
    descricao.end(false);
    QTest::keyClicks(&descricao, "!");
    produtos().field("Tipo").setString("PRODUTO");
    EXPECT_EQ(descricao.text(), QStringLiteral("CORTE!"));
    produtos().field("Descricao").setString("ALISAMENTO");
    EXPECT_EQ(descricao.text(), QStringLiteral("ALISAMENTO"));
    EXPECT_FALSE(descricao.isDirty());
    produtos().cancel();
    EXPECT_EQ(descricao.text(), QStringLiteral("CORTE"));
}

TEST_F(DbEditTest, UpperCaseTurnsAccentedLettersToo) {
    ui::DbEdit edit(dm.DsProdutos, "Descricao");
    edit.setUpperCase(true);
    uitest::showActive(edit);
    edit.setFocus();
    edit.clear();
    uitest::type(&edit, QStringLiteral("coloração"));
    EXPECT_EQ(edit.text(), QStringLiteral("COLORAÇÃO"));
    // A letter typed in the middle keeps the cursor after it.
    edit.setCursorPosition(4);
    uitest::type(&edit, QStringLiteral("ç"));
    EXPECT_EQ(edit.text(), QStringLiteral("COLOÇRAÇÃO"));
    EXPECT_EQ(edit.cursorPosition(), 5);
    ui::postRecord(produtos());
    EXPECT_EQ(produtos().field("Descricao").asString(), "COLOÇRAÇÃO");
}

TEST_F(DbEditTest, AValueTheFieldRefusesIsShownAsAnErrorAndNothingIsPosted) {
    ui::DbEdit valor(dm.DsProdutos, "Valor");
    uitest::showActive(valor);
    valor.setFocus();
    valor.clear();
    QTest::keyClicks(&valor, "abc");
    EXPECT_THROW(ui::postRecord(produtos()), store::Error);
    EXPECT_TRUE(produtos().isEditing());
    // Corrected, the same post goes through.
    valor.clear();
    QTest::keyClicks(&valor, "45,90");
    ui::postRecord(produtos());
    EXPECT_DOUBLE_EQ(produtos().field("Valor").asFloat(), 45.9);
    EXPECT_EQ(valor.text(), QStringLiteral("45,90"));
}

TEST_F(DbEditTest, MemoFollowsTheRecordAndWritesBeforeThePost) {
    ui::DbMemo memo(dm.DsProdutos, "Fornecedor");
    produtos().next();
    EXPECT_EQ(memo.toPlainText(), QString());
    uitest::showActive(memo);
    memo.setFocus();
    QTest::keyClicks(&memo, "distribuidora");
    EXPECT_EQ(produtos().state(), store::TableState::Edit);
    ui::postRecord(produtos());
    EXPECT_EQ(produtos().field("Fornecedor").asString(), "distribuidora");
    produtos().prior();
    EXPECT_EQ(memo.toPlainText(), QString());
}

}  // namespace
