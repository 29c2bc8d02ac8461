// The sales screen and its payment screen, driven as the cashier does: keys, focus, messages.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

#include "data/rows.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "sales/payment_screen.h"
#include "sales/sale_deletion.h"
#include "sales/sales_fixture.h"
#include "sales/sales_screen.h"
#include "support/qt_typing.h"
#include "support/qt_activation.h"
#include "support/qt_modal.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/db_edit.h"
#include "ui/db_grid.h"
#include "ui/qt_dialogs.h"

namespace salestest {
namespace {

using testsupport::enter;

const QString kInProgress = QStringLiteral("Registro em Andamento! Grave ou Cancele o Lançamento.");

template <typename T = QWidget>
T* child(QObject& screen, const char* name) {
    auto* found = screen.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return found;
}

QPushButton* button(QObject& screen, const char* name) {
    return child<QPushButton>(screen, name);
}

void showActive(QWidget& screen) {
    screen.show();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
}

void press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}


QString focused() {
    QWidget* widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QString();
}

class SalesScreenTest : public SalesTest {
  protected:
    SalesScreenTest() {
        setSwitch("VALOR", false);
        setSwitch("COM", false);
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{1}}, {"Nome", "CARLA"}, {"Saldo", 100.0}});
        dm.TbCaixa.open();
        data::addRow(dm.TbCaixa, {{"Contador", std::int64_t{5}}, {"Status", "ABERTO"}});
        dm.TbCaixa.close();
    }

    void start() {
        showActive(screen);
        button(screen, "BitBtn2")->click();
    }

    // Employee, item and quantity typed with Enter, as far as "Inserir".
    void sell(const char* employee, const char* item, const char* quantity = "1") {
        ASSERT_EQ(focused(), "DBEdit4");
        enter(QString::fromLatin1(employee));
        ASSERT_EQ(focused(), "DBEdit9");
        enter(QString::fromLatin1(item));
        ASSERT_EQ(focused(), "DBEdit11");
        press(Qt::Key_Return);
        enter(QString::fromLatin1(quantity));
        ASSERT_EQ(focused(), "DBEdit12");
        press(Qt::Key_Return);
    }

    QString boxText(const char* name) { return child<QLineEdit>(screen, name)->text(); }
    int gridRows() { return child<ui::DbGrid>(screen, "DBGrid1")->model()->rowCount(); }

    void setArea(double area, const char* status) {
        ASSERT_TRUE(dm.TbAcesso.findKey({area}));
        dm.TbAcesso.edit();
        dm.TbAcesso.field("Status").setString(status);
        dm.TbAcesso.post();
    }

    testsupport::ScriptedDialogs dialogs;
    std::vector<std::string> receipt;  // the last receipt printed, line by line
    sales::TFmModuloVENDA screen{dm, nullptr, [this](const reports::Report& report) {
                                     receipt = reportstest::allLines(reports::generate(report, {}));
                                 }};
};

TEST_F(SalesScreenTest, IdleAndInProgressStatesAndClosingRefusedDuringASale) {
    showActive(screen);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("::.. Salão de Beleza"));
    EXPECT_TRUE(child<QLabel>(screen, "LbData")
                    ->text()
                    .endsWith(QStringLiteral(" de ") + QString::number(QDate::currentDate().year()) +
                              QStringLiteral("     ")));
    const auto enabled = [&](const char* name) { return button(screen, name)->isEnabled(); };
    for (const char* name : {"BitBtn2", "SpeedButton5", "BitBtn4", "BitBtn7", "BitBtn9"})
        EXPECT_TRUE(enabled(name)) << name;
    for (const char* name : {"BitBtn3", "BitBtn5", "BitBtn15", "SpeedButton10"})
        EXPECT_FALSE(enabled(name)) << name;

    button(screen, "BitBtn2")->click();
    for (const char* name : {"BitBtn2", "BitBtn4", "BitBtn7", "BitBtn9"}) EXPECT_FALSE(enabled(name)) << name;
    for (const char* name : {"BitBtn3", "BitBtn5", "BitBtn15"}) EXPECT_TRUE(enabled(name)) << name;
    EXPECT_EQ(focused(), "DBEdit4");

    press(Qt::Key_Escape);
    button(screen, "BitBtn8")->click();
    button(screen, "SpeedButton5")->click();  // the appointment book waits for the sale
    EXPECT_EQ(dialogs.messages, QStringList({kInProgress, kInProgress, kInProgress}));
    EXPECT_TRUE(screen.isVisible());
}

// F2's look-up takes the window away; once the window is back, the name box has looked the
// chosen employee up, and the sale carries code and name.
TEST_F(SalesScreenTest, F2FillsTheEmployeesNameOnceTheScreenIsBack) {
    start();
    // A second F2 changes the employee again.
    for (const auto& [chosen, name] : {std::pair{kBruno, "BRUNO"}, std::pair{kAna, "ANA"}}) {
        dialogs.expectScreen(QStringLiteral("TFmConsFunc"), [&, code = chosen](QDialog& lookup) {
            testsupport::takeActivation(lookup);
            dm.TbFuncionario.setIndexName("");
            EXPECT_TRUE(dm.TbFuncionario.findKey({code}));
            lookup.hide();
            return int{QDialog::Accepted};
        });
        press(Qt::Key_F2);
        testsupport::giveActivationBack(screen);
        EXPECT_EQ(boxText("DBEdit5"), QString::fromLatin1(name));
        EXPECT_EQ(dm.TbServico.field("CodFun").asInteger(), chosen);
        EXPECT_EQ(dm.TbServico.field("Funcioario").asString(), name);
        EXPECT_EQ(focused(), "DBEdit9");
    }
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
}

TEST_F(SalesScreenTest, RetiradaOpensTheWithdrawalOnlyBetweenSales) {
    int opened = 0;
    sales::setWithdrawalScreen([&](data::Tdm&) { ++opened; });
    struct Unset {
        ~Unset() { sales::setWithdrawalScreen(nullptr); }
    } unset;
    sales::TFmModuloVENDA till{dm};
    showActive(till);
    QPushButton* retirada = button(till, "SpeedButton10");
    ASSERT_TRUE(retirada->isEnabled());
    retirada->click();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(till.isVisible());  // shown again once the withdrawal is closed

    button(till, "BitBtn2")->click();  // a sale in progress
    retirada->click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(dialogs.messages, QStringList{kInProgress});
}

TEST_F(SalesScreenTest, TheAppointmentBookTakesTheScreensPlaceWhileOpen) {
    showActive(screen);
    bool hiddenMeanwhile = false;
    dialogs.expectScreen(QStringLiteral("TFmAgenda"), [&](QDialog&) {
        hiddenMeanwhile = !screen.isVisible();
        return int(QDialog::Rejected);
    });
    button(screen, "SpeedButton5")->click();
    EXPECT_TRUE(hiddenMeanwhile);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(dm.TbProdutos.isOpen());
    EXPECT_TRUE(dm.TbCliente.isOpen());
}

TEST_F(SalesScreenTest, AnItemTypedWithEnterGoesInAndTheFocusReturnsToTheEmployee) {
    start();
    sell("10", "2", "3");
    EXPECT_EQ(focused(), "DBEdit4");
    EXPECT_EQ(gridRows(), 1);
    EXPECT_EQ(boxText("DBEdit2"), QStringLiteral("37,50"));
    EXPECT_EQ(boxText("DBEdit5"), QStringLiteral("ANA"));
    EXPECT_EQ(boxText("DBEdit9"), QString());
    EXPECT_EQ(stockOf(2), 10.0);
    // Enter on an empty item code goes to "&Gravar".
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), "BitBtn3");
    // and Enter there goes to the payment
    dialogs.expectScreen("TFmPagamento", [](QDialog& payment) { return payment.result(); });
    press(Qt::Key_Return);
    EXPECT_TRUE(screen.inProgress());
}

// Letters in "Valor R$" are refused where they were typed; the item then goes in at its price
// with no store error on the way.
TEST_F(SalesScreenTest, LettersInTheValueAreRefusedThereAndTheSaleGoesOn) {
    start();
    enter("10");
    enter("2");
    ASSERT_EQ(focused(), "DBEdit11");
    enter("abc");
    QApplication::processEvents();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("'abc' não é um valor válido.")});
    EXPECT_EQ(focused(), "DBEdit11");
    EXPECT_EQ(boxText("DBEdit11"), QStringLiteral("12,50"));
    press(Qt::Key_Return);
    enter("1");
    press(Qt::Key_Return);
    EXPECT_EQ(gridRows(), 1);
    EXPECT_EQ(boxText("DBEdit2"), QStringLiteral("12,50"));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('|').toStdString();
}

TEST_F(SalesScreenTest, LookUpMessagesSendTheFocusBackToTheBoxToCorrect) {
    start();
    enter("99");
    EXPECT_EQ(focused(), "DBEdit4");
    enter("0");
    EXPECT_EQ(focused(), "DBEdit9");
    enter("1");
    EXPECT_EQ(focused(), "DBEdit4");
    enter("10");
    enter("77");
    EXPECT_EQ(focused(), "DBEdit9");
    EXPECT_EQ(dialogs.messages,
              QStringList({QStringLiteral("Não Existe Funcionário Com Este Código!"),
                           QStringLiteral("Para Serviços é Obrigatório Selecionar o Funcionário!"),
                           QStringLiteral("Não Existe Produto ou Serviço Com Este Código!")}));
}

TEST_F(SalesScreenTest, ALockedValueIsSkippedAndAlterarValorUnlocksItForOneItem) {
    setSwitch("VALOR", true);
    start();
    EXPECT_TRUE(child(screen, "SpeedButton3")->isEnabled());
    enter("10");
    enter("1");
    EXPECT_EQ(focused(), "DBEdit12");  // the value box is skipped
    child<QAbstractButton>(screen, "SpeedButton3")->click();
    EXPECT_EQ(focused(), "DBEdit11");
    enter("44,99");
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), "DBEdit11");
    EXPECT_EQ(dialogs.messages.last(),
              QStringLiteral("O Desconto Está Acima do Permitido! Desconto Máximo de R$ 5,00"));
    enter("45,00");
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(gridRows(), 1);
    EXPECT_TRUE(child<ui::DbEdit>(screen, "DBEdit11")->fieldReadOnly());
}

TEST_F(SalesScreenTest, InserirLooksAgainWhenTheCodeChangedAfterTheLookUp) {
    start();
    enter("10");
    enter("1");  // CORTE looked up, 50,00
    child<QLineEdit>(screen, "DBEdit9")->setFocus();
    enter("2");  // XAMPU typed, the description box looks it up
    child<QLineEdit>(screen, "DBEdit9")->setFocus();
    QTest::keyClicks(child<QLineEdit>(screen, "DBEdit9"), "");
    child<QLineEdit>(screen, "DBEdit9")->selectAll();
    QTest::keyClick(child<QLineEdit>(screen, "DBEdit9"), Qt::Key_Backspace);
    QTest::keyClicks(child<QLineEdit>(screen, "DBEdit9"), "3");  // ESCOVA typed, never looked up
    button(screen, "BitBtn6")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(gridRows(), 0);
    EXPECT_EQ(boxText("DBEdit10"), QStringLiteral("ESCOVA"));
    EXPECT_EQ(boxText("DBEdit12"), QStringLiteral("30"));
    button(screen, "BitBtn6")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(gridRows(), 1);
    EXPECT_EQ(items().field("Descricao").asString(), "ESCOVA");
    EXPECT_EQ(items().field("Total").asCurrency(), reais("30,00"));
}

TEST_F(SalesScreenTest, F8RemovesTheSelectedItemAfterTheQuestion) {
    start();
    press(Qt::Key_F8);
    sell("10", "2");
    sell("10", "1");
    EXPECT_EQ(boxText("DBEdit2"), QStringLiteral("62,50"));
    items().first();
    dialogs.answer(false);
    press(Qt::Key_F8);
    EXPECT_EQ(gridRows(), 2);
    dialogs.answer(true);
    press(Qt::Key_F8);
    EXPECT_EQ(gridRows(), 1);
    EXPECT_EQ(boxText("DBEdit2"), QStringLiteral("50,00"));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Não Existe Ítens Para Excluísão!")});
    EXPECT_EQ(dialogs.questions,
              QStringList({QStringLiteral("Excluir o Ítem?"), QStringLiteral("Excluir o Ítem?")}));
}

TEST_F(SalesScreenTest, CancellingDeletesTheItemsAndReturnsToIdle) {
    start();
    sell("10", "2");
    dialogs.answer(true);
    button(screen, "BitBtn15")->click();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Cancelar o Lançamento?")});
    EXPECT_EQ(storedItems(), 0);
    EXPECT_FALSE(screen.inProgress());
    EXPECT_EQ(focused(), "BitBtn2");
    // No sale is current: nothing to print.
    EXPECT_FALSE(button(screen, "BitBtn9")->isEnabled());
    EXPECT_TRUE(button(screen, "BitBtn7")->isEnabled());
    button(screen, "BitBtn8")->click();
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(SalesScreenTest, TheLookUpPanelFindsByNameAndF5TakesTheItem) {
    start();
    enter("10");
    EXPECT_FALSE(child(screen, "PnConsulta")->isVisible());
    press(Qt::Key_F4);
    EXPECT_TRUE(child(screen, "PnConsulta")->isVisible());
    EXPECT_EQ(focused(), "EdNomeProduto");
    QTest::keyClicks(QApplication::focusWidget(), "XA");
    press(Qt::Key_F5);
    EXPECT_FALSE(child(screen, "PnConsulta")->isVisible());
    EXPECT_EQ(boxText("DBEdit10"), QStringLiteral("XAMPU"));
    EXPECT_EQ(focused(), "DBEdit11");
    press(Qt::Key_F4);
    press(Qt::Key_F6);
    EXPECT_EQ(focused(), "DBEdit9");
}

TEST_F(SalesScreenTest, GravarNeedsAnEmployeeAndACancelledPaymentKeepsTheSale) {
    start();
    enter("0");
    enter("2");
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    enter("10");  // commission typed: no employee to take it from
    EXPECT_EQ(gridRows(), 1);
    button(screen, "BitBtn3")->click();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Selecione o Funcionário Para o Lançamento!")});
    EXPECT_EQ(focused(), "DBEdit4");
    enter("10");
    dialogs.expectScreen("TFmPagamento", [](QDialog& payment) {
        button(payment, "BitBtn6")->click();
        return payment.result();
    });
    button(screen, "BitBtn3")->click();
    EXPECT_TRUE(screen.inProgress());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(gridRows(), 1);
}

TEST_F(SalesScreenTest, InRealWindowsTheTillRunsOnWithTheSaleAfterACancelledPayment) {
    ui::QtDialogs real;
    ui::Dialogs::install(&real);
    struct ScriptedAgain {
        testsupport::ScriptedDialogs& scripted;
        ~ScriptedAgain() { ui::Dialogs::install(&scripted); }
    } scriptedAgain{dialogs};
    bool tillRunning = false;
    bool inProgress = false;
    int items = 0;
    testsupport::onNextModal([&](QWidget&) {
        screen.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
        button(screen, "BitBtn2")->click();
        sell("10", "2", "3");
        testsupport::onNextModal([](QWidget& payment) { button(payment, "BitBtn6")->click(); });
        button(screen, "BitBtn3")->click();
        // A moment later the till is still there for the cashier, who then leaves it.
        QTimer::singleShot(100, &screen, [&] {
            tillRunning = screen.isVisible();
            inProgress = screen.inProgress();
            items = gridRows();
            screen.QDialog::done(QDialog::Rejected);
        });
    });
    ui::Dialogs::current().exec(screen);
    EXPECT_TRUE(tillRunning);
    EXPECT_TRUE(inProgress);
    EXPECT_EQ(items, 1);
}

// Gravar with one item sold, then `pay` drives the payment screen.
class PaymentScreenTest : public SalesScreenTest {
  protected:
    void payWith(const std::function<void(QDialog&)>& pay) {
        start();
        sell("10", "2", "3");  // 37,50
        dialogs.expectScreen("TFmPagamento", [&](QDialog& payment) {
            showActive(payment);
            EXPECT_EQ(focused(), "DBEdit7");
            pay(payment);
            return payment.result();
        });
        button(screen, "BitBtn3")->click();
    }

    core::Currency cash(const char* field) {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataDir(), quiet);
        fresh.TbCaixa.open();
        fresh.TbCaixa.last();
        return fresh.TbCaixa.field(field).asCurrency();
    }
};

TEST_F(PaymentScreenTest, CashShowsTheChangeRefusesTooLittleAndRegisters) {
    payWith([&](QDialog& payment) {
        enter("9");
        EXPECT_EQ(focused(), "DBEdit7");
        enter("1");
        EXPECT_EQ(focused(), "DBEdit9");
        EXPECT_EQ(child<QLineEdit>(payment, "DBEdit8")->text(), QStringLiteral("DINHEIRO"));
        enter("30,00");
        EXPECT_EQ(focused(), "DBEdit9");
        enter("50,00");
        EXPECT_EQ(child<QLabel>(payment, "Label25")->text(), QStringLiteral("12,50"));
        EXPECT_EQ(focused(), "BitBtn11");
        dialogs.answer(true);
        button(payment, "BitBtn11")->click();
    });
    EXPECT_EQ(dialogs.messages, QStringList({QStringLiteral("Código de Forma de Pagamento Inválido!"),
                                             QStringLiteral("Digite o Valor Pago R$!")}));
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Registrar o Pagamento?")});
    EXPECT_FALSE(screen.inProgress());
    EXPECT_EQ(screen.focusWidget()->objectName(), "BitBtn2");
    EXPECT_EQ(cash("Dinheiro"), reais("37,50"));
    EXPECT_EQ(stockOf(2), 7.0);
}

TEST_F(PaymentScreenTest, OverpaymentIsOfferedOnlyWhereTheAmountHandedOverIsAsked) {
    payWith([&](QDialog& payment) {
        auto* aMais = child<QCheckBox>(payment, "CheckBox1");
        dialogs.expectScreen("TFmConsClienteNO", [](QDialog&) { return QDialog::Accepted; });
        enter("4");
        EXPECT_EQ(child<QLineEdit>(payment, "DBEdit8")->text(), QStringLiteral("NOTINHA"));
        EXPECT_FALSE(aMais->isEnabled());
        EXPECT_EQ(focused(), "BitBtn11");
        child<QLineEdit>(payment, "DBEdit7")->setFocus();
        enter("2");
        EXPECT_TRUE(aMais->isEnabled());
        EXPECT_EQ(focused(), "BitBtn11");
        aMais->click();
        EXPECT_EQ(focused(), "DBEdit7");
        press(Qt::Key_Return);
        EXPECT_EQ(child<QLabel>(payment, "Label24")->text(), QStringLiteral("CRÉDITO R$"));
        enter("50,00");
        EXPECT_EQ(child<QLabel>(payment, "Label25")->text(), QStringLiteral("12,50"));
        button(payment, "BitBtn6")->click();  // CANCELAR
    });
    EXPECT_TRUE(screen.inProgress());
    EXPECT_EQ(cash("Cheque"), core::Currency{});
}

// With "Pagamento a Mais..." ticked the surplus becomes the client's credit, so no form may
// call it change: a cashier handing it back would pay it twice.
TEST_F(PaymentScreenTest, TheSurplusIsCalledCreditForEveryFormOnceTheBoxIsTicked) {
    const struct {
        const char* code;
        bool ticked;
        QString caption;
    } cases[] = {{"1", false, QStringLiteral("TROCO R$")},
                 {"1", true, QStringLiteral("CRÉDITO R$")},
                 {"2", true, QStringLiteral("CRÉDITO R$")},
                 {"3", true, QStringLiteral("CRÉDITO R$")},
                 {"6", true, QStringLiteral("CRÉDITO R$")}};
    payWith([&](QDialog& payment) {
        auto* aMais = child<QCheckBox>(payment, "CheckBox1");
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.code) + (c.ticked ? " ticked" : ""));
            child<QLineEdit>(payment, "DBEdit7")->setFocus();
            if (aMais->isChecked() != c.ticked) aMais->click();
            ASSERT_EQ(focused(), "DBEdit7");
            enter(QString::fromLatin1(c.code));
            ASSERT_EQ(focused(), "DBEdit9");
            EXPECT_EQ(child<QLabel>(payment, "Label24")->text(), c.caption);
            enter("50,00");
            EXPECT_EQ(child<QLabel>(payment, "Label25")->text(), QStringLiteral("12,50"));
        }
        // Ticked while the cash panel shows: the caption follows at once.
        aMais->click();
        child<QLineEdit>(payment, "DBEdit7")->setFocus();
        enter("1");
        enter("50,00");
        ASSERT_EQ(child<QLabel>(payment, "Label24")->text(), QStringLiteral("TROCO R$"));
        aMais->click();
        EXPECT_EQ(child<QLabel>(payment, "Label24")->text(), QStringLiteral("CRÉDITO R$"));
        button(payment, "BitBtn6")->click();
    });
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
}

TEST_F(PaymentScreenTest, ACashOverpaymentCreditsTheNamedClientAndNothingIsHandedBack) {
    payWith([&](QDialog& payment) {
        child<QCheckBox>(payment, "CheckBox1")->click();
        enter("1");
        enter("50,00");
        EXPECT_EQ(child<QLabel>(payment, "Label25")->text(), QStringLiteral("12,50"));
        dialogs.expectScreen("TFmConsClienteNO", [this](QDialog&) {
            dm.TbCliente.findKey({std::int64_t{1}});
            return QDialog::Accepted;
        });
        dialogs.answer(true);
        button(payment, "BitBtn11")->click();
    });
    EXPECT_EQ(dialogs.questions,
              QStringList{QStringLiteral("Registrar o Pagamento?\nCRÉDITO R$ 12,50 para CARLA")});
    EXPECT_FALSE(screen.inProgress());
    EXPECT_EQ(cash("Dinheiro"), reais("50,00"));
    ASSERT_TRUE(dm.TbCliente.findKey({std::int64_t{1}}));
    dm.TbCliente.refresh();
    EXPECT_EQ(dm.TbCliente.field("Saldo").asCurrency(), reais("112,50"));
}

// The look-up closed without a choice leaves whichever client happened to be current: that
// client must not receive the surplus.
TEST_F(PaymentScreenTest, AnOverpaymentWithTheLookUpClosedUnchosenIsRefused) {
    payWith([&](QDialog& payment) {
        child<QCheckBox>(payment, "CheckBox1")->click();
        enter("2");
        enter("50,00");
        dialogs.expectScreen("TFmConsClienteNO", [](QDialog&) { return QDialog::Rejected; });
        button(payment, "BitBtn11")->click();
        EXPECT_EQ(focused(), "DBEdit7");
        button(payment, "BitBtn6")->click();
    });
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Selecione o Cliente!")});
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(screen.inProgress());
    EXPECT_EQ(cash("Cheque"), core::Currency{});
    ASSERT_TRUE(dm.TbCliente.findKey({std::int64_t{1}}));
    dm.TbCliente.refresh();
    EXPECT_EQ(dm.TbCliente.field("Saldo").asCurrency(), reais("100,00"));
}

TEST_F(PaymentScreenTest, CreditPaysTheWholeSaleAndCancellingUndoesIt) {
    payWith([&](QDialog& payment) {
        dialogs.expectScreen("TFmConsClienteNO", [this](QDialog&) {
            dm.TbCliente.findKey({std::int64_t{1}});
            return QDialog::Accepted;
        });
        EXPECT_EQ(child<QLineEdit>(payment, "DBEditCliente")->text(), QString());
        enter("5");
        EXPECT_EQ(child<QLineEdit>(payment, "DBEdit8")->text(), QStringLiteral("CRÉDITO"));
        EXPECT_EQ(child<QLineEdit>(payment, "DBEditCliente")->text(), QStringLiteral("CARLA"));
        EXPECT_EQ(child<QLineEdit>(payment, "DBEdit2")->text(), QStringLiteral("37,50"));
        EXPECT_EQ(child<QLineEdit>(payment, "DBEdit3")->text(), QStringLiteral("0,00"));
        EXPECT_FALSE(child<QCheckBox>(payment, "CheckBox1")->isEnabled());
        button(payment, "BitBtn6")->click();
    });
    EXPECT_TRUE(screen.inProgress());
    EXPECT_EQ(sale().field("Saldo").asCurrency(), core::Currency{});
    EXPECT_EQ(saleTotal(), reais("37,50"));
}

TEST_F(SalesScreenTest, WithoutAStoredSaleReciboAndExcluirSaySo) {
    showActive(screen);
    button(screen, "BitBtn9")->click();
    button(screen, "BitBtn4")->click();
    EXPECT_EQ(dialogs.messages, QStringList({QStringLiteral("Selecione o Lançamento Para Impressão!"),
                                             QStringLiteral("Selecione o Lançamento Para Exclusão!")}));
    EXPECT_FALSE(child<QGroupBox>(screen, "PnRecibo")->isVisible());
}

TEST_F(SalesScreenTest, ConsultarMakesTheSaleFoundCurrentAndOneOfAnotherDayIsNotDeleted) {
    sale().open();
    data::addRow(sale(), {{"Contador", std::int64_t{30}},
                          {"Data", core::Date::today().addDays(-1).toIso()},
                          {"Cliente", "BEATRIZ"},
                          {"Total", 20.0}});
    sale().close();
    // Refused before any password is asked: an authorization screen would fail the test.
    setArea(17.1, "X");
    showActive(screen);
    dialogs.expectScreen("TFmConsServico", [](QDialog& query) {
        child<QLineEdit>(query, "Edit1")->setText("30");
        return QDialog::Accepted;
    });
    button(screen, "BitBtn7")->click();
    button(screen, "BitBtn4")->click();
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("Você Poderá Excluir Somente Lançamentos do Dia!")});
    button(screen, "BitBtn9")->click();
    EXPECT_EQ(boxText("EdClienteRecibo"), QStringLiteral("BEATRIZ"));
    button(screen, "BtCancelarRecibo")->click();
    EXPECT_FALSE(child<QGroupBox>(screen, "PnRecibo")->isVisible());
    sale().setIndexName("");
    EXPECT_TRUE(sale().findKey({std::int64_t{30}}));
}

// A sale of 3 XAMPU (37,50) paid in cash, current on the screen.
class StoredSaleTest : public PaymentScreenTest {
  protected:
    void SetUp() override {
        payWith([&](QDialog& payment) {
            enter("1");
            enter("50,00");
            dialogs.answer(true);
            button(payment, "BitBtn11")->click();
        });
        ASSERT_FALSE(screen.inProgress());
        paid = sale().field("Contador").asInteger();
        dialogs.questions.clear();
        showActive(screen);  // back from the payment screen
    }
    // The sale as another station reads it now; empty when it is gone.
    std::optional<std::string> storedClient() {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataDir(), quiet);
        fresh.TbServico.open();
        if (!fresh.TbServico.findKey({paid})) return std::nullopt;
        return fresh.TbServico.field("Cliente").asString();
    }
    void typeName(const char* name) {
        auto* box = child<QLineEdit>(screen, "EdClienteRecibo");
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(name));
    }

    std::int64_t paid = 0;
};

TEST_F(StoredSaleTest, ReciboStoresTheNameTypedAndPrintsOnlyWhenAsked) {
    auto* panel = child<QGroupBox>(screen, "PnRecibo");
    button(screen, "BitBtn9")->click();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(focused(), "EdClienteRecibo");
    EXPECT_EQ(boxText("EdClienteRecibo"), QStringLiteral("NÃO INDICADO..."));
    typeName("maria");

    dialogs.answer(false);
    button(screen, "BtImprimirRecibo")->click();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(receipt.empty());
    EXPECT_EQ(storedClient(), "NÃO INDICADO...");

    dialogs.answer(true);
    button(screen, "BtImprimirRecibo")->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(storedClient(), "MARIA");
    EXPECT_EQ(reportstest::linesStartingWith(receipt, "CLIENTE: | MARIA | TOTAL...R$ | 37,50").size(), 1u)
        << testing::PrintToString(receipt);
    EXPECT_EQ(reportstest::linesStartingWith(receipt, "XAMPU . . .").size(), 1u);
    EXPECT_EQ(dialogs.questions,
              QStringList({QStringLiteral("Imprimir Recibo?"), QStringLiteral("Imprimir Recibo?")}));

    // "CANCELAR" keeps the name typed too, and prints nothing.
    receipt.clear();
    button(screen, "BitBtn9")->click();
    EXPECT_EQ(boxText("EdClienteRecibo"), QStringLiteral("MARIA"));
    typeName("joana");
    button(screen, "BtCancelarRecibo")->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(receipt.empty());
    EXPECT_EQ(storedClient(), "JOANA");
}

TEST_F(StoredSaleTest, ExcluirDeletesTheSaleOfTodayAfterTheAreaAndTheQuestion) {
    ASSERT_EQ(stockOf(2), 7.0);
    setArea(17.1, "X");
    dialogs.expectScreen("TFmAutorizacao", [](QDialog&) { return QDialog::Rejected; });
    button(screen, "BitBtn4")->click();
    setArea(17.1, "");
    dialogs.answer(false);
    button(screen, "BitBtn4")->click();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Excluir o Lançamento?")});
    EXPECT_TRUE(storedClient().has_value());
    EXPECT_EQ(cash("Dinheiro"), reais("37,50"));

    dialogs.answer(true);
    button(screen, "BitBtn4")->click();
    EXPECT_FALSE(storedClient().has_value());
    EXPECT_EQ(storedItems(), 0);
    EXPECT_EQ(stockOf(2), 10.0);
    EXPECT_EQ(cash("Dinheiro"), core::Currency{});
    EXPECT_EQ(focused(), "BitBtn2");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(", ").toStdString();

    // Nothing is current any more.
    button(screen, "BitBtn4")->click();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Selecione o Lançamento Para Exclusão!")});
}

TEST_F(StoredSaleTest, ASaleDeletedElsewhereIsToldAndCancelarStillClosesThePanel) {
    button(screen, "BitBtn9")->click();
    {
        testsupport::RecordingMessages quiet;
        data::Tdm station(dataDir(), quiet);
        sales::deleteSale(station, paid);
    }
    dialogs.answer(true);
    button(screen, "BtImprimirRecibo")->click();
    EXPECT_TRUE(receipt.empty());
    button(screen, "BtCancelarRecibo")->click();
    EXPECT_FALSE(child<QGroupBox>(screen, "PnRecibo")->isVisible());
    EXPECT_EQ(dialogs.messages, QStringList(2, QString::fromUtf8(sales::kSaleGone)));
    EXPECT_FALSE(storedClient().has_value());
}

}  // namespace
}  // namespace salestest
