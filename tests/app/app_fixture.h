#pragma once
// Application-shell tests: a fresh data directory with the initial data (user ADMINISTRADOR,
// employee 1, password 1234), scripted dialogs, and helpers to add employees, users and
// permissions, to drive the authorization dialog from a scripted screen handler, and to log
// in on the main window as a user does.
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <string>

#include "app/main_window.h"
#include "app/start_screen.h"
#include "data/initial_data.h"
#include "data/user_passwords.h"
#include "ui/ui_fixture.h"

namespace apptest {

std::function<int(QDialog&)> authorizeAs(const QString& user, const QString& password, bool cancel = false);

class AppTest : public uitest::UiTest {
  protected:
    void addEmployee(std::int64_t code, const std::string& name) {
        store::Table& t = dm.TbFuncionario;
        const bool wasOpen = t.isOpen();
        if (!wasOpen) t.open();
        t.insert();
        t.field("Codigo").setInteger(code);
        t.field("Nome").setString(name);
        t.post();
        if (!wasOpen) t.close();
    }

    void addUser(std::int64_t code, const std::string& name, const std::string& password,
                 std::int64_t employee, const std::string& level = "") {
        store::Table& t = dm.TbSenha;
        t.insert();
        t.field("Codigo").setInteger(code);
        t.field("Usuario").setString(name);
        data::setUsersPassword(dm, password);
        t.field("CodFUN").setInteger(employee);
        t.field("Nivel").setString(level);
        t.post();
    }

    void makeCurrentUser(std::int64_t code) { ASSERT_TRUE(dm.TbSenha.findKey({code})); }

    void setStatus(double area, const std::string& status) {
        ASSERT_TRUE(dm.TbAcesso.findKey({area})) << area;
        dm.TbAcesso.edit();
        dm.TbAcesso.field("Status").setString(status);
        dm.TbAcesso.post();
    }
    void protect(double area) { setStatus(area, "X"); }

    void permit(double area, std::int64_t employee, const std::string& name) {
        ASSERT_TRUE(dm.TbAcesso.findKey({area})) << area;
        dm.TbItemAcesso.insert();
        dm.TbItemAcesso.field("Numero").setInteger(employee);
        dm.TbItemAcesso.field("Usuario").setString(name);
        dm.TbItemAcesso.post();
    }

    int permittedCount(double area) {
        if (!dm.TbAcesso.findKey({area})) return -1;
        return dm.TbItemAcesso.recordCount();
    }

    std::string currentUser() { return dm.TbSenha.field("Usuario").asString(); }

    // The start screen runs the access cycle: the splash (closed by a key), then the
    // authorization dialog scripted by `authorization`.
    void expectCycle(std::function<int(QDialog&)> authorization) {
        dialogs.expectScreen("TFmFigura", [](QDialog& splash) {
            QTest::keyClick(&splash, Qt::Key_Space);
            return splash.result();
        });
        dialogs.expectScreen("TFmAutorizacao", std::move(authorization));
    }

    // The start screen as the window shows it: one access cycle, then `afterwards`.
    void expectStartScreen(std::function<void(app::TFmTelaEntrar&)> afterwards = {}) {
        dialogs.expectScreen("TFmTelaEntrar", [afterwards](QDialog& screen) {
            auto& start = static_cast<app::TFmTelaEntrar&>(screen);
            start.runAccessCycle();
            if (afterwards) afterwards(start);
            return start.result();
        });
    }

    // The whole login as the first user, as the window runs it when it comes up.
    // He is still on the first password and puts off choosing his own.
    void logIn(app::TFmMenu& menu) {
        expectStartScreen();
        expectCycle(authorizeAs(data::kFirstUser, data::kFirstPassword));
        dialogs.answer(false);
        menu.onActivated();
        ASSERT_TRUE(menu.loginDone());
    }
};

// A screen handler for the authorization dialog: picks `user` (empty: leaves the list as
// it is), types `password` key by key, then presses OK, or "&Cancelar" when `cancel`.
inline std::function<int(QDialog&)> authorizeAs(const QString& user, const QString& password, bool cancel) {
    return [=](QDialog& dialog) {
        auto* users = dialog.findChild<QComboBox*>(QStringLiteral("CbUsuario"));
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("EdSenha"));
        EXPECT_TRUE(users && edit);
        if (!users || !edit) return int(QDialog::Rejected);
        if (!user.isEmpty()) {
            const int index = users->findText(user);
            EXPECT_GE(index, 0) << user.toStdString();
            users->setCurrentIndex(index);
            emit users->activated(index);
        }
        uitest::type(edit, password);
        dialog.findChild<QPushButton*>(cancel ? QStringLiteral("BtCancelar") : QStringLiteral("BtOk"))
            ->click();
        return dialog.result();
    };
}

// A handler that closes a screen at once with the given result.
inline std::function<int(QDialog&)> closeWith(int result) {
    return [result](QDialog&) { return result; };
}

}  // namespace apptest
