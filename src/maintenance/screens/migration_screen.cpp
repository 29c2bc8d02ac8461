#include "maintenance/screens/migration_screen.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "maintenance/migration/migration.h"
#include "maintenance/migration/table_copy.h"
#include "ui/caption_width.h"
#include "ui/dialogs.h"

namespace maintenance {
namespace {

// The copier's progress on the screen; the window repaints, the user's clicks wait.
class ScreenProgress : public migration::MigrationProgress {
  public:
    ScreenProgress(QLabel& status, QProgressBar& gauge) : status_(status), gauge_(gauge) {}

    void copying(const std::string& table, std::int64_t rows) override {
        say(QStringLiteral("Copiando %1: %2 linhas...").arg(QString::fromStdString(table)).arg(rows));
    }
    void rowsCopied(const std::string& table, std::int64_t done, std::int64_t rows) override {
        say(QStringLiteral("Copiando %1: %2 de %3 linhas...")
                .arg(QString::fromStdString(table))
                .arg(done)
                .arg(rows));
    }
    void copied(const std::string& table) override {
        say(QStringLiteral("Conferindo %1...").arg(QString::fromStdString(table)));
    }
    void checked(const std::string&, std::int64_t) override { step(); }
    void absent(const std::string&) override { step(); }

  private:
    void say(const QString& text) {
        status_.setText(text);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    void step() {
        gauge_.setValue(gauge_.value() + 1);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    QLabel& status_;
    QProgressBar& gauge_;
};

}  // namespace

TFmTransferir::TFmTransferir(data::Tdm& dm, std::function<void()> moved, QWidget* parent)
    : QDialog(parent), dm_(dm), moved_(std::move(moved)) {
    setObjectName(QStringLiteral("TFmTransferir"));
    setWindowTitle(QStringLiteral("Transferir Dados..."));
    auto* layout = new QVBoxLayout(this);
    auto* origin = new QLabel(
        QStringLiteral("Dados deste salão: %1").arg(QString::fromStdString(dm.DbVelmora.location())), this);
    origin->setObjectName(QStringLiteral("LabelOrigem"));
    layout->addWidget(origin);

    auto* destination = new QGroupBox(QStringLiteral("Destino"), this);
    auto* form = new QFormLayout(destination);
    toDirectory_ = new QRadioButton(QStringLiteral("&Diretório de dados:"), destination);
    toDirectory_->setObjectName(QStringLiteral("RadioDiretorio"));
    toDirectory_->setChecked(true);
    directory_ = new QLineEdit(destination);
    directory_->setObjectName(QStringLiteral("EditDiretorio"));
    auto* procurar = new QPushButton(QStringLiteral("&Procurar..."), destination);
    procurar->setObjectName(QStringLiteral("BtProcurar"));
    auto* directoryRow = new QHBoxLayout;
    directoryRow->addWidget(directory_, 1);
    directoryRow->addWidget(procurar);
    form->addRow(toDirectory_, directoryRow);
    auto* toServer = new QRadioButton(QStringLiteral("&Servidor de dados:"), destination);
    toServer->setObjectName(QStringLiteral("RadioServidor"));
    connection_ = new QLineEdit(destination);
    connection_->setObjectName(QStringLiteral("EditConexao"));
    connection_->setPlaceholderText(QStringLiteral("host=servidor dbname=velmora user=velmora_estacao"));
    form->addRow(toServer, connection_);
    layout->addWidget(destination);
    const QFontMetrics metrics(connection_->font());
    connection_->setMinimumWidth(metrics.horizontalAdvance(connection_->placeholderText()) + 24);
    directory_->setMinimumWidth(connection_->minimumWidth() - procurar->sizeHint().width());

    status_ = new QLabel(QStringLiteral("Nenhuma estação pode gravar durante a cópia."), this);
    status_->setObjectName(QStringLiteral("LabelSituacao"));
    layout->addWidget(status_);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("ProgressGauge"));
    gauge_->setRange(0, static_cast<int>(migration::sharedTables().size()));
    gauge_->setValue(0);
    layout->addWidget(gauge_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* transferir = new QPushButton(QStringLiteral("&Transferir"), this);
    transferir->setObjectName(QStringLiteral("BitBtn1"));
    auto* fechar = new QPushButton(QStringLiteral("&Fechar"), this);
    fechar->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addWidget(transferir);
    buttons->addWidget(fechar);
    layout->addLayout(buttons);
    ui::keepCaptionWhole(*layout);

    connect(procurar, &QPushButton::clicked, this, &TFmTransferir::procurar);
    connect(transferir, &QPushButton::clicked, this, &TFmTransferir::transferir);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    connect(directory_, &QLineEdit::textEdited, toDirectory_, [this] { toDirectory_->setChecked(true); });
    connect(connection_, &QLineEdit::textEdited, toServer, [toServer] { toServer->setChecked(true); });
}

void TFmTransferir::procurar() {
    const QString chosen = ui::Dialogs::current().chooseDirectory(
        QStringLiteral("Selecione o Diretório Para os Dados"), directory_->text());
    if (chosen.isEmpty()) return;
    directory_->setText(chosen);
    toDirectory_->setChecked(true);
}

void TFmTransferir::transferir() {
    const bool toDirectory = toDirectory_->isChecked();
    const QString where = (toDirectory ? directory_ : connection_)->text().trimmed();
    if (where.isEmpty()) {
        ui::Dialogs::current().message(toDirectory
                                           ? QStringLiteral("Informe o diretório de destino!")
                                           : QStringLiteral("Informe a conexão com o servidor de dados!"));
        (toDirectory ? directory_ : connection_)->setFocus();
        return;
    }
    const store::Location destination = toDirectory
                                            ? store::Location(std::filesystem::path(where.toStdString()))
                                            : store::Location(store::ServerConnection{where.toStdString()});
    if (!ui::Confirma(QStringLiteral("Todos os dados deste salão serão copiados para %1. Durante a cópia "
                                     "nenhuma estação pode gravar; ao final, estes dados ficam marcados "
                                     "como transferidos e o programa será fechado. Confirma?")
                          .arg(QString::fromStdString(destination.describe()))))
        return;

    // The copy holds every table alone: this station lets go of its own first.
    std::vector<store::Table*> reopen;
    for (store::Table* table : dm_.tables())
        if (table->isOpen()) {
            reopen.push_back(table);
            table->close();
        }
    gauge_->setValue(0);
    ScreenProgress progress(*status_, *gauge_);
    try {
        const migration::MigrationSummary summary =
            migration::migrate(dm_.DbVelmora.dataSet(), destination, progress);
        status_->setText(QStringLiteral("Transferência concluída."));
        ui::Dialogs::current().message(
            QStringLiteral("Os dados foram transferidos: %1 tabelas, %2 linhas, conferidas uma a uma. Para "
                           "continuar, abra o programa nos dados transferidos, indicando-os no config.ini de "
                           "cada estação ou com --data / --servidor: %3.")
                .arg(summary.tables)
                .arg(summary.rows)
                .arg(QString::fromStdString(destination.describe())));
        accept();
        if (moved_) moved_();
        return;
    } catch (const std::exception& failure) {
        status_->setText(QStringLiteral("Nada foi transferido."));
        ui::Dialogs::current().error(QString::fromStdString(failure.what()));
    }
    for (store::Table* table : reopen) {
        try {
            table->open();
        } catch (const std::exception&) {
            // Reported when a screen needs it.
        }
    }
}

}  // namespace maintenance
