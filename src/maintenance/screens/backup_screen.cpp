#include "maintenance/screens/backup_screen.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/user_passwords.h"
#include "data/store/snapshot.h"
#include "maintenance/server_backup.h"
#include "maintenance/table_file_names.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace maintenance {
namespace {

QString toQt(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// A titled box of mutually exclusive choices, the first one chosen.
QGroupBox* choices(const QString& title, const QStringList& options, const QString& objectName,
                   QButtonGroup*& group, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(objectName);
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < options.size(); ++i) {
        auto* option = new QRadioButton(options[i], box);
        group->addButton(option, i);
        layout->addWidget(option);
    }
    group->button(0)->setChecked(true);
    return box;
}

QPushButton* button(const QString& caption, const QString& objectName, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    return b;
}

// Runs `work`; a failure of the store, of the copy to or from a server or of the files is
// shown as an error, as the archive reports its own. False when it failed.
bool showingFailure(const std::function<void()>& work) {
    try {
        return ui::runGuarded(work);
    } catch (const std::exception& failure) {
        ui::Dialogs::current().error(QString::fromStdString(failure.what()));
        return false;
    }
}

constexpr TCompressionLevel kLevels[] = {TCompressionLevel::clFastest, TCompressionLevel::clNone,
                                         TCompressionLevel::clDefault};
constexpr TRestoreMode kRestoreModes[] = {TRestoreMode::rmAll, TRestoreMode::rmNoOverwrite};

}  // namespace

QString TFmBackup::proposedName(const core::Date& day) {
    return QStringLiteral("Backup-%1-%2-%3").arg(day.day).arg(day.month).arg(day.year);
}

TFmBackup::TFmBackup(data::Tdm& dm, std::function<bool()> mayRestore, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      mayRestore_(std::move(mayRestore)),
      onServer_(!dm.DbVelmora.keepsTableFiles()),
      dataDirectory_(dm.DbVelmora.directory()),
      archiveFolder_(onServer_ ? std::filesystem::path(QDir::homePath().toStdString())
                               : dataDirectory_.parent_path()) {
    setObjectName(QStringLiteral("TFmBackup"));
    setWindowTitle(QStringLiteral("Backup - Cópia de Segurança de Arquivos."));
    setModal(true);
    // Its files are about to be copied or replaced: this station lets go of them.
    dm_.TbConfig.close();
    dm_.TbSenha.close();

    BackupFile1.BackupMode = TBackupMode::bmAll;
    BackupFile1.SetArchiveFlag = true;
    BackupFile1.OnProgress = [this](const std::string& name, int percent) { return progress(name, percent); };
    BackupFile1.OnError = [](BackupError, const std::string& message) {
        ui::Dialogs::current().message(QString::fromStdString(message));
    };
    // Each table is archived as one consistent state, even while another station writes.
    BackupFile1.SourceOfFile = [](const std::filesystem::path& file, const std::filesystem::path& scratch) {
        return store::snapshotTableFile(file, scratch) ? scratch : file;
    };

    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    tabs_->addTab(buildBackupTab(), QStringLiteral("Criar Backup"));
    tabs_->addTab(buildRestoreTab(), QStringLiteral("Restaurar Backup"));
    layout->addWidget(tabs_);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->hide();
    layout->addWidget(ProgressBar);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1) restoreTabShown();
    });
}

TFmBackup::~TFmBackup() {
    reopenTables();
}

void TFmBackup::reopenTables() {
    for (store::Table* table : {&dm_.TbConfig, &dm_.TbSenha, &dm_.TbAcesso, &dm_.TbItemAcesso})
        ui::runGuarded([table] { table->open(); });
    // A backup from before passwords were hashed brings them back in clear.
    if (dm_.TbSenha.isOpen()) ui::runGuarded([this] { data::hashClearPasswords(dm_); });
    // Recorded in the trail the backup brought back, the one the data set now holds.
    if (restoredHere_)
        ui::runGuarded([this] {
            data::auditAlone(dm_, {.acao = "Restauração de Backup",
                                   .resumo = "Arquivo " + restoredHere_->string()});
        });
}

QWidget* TFmBackup::buildBackupTab() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    Label1 = new QLabel(QStringLiteral("Arquivos a serem copiados..."), page);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* help = new QToolButton(page);
    help->setObjectName(QStringLiteral("SpeedButton1"));
    help->setText(QStringLiteral("?"));
    help->setToolTip(QStringLiteral("Ajuda"));
    connect(help, &QToolButton::clicked, this, [this] {
        TFmAjudaBackup window(this);
        ui::Dialogs::current().exec(window);
    });
    top->addWidget(Label1, 1);
    top->addWidget(help);
    layout->addLayout(top);
    FileListBox = new QListWidget(page);
    FileListBox->setObjectName(QStringLiteral("FileListBox"));
    FileListBox->addItem(
        onServer_ ? QStringLiteral("Tabelas do %1").arg(QString::fromStdString(dm_.DbVelmora.location()))
                  : toQt(dataDirectory_ / "*.*"));
    layout->addWidget(FileListBox);
    QButtonGroup* mode = nullptr;
    layout->addWidget(choices(QStringLiteral("Tipo de Backup: "), {QStringLiteral("Total")},
                              QStringLiteral("rgBackupMode"), mode, page));
    layout->addWidget(
        choices(QStringLiteral("Nível de Compressão: "),
                {QStringLiteral("Módulo Seguro"), QStringLiteral("Módulo Padrão"), QStringLiteral("Máximo")},
                QStringLiteral("rgCompressionLevel"), rgCompressionLevel, page));
    auto* bar = new QHBoxLayout;
    auto* generate = button(QStringLiteral("Gerar Backup"), QStringLiteral("Button2"), page);
    auto* cancel = button(QStringLiteral("Cancelar"), QStringLiteral("BtnCancel"), page);
    connect(generate, &QPushButton::clicked, this, [this] { ui::runGuarded([this] { gerarBackup(); }); });
    connect(cancel, &QPushButton::clicked, this, &TFmBackup::cancelar);
    bar->addWidget(generate);
    bar->addWidget(cancel);
    layout->addLayout(bar);
    return page;
}

QWidget* TFmBackup::buildRestoreTab() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Indique o caminho do Backup a ser restaurado:"), page));
    auto* folderRow = new QHBoxLayout;
    DirectoryListBox1 = new QLineEdit(toQt(archiveFolder_), page);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setReadOnly(true);
    auto* browse = button(QStringLiteral("Escolher Pasta..."), QStringLiteral("BtnEscolherPasta"), page);
    connect(browse, &QPushButton::clicked, this, &TFmBackup::chooseFolder);
    folderRow->addWidget(DirectoryListBox1, 1);
    folderRow->addWidget(browse);
    layout->addLayout(folderRow);
    layout->addWidget(new QLabel(QStringLiteral("Clique no nome do arquivo a ser restaurado:"), page));
    FileListBox1 = new QListWidget(page);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    connect(FileListBox1, &QListWidget::itemClicked, this, &TFmBackup::archiveClicked);
    connect(FileListBox1, &QListWidget::currentRowChanged, this, &TFmBackup::archiveClicked);
    layout->addWidget(FileListBox1);
    auto* rows = new QHBoxLayout;
    Edit2 = new QLineEdit(page);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Edit1 = new QLineEdit(page);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    rows->addWidget(new QLabel(QStringLiteral("Nome do Arquivo:"), page));
    rows->addWidget(Edit2);
    rows->addWidget(new QLabel(QStringLiteral("Conteúdo:"), page));
    rows->addWidget(Edit1);
    layout->addLayout(rows);
    layout->addWidget(choices(QStringLiteral("Módulo de Restauração"),
                              {QStringLiteral("Módulo Total"), QStringLiteral("Módulo de Atualização")},
                              QStringLiteral("rgRestoreMode"), rgRestoreMode, page));
    auto* pathBox = new QGroupBox(QStringLiteral("Caminho de Restauração: "), page);
    auto* pathLayout = new QHBoxLayout(pathBox);
    auto* indicate = new QRadioButton(QStringLiteral("Indicar o Caminho:"), pathBox);
    indicate->setChecked(true);
    EdPath = new QLineEdit(pathBox);
    EdPath->setObjectName(QStringLiteral("EdPath"));
    EdPath->setReadOnly(true);
    pathLayout->addWidget(indicate);
    pathLayout->addWidget(EdPath, 1);
    layout->addWidget(pathBox);
    auto* bar = new QHBoxLayout;
    auto* restore = button(QStringLiteral("Restaurar Backup"), QStringLiteral("Button3"), page);
    auto* cancel = button(QStringLiteral("Cancelar"), QStringLiteral("Button6"), page);
    connect(restore, &QPushButton::clicked, this, [this] { ui::runGuarded([this] { restaurarBackup(); }); });
    connect(cancel, &QPushButton::clicked, this, &TFmBackup::cancelar);
    bar->addWidget(restore);
    bar->addWidget(cancel);
    layout->addLayout(bar);
    listArchives();
    return page;
}

void TFmBackup::gerarBackup() {
    if (BackupFile1.IsBusy()) return;
    dm_.TbAcesso.close();
    dm_.TbItemAcesso.close();
    const QString name = proposedName(core::Date::today());
    if (FileListBox->count() == 0) {
        ui::Dialogs::current().message(QStringLiteral("Arquivos Não Foram Adicionados!"));
        return;
    }
    QString path = ui::Dialogs::current().saveFile(QStringLiteral("Salvar Backup"),
                                                   toQt(archiveFolder_ / name.toStdString()),
                                                   QStringLiteral("Backup archives (*.bck)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".bck");
    // Floppy disks: the archive is spread over volumes that fit one disk each.
    const bool floppy = path.startsWith(QStringLiteral("A:"), Qt::CaseInsensitive);
    if (floppy)
        ui::Dialogs::current().message(
            QStringLiteral("Insira um Disco Na Unidade A: ou Selecione uma Pasta."));
    BackupFile1.MaxSize = floppy ? 1400000 : 0;
    BackupFile1.CompressionLevel = kLevels[rgCompressionLevel->checkedId()];
    if (writeArchive(path.toStdString())) {
        ui::Dialogs::current().message(
            QStringLiteral("Backup Concluído. Compactados Em = %1 %").arg(BackupFile1.CompressionRatio()));
        accept();
    } else {
        ui::Dialogs::current().message(QStringLiteral("Ocorreram Erros Durante o Backup!"));
    }
}

bool TFmBackup::writeArchive(const std::filesystem::path& archive) {
    if (onServer_) {
        bool written = false;
        showingFailure([&] { written = backupTables(BackupFile1, dm_.DbVelmora, archive); });
        return written;
    }
    std::vector<std::string> masks;
    for (int i = 0; i < FileListBox->count(); ++i)
        masks.push_back(FileListBox->item(i)->text().toStdString());
    return BackupFile1.BackupFiles(masks, archive);
}

void TFmBackup::restoreTabShown() {
    ui::runGuarded([this] {
        dm_.TbAcesso.open();
        dm_.TbItemAcesso.open();
    });
    const bool allowed = mayRestore_ && mayRestore_();
    dm_.TbAcesso.close();
    dm_.TbItemAcesso.close();
    if (!allowed) {
        // The access check has said why; the screen does not stay open on a refused area.
        QDialog::reject();
        return;
    }
    EdPath->setText(onServer_ ? QString::fromStdString(dm_.DbVelmora.location()) : toQt(dataDirectory_));
    EdPath->setFocus();
}

void TFmBackup::chooseFolder() {
    const QString folder = ui::Dialogs::current().chooseDirectory(
        QStringLiteral("Indique o caminho do Backup a ser restaurado:"), DirectoryListBox1->text());
    if (folder.isEmpty()) return;
    DirectoryListBox1->setText(folder);
    listArchives();
}

void TFmBackup::listArchives() {
    FileListBox1->clear();
    Edit1->clear();
    Edit2->clear();
    const QDir folder(DirectoryListBox1->text());
    FileListBox1->addItems(
        folder.entryList({QStringLiteral("*.bck")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void TFmBackup::archiveClicked() {
    auto* item = FileListBox1->currentItem();
    if (!item) return;
    const auto path =
        std::filesystem::path(DirectoryListBox1->text().toStdString()) / item->text().toStdString();
    const auto header = BackupFile1.ReadArchiveInfo(path);
    const QString title = header ? QString::fromStdString(header->title) : QString();
    Edit2->setText(title);
    if (title.isEmpty()) {
        Edit1->clear();
    } else {
        Edit1->setText(QStringLiteral("%1 files, %2 KB total")
                           .arg(header->fileCount)
                           .arg(std::llround(static_cast<double>(header->totalSize) / 1024.0)));
    }
}

void TFmBackup::restaurarBackup() {
    if (BackupFile1.IsBusy()) return;
    BackupFile1.RestoreMode = kRestoreModes[rgRestoreMode->checkedId()];
    const QString folder = EdPath->text().trimmed();
    if (folder.isEmpty()) {
        ui::Dialogs::current().message(QStringLiteral("Entre Com o Caminho Desejado"));
        return;
    }
    std::filesystem::path archive;
    if (auto* item = FileListBox1->currentItem())
        archive = std::filesystem::path(DirectoryListBox1->text().toStdString()) / item->text().toStdString();
    if (onServer_) {
        std::optional<TablesRestored> restored;
        showingFailure([&] { restored = restoreTables(BackupFile1, archive, dm_.DbVelmora); });
        if (restored) {
            restoredHere_ = archive;
            ui::Dialogs::current().message(
                QStringLiteral("Tabelas Restauradas Com Sucesso! %1 Tabelas de %2 Arquivos Restauradas")
                    .arg(restored->tables)
                    .arg(restored->archived));
            accept();
        } else {
            ui::Dialogs::current().message(QStringLiteral("Erro Na Restauração dos Arquivos!"));
        }
        return;
    }
    if (BackupFile1.RestoreArchive(archive, folder.toStdString()) &&
        showingFailure([&] { nameRestoredTableFiles(folder.toStdString()); })) {
        std::error_code ignored;
        if (std::filesystem::equivalent(folder.toStdString(), dataDirectory_, ignored)) restoredHere_ = archive;
        ui::Dialogs::current().message(
            QStringLiteral("Arquivos Restaurados Com Sucesso! %1 Arquivos de %2 Restaurados")
                .arg(BackupFile1.FilesDone())
                .arg(BackupFile1.FileCount()));
        accept();
    } else {
        ui::Dialogs::current().message(QStringLiteral("Erro Na Restauração dos Arquivos!"));
    }
}

void TFmBackup::cancelar() {
    if (!BackupFile1.IsBusy()) {
        QDialog::reject();
        return;
    }
    if (ui::Confirma(QStringLiteral("Cancelar o Procedimento?"))) BackupFile1.StopJob();
}

void TFmBackup::reject() {
    cancelar();
}

void TFmBackup::closeEvent(QCloseEvent* event) {
    // A running job must end first; "Cancelar" offers to stop it.
    if (BackupFile1.IsBusy()) {
        event->ignore();
        cancelar();
        return;
    }
    QDialog::closeEvent(event);
}

bool TFmBackup::progress(const std::string& fileName, int percent) {
    if (percent < 100) {
        ProgressBar->setVisible(true);
        ProgressBar->setValue(percent);
        Label1->setText(QString::fromStdString(fileName));
    } else {
        ProgressBar->hide();
        Label1->clear();
    }
    // The screen stays responsive, so that "Cancelar" can be pressed during the job.
    QApplication::processEvents();
    return true;
}

TFmAjudaBackup::TFmAjudaBackup(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFmAjudaBackup"));
    setWindowTitle(QStringLiteral("Ajuda Backup"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("Memo1"));
    text->setWordWrap(true);
    text->setText(QStringLiteral(
        "1- Realizar o Backup:\n"
        "Clique em \"GERAR BACKUP\", escolha onde salvar (por exemplo em um pen drive) e clique em "
        "\"SALVAR.\"\n"
        "O nome do Backup será fornecido automaticamente pelo sistema.\n"
        "O nome é Backup + dia + mês + ano. Exemplo: Backup-10-02-2010  -  onde o arquivo recebe o prefixo "
        "Backup mais a data do dia.\n"
        "Para gravar em CD ou DVD, salve o Backup primeiro em uma pasta e depois grave-o no disco.\n\n"
        "2- Restaurando o Backup:\n"
        "Clique na pasta onde está o Backup, no nome do arquivo e em \"RESTAURAR BACKUP.\"\n\n"
        "ATENÇÃO!\n"
        "Cuidado com a restauração de um  BACKUP. Porque depois de ter sido feita,\n"
        "todos os dados serão substituidos pelos dados que estavam no Backup."));
    layout->addWidget(text);
    auto* close = button(QStringLiteral("&Fechar"), QStringLiteral("BitBtn1"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
}

}  // namespace maintenance
