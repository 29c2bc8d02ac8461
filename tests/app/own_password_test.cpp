// A user still on the first password is asked to choose his own after logging in; wrong
// passwords in a row make the next try wait.
#include <gtest/gtest.h>
#include <QApplication>
#include <QThread>

#include <chrono>

#include "app/authorization.h"
#include "app/login_rules.h"
#include "app/own_password.h"
#include "app/user_rules.h"
#include "app_fixture.h"

namespace {

using apptest::AppTest;
using apptest::authorizeAs;
using namespace std::chrono_literals;

// A handler for TFmTrocaSenha: types both boxes and presses "&Gravar"; the dialog's result,
// and the name of the box holding the focus afterwards.
struct Change {
    QString password;
    QString confirmation;
};

class OwnPassword : public AppTest {
  protected:
    app::TFmMenu menu;
    QString focusAfter;

    std::function<int(QDialog&)> change(Change typed) {
        return [this, typed](QDialog& dialog) {
            uitest::type(dialog.findChild<QLineEdit*>("EdNovaSenha"), typed.password);
            uitest::type(dialog.findChild<QLineEdit*>("EdConfirmar"), typed.confirmation);
            dialog.findChild<QPushButton*>("BtGravar")->click();
            if (QWidget* focus = dialog.focusWidget()) focusAfter = focus->objectName();
            if (dialog.result() != QDialog::Accepted) dialog.findChild<QPushButton*>("BtDepois")->click();
            return dialog.result();
        };
    }

    // The login as `user`, and whatever the test expects after it.
    void expectLoginAs(const QString& user, const QString& password) {
        menu.attach(dm);
        expectStartScreen();
        expectCycle(authorizeAs(user, password));
    }
    void activate() {
        menu.onActivated();
        ASSERT_TRUE(menu.loginDone());
    }
};

TEST_F(OwnPassword, TheFirstPasswordIsOfferedAChangeThatThenLogsIn) {
    expectLoginAs(data::kFirstUser, data::kFirstPassword);
    dialogs.answer(true);
    dialogs.expectScreen("TFmTrocaSenha", change({"nova", "NOVA"}));
    activate();
    EXPECT_EQ(dialogs.questions, QStringList{app::kChooseOwnPassword});
    EXPECT_EQ(dialogs.messages, QStringList{app::kPasswordChanged});

    ASSERT_TRUE(dm.TbSenha.findKey({std::int64_t{1}}));
    EXPECT_TRUE(data::isUsersPassword(dm, "NOVA"));
    EXPECT_FALSE(data::isUsersPassword(dm, data::kFirstPassword));
}

TEST_F(OwnPassword, PuttingItOffKeepsTheFirstPassword) {
    expectLoginAs(data::kFirstUser, data::kFirstPassword);
    dialogs.answer(true);
    dialogs.expectScreen("TFmTrocaSenha", [](QDialog& dialog) {
        dialog.findChild<QPushButton*>("BtDepois")->click();
        return dialog.result();
    });
    activate();
    ASSERT_TRUE(dm.TbSenha.findKey({std::int64_t{1}}));
    EXPECT_TRUE(data::onFirstPassword(dm));
}

TEST_F(OwnPassword, AUserWithHisOwnPasswordIsNotAsked) {
    addEmployee(2, "BRUNA");
    addUser(2, "BRUNA", "ABÇ", 2);
    expectLoginAs("BRUNA", "ABÇ");
    activate();
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

struct Refused {
    Change typed;
    QString message;
    QString focus;
};

TEST_F(OwnPassword, ABadNewPasswordIsRefusedAndNothingWritten) {
    const Refused cases[] = {
        {{"", ""}, app::kTypeNewPassword, "EdNovaSenha"},
        {{"1234", "1234"}, app::kNewPasswordIsTheFirst, "EdNovaSenha"},
        {{"NOVA", ""}, app::kTypeConfirmation, "EdConfirmar"},
        {{"NOVA", "NOVO"}, app::kConfirmationDiffers, "EdConfirmar"},
    };
    ASSERT_TRUE(dm.TbSenha.findKey({std::int64_t{1}}));
    for (const Refused& refused : cases) {
        SCOPED_TRACE(refused.message.toStdString());
        dialogs.messages.clear();
        app::TFmTrocaSenha dialog(dm);
        EXPECT_EQ(change(refused.typed)(dialog), QDialog::Rejected);
        EXPECT_EQ(dialogs.messages, QStringList{refused.message});
        EXPECT_EQ(focusAfter, refused.focus);
        EXPECT_TRUE(data::onFirstPassword(dm));
    }
}

TEST(WrongPasswords, TheThirdInARowStartsAWaitThatDoublesUpToHalfAMinute) {
    const std::pair<int, std::chrono::seconds> cases[] = {{0, 0s}, {2, 0s},  {3, 1s},  {4, 2s},
                                                          {5, 4s}, {7, 16s}, {8, 30s}, {50, 30s}};
    for (const auto& [inARow, wait] : cases) EXPECT_EQ(app::WrongPasswords::waitAfter(inARow), wait) << inARow;

    app::WrongPasswords wrong;
    const auto start = app::WrongPasswords::Clock::now();
    for (int i = 0; i < 4; ++i) wrong.wrong(start);
    EXPECT_EQ(wrong.waitAt(start + 500ms), 1500ms);
    EXPECT_EQ(wrong.waitAt(start + 3s), 0ms);
    wrong.right();
    wrong.wrong(start);
    EXPECT_EQ(wrong.waitAt(start), 0ms) << "a right password starts the count again";

    EXPECT_EQ(app::waitMessage(1500ms), "Aguarde 2 segundos para tentar de novo.");
    EXPECT_EQ(app::waitMessage(1000ms), "Aguarde 1 segundo para tentar de novo.");
}

TEST_F(OwnPassword, AfterThreeWrongPasswordsEvenTheRightOneWaits) {
    app::wrongPasswords().right();
    app::TFmAutorizacao dialog(dm);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(authorizeAs(data::kFirstUser, "ERRADA")(dialog), QDialog::Rejected);
    EXPECT_EQ(dialogs.messages.last(), app::kWrongPassword + "\nAguarde 1 segundo para tentar de novo.");

    EXPECT_EQ(authorizeAs("", data::kFirstPassword)(dialog), QDialog::Rejected) << "not even checked";
    EXPECT_EQ(dialogs.messages.last(), "Aguarde 1 segundo para tentar de novo.");

    QThread::msleep(1100);
    EXPECT_EQ(authorizeAs("", data::kFirstPassword)(dialog), QDialog::Accepted);
    EXPECT_EQ(app::wrongPasswords().waitAt(app::WrongPasswords::Clock::now()), 0ms);
}

}  // namespace
