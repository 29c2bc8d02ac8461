#pragma once
// "Backup - Cópia de Segurança de Arquivos.": copies the data directory into one archive
// and restores an archive into it. It works on the data set the program is using: with the
// tables on a server, the archive holds them as table files and a restore puts them back
// onto the server.
#include <QDialog>

#include <filesystem>
#include <functional>
#include <optional>

#include "core/date.h"
#include "maintenance/backup_file.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace data {
class Tdm;
}

namespace maintenance {

class TFmBackup : public QDialog {
    Q_OBJECT
  public:
    // `mayRestore` runs the access check guarding the restore tab; true lets it be used.
    TFmBackup(data::Tdm& dm, std::function<bool()> mayRestore, QWidget* parent = nullptr);
    // The tables the screen closed are opened again.
    ~TFmBackup() override;

    // "Backup-" + day + "-" + month + "-" + year, without leading zeros: Backup-1-12-2025.
    static QString proposedName(const core::Date& day);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    QWidget* buildBackupTab();
    QWidget* buildRestoreTab();
    void gerarBackup();
    // Through BackupFile1, which reports its own errors; false when it failed.
    bool writeArchive(const std::filesystem::path& archive);
    void restoreTabShown();
    void chooseFolder();
    void listArchives();
    void archiveClicked();
    void restaurarBackup();
    void cancelar();
    bool progress(const std::string& fileName, int percent);
    void reopenTables();

    data::Tdm& dm_;
    std::function<bool()> mayRestore_;
    TBackupFile BackupFile1;
    bool onServer_;
    std::filesystem::path dataDirectory_;
    // The archive restored over this station's own data set, which the trail then records.
    std::optional<std::filesystem::path> restoredHere_;
    // Where archives are saved and looked for at first.
    std::filesystem::path archiveFolder_;

    QTabWidget* tabs_ = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* FileListBox = nullptr;
    QButtonGroup* rgCompressionLevel = nullptr;
    QLineEdit* DirectoryListBox1 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QButtonGroup* rgRestoreMode = nullptr;
    QLineEdit* EdPath = nullptr;
    QProgressBar* ProgressBar = nullptr;
};

// The fixed help text of the backup screen.
class TFmAjudaBackup : public QDialog {
    Q_OBJECT
  public:
    explicit TFmAjudaBackup(QWidget* parent = nullptr);
};

}  // namespace maintenance
