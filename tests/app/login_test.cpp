// The authorization dialog and the login of the main window's first activation.
#include <gtest/gtest.h>
#include <QLabel>
#include <QToolBar>

#include "app/authorization.h"
#include "app/login_rules.h"
#include "app/main_window.h"
#include "app/menu_entries.h"
#include "app/start_screen.h"
#include "app_fixture.h"
#include "data/initial_data.h"
#include "data/user_passwords.h"

namespace {

using apptest::AppTest;
using apptest::authorizeAs;

const QString kCloseReminder = QStringLiteral("Não Esqueça de Fechar o Caixa e Efetuar o Backup!");

class Authorization : public AppTest {
  protected:
    void SetUp() override {
        addEmployee(2, "BRUNA");
        addUser(2, "BRUNA", "ABÇ", 2);
        dm.TbSenha.first();
    }
    int run(const std::function<int(QDialog&)>& script) {
        app::TFmAutorizacao dialog(dm);
        script(dialog);
        typed = dialog.typedPassword();
        return dialog.result();
    }
    QString typed;
};

TEST_F(Authorization, ListsEveryUserWithNoNameChosen) {
    app::TFmAutorizacao dialog(dm);
    auto* users = dialog.findChild<QComboBox*>("CbUsuario");
    ASSERT_EQ(users->count(), 2);
    EXPECT_EQ(users->itemText(0), "ADMINISTRADOR");
    EXPECT_EQ(users->itemText(1), "BRUNA");
    EXPECT_EQ(users->currentIndex(), -1);
    EXPECT_EQ(dialog.windowTitle(), "Senha de  Autorização.");
}

TEST_F(Authorization, TheReminderGivesTheFirstUsersPassword) {
    app::TFmAutorizacao dialog(dm);
    dm.TbSenha.first();
    ASSERT_TRUE(data::isUsersPassword(dm, data::kFirstPassword));
    EXPECT_TRUE(dialog.findChild<QLabel*>("LbLembrete")->text().contains(data::kFirstPassword));
}

TEST_F(Authorization, OkWithoutChoosingChecksTheCurrentUser) {
    EXPECT_EQ(run(authorizeAs("", "1234")), QDialog::Accepted);
    EXPECT_EQ(currentUser(), "ADMINISTRADOR");
}

TEST_F(Authorization, AWrongPasswordIsRefusedAndTheDialogStays) {
    app::TFmAutorizacao dialog(dm);
    EXPECT_EQ(authorizeAs("BRUNA", "1234")(dialog), QDialog::Rejected);
    EXPECT_EQ(dialogs.messages, QStringList{app::kWrongPassword});
    EXPECT_EQ(dialog.typedPassword(), QString()) << "the password field is emptied";

    EXPECT_EQ(authorizeAs("", "ABÇ")(dialog), QDialog::Accepted) << "still on BRUNA";
    EXPECT_EQ(currentUser(), "BRUNA");
}

TEST_F(Authorization, LowerCaseTypingBecomesTheUpperCasePassword) {
    EXPECT_EQ(run(authorizeAs("BRUNA", "abç")), QDialog::Accepted);
    EXPECT_EQ(typed, "ABÇ");
}

TEST_F(Authorization, WithoutAnyUserOkIsRefusedWithoutAWord) {
    while (!dm.TbSenha.isEmpty()) dm.TbSenha.deleteRecord();
    EXPECT_EQ(run(authorizeAs("", "")), QDialog::Rejected);
    EXPECT_EQ(run(authorizeAs("", "1234")), QDialog::Rejected);
    EXPECT_EQ(typed, QString());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Authorization, CancelIsNeverRefusedAndKeepsWhatWasTyped) {
    EXPECT_EQ(run(authorizeAs("BRUNA", "XYZ", true)), QDialog::Rejected);
    EXPECT_EQ(typed, "XYZ");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(BirthdayKey, DayAndMonthWithoutLeadingZeros) {
    EXPECT_EQ(app::birthdayKeyOf({2024, 1, 1}), "1/1");
    EXPECT_EQ(app::birthdayKeyOf({2024, 10, 10}), "10/10");
    EXPECT_EQ(app::birthdayKeyOf({2024, 3, 5}), "5/3");
    EXPECT_EQ(app::birthdayKeyOf({2024, 12, 25}), "25/12");
}

class Login : public AppTest {
  protected:
    void addClient(std::int64_t code, const std::string& name, const std::string& birthday) {
        store::Table& t = dm.TbCliente;
        const bool wasOpen = t.isOpen();
        if (!wasOpen) t.open();
        t.insert();
        t.field("Codigo").setInteger(code);
        t.field("Nome").setString(name);
        t.field("Aniversario").setString(birthday);
        t.post();
        if (!wasOpen) t.close();
    }

    app::TFmMenu menu;
    int birthdayReports = 0;
    QStringList birthdayClients;

    void SetUp() override {
        menu.attach(dm);
        menu.onBirthdaysToday = [this] {
            ++birthdayReports;
            for (dm.TbCliente.first(); !dm.TbCliente.eof(); dm.TbCliente.next())
                birthdayClients << QString::fromStdString(dm.TbCliente.field("Nome").asString());
        };
        // Shown, so that closing it can be seen; activated only by the tests themselves.
        menu.setAttribute(Qt::WA_ShowWithoutActivating);
        menu.show();
    }
};

TEST_F(Login, AWrongThenRightPasswordLogsIn) {
    expectStartScreen([](app::TFmTelaEntrar& start) {
        EXPECT_EQ(start.findChild<QLabel*>("Label1")->text(), "Acesso Permitido!");
        EXPECT_EQ(start.findChild<QLabel*>("Label2")->text(), "TECLE # ENTER # PARA  ACESSAR O PROGRAMA");
    });
    expectCycle([](QDialog& dialog) {
        authorizeAs("ADMINISTRADOR", "4321")(dialog);
        return authorizeAs("", "1234")(dialog);
    });
    dialogs.answer(false);  // his own password some other time
    menu.onActivated();
    EXPECT_TRUE(menu.loginDone());
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(dialogs.messages, QStringList{app::kWrongPassword});
    EXPECT_EQ(birthdayReports, 0) << "no client has a birthday today";
    EXPECT_FALSE(dm.TbCliente.isOpen());

    // Later activations only recompute the birthday key: no second login.
    menu.onActivated();
    EXPECT_EQ(menu.chaveAniversario(), app::birthdayKeyOf(core::Date::today()));
}

// Counts the activations a window receives.
class ActivationCounter : public QObject {
  public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) ++count;
        return false;
    }
};

TEST_F(Login, StartsWhenTheWindowIsShownThoughItIsNeverActivatedAndNothingOpensBeforeIt) {
    ActivationCounter activations;
    menu.installEventFilter(&activations);
    QStringList opened;
    menu.wire(app::entry::Clientes, [&] { opened << app::entry::Clientes; });
    menu.wire(app::entry::MenuClientes, [&] { opened << app::entry::MenuClientes; });
    auto* clientes = menu.findChild<QToolBar*>("BarraBotoes")->findChild<QWidget*>(app::entry::Clientes);
    ASSERT_NE(clientes, nullptr);
    auto triggerClientes = [&] {
        menu.entryAction(app::entry::Clientes)->trigger();
        menu.entryAction(app::entry::MenuClientes)->trigger();
    };
    // Before the login has even come up: the button is greyed out and its shortcut does nothing.
    EXPECT_FALSE(clientes->isEnabled());
    triggerClientes();

    dialogs.expectScreen("TFmTelaEntrar", [&](QDialog& screen) {
        EXPECT_EQ(activations.count, 0) << "the login came up without an activation";
        // A click on the window while the login is on screen.
        QTest::mouseClick(clientes, Qt::LeftButton);
        triggerClientes();
        auto& start = static_cast<app::TFmTelaEntrar&>(screen);
        start.runAccessCycle();
        triggerClientes();
        return start.result();
    });
    expectCycle(authorizeAs("ADMINISTRADOR", "1234"));
    dialogs.answer(false);  // his own password some other time

    // Nothing but the event loop from here: the window was only shown.
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu.loginDone(); }, 3000));
    EXPECT_TRUE(opened.isEmpty()) << opened.join(' ').toStdString();

    EXPECT_TRUE(clientes->isEnabled());
    QTest::mouseClick(clientes, Qt::LeftButton);
    triggerClientes();
    EXPECT_EQ(opened, (QStringList{app::entry::Clientes, app::entry::Clientes, app::entry::MenuClientes}));
}

TEST_F(Login, CancellingWithAPasswordThatDoesNotMatchEndsTheProgram) {
    expectStartScreen([](app::TFmTelaEntrar& start) {
        EXPECT_EQ(start.result(), QDialog::Rejected) << "the start screen stays after a cancel";
        start.findChild<QPushButton*>("BtCancelar")->click();
    });
    expectCycle(authorizeAs("ADMINISTRADOR", "999", true));
    menu.onActivated();
    EXPECT_FALSE(menu.loginDone());
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(dialogs.messages, QStringList{kCloseReminder});
}

TEST_F(Login, CancellingAfterTypingTheRightPasswordStillLogsIn) {
    // Whatever way the dialog ended, the password typed last is what counts.
    expectStartScreen(
        [](app::TFmTelaEntrar& start) { start.findChild<QPushButton*>("BtCancelar")->click(); });
    expectCycle(authorizeAs("ADMINISTRADOR", "1234", true));
    dialogs.answer(false);  // his own password some other time
    menu.onActivated();
    EXPECT_TRUE(menu.loginDone());
    EXPECT_TRUE(menu.isVisible());
}

TEST_F(Login, WithoutAnyUserAnEmptyPasswordIsNoLogin) {
    while (!dm.TbSenha.isEmpty()) dm.TbSenha.deleteRecord();
    expectStartScreen(
        [](app::TFmTelaEntrar& start) { start.findChild<QPushButton*>("BtCancelar")->click(); });
    expectCycle(authorizeAs("", "", true));
    menu.onActivated();
    EXPECT_FALSE(menu.loginDone());
    EXPECT_FALSE(menu.isVisible());
}

TEST_F(Login, EnterOnTheStartScreenRunsTheCycleAgain) {
    expectStartScreen([](app::TFmTelaEntrar& start) {
        EXPECT_EQ(start.findChild<QLabel*>("Label2")->text(), "TECLE # ENTER # PARA  A TELA DE ACESSO");
        QTest::keyClick(&start, Qt::Key_Return);
    });
    expectCycle(authorizeAs("ADMINISTRADOR", "", true));
    expectCycle(authorizeAs("ADMINISTRADOR", "1234"));
    dialogs.answer(false);  // his own password some other time
    menu.onActivated();
    EXPECT_TRUE(menu.loginDone());
}

TEST_F(Login, AKeyOnTheSplashEmptiesTheStartScreensSecondLabel) {
    app::TFmTelaEntrar start(dm);
    dialogs.expectScreen("TFmFigura", [&start](QDialog& splash) {
        QTest::keyClick(&splash, Qt::Key_A);
        EXPECT_EQ(start.findChild<QLabel*>("Label2")->text(), QString());
        return splash.result();
    });
    dialogs.expectScreen("TFmAutorizacao", authorizeAs("", "1234"));
    start.runAccessCycle();
    EXPECT_EQ(start.result(), QDialog::Accepted);
}

TEST_F(Login, TodaysBirthdayClientsReachTheReportAndNobodyElse) {
    const core::Date today = core::Date::today();
    addClient(1, "ANA", app::birthdayKeyOf(today));
    addClient(2, "BEATRIZ", app::birthdayKeyOf(today.addDays(1)));
    addClient(3, "CLARA", app::birthdayKeyOf(today));
    expectStartScreen();
    expectCycle(authorizeAs("ADMINISTRADOR", "1234"));
    dialogs.answer(false);  // his own password some other time
    menu.onActivated();
    EXPECT_EQ(birthdayReports, 1);
    EXPECT_EQ(birthdayClients, (QStringList{"ANA", "CLARA"}));
    EXPECT_FALSE(dm.TbCliente.isOpen());
    dm.TbCliente.open();
    EXPECT_EQ(dm.TbCliente.indexName(), "");
    EXPECT_EQ(dm.TbCliente.recordCount(), 3) << "no range left behind";
}

TEST_F(Login, TheBirthdayKeyIsMatchedExactly) {
    addClient(1, "ANA", "1/1");
    addClient(2, "BEATRIZ", "01/01");
    EXPECT_TRUE(app::listBirthdays(dm, "1/1", menu.onBirthdaysToday));
    EXPECT_EQ(birthdayClients, QStringList{"ANA"});
    EXPECT_FALSE(app::listBirthdays(dm, "2/1", menu.onBirthdaysToday));
    EXPECT_EQ(birthdayReports, 1);
}

}  // namespace
