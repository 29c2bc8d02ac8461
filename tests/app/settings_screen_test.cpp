// The settings and access screen, the user picker and the master-password door.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

#include "app/access.h"
#include "app/grant_screen.h"
#include "app/main_window.h"
#include "app/master_password.h"
#include "app/menu_entries.h"
#include "app/settings_rules.h"
#include "app/settings_screen.h"
#include "app_fixture.h"
#include "data/master_password.h"
#include "ui/db_grid.h"
#include "ui/db_image.h"

namespace {

class SettingsScreen : public apptest::AppTest {
  protected:
    void SetUp() override {
        addEmployee(2, "BRUNA");
        addUser(2, "BRUNA", "B2", 2);
    }
    void open() {
        screen = std::make_unique<app::TFmConfigurar>(dm);
        uitest::showActive(*screen);
    }
    void click(const char* name) { QTest::mouseClick(screen->findChild<QPushButton*>(name), Qt::LeftButton); }
    void doubleClickArea(double area) {
        ASSERT_TRUE(dm.TbAcesso.findKey({area}));
        auto* grid = screen->findChild<ui::DbGrid*>("DBGrid1");
        emit grid->doubleClicked(grid->currentIndex());
    }
    std::string status(double area) {
        dm.TbAcesso.findKey({area});
        return dm.TbAcesso.field("Status").asString();
    }
    void typeSalonName(const QString& name) {
        auto* edit = screen->findChild<QLineEdit*>("DBEdit1");
        edit->setFocus();
        edit->selectAll();
        uitest::type(edit, name);
    }
    std::string config(const char* field) {
        dm.TbConfig.refresh();
        return dm.TbConfig.field(field).asString();
    }

    std::unique_ptr<app::TFmConfigurar> screen;
};

// A picker script that grants the current user and closes.
int grantCurrentUser(QDialog& picker) {
    picker.findChild<QPushButton*>("BtHabilitar")->click();
    return QDialog::Rejected;
}

TEST_F(SettingsScreen, DoubleClickTogglesProtectionAndKeepsThePermittedUsers) {
    open();
    dialogs.expectScreen("TFmHabilitar", grantCurrentUser);
    doubleClickArea(3);
    EXPECT_EQ(status(3), "X");
    EXPECT_EQ(permittedCount(3), 1);
    EXPECT_EQ(dialogs.messages, QStringList{app::kUserEnabled});

    doubleClickArea(3);  // open to everyone: no picker
    EXPECT_EQ(status(3), "");
    EXPECT_EQ(permittedCount(3), 1);

    dialogs.expectScreen("TFmHabilitar", apptest::closeWith(QDialog::Rejected));
    doubleClickArea(3);
    EXPECT_EQ(status(3), "X");
    EXPECT_EQ(permittedCount(3), 1);
    EXPECT_EQ(status(17.1), "") << "only the area clicked changes";
}

TEST_F(SettingsScreen, GrantingTwiceAddsOneRowAndSaysSoOnce) {
    ASSERT_TRUE(dm.TbAcesso.findKey({17.01}));
    app::TFmHabilitar picker(dm);
    auto* grid = picker.findChild<ui::DbGrid*>("DBGrid1");
    grid->selectRow(1);  // BRUNA
    ASSERT_EQ(currentUser(), "BRUNA");
    picker.findChild<QPushButton*>("BtHabilitar")->click();
    emit grid->chosen();
    EXPECT_EQ(permittedCount(17.01), 1);
    EXPECT_EQ(dialogs.messages, QStringList{app::kUserEnabled});
    EXPECT_EQ(dm.TbItemAcesso.field("Numero").asInteger(), 2);
    EXPECT_EQ(dm.TbItemAcesso.field("Usuario").asString(), "BRUNA");
    EXPECT_DOUBLE_EQ(dm.TbItemAcesso.field("Codigo").asFloat(), 17.01);

    grid->selectRow(0);
    emit grid->chosen();
    EXPECT_EQ(permittedCount(17.01), 2);
    EXPECT_EQ(permittedCount(17.1), 0);
}

TEST_F(SettingsScreen, ExcluirUsuarioRemovesTheSelectedPermittedUser) {
    permit(2.1, 2, "BRUNA");
    permit(2.2, 1, "ADMINISTRADOR");
    open();
    ASSERT_TRUE(dm.TbAcesso.findKey({2.0}));
    click("BtExcluirUsuario");
    EXPECT_EQ(dialogs.messages, QStringList{app::kNoUserToRemove});

    ASSERT_TRUE(dm.TbAcesso.findKey({2.1}));
    dialogs.answer(false);
    click("BtExcluirUsuario");
    EXPECT_EQ(permittedCount(2.1), 1);
    dialogs.answer(true);
    click("BtExcluirUsuario");
    EXPECT_EQ(dialogs.questions, (QStringList{"Excluir o Usuário?", "Excluir o Usuário?"}));
    EXPECT_EQ(permittedCount(2.1), 0);
    EXPECT_EQ(permittedCount(2.2), 1);
}

TEST_F(SettingsScreen, AtualizarRecordsNameFeeLogoAndSwitches) {
    dm.TbConfig.edit();
    dm.TbConfig.field("VALOR").setString("SIM");
    dm.TbConfig.post();
    open();
    auto* commission = screen->findChild<QCheckBox*>("CheckBox1");
    auto* value = screen->findChild<QCheckBox*>("CheckBox2");
    EXPECT_FALSE(commission->isChecked());
    EXPECT_TRUE(value->isChecked()) << "ticked from the settings record";

    const QString logo = QString::fromStdString((dataDir() / "logo.bmp").string());
    QImage picture(120, 72, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    ASSERT_TRUE(picture.save(logo));
    dialogs.answerOpenFile(logo);
    click("BtLogomarca");
    EXPECT_TRUE(screen->findChild<ui::DbImage*>("DBImage1")->hasPicture());

    typeSalonName("Studio Bela");
    commission->setChecked(true);
    value->setChecked(false);
    dialogs.answer(true);
    click("BtAtualizar");
    EXPECT_EQ(dialogs.questions, QStringList{"Atualizar Configurações?"});
    EXPECT_EQ(dialogs.messages, QStringList{app::kSettingsUpdated});
    EXPECT_FALSE(dm.TbConfig.isEditing());
    EXPECT_EQ(config("Nome"), "Studio Bela");
    EXPECT_EQ(config("COM"), "SIM");
    EXPECT_EQ(config("VALOR"), "");
    EXPECT_FALSE(dm.TbConfig.field("Logotipo").asBlob().empty());
}

TEST_F(SettingsScreen, AtualizarAnsweredNoAndClosingKeepTheRecordedSettings) {
    open();
    typeSalonName("Outro Nome");
    dialogs.answer(false);
    click("BtAtualizar");
    dialogs.answerOpenFile(QString());  // chooser cancelled: nothing loaded
    click("BtLogomarca");
    click("BtFechar");
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(dm.TbConfig.isEditing()) << "the settings record is not left locked";
    EXPECT_EQ(config("Nome"), "Salão de Beleza");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SettingsScreen, ARecordHeldByAnotherStationIsReportedAndTheScreenStaysUsable) {
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t station = fork();
    ASSERT_GE(station, 0);
    if (station == 0) {
        int code = 1;
        try {
            testsupport::RecordingMessages messages;
            data::Tdm other(dataDir(), messages);
            other.TbConfig.edit();
            char byte = 'x';
            if (write(ready[1], &byte, 1) == 1 && read(release[0], &byte, 1) == 1) code = 0;
        } catch (...) {
            code = 2;
        }
        _exit(code);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);

    open();
    typeSalonName("X");  // typing may already meet the lock
    dialogs.answer(true);
    click("BtAtualizar");
    ASSERT_FALSE(dialogs.errors.isEmpty());
    EXPECT_TRUE(dialogs.errors.back().contains("bloqueado por outro usuário"))
        << dialogs.errors.back().toStdString();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "nothing was updated";

    ASSERT_EQ(write(release[1], &byte, 1), 1);
    int status = 0;
    ASSERT_EQ(waitpid(station, &status, 0), station);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    dialogs.answer(true);
    click("BtAtualizar");
    EXPECT_EQ(dialogs.messages, QStringList{app::kSettingsUpdated});
    for (int fd : {ready[0], ready[1], release[0], release[1]}) close(fd);
}

class MasterPassword : public apptest::AppTest {
  protected:
    void SetUp() override {
        door.emplace(dm);
        uitest::showActive(*door);
        edit = door->findChild<QLineEdit*>("EdSenha");
        ASSERT_NE(edit, nullptr);
    }
    void enter(const QString& text) {
        uitest::type(edit, text);
        door->findChild<QPushButton*>("BtEntrar")->click();
    }

    std::optional<app::TFmAdministradorCP> door;
    QLineEdit* edit = nullptr;
};

TEST_F(MasterPassword, OnlyTheDataSetsOwnPasswordOpensTheSettings) {
    const QString own = QString::fromStdString(data::renewMasterPassword(dm));
    ASSERT_EQ(own.size(), 10);
    // The text every copy of the program once shared opens nothing any more.
    for (const QString& wrong : {QStringLiteral("QT48215937"), own.left(9), QString()}) {
        SCOPED_TRACE(wrong.toStdString());
        dialogs.messages.clear();
        enter(wrong);
        EXPECT_EQ(dialogs.messages, QStringList{app::kInvalidMasterPassword});
        EXPECT_EQ(edit->text(), QString());
        EXPECT_TRUE(edit->hasFocus());
        EXPECT_NE(door->result(), QDialog::Accepted);
    }

    dialogs.expectScreen("TFmConfigurar", apptest::closeWith(QDialog::Rejected));
    enter(own.toLower());
    EXPECT_EQ(door->result(), QDialog::Accepted);
}

TEST_F(MasterPassword, ADataSetWithoutOneHasNoDoorAndTheScreenSaysSo) {
    // The fixture's data set is written as those made before each had a master password.
    const QString noDoor = app::kNoMasterPassword.arg(QString::fromStdString(dataDir().string()));
    for (const QString& typed : {QStringLiteral("QT48215937"), QStringLiteral("ABCDE12345"), QString()}) {
        SCOPED_TRACE(typed.toStdString());
        dialogs.messages.clear();
        enter(typed);
        EXPECT_EQ(dialogs.messages, QStringList{noDoor});
        EXPECT_EQ(edit->text(), QString());
        EXPECT_NE(door->result(), QDialog::Accepted);
    }
}

class MasterPasswordFromMenu : public apptest::AppTest {};

TEST_F(MasterPasswordFromMenu, ReachesTheSettingsWhenNobodyIsPermitted) {
    const QString own = QString::fromStdString(data::renewMasterPassword(dm));
    protect(1);
    app::TFmMenu menu;
    menu.attach(dm);
    logIn(menu);
    dialogs.expectScreen("TFmAutorizacao", apptest::authorizeAs("ADMINISTRADOR", "1234"));
    menu.entryAction(app::entry::Acesso)->trigger();
    EXPECT_EQ(dialogs.messages, QStringList{app::kNotAuthorized});

    dialogs.expectScreen("TFmAdministradorCP", [own](QDialog& door) {
        uitest::type(door.findChild<QLineEdit*>("EdSenha"), own);
        door.findChild<QPushButton*>("BtEntrar")->click();
        return door.result();
    });
    dialogs.expectScreen("TFmConfigurar", apptest::closeWith(QDialog::Rejected));
    menu.entryAction(app::entry::AcessoAlternativo)->trigger();
}

}  // namespace
