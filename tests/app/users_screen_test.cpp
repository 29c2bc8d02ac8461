// The users screen: registering, changing and deleting users, and each refusal.
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>

#include "app/user_rules.h"
#include "app/users_screen.h"
#include "app_fixture.h"
#include "ui/db_grid.h"

namespace {

class UsersScreen : public apptest::AppTest {
  protected:
    void SetUp() override {
        addEmployee(2, "BRUNA");
        addEmployee(3, "CARLA");
        screen = std::make_unique<app::TFmSenhas>(dm);
        uitest::showActive(*screen);
    }
    QLineEdit* edit(const char* name) { return screen->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return screen->findChild<QPushButton*>(name); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void typeInto(const char* name, const QString& text) {
        QLineEdit* field = edit(name);
        field->setFocus();
        field->selectAll();
        uitest::type(field, text);
    }
    // Fills in a new user as a person would: code, leave it, password and confirmation.
    void fillNewUser(const QString& employee, const QString& password, const QString& confirmation) {
        click("BtNovo");
        typeInto("EdCodFUN", employee);
        edit("EdUsuario")->setFocus();
        typeInto("EdSenha", password);
        typeInto("EdConfirmar", confirmation);
    }
    bool registering() { return button("BtRegistrar")->isEnabled(); }
    int users() { return dm.TbSenha.recordCount(); }

    std::unique_ptr<app::TFmSenhas> screen;
};

TEST_F(UsersScreen, OpensBrowsingWithTheEmployeesOpen) {
    EXPECT_FALSE(registering());
    EXPECT_TRUE(button("BtNovo")->isEnabled() && button("BtAlterar")->isEnabled());
    EXPECT_TRUE(dm.TbFuncionario.isOpen());
    EXPECT_TRUE(edit("EdUsuario")->isReadOnly());
    screen.reset();
    EXPECT_FALSE(dm.TbFuncionario.isOpen());
}

TEST_F(UsersScreen, RegistersAnEmployeeAsANewUser) {
    fillNewUser("2", "segredo", "SEGREDO");
    EXPECT_TRUE(registering());
    EXPECT_EQ(edit("EdUsuario")->text(), "BRUNA") << "taken from the employee when the field is entered";
    EXPECT_EQ(edit("EdSenha")->text(), "SEGREDO");
    dialogs.answer(true);
    click("BtRegistrar");
    EXPECT_EQ(dialogs.questions, QStringList{"Grava o Novo Usuário?"});
    EXPECT_FALSE(registering());
    EXPECT_EQ(users(), 2);
    dm.TbSenha.last();
    EXPECT_EQ(dm.TbSenha.field("Codigo").asInteger(), 2);
    EXPECT_EQ(dm.TbSenha.field("Usuario").asString(), "BRUNA");
    EXPECT_TRUE(data::isUsersPassword(dm, "SEGREDO"));
    EXPECT_EQ(dm.TbSenha.field("CodFUN").asInteger(), 2);
    EXPECT_EQ(dm.TbSenha.field("Nivel").asString(), "");
    EXPECT_EQ(edit("EdSenha")->text(), QString()) << "what is stored is never shown";
    EXPECT_EQ(edit("EdSenha")->maxLength(), 10);
}

TEST_F(UsersScreen, EnteringTheUserFieldWithAnUnknownEmployeeIsRefused) {
    click("BtNovo");
    typeInto("EdCodFUN", "99");
    edit("EdUsuario")->setFocus();
    EXPECT_EQ(dialogs.messages, QStringList{app::kUnknownEmployee});
    EXPECT_EQ(edit("EdUsuario")->text(), QString());
    EXPECT_TRUE(edit("EdCodFUN")->hasFocus());
    dialogs.answer(true);
    click("BtExcluir");  // gives up the new user
    EXPECT_EQ(users(), 1);
}

struct Refusal {
    const char* name;
    const char* employee;
    const char* password;
    const char* confirmation;
    bool visitUserField;
    QString message;
    const char* focusAfter;
};

class RegisterRefusal : public UsersScreen, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RegisterRefusal, SaysWhyAndRecordsNothing) {
    const Refusal& r = GetParam();
    click("BtNovo");
    typeInto("EdCodFUN", r.employee);
    if (r.visitUserField) edit("EdUsuario")->setFocus();
    typeInto("EdSenha", r.password);
    typeInto("EdConfirmar", r.confirmation);
    // A code changed after the name was filled in: the name must not stay with it.
    if (std::string(r.name) == "CodeChangedAfterTheName") typeInto("EdCodFUN", "77");
    dialogs.messages.clear();

    click("BtRegistrar");
    EXPECT_EQ(dialogs.messages, QStringList{r.message});
    EXPECT_TRUE(registering());
    EXPECT_TRUE(edit(r.focusAfter)->hasFocus()) << r.focusAfter;
    if (r.message == app::kConfirmationDiffers) {
        EXPECT_EQ(edit("EdConfirmar")->text(), QString());
    }

    dialogs.answer(true);
    click("BtExcluir");
    EXPECT_EQ(users(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    UsersScreen, RegisterRefusal,
    ::testing::Values(
        Refusal{"NoUserChosen", "2", "A1", "A1", false, app::kSelectUser, "EdCodFUN"},
        Refusal{"NoConfirmation", "2", "A1", "", true, app::kTypeConfirmation, "EdConfirmar"},
        Refusal{"ConfirmationDiffers", "2", "A1", "A2", true, app::kConfirmationDiffers, "EdConfirmar"},
        Refusal{"CodeChangedAfterTheName", "2", "A1", "A1", true, app::kUnknownEmployee, "EdCodFUN"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UsersScreen, TheEmployeeSearchFillsInTheCodeWhileRegistering) {
    EXPECT_FALSE(button("BtF")->isEnabled()) << "no employee search yet";
    int searches = 0;
    app::setEmployeeSearch([&] {
        ++searches;
        dm.TbFuncionario.findKey({std::int64_t{3}});
    });
    click("BtNovo");
    EXPECT_TRUE(button("BtF")->isEnabled());
    click("BtF");
    app::setEmployeeSearch({});
    EXPECT_EQ(searches, 1);
    EXPECT_EQ(edit("EdCodFUN")->text(), "3");
    EXPECT_EQ(edit("EdUsuario")->text(), "CARLA");
    EXPECT_TRUE(edit("EdSenha")->hasFocus());
    dialogs.answer(true);
    click("BtExcluir");
}

TEST_F(UsersScreen, TwoUsersMayShareOneEmployee) {
    for (const char* password : {"UM", "DOIS"}) {
        fillNewUser("3", password, password);
        dialogs.answer(true);
        click("BtRegistrar");
    }
    EXPECT_EQ(users(), 3);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(UsersScreen, WhileRegisteringNeitherConsultaNorClosing) {
    click("BtNovo");
    click("BtConsulta");
    screen->reject();
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(dialogs.messages, (QStringList{app::kRecordInEdit, app::kRecordInEdit}));
    dialogs.answer(true);
    click("BtExcluir");
}

TEST_F(UsersScreen, ConsultaLeavesTheChosenUserCurrent) {
    addUser(2, "BRUNA", "B", 2);
    dm.TbSenha.first();
    dialogs.expectScreen("TFmConSenha", [](QDialog& list) {
        auto* grid = list.findChild<QTableView*>("DBGrid1");
        grid->selectRow(1);
        emit static_cast<ui::DbGrid*>(grid)->chosen();
        return list.result();
    });
    click("BtConsulta");
    EXPECT_EQ(currentUser(), "BRUNA");
    EXPECT_EQ(edit("EdUsuario")->text(), "BRUNA");
}

TEST_F(UsersScreen, AlterarChangesThePasswordOnlyOnceConfirmed) {
    dialogs.answer(true);
    click("BtAlterar");
    EXPECT_TRUE(registering());
    typeInto("EdSenha", "NOVA");
    typeInto("EdConfirmar", "NOVA");
    dialogs.answer(true);
    click("BtRegistrar");
    EXPECT_EQ(dialogs.questions, (QStringList{"Alterar a Senha do Usuário?", "Grava o Novo Usuário?"}));
    dm.TbSenha.refresh();
    EXPECT_TRUE(data::isUsersPassword(dm, "NOVA"));

    dialogs.answer(false);
    click("BtAlterar");
    EXPECT_FALSE(registering());
}

TEST_F(UsersScreen, TypingWhileBrowsingChangesNoPassword) {
    typeInto("EdSenha", "X");
    EXPECT_FALSE(dm.TbSenha.isEditing());
    EXPECT_TRUE(data::isUsersPassword(dm, "1234"));
}

TEST_F(UsersScreen, ExcluirDeletesTheCurrentUserButNeverTheOnlyOne) {
    dialogs.answer(true);
    click("BtExcluir");
    EXPECT_EQ(dialogs.messages, QStringList{app::kOnlyUser});
    EXPECT_EQ(users(), 1);

    addUser(2, "BRUNA", "B", 2);
    dialogs.answer(false);
    click("BtExcluir");
    EXPECT_EQ(users(), 2);
    dialogs.answer(true);
    click("BtExcluir");
    EXPECT_EQ(dialogs.questions,
              (QStringList{"Excluir o Usuário?", "Excluir o Usuário?", "Excluir o Usuário?"}));
    EXPECT_EQ(users(), 1);
    dm.TbSenha.first();
    EXPECT_EQ(currentUser(), "ADMINISTRADOR");
}

TEST_F(UsersScreen, RefusingToDeleteTheOnlyUserDropsHisUnconfirmedChange) {
    dialogs.answer(true);
    click("BtAlterar");
    typeInto("EdSenha", "ZZ");
    dialogs.answer(true);
    click("BtExcluir");
    EXPECT_EQ(dialogs.messages, QStringList{app::kOnlyUser});
    EXPECT_FALSE(registering());
    EXPECT_FALSE(dm.TbSenha.isEditing());
    EXPECT_TRUE(data::isUsersPassword(dm, "1234"));
}

TEST_F(UsersScreen, ExcluirWhileChangingDropsTheChangeWithTheUser) {
    addUser(2, "BRUNA", "B", 2);
    dialogs.answer(true);
    click("BtAlterar");
    typeInto("EdSenha", "ZZ");
    dialogs.answer(true);
    click("BtExcluir");
    EXPECT_FALSE(registering());
    EXPECT_EQ(users(), 1);
    EXPECT_FALSE(dm.TbSenha.findKey({std::int64_t{2}}));
}

}  // namespace
