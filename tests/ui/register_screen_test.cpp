// The register-screen pattern on a small product screen built the way real ones are.
#include <gtest/gtest.h>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/db_edit.h"
#include "ui/register_screen.h"
#include "ui_fixture.h"

namespace {

const QString kRefusal = QStringLiteral("Registro em Edição! Grave ou Exclua o Produto ou Serviço!");

class ProductScreen : public ui::RegisterScreen {
  public:
    explicit ProductScreen(data::Tdm& dm)
        : RegisterScreen(dm.TbProdutos, {.editingRefusal = kRefusal}), dm_(dm) {
        tables().open(dm.TbProdutos);
        auto* layout = new QVBoxLayout(this);
        codigo = new ui::DbEdit(dm.DsProdutos, "Codigo", this);
        descricao = new ui::DbEdit(dm.DsProdutos, "Descricao", this);
        layout->addWidget(codigo);
        layout->addWidget(descricao);
        auto* bar = new QHBoxLayout;
        layout->addLayout(bar);
        setButtons(ui::addRegisterButtons(*bar));
        setFirstField(descricao);
    }

    int searches = 0;
    ui::DbEdit* codigo;
    ui::DbEdit* descricao;

  protected:
    bool validate() override {
        if (!dm_.TbProdutos.field("Descricao").asString().empty()) return true;
        ui::Dialogs::current().message(QStringLiteral("Digite a Descrição do Produto ou Serviço!"));
        descricao->setFocus();
        return false;
    }
    void search() override { ++searches; }

  private:
    data::Tdm& dm_;
};

class RegisterScreenTest : public uitest::UiTest {
  protected:
    store::Table& produtos() { return dm.TbProdutos; }
};

TEST_F(RegisterScreenTest, NovoTakesTheHighestCodePlusOneAndEntersEditing) {
    addProduct(7, "CORTE", 30);
    addProduct(3, "ESCOVA", 40);
    produtos().close();
    ProductScreen screen(dm);
    EXPECT_TRUE(screen.buttons().novo->isEnabled());
    EXPECT_FALSE(screen.buttons().gravar->isEnabled());
    screen.novo();
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(produtos().state(), store::TableState::Insert);
    EXPECT_EQ(produtos().field("Codigo").asInteger(), 8);
    EXPECT_EQ(screen.codigo->text(), QStringLiteral("8"));
    EXPECT_FALSE(screen.buttons().novo->isEnabled());
    EXPECT_TRUE(screen.buttons().gravar->isEnabled());
}

TEST_F(RegisterScreenTest, NovoInAnEmptyRegisterStartsAtOne) {
    ProductScreen screen(dm);
    screen.novo();
    EXPECT_EQ(produtos().field("Codigo").asInteger(), 1);
}

TEST_F(RegisterScreenTest, ClosingOrSearchingWhileEditingIsRefused) {
    ProductScreen screen(dm);
    screen.novo();
    screen.reject();
    screen.buttons().fechar->click();
    screen.consultar();
    EXPECT_EQ(dialogs.messages, QStringList({kRefusal, kRefusal, kRefusal}));
    EXPECT_EQ(screen.searches, 0);
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(produtos().state(), store::TableState::Insert);
}

TEST_F(RegisterScreenTest, TheWindowsCloseButtonIsRefusedWhileEditing) {
    ProductScreen screen(dm);
    uitest::showActive(screen);
    screen.novo();
    EXPECT_FALSE(screen.close());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(dialogs.messages, QStringList{kRefusal});
}

TEST_F(RegisterScreenTest, GravarValidatesAsksAndPosts) {
    ProductScreen screen(dm);
    uitest::showActive(screen);
    screen.novo();
    // Nothing typed: the validation stops the save before any question.
    screen.gravar();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Digite a Descrição do Produto ou Serviço!")});
    EXPECT_TRUE(screen.descricao->hasFocus());
    // Typed but the answer is no: still editing.
    QTest::keyClicks(screen.descricao, "MANICURE");
    dialogs.answer(false);
    screen.gravar();
    EXPECT_TRUE(screen.isEditing());
    dialogs.answer(true);
    screen.gravar();
    EXPECT_EQ(dialogs.questions,
              QStringList({QStringLiteral("Grava o Registro?"), QStringLiteral("Grava o Registro?")}));
    EXPECT_FALSE(screen.isEditing());
    EXPECT_EQ(produtos().state(), store::TableState::Browse);
    EXPECT_TRUE(produtos().findKey({store::Value{std::int64_t{1}}}));
    EXPECT_EQ(produtos().field("Descricao").asString(), "MANICURE");
    EXPECT_TRUE(screen.buttons().novo->hasFocus());
    // Browsing again: the screen closes.
    screen.buttons().fechar->click();
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(RegisterScreenTest, ADuplicateCodeIsShownAsAStoreErrorAndTheScreenCarriesOn) {
    addProduct(1, "CORTE", 30);
    ProductScreen screen(dm);
    uitest::showActive(screen);
    screen.novo();
    produtos().field("Codigo").setInteger(1);
    QTest::keyClicks(screen.descricao, "PEDICURE");
    dialogs.answer(true);
    screen.gravar();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(produtos().state(), store::TableState::Insert);
    // The user puts a free code and saves again.
    produtos().field("Codigo").setInteger(2);
    dialogs.answer(true);
    screen.gravar();
    EXPECT_FALSE(screen.isEditing());
    EXPECT_EQ(produtos().recordCount(), 2);
}

TEST_F(RegisterScreenTest, AlterarAndExcluirAskFirst) {
    addProduct(1, "CORTE", 30);
    addProduct(2, "ESCOVA", 40);
    ProductScreen screen(dm);
    produtos().first();
    dialogs.answer(false);
    screen.alterar();
    EXPECT_FALSE(screen.isEditing());
    dialogs.answer(true);
    screen.alterar();
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(produtos().state(), store::TableState::Edit);
    dialogs.answer(true);
    screen.excluir();
    EXPECT_FALSE(screen.isEditing());
    EXPECT_EQ(produtos().recordCount(), 1);
    EXPECT_EQ(produtos().field("Descricao").asString(), "ESCOVA");
    EXPECT_EQ(dialogs.questions,
              QStringList({QStringLiteral("Altera o Registro?"), QStringLiteral("Altera o Registro?"),
                           QStringLiteral("Exclui o Registro?")}));
}

TEST_F(RegisterScreenTest, GoingAwayCancelsThePendingInsertAndClosesWhatItOpened) {
    addProduct(1, "CORTE", 30);
    produtos().setIndexName("siDescricao");
    produtos().close();
    {
        ProductScreen screen(dm);
        produtos().setIndexName("siDescricao");
        screen.novo();
    }
    EXPECT_FALSE(produtos().isOpen());
    produtos().open();
    EXPECT_EQ(produtos().recordCount(), 1);
    EXPECT_EQ(produtos().indexName(), "");
}

TEST_F(RegisterScreenTest, ATableAlreadyOpenStaysOpenOnThePrimaryIndex) {
    addProduct(1, "CORTE", 30);
    produtos().setIndexName("siDescricao");
    { ProductScreen screen(dm); }
    EXPECT_TRUE(produtos().isOpen());
    EXPECT_EQ(produtos().indexName(), "");
}

}  // namespace
