// The catalogue screen and its search, driven as a user would: typing, clicking, answering.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

#include "registers/product_screen.h"
#include "registers/product_search.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/db_combo_box.h"
#include "ui/db_edit.h"

namespace {

const QString kRefusal = QStringLiteral("Registro em Edição! Grave ou Exclua o Produto ou Serviço!");
const QString kGrava = QStringLiteral("Grava o Registro?");
const QString kExclui = QStringLiteral("Exclui o Registro?");
const QString kValor = QStringLiteral("Digite o Valor do Produto ou Serviço!");
const QString kCusto = QStringLiteral("Digite o Valor de Promoção do Produto ou Serviço!");

template <typename T>
T* child(QObject& screen, const char* name) {
    auto* found = screen.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return found;
}

QPushButton* button(QObject& screen, const char* name) {
    return child<QPushButton>(screen, name);
}

// Replaces the text of a field the way a user does; accented letters too.
void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
    for (QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(edit, ch.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

void chooseTipo(QObject& screen, const QString& tipo) {
    auto* combo = child<ui::DbComboBox>(screen, "CbTipo");
    const int index = combo->findText(tipo);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

class ProductsTest : public testsupport::DataTest {
  protected:
    store::Table& produtos() { return dm.TbProdutos; }

    void addProduct(std::int64_t code, const std::string& descricao, double custo = 20,
                    const std::string& grupo = "") {
        store::Table& t = produtos();
        if (!t.isOpen()) t.open();
        t.insert();
        t.field("Codigo").setInteger(code);
        t.field("Descricao").setString(descricao);
        t.field("Tipo").setString("SERVIÇO");
        t.field("Valor").setFloat(30);
        if (custo > 0) t.field("Custo").setFloat(custo);
        t.field("Grupo").setString(grupo);
        t.post();
    }

    // Another station saving an item with this code while this screen is on its own.
    void savedElsewhere(std::int64_t code, const std::string& descricao) {
        store::Table other(produtos().database(), produtos().definition(), produtos().name());
        other.open();
        other.insert();
        other.field("Codigo").setInteger(code);
        other.field("Descricao").setString(descricao);
        other.field("Tipo").setString("PRODUTO");
        other.post();
    }

    int timesRemembered(std::int64_t code) {
        store::Table& duplicado = dm.TbDuplicado;
        if (!duplicado.isOpen()) duplicado.open();
        int count = 0;
        for (duplicado.first(); !duplicado.eof(); duplicado.next())
            count += duplicado.field("Codigo").asInteger() == code ? 1 : 0;
        return count;
    }

    std::string current() { return produtos().field("Descricao").asString(); }

    void show(QWidget& screen) {
        screen.show();
        screen.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    }

    // "&Novo" and a valid item typed in, except what the test types itself.
    void typeNewItem(registers::TFmProdutos& screen, const QString& descricao) {
        button(screen, "BtnNovo")->click();
        typeInto(child<ui::DbEdit>(screen, "EdDescricao"), descricao);
        chooseTipo(screen, QStringLiteral("SERVIÇO"));
        typeInto(child<ui::DbEdit>(screen, "EdValor"), QStringLiteral("50,00"));
        typeInto(child<ui::DbEdit>(screen, "EdCusto"), QStringLiteral("45,00"));
    }

    testsupport::ScriptedDialogs dialogs;
};

TEST_F(ProductsTest, PricesBelowTenCentavosAreRefusedAndTenCentavosAccepted) {
    registers::TFmProdutos screen(dm);
    show(screen);
    const struct {
        const char* field;
        QString message;
    } cases[] = {{"EdValor", kValor}, {"EdCusto", kCusto}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        typeNewItem(screen, QStringLiteral("ESMALTAÇÃO"));
        auto* price = child<ui::DbEdit>(screen, c.field);
        typeInto(price, QStringLiteral("0,09"));
        dialogs.messages.clear();
        dialogs.questions.clear();
        button(screen, "BtnGravar")->click();
        EXPECT_EQ(dialogs.messages, QStringList{c.message});
        EXPECT_TRUE(dialogs.questions.isEmpty());
        EXPECT_TRUE(price->hasFocus());
        EXPECT_EQ(produtos().state(), store::TableState::Insert);

        typeInto(price, QStringLiteral("0,10"));
        dialogs.answer(true);
        button(screen, "BtnGravar")->click();
        EXPECT_EQ(dialogs.questions, QStringList{kGrava});
        EXPECT_EQ(produtos().state(), store::TableState::Browse);
        EXPECT_EQ(produtos().field(c.field == std::string("EdValor") ? "Valor" : "Custo").asCurrency(),
                  core::Currency::fromDouble(0.10));
        EXPECT_EQ(current(), "ESMALTAÇÃO");
    }
    EXPECT_EQ(produtos().recordCount(), 2);
}

TEST_F(ProductsTest, AnItemWithoutPromotionalPriceIsRefusedEvenWhenNotOnPromotion) {
    addProduct(1, "LEGADO SEM PROMOÇÃO", 0);
    addProduct(2, "ESCOVA");
    produtos().first();
    registers::TFmProdutos screen(dm);
    show(screen);
    EXPECT_FALSE(child<QCheckBox>(screen, "CkPromocao")->isChecked());
    // Stepping away from an item on file goes through the same checks.
    button(screen, "BtnProximo")->click();
    EXPECT_EQ(dialogs.messages, QStringList{kCusto});
    EXPECT_EQ(current(), "LEGADO SEM PROMOÇÃO");

    typeNewItem(screen, QStringLiteral("HIDRATAÇÃO"));
    typeInto(child<ui::DbEdit>(screen, "EdCusto"), QString());
    button(screen, "BtnGravar")->click();
    EXPECT_EQ(dialogs.messages, QStringList({kCusto, kCusto}));
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(child<ui::DbEdit>(screen, "EdCusto")->hasFocus());
    EXPECT_EQ(produtos().state(), store::TableState::Insert);
}

TEST_F(ProductsTest, DeletingTheHighestCodeOffersItAgainAndItIsHeldOnce) {
    addProduct(1, "CORTE");
    registers::TFmProdutos screen(dm);
    show(screen);
    typeNewItem(screen, QStringLiteral("PENTEADO"));
    dialogs.answer(true);
    button(screen, "BtnGravar")->click();
    ASSERT_EQ(produtos().field("Codigo").asInteger(), 2);
    EXPECT_EQ(timesRemembered(2), 1);

    dialogs.answer(true);
    button(screen, "BtnExcluir")->click();
    EXPECT_EQ(produtos().recordCount(), 1);
    EXPECT_EQ(timesRemembered(2), 1);  // deleting does not free the code from the list

    typeNewItem(screen, QStringLiteral("PENTEADO NOIVA"));
    EXPECT_EQ(child<ui::DbEdit>(screen, "EdCodigo")->text(), QStringLiteral("2"));
    dialogs.answer(true);
    button(screen, "BtnGravar")->click();
    EXPECT_EQ(produtos().state(), store::TableState::Browse);
    EXPECT_EQ(produtos().field("Codigo").asInteger(), 2);
    EXPECT_EQ(current(), "PENTEADO NOIVA");
    EXPECT_EQ(timesRemembered(2), 1);
    EXPECT_EQ(dialogs.questions, QStringList({kGrava, kExclui, kGrava}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ProductsTest, TheSearchPositionsOnTheFirstDescriptionAtOrAfterWhatIsTyped) {
    addProduct(1, "TINTURA");
    addProduct(2, "TESTE DE MECHA", 20, "SIM");
    addProduct(3, "TERAPIA CAPILAR");
    addProduct(4, "CORTE");
    addProduct(5, "TESOURA");
    produtos().first();
    registers::TFmProdutos screen(dm);
    dialogs.expectScreen(QStringLiteral("TFmConsProduto"), [&](QDialog& modal) {
        auto* edit = child<QLineEdit>(modal, "Edit1");
        edit->setFocus();
        const char* typed[] = {"t", "e", "s"};
        const char* expected[] = {"TERAPIA CAPILAR", "TERAPIA CAPILAR", "TESOURA"};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(edit, typed[i][0]);
            EXPECT_EQ(current(), expected[i]) << "after " << typed[i];
        }
        EXPECT_EQ(edit->text(), QStringLiteral("TES"));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(current(), "CORTE");
        QTest::keyClicks(edit, "TESTE");
        return int{QDialog::Accepted};
    });
    button(screen, "BtnConsultar")->click();
    EXPECT_EQ(current(), "TESTE DE MECHA");
    EXPECT_EQ(produtos().indexName(), "");
    EXPECT_TRUE(child<QCheckBox>(screen, "CkPromocao")->isChecked());
}

TEST_F(ProductsTest, ConsultarSavesAChangeThroughTheChecksBeforeSearching) {
    addProduct(1, "CORTE");
    addProduct(2, "ESCOVA");
    produtos().first();
    registers::TFmProdutos screen(dm);
    show(screen);
    auto* custo = child<ui::DbEdit>(screen, "EdCusto");
    // A change that would not pass a save does not reach the file by way of the search.
    typeInto(custo, QStringLiteral("0,05"));
    button(screen, "BtnConsultar")->click();
    EXPECT_EQ(dialogs.messages, QStringList{kCusto});
    EXPECT_TRUE(custo->hasFocus());

    typeInto(custo, QStringLiteral("18,00"));
    child<QCheckBox>(screen, "CkPromocao")->click();
    dialogs.expectScreen(QStringLiteral("TFmConsProduto"), [&](QDialog&) {
        EXPECT_EQ(produtos().state(), store::TableState::Browse);
        EXPECT_EQ(produtos().field("Custo").asCurrency(), core::Currency::fromReais(18));
        EXPECT_EQ(produtos().field("Grupo").asString(), "SIM");
        produtos().last();
        return int{QDialog::Accepted};
    });
    button(screen, "BtnConsultar")->click();
    EXPECT_EQ(current(), "ESCOVA");
    EXPECT_FALSE(child<QCheckBox>(screen, "CkPromocao")->isChecked());
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(ProductsTest, StockStaysReadOnlyUntilEstoqueIsConfirmed) {
    addProduct(1, "SHAMPOO");
    registers::TFmProdutos screen(dm);
    show(screen);
    auto* estoque = child<ui::DbEdit>(screen, "EdEstoque");
    EXPECT_TRUE(estoque->isReadOnly());
    typeNewItem(screen, QStringLiteral("CONDICIONADOR"));
    EXPECT_TRUE(estoque->isReadOnly());
    dialogs.answer(false);
    button(screen, "BtnEstoque")->click();
    EXPECT_TRUE(estoque->isReadOnly());
    dialogs.answer(true);
    button(screen, "BtnEstoque")->click();
    EXPECT_FALSE(estoque->isReadOnly());
    typeInto(estoque, QStringLiteral("12"));
    dialogs.answer(true);
    button(screen, "BtnGravar")->click();
    EXPECT_EQ(produtos().field("Estoque").asFloat(), 12.0);
    EXPECT_EQ(dialogs.questions, QStringList({QStringLiteral("Alterar o Estoque?"),
                                              QStringLiteral("Alterar o Estoque?"), kGrava}));
}

TEST_F(ProductsTest, ACodeTakenMeanwhileIsRefusedWhenLeavingTheCodeField) {
    addProduct(1, "CORTE");
    registers::TFmProdutos screen(dm);
    show(screen);
    auto* codigo = child<ui::DbEdit>(screen, "EdCodigo");
    auto* descricao = child<ui::DbEdit>(screen, "EdDescricao");
    // An item on file owns its code: clicking in and out keeps the user's pending change.
    typeInto(descricao, QStringLiteral("CORTE MASCULINO"));
    QTest::mouseClick(codigo, Qt::LeftButton);
    QTest::mouseClick(descricao, Qt::LeftButton);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(produtos().state(), store::TableState::Edit);
    dialogs.answer(true);
    button(screen, "BtnGravar")->click();

    typeNewItem(screen, QStringLiteral("PEDICURE"));
    savedElsewhere(2, "ALICATE");
    QTest::mouseClick(codigo, Qt::LeftButton);
    EXPECT_TRUE(codigo->hasFocus());
    QTest::mouseClick(descricao, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Já Existe Produto Com Este Código!")});
    EXPECT_EQ(produtos().state(), store::TableState::Browse);
    EXPECT_EQ(current(), "ALICATE");
    EXPECT_TRUE(button(screen, "BtnGravar")->hasFocus());
    EXPECT_TRUE(button(screen, "BtnNovo")->isEnabled());
    // Back to browsing: the screen closes.
    button(screen, "BtnFechar")->click();
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(ProductsTest, WhileEditingClosingSearchingAndSteppingAreRefused) {
    addProduct(1, "CORTE");
    registers::TFmProdutos screen(dm);
    show(screen);
    button(screen, "BtnNovo")->click();
    EXPECT_FALSE(button(screen, "BtnNovo")->isEnabled());
    EXPECT_TRUE(button(screen, "BtnGravar")->isEnabled());
    button(screen, "BtnFechar")->click();
    EXPECT_FALSE(screen.close());
    button(screen, "BtnConsultar")->click();  // no search screen expected
    button(screen, "BtnAnterior")->click();
    button(screen, "BtnProximo")->click();
    EXPECT_EQ(dialogs.messages, QStringList(5, kRefusal));
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(produtos().state(), store::TableState::Insert);
}

TEST_F(ProductsTest, AStoreErrorIsShownAndTheItemStaysEditable) {
    addProduct(1, "CORTE");
    registers::TFmProdutos screen(dm);
    show(screen);
    typeNewItem(screen, QStringLiteral("MASSAGEM"));
    savedElsewhere(2, "ÓLEO");  // the code "&Novo" offered is taken before the save
    dialogs.answer(true);
    button(screen, "BtnGravar")->click();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_FALSE(dialogs.errors.front().isEmpty());
    EXPECT_EQ(produtos().state(), store::TableState::Insert);
    EXPECT_FALSE(button(screen, "BtnNovo")->isEnabled());
    EXPECT_EQ(timesRemembered(2), 0);  // the failed save took no code
    auto* descricao = child<ui::DbEdit>(screen, "EdDescricao");
    typeInto(descricao, QStringLiteral("MASSAGEM RELAXANTE"));
    typeInto(child<ui::DbEdit>(screen, "EdValor"), QStringLiteral("55,00"));
    EXPECT_EQ(current(), "MASSAGEM RELAXANTE");
    // The way out of a code taken meanwhile: the code field gives the insert up.
    QTest::mouseClick(child<ui::DbEdit>(screen, "EdCodigo"), Qt::LeftButton);
    QTest::mouseClick(descricao, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Já Existe Produto Com Este Código!")});
    EXPECT_EQ(current(), "ÓLEO");
    EXPECT_TRUE(button(screen, "BtnNovo")->isEnabled());
}

TEST_F(ProductsTest, ArrowsSaveWithoutAskingAndThePromotionBoxFollowsTheItem) {
    addProduct(1, "CORTE", 20, "SIM");
    addProduct(2, "ESCOVA");
    addProduct(3, "TINTURA", 20, "SIM");
    produtos().first();
    registers::TFmProdutos screen(dm);
    show(screen);
    auto* promocao = child<QCheckBox>(screen, "CkPromocao");
    EXPECT_TRUE(promocao->isChecked());
    typeInto(child<ui::DbEdit>(screen, "EdDescricao"), QStringLiteral("CORTE INFANTIL"));
    promocao->click();
    button(screen, "BtnProximo")->click();
    EXPECT_EQ(current(), "ESCOVA");
    EXPECT_FALSE(promocao->isChecked());
    button(screen, "BtnProximo")->click();
    EXPECT_TRUE(promocao->isChecked());
    button(screen, "BtnAnterior")->click();
    button(screen, "BtnAnterior")->click();
    EXPECT_EQ(current(), "CORTE INFANTIL");
    EXPECT_EQ(produtos().field("Grupo").asString(), "");
    EXPECT_FALSE(promocao->isChecked());
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ProductsTest, GoingAwayDropsAPendingChangeAndClosesTheTablesItOpened) {
    addProduct(1, "CORTE");
    produtos().close();
    {
        registers::TFmProdutos screen(dm);
        typeInto(child<ui::DbEdit>(screen, "EdDescricao"), QStringLiteral("ALTERADO"));
    }
    EXPECT_FALSE(produtos().isOpen());
    EXPECT_FALSE(dm.TbDuplicado.isOpen());
    EXPECT_FALSE(dm.TbFornec.isOpen());
    produtos().open();
    EXPECT_EQ(current(), "CORTE");
}

}  // namespace
