// The client register, its search and the quick client screen the sales side uses, driven
// headless through the scripted dialogs.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "registers/client_quick_screen.h"
#include "registers/client_screen.h"
#include "registers/client_search.h"
#include "ui/ui_fixture.h"

namespace {

using registers::TFmClientes;

const QString kRefusal = QStringLiteral("Registro em Edição! Grave ou Exclua o Lançamento.");

class ClientsTest : public uitest::UiTest {
  protected:
    store::Table& clientes() { return dm.TbCliente; }

    void addClient(std::int64_t code, const std::string& nome, int dia = 0, int mes = 0,
                   const std::string& aniversario = {}) {
        store::Table& t = clientes();
        if (!t.isOpen()) t.open();
        t.insert();
        t.field("Codigo").setInteger(code);
        t.field("Nome").setString(nome);
        if (dia > 0) t.field("Dia").setInteger(dia);
        if (mes > 0) t.field("Mes").setInteger(mes);
        if (!aniversario.empty()) t.field("Aniversario").setString(aniversario);
        t.post();
    }

    // Replaces a field's text the way a user does: select everything and type over it.
    static void retype(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    std::string stored(std::int64_t code, const std::string& field) {
        EXPECT_TRUE(clientes().findKey({store::Value{code}}));
        return clientes().field(field).asString();
    }
};

TEST_F(ClientsTest, NovoAndGravarStoreAClientWithoutAnyValidation) {
    addClient(4, "ANA");
    clientes().close();
    TFmClientes screen(dm);
    uitest::showActive(screen);
    EXPECT_TRUE(clientes().isOpen());
    EXPECT_FALSE(screen.allButtons().gravar->isEnabled());
    screen.allButtons().novo->click();
    EXPECT_EQ(screen.codigo()->text(), QStringLiteral("5"));
    EXPECT_TRUE(screen.nome()->hasFocus());
    EXPECT_TRUE(screen.codigo()->isReadOnly());
    // Saved with no name at all: clients are not validated.
    dialogs.answer(true);
    screen.allButtons().gravar->click();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Grava o Cliente?")});
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(screen.isEditing());
    EXPECT_EQ(clientes().recordCount(), 2);
    EXPECT_EQ(stored(5, "Nome"), "");
}

// The birthday key follows Dia and Mes on every save, with no date check, and an empty or
// zero part leaves the key the client had.
TEST_F(ClientsTest, TheBirthdayKeyIsWrittenOnSave) {
    struct Case {
        QString dia, mes;
        std::string expected;
    };
    const Case cases[] = {
        {"31", "2", "31/2"},                      // no such date, stored as typed
        {"7", "9", "7/9"},                        // no leading zeros
        {"25", "12", "25/12"}, {"", "9", "5/3"},  // "Dia:" cleared: the old key stays
        {"12", "0", "5/3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dia.toStdString() + "/" + c.mes.toStdString());
        if (clientes().isOpen()) clientes().close();
        clientes().open();
        clientes().emptyTable();
        addClient(1, "MARIA", 5, 3, "5/3");
        TFmClientes screen(dm);
        uitest::showActive(screen);
        clientes().first();
        dialogs.answer(true);
        screen.allButtons().alterar->click();
        retype(screen.dia(), c.dia);
        retype(screen.mes(), c.mes);
        dialogs.answer(true);
        screen.allButtons().gravar->click();
        EXPECT_FALSE(screen.isEditing());
        EXPECT_EQ(stored(1, "Aniversario"), c.expected);
    }
}

TEST_F(ClientsTest, ANewClientWithABirthdayGetsItsKey) {
    TFmClientes screen(dm);
    uitest::showActive(screen);
    screen.allButtons().novo->click();
    QTest::keyClicks(screen.nome(), "JOANA");
    retype(screen.dia(), "31");
    retype(screen.mes(), "2");
    dialogs.answer(true);
    screen.allButtons().gravar->click();
    EXPECT_EQ(stored(1, "Nome"), "JOANA");
    EXPECT_EQ(stored(1, "Aniversario"), "31/2");
    EXPECT_EQ(clientes().field("Dia").asInteger(), 31);
    EXPECT_EQ(clientes().field("Mes").asInteger(), 2);
}

// The consent boxes write their marks; the day of a mark is the day it was ticked and stays
// through later saves until the mark is withdrawn.
TEST_F(ClientsTest, ConsentMarksAreStoredWithTheDayTheyWereGiven) {
    const core::Date given{2025, 11, 3};
    addClient(1, "MARIA");
    clientes().edit();
    clientes().field("Ofertas").setString("SIM");
    clientes().field("DataOfertas").setDate(given);
    clientes().post();
    TFmClientes screen(dm);
    uitest::showActive(screen);
    auto* lembretes = screen.findChild<QCheckBox*>(QStringLiteral("CkLembretes"));
    auto* ofertas = screen.findChild<QCheckBox*>(QStringLiteral("CkOfertas"));
    ASSERT_TRUE(lembretes && ofertas);
    clientes().first();
    EXPECT_FALSE(lembretes->isChecked());
    EXPECT_TRUE(ofertas->isChecked());
    // Ticking while browsing changes nothing.
    lembretes->click();
    EXPECT_FALSE(lembretes->isChecked());

    dialogs.answer(true);
    screen.allButtons().alterar->click();
    lembretes->click();
    dialogs.answer(true);
    screen.allButtons().gravar->click();
    EXPECT_EQ(stored(1, "Lembretes"), "SIM");
    EXPECT_EQ(clientes().field("DataLembretes").asDate(), core::Date::today());
    EXPECT_EQ(clientes().field("DataOfertas").asDate(), given);

    dialogs.answer(true);
    screen.allButtons().alterar->click();
    ofertas->click();
    dialogs.answer(true);
    screen.allButtons().gravar->click();
    EXPECT_EQ(stored(1, "Ofertas"), "");
    EXPECT_TRUE(clientes().field("DataOfertas").isNull());
    EXPECT_EQ(stored(1, "Lembretes"), "SIM");
}

TEST_F(ClientsTest, ClosingAndSearchingAreRefusedWhileEditing) {
    addClient(1, "MARIA");
    TFmClientes screen(dm);
    uitest::showActive(screen);
    screen.allButtons().novo->click();
    EXPECT_FALSE(screen.close());
    screen.allButtons().fechar->click();
    screen.allButtons().consultar->click();
    EXPECT_EQ(dialogs.messages, QStringList({kRefusal, kRefusal, kRefusal}));
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(clientes().state(), store::TableState::Insert);
    // Once saved, the search opens and its choice becomes the current client.
    dialogs.answer(true);
    screen.allButtons().gravar->click();
    dialogs.expectScreen("TFmConsCliente", [this](QDialog& search) {
        EXPECT_EQ(search.windowTitle(), QStringLiteral("::.. Consultar Clientes"));
        EXPECT_TRUE(clientes().findKey({store::Value{std::string("MARIA")}}));
        return QDialog::Accepted;
    });
    screen.allButtons().consultar->click();
    EXPECT_EQ(screen.nome()->text(), QStringLiteral("MARIA"));
    screen.allButtons().fechar->click();
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(ClientsTest, TheRegisterClosesTheTableItOpenedAndDropsAPendingClient) {
    addClient(1, "MARIA");
    clientes().close();
    {
        TFmClientes screen(dm);
        screen.novo();
        EXPECT_EQ(clientes().state(), store::TableState::Insert);
    }
    EXPECT_FALSE(clientes().isOpen());
    clientes().open();
    EXPECT_EQ(clientes().recordCount(), 1);
}

TEST_F(ClientsTest, EnterMovesOnExceptInTheMemoAndTabbingOutOfTheMemoGoesToGravar) {
    TFmClientes screen(dm);
    uitest::showActive(screen);
    screen.allButtons().novo->click();
    QTest::keyClick(screen.nome(), Qt::Key_Return);
    EXPECT_FALSE(screen.nome()->hasFocus());
    EXPECT_EQ(screen.focusWidget()->objectName(), QStringLiteral("DBEdit3"));
    EXPECT_TRUE(screen.isEditing());  // Enter did not reach the default button

    screen.obs()->setFocus();
    QTest::keyClicks(screen.obs(), "CABELO FINO");
    QTest::keyClick(screen.obs(), Qt::Key_Return);
    QTest::keyClicks(screen.obs(), "ALERGIA");
    EXPECT_TRUE(screen.obs()->hasFocus());
    EXPECT_EQ(screen.obs()->toPlainText(), QStringLiteral("CABELO FINO\nALERGIA"));
    QTest::keyClick(screen.obs(), Qt::Key_Tab);
    EXPECT_TRUE(screen.allButtons().gravar->hasFocus());
    dialogs.answer(true);
    QTest::keyClick(screen.allButtons().gravar, Qt::Key_Return);
    EXPECT_EQ(stored(1, "Obs"), "CABELO FINO\nALERGIA");
}

TEST_F(ClientsTest, ExcluirAsksAndTellsTheClientIsGoneKeepingThePhotos) {
    addClient(1, "MARIA");
    addClient(2, "ANA");
    TFmClientes screen(dm);
    clientes().first();
    dm.TbFoto.open();
    dm.TbFoto.insert();
    dm.TbFoto.field("Data").setString("10/01/2012");
    dm.TbFoto.post();
    dialogs.answer(false);
    screen.allButtons().excluir->click();
    EXPECT_EQ(clientes().recordCount(), 2);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    dialogs.answer(true);
    screen.allButtons().excluir->click();
    EXPECT_EQ(dialogs.questions, QStringList({QStringLiteral("Deseja Excluir Este Cliente?"),
                                              QStringLiteral("Deseja Excluir Este Cliente?")}));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("O Cliente Escolhido Foi Excluído!")});
    EXPECT_EQ(clientes().recordCount(), 1);
    EXPECT_FALSE(clientes().findKey({store::Value{std::int64_t{1}}}));
    dm.TbFoto.setMasterSource(nullptr, {});
    dm.TbFoto.first();
    EXPECT_EQ(dm.TbFoto.recordCount(), 1);
    EXPECT_EQ(dm.TbFoto.field("Codigo").asInteger(), 1);
}

TEST_F(ClientsTest, TheSearchFindsByNameAsTypedInUpperCase) {
    addClient(1, "MARIA");
    addClient(2, "ANA");
    addClient(3, "BEATRIZ");
    registers::TFmConsCliente search(dm);
    uitest::showActive(search);
    EXPECT_EQ(clientes().indexName(), "siNome");
    search.searchEdit()->setFocus();
    QTest::keyClicks(search.searchEdit(), "be");
    EXPECT_EQ(search.searchEdit()->text(), QStringLiteral("BE"));
    EXPECT_EQ(clientes().field("Nome").asString(), "BEATRIZ");
    const auto& model = search.grid()->gridModel();
    EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Crédito"));
    search.closeButton()->click();
}

TEST_F(ClientsTest, BothClientScreensCloseWithAPlainFechar) {
    TFmClientes full(dm);
    registers::TFmClientesNO quick(dm);
    for (const QPushButton* fechar : {full.allButtons().fechar, quick.allButtons().fechar})
        EXPECT_EQ(fechar->text(), QStringLiteral("Fechar"));
}

// The quick screen, reached from the sales side's client search.
class QuickClientTest : public ClientsTest {
  protected:
    void SetUp() override {
        addClient(1, "MARIA");
        addClient(2, "ANA");
        clientes().findKey({store::Value{std::int64_t{2}}});
    }

    // Runs the search with creation; `inQuick` drives the quick client screen.
    void searchAndCreate(std::function<void(registers::TFmClientesNO&)> inQuick) {
        dialogs.expectScreen("TFmConsClienteNO", [&](QDialog& screen) {
            auto& search = static_cast<registers::TFmConsClienteNO&>(screen);
            QSignalSpy searchClosed(&search, &QDialog::finished);
            dialogs.expectScreen("TFmClientesNO", [&](QDialog& quick) {
                auto& q = static_cast<registers::TFmClientesNO&>(quick);
                uitest::showActive(q);
                inQuick(q);
                return q.result();
            });
            search.novoButton()->click();
            EXPECT_EQ(searchClosed.count(), 1);
            return search.result();
        });
        registers::chooseClient(dm);
    }
};

TEST_F(QuickClientTest, SavingClosesItAndLeavesTheNewClientCurrent) {
    searchAndCreate([this](registers::TFmClientesNO& quick) {
        QSignalSpy closed(&quick, &QDialog::finished);
        quick.allButtons().novo->click();
        EXPECT_EQ(quick.codigo()->text(), QStringLiteral("3"));
        QTest::keyClicks(quick.nome(), "CLARA");
        dialogs.answer(true);
        quick.allButtons().gravar->click();
        EXPECT_EQ(closed.count(), 1);
    });
    ASSERT_TRUE(clientes().isOpen());
    EXPECT_EQ(clientes().field("Codigo").asInteger(), 3);
    EXPECT_EQ(clientes().field("Nome").asString(), "CLARA");
    EXPECT_EQ(clientes().recordCount(), 3);
}

TEST_F(QuickClientTest, CancellingClosesItStoresNothingAndKeepsTheClientThatWasCurrent) {
    searchAndCreate([this](registers::TFmClientesNO& quick) {
        QSignalSpy closed(&quick, &QDialog::finished);
        quick.allButtons().novo->click();
        QTest::keyClicks(quick.nome(), "CLARA");
        // Closing while typing a client is refused and the screen stays.
        EXPECT_FALSE(quick.close());
        EXPECT_EQ(dialogs.messages, QStringList{kRefusal});
        EXPECT_EQ(closed.count(), 0);
        dialogs.answer(false);
        quick.allButtons().excluir->click();
        EXPECT_EQ(closed.count(), 0);
        dialogs.answer(true);
        quick.allButtons().excluir->click();
        EXPECT_EQ(closed.count(), 1);
    });
    EXPECT_EQ(dialogs.questions, QStringList({QStringLiteral("Deseja Cancelar o Cliente?"),
                                              QStringLiteral("Deseja Cancelar o Cliente?")}));
    ASSERT_TRUE(clientes().isOpen());
    EXPECT_EQ(clientes().recordCount(), 2);
    EXPECT_EQ(clientes().field("Nome").asString(), "ANA");
}

TEST_F(QuickClientTest, ThePlainCloseButtonLeavesTheClientTableOpenForTheCaller) {
    clientes().close();
    searchAndCreate([](registers::TFmClientesNO& quick) { quick.allButtons().fechar->click(); });
    ASSERT_TRUE(clientes().isOpen());
    EXPECT_EQ(clientes().recordCount(), 2);
}

}  // namespace
