#include "maintenance/screens/repair_screen.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/store/repair.h"
#include "ui/caption_width.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace maintenance {
namespace {

// The hourglass for as long as the object lives, whatever way the scope is left.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

TFmReparador::TFmReparador(data::Tdm& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      dataDirectory_(dm.DbVelmora.directory()),
      onServer_(!dm.DbVelmora.keepsTableFiles()) {
    setObjectName(QStringLiteral("TFmReparador"));
    setWindowTitle(QStringLiteral("Reparador de Arquivos..."));
    auto* layout = new QVBoxLayout(this);
    Panel2 = new QLabel(QStringLiteral("REPARADOR DE ARQUIVOS"), this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setMinimumHeight(60);
    layout->addWidget(Panel2);
    auto* repair = new QPushButton(QStringLiteral("   Reparar Arquivo..."), this);
    repair->setObjectName(QStringLiteral("BitBtn1"));
    connect(repair, &QPushButton::clicked, this, &TFmReparador::repararArquivo);
    layout->addWidget(repair);
    if (onServer_) {
        Panel2->setWordWrap(true);
        Panel2->setText(QStringLiteral("As tabelas estão no %1 e são mantidas pelo próprio servidor: não há "
                                       "arquivos de tabela para reparar nesta estação.")
                            .arg(QString::fromStdString(dm.DbVelmora.location())));
        repair->setEnabled(false);
    }
    ProgressGauge = new QProgressBar(this);
    ProgressGauge->setObjectName(QStringLiteral("ProgressGauge"));
    ProgressGauge->setRange(0, 100);
    ProgressGauge->hide();
    layout->addWidget(ProgressGauge);
    ui::keepCaptionWhole(*layout);
}

void TFmReparador::repararArquivo() {
    if (onServer_) return;
    // Both of the program's table file endings: "Produtos.db" and "Duplicados.db" too.
    const QStringList files = ui::Dialogs::current().openFiles(
        QStringLiteral("Selecione o Arquivo Para Reparação!"),
        QStringLiteral("Arquivos de Dados (*.DAT *.db)"), QString::fromStdString(dataDirectory_.string()),
        QStringLiteral("DAT"));
    if (files.isEmpty()) return;
    Panel2->setText(QStringLiteral("O Arquivo está sendo reparado! Aguarde..."));
    for (const QString& file : files) {
        WaitCursor wait;
        ProgressGauge->setValue(0);
        ProgressGauge->show();
        QApplication::processEvents();
        const bool repaired = ui::runGuarded([&] {
            store::repairTableFile(file.toStdString(), [this](int percent) {
                ProgressGauge->setValue(percent);
                QApplication::processEvents();
            });
        });
        // A failure was shown; the files after it are left alone.
        if (!repaired) return;
        ui::runGuarded([&] {
            data::auditAlone(dm_, {.acao = "Reparo de Arquivo",
                                   .resumo = std::filesystem::path(file.toStdString()).filename().string()});
        });
    }
    Panel2->setText(files.size() == 1 ? QStringLiteral("Arquivo Reparado Corretamente!")
                                      : QStringLiteral("Arquivos Reparados Corretamente!"));
}

}  // namespace maintenance
