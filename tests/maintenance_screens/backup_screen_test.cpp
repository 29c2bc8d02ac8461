// The backup and restore screen, driven as a user would through the scripted dialogs.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "data/password_hash.h"
#include "data/user_passwords.h"
#include "maintenance/screens/backup_screen.h"
#include "support/data_fixture.h"
#include "support/processes.h"
#include "support/qt_scripted_dialogs.h"

using namespace testsupport;
using maintenance::TBackupFile;
using maintenance::TFmBackup;

namespace {

class BackupScreen : public DataTest {
  protected:
    ScriptedDialogs dialogs;
    TempDir outside{"velmora-backups"};

    template <typename T>
    static T* child(QWidget& screen, const char* name) {
        auto* found = screen.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    std::string salonName() {
        dm.TbConfig.refresh();
        return dm.TbConfig.field("Nome").asString();
    }
    void setSalonName(const std::string& name) {
        dm.TbConfig.edit();
        dm.TbConfig.field("Nome").setString(name);
        dm.TbConfig.post();
    }

    // Makes an archive of the data directory through the screen.
    std::filesystem::path backUp(TFmBackup& screen) {
        const auto archive = outside / "copia.bck";
        dialogs.answerSaveFile(
            QString::fromStdString((outside / "copia").string()));  // typed without extension
        child<QPushButton>(screen, "Button2")->click();
        return archive;
    }

    void showRestoreTab(TFmBackup& screen, const std::filesystem::path& folder) {
        dialogs.answerDirectory(QString::fromStdString(folder.string()));
        child<QPushButton>(screen, "BtnEscolherPasta")->click();
        child<QTabWidget>(screen, "PageControl1")->setCurrentIndex(1);
    }
};

}  // namespace

TEST(BackupName, IsBackupWithTheDayMonthAndYearWithoutLeadingZeros) {
    EXPECT_EQ(TFmBackup::proposedName({2025, 12, 1}), "Backup-1-12-2025");
    EXPECT_EQ(TFmBackup::proposedName({2024, 3, 8}), "Backup-8-3-2024");
}

TEST_F(BackupScreen, BacksUpTheDataDirectoryInUseAndReopensTheAlwaysOpenTables) {
    setSalonName("Salão Bela Vista");
    {
        TFmBackup screen(dm, [] { return true; });
        EXPECT_FALSE(dm.TbConfig.isOpen());
        EXPECT_FALSE(dm.TbSenha.isOpen());
        EXPECT_EQ(child<QListWidget>(screen, "FileListBox")->item(0)->text(),
                  QString::fromStdString((dataDir() / "*.*").string()));
        const auto archive = backUp(screen);
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].startsWith("Backup Concluído. Compactados Em = "))
            << dialogs.messages[0].toStdString();
        EXPECT_TRUE(dialogs.messages[0].endsWith(" %"));
        EXPECT_EQ(screen.result(), QDialog::Accepted);
        EXPECT_TRUE(std::filesystem::exists(archive));
    }
    for (store::Table* table : {&dm.TbConfig, &dm.TbSenha, &dm.TbAcesso, &dm.TbItemAcesso})
        EXPECT_TRUE(table->isOpen()) << table->name();
    EXPECT_EQ(salonName(), "Salão Bela Vista");
}

TEST_F(BackupScreen, CancellingTheSaveDialogDoesNothing) {
    TFmBackup screen(dm, [] { return true; });
    dialogs.answerSaveFile(QString());
    child<QPushButton>(screen, "Button2")->click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(std::filesystem::is_empty(outside.path()));
}

TEST_F(BackupScreen, RestoreBringsTheArchivedDataBackAndCountsTheFiles) {
    setSalonName("Antes");
    std::filesystem::path archive;
    {
        TFmBackup screen(dm, [] { return true; });
        archive = backUp(screen);
    }
    setSalonName("Depois");
    dialogs.messages.clear();
    {
        TFmBackup screen(dm, [] { return true; });
        showRestoreTab(screen, outside.path());
        EXPECT_EQ(child<QLineEdit>(screen, "EdPath")->text(), QString::fromStdString(dataDir().string()));
        auto* list = child<QListWidget>(screen, "FileListBox1");
        ASSERT_EQ(list->count(), 1);
        EXPECT_EQ(list->item(0)->text(), "copia.bck");
        list->setCurrentRow(0);
        EXPECT_TRUE(child<QLineEdit>(screen, "Edit1")->text().isEmpty());  // no title, no contents line
        child<QPushButton>(screen, "Button3")->click();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].startsWith("Arquivos Restaurados Com Sucesso! "))
            << dialogs.messages[0].toStdString();
        const QStringList words = dialogs.messages[0].split(' ');
        // "... Sucesso! N Arquivos de M Restaurados": every archived file written back.
        EXPECT_EQ(words[4], words[7]);
        EXPECT_EQ(screen.result(), QDialog::Accepted);
    }
    EXPECT_EQ(salonName(), "Antes");
    const auto trail = testsupport::auditTrail(dataSet());
    ASSERT_FALSE(trail.empty());
    EXPECT_EQ(trail.back().acao, "Restauração de Backup");
    EXPECT_NE(trail.back().resumo.find("copia.bck"), std::string::npos) << trail.back().resumo;
}

TEST_F(BackupScreen, ABackupFromBeforePasswordsWereHashedHasThemHashedOnceRestored) {
    ASSERT_TRUE(dm.TbSenha.findKey({std::int64_t{1}}));
    dm.TbSenha.edit();
    dm.TbSenha.field("Senha").setString("ANTIGA1");  // as such a data set kept it
    dm.TbSenha.post();
    {
        TFmBackup screen(dm, [] { return true; });
        backUp(screen);
    }
    {
        TFmBackup screen(dm, [] { return true; });
        showRestoreTab(screen, outside.path());
        child<QListWidget>(screen, "FileListBox1")->setCurrentRow(0);
        child<QPushButton>(screen, "Button3")->click();
        ASSERT_EQ(screen.result(), QDialog::Accepted);
    }
    ASSERT_TRUE(dm.TbSenha.findKey({std::int64_t{1}}));
    EXPECT_TRUE(data::isPasswordHash(dm.TbSenha.field("Senha").asString()));
    EXPECT_TRUE(data::isUsersPassword(dm, "ANTIGA1"));
}

TEST_F(BackupScreen, UpdateModeOverACompleteDirectoryWritesNothingAndSucceeds) {
    {
        TFmBackup screen(dm, [] { return true; });
        backUp(screen);
    }
    dialogs.messages.clear();
    TFmBackup screen(dm, [] { return true; });
    showRestoreTab(screen, outside.path());
    child<QListWidget>(screen, "FileListBox1")->setCurrentRow(0);
    bool chosen = false;
    for (auto* option : screen.findChildren<QRadioButton*>())
        if (option->text() == QStringLiteral("Módulo de Atualização")) {
            option->setChecked(true);
            chosen = true;
        }
    ASSERT_TRUE(chosen);
    child<QPushButton>(screen, "Button3")->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Arquivos Restaurados Com Sucesso! 0 Arquivos de "))
        << dialogs.messages[0].toStdString();
}

TEST_F(BackupScreen, RestoreWithoutAnArchiveOrWithoutPermissionIsRefused) {
    {
        TFmBackup screen(dm, [] { return true; });
        showRestoreTab(screen, outside.path());  // no archive there
        child<QPushButton>(screen, "Button3")->click();
        ASSERT_FALSE(dialogs.messages.isEmpty());
        EXPECT_EQ(dialogs.messages.last(), "Erro Na Restauração dos Arquivos!");
        EXPECT_NE(screen.result(), QDialog::Accepted);

        dialogs.messages.clear();
        child<QLineEdit>(screen, "EdPath")->clear();
        child<QPushButton>(screen, "Button3")->click();
        EXPECT_EQ(dialogs.messages, QStringList{"Entre Com o Caminho Desejado"});
    }
    // The access check refusing the tab (it shows its own message) closes the screen.
    TFmBackup refused(dm, [] { return false; });
    refused.show();
    showRestoreTab(refused, outside.path());
    EXPECT_TRUE(child<QLineEdit>(refused, "EdPath")->text().isEmpty());
    EXPECT_FALSE(refused.isVisible());
    EXPECT_EQ(refused.result(), QDialog::Rejected);
}

TEST_F(BackupScreen, HelpOpensItsOwnWindow) {
    TFmBackup screen(dm, [] { return true; });
    QString text;
    dialogs.expectScreen("TFmAjudaBackup", [&](QDialog& help) {
        text = help.findChild<QLabel*>("Memo1")->text();
        return QDialog::Accepted;
    });
    child<QAbstractButton>(screen, "SpeedButton1")->click();
    EXPECT_TRUE(text.startsWith("1- Realizar o Backup:"));
    EXPECT_TRUE(text.contains("2- Restaurando o Backup:"));
}

namespace {

class BackupScreenOnServer : private BackendOfTheCase, public BackupScreen {
  protected:
    BackupScreenOnServer() : BackendOfTheCase(Backend::Postgres) {}
};

}  // namespace

// With the tables on a server, the screen backs them up and restores them onto it.
TEST_F(BackupScreenOnServer, BacksUpTheServersTablesAndRestoresThemOntoIt) {
    setSalonName("Antes");
    std::filesystem::path archive;
    {
        TFmBackup screen(dm, [] { return true; });
        EXPECT_EQ(child<QListWidget>(screen, "FileListBox")->item(0)->text(),
                  QString::fromStdString("Tabelas do " + dm.DbVelmora.location()));
        archive = backUp(screen);
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].startsWith("Backup Concluído. Compactados Em = "))
            << dialogs.messages[0].toStdString();
        EXPECT_EQ(screen.result(), QDialog::Accepted);
    }
    TBackupFile reader;
    const auto header = reader.ReadArchiveInfo(archive);
    ASSERT_TRUE(header.has_value());
    const int tables = header->fileCount;
    EXPECT_GT(tables, 20);

    setSalonName("Depois");
    dialogs.messages.clear();
    {
        TFmBackup screen(dm, [] { return true; });
        showRestoreTab(screen, outside.path());
        EXPECT_EQ(child<QLineEdit>(screen, "EdPath")->text(),
                  QString::fromStdString(dm.DbVelmora.location()));
        child<QListWidget>(screen, "FileListBox1")->setCurrentRow(0);
        child<QPushButton>(screen, "Button3")->click();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0],
                  QStringLiteral("Tabelas Restauradas Com Sucesso! %1 Tabelas de %1 Arquivos Restauradas")
                      .arg(tables));
        EXPECT_EQ(screen.result(), QDialog::Accepted);
    }
    for (store::Table* table : {&dm.TbConfig, &dm.TbSenha, &dm.TbAcesso, &dm.TbItemAcesso})
        EXPECT_TRUE(table->isOpen()) << table->name();
    EXPECT_EQ(salonName(), "Antes");
}

TEST_F(BackupScreenOnServer, ATableOpenOnAnotherStationRefusesTheRestoreWithTheReason) {
    setSalonName("Antes");
    {
        TFmBackup screen(dm, [] { return true; });
        backUp(screen);
    }
    setSalonName("Depois");
    dialogs.messages.clear();
    {
        LockHolder otherStation(dataSet(), "TbSenha");
        TFmBackup screen(dm, [] { return true; });
        showRestoreTab(screen, outside.path());
        child<QListWidget>(screen, "FileListBox1")->setCurrentRow(0);
        child<QPushButton>(screen, "Button3")->click();
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(dialogs.errors[0].contains("TbSenha")) << dialogs.errors[0].toStdString();
        EXPECT_TRUE(dialogs.errors[0].contains("outra estação")) << dialogs.errors[0].toStdString();
        EXPECT_EQ(dialogs.messages, QStringList{"Erro Na Restauração dos Arquivos!"});
        EXPECT_NE(screen.result(), QDialog::Accepted);
    }
    EXPECT_EQ(salonName(), "Depois");
}
