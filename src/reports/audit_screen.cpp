#include "reports/audit_screen.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/dm.h"
#include "data/opened_tables.h"
#include "reports/audit_report.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/period_boxes.h"

namespace reports {

namespace {

// Every user, by code. TbSenha's current record names the authorizing user of the next
// audited action, so it is put back where it was.
void addUsers(data::Tdm& dm, QComboBox& box) {
    store::Table& users = dm.TbSenha;
    data::OpenedTables opened;
    opened.open(users);
    if (users.isEmpty()) return;
    const std::int64_t current = users.field("Codigo").asInteger();
    for (users.first(); !users.eof(); users.next()) {
        const std::int64_t code = users.field("Codigo").asInteger();
        box.addItem(QString::number(code) + QStringLiteral(" - ") +
                        QString::fromStdString(users.field("Usuario").asString()),
                    QVariant::fromValue<qlonglong>(code));
    }
    users.findKey({current});
}

}  // namespace

TFmAuditoria::TFmAuditoria(data::Tdm& dm, ReportOutput output, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      output_(std::move(output)),
      inicial_(new ui::DateBox(this)),
      final_(new ui::DateBox(this)),
      usuario_(new QComboBox(this)),
      acao_(new QComboBox(this)) {
    setObjectName(QStringLiteral("TFmAuditoria"));
    setWindowTitle(QStringLiteral("::.. Relatório de Auditoria"));
    usuario_->setObjectName(QStringLiteral("ComboBox1"));
    usuario_->addItem(QStringLiteral("Todos os Usuários"), QVariant::fromValue<qlonglong>(0));
    ui::runGuarded([&] { addUsers(dm_, *usuario_); });
    acao_->setObjectName(QStringLiteral("ComboBox2"));
    acao_->addItem(QStringLiteral("Todas as Ações"));
    ui::runGuarded([&] {
        for (const std::string& action : auditActions(dm_)) acao_->addItem(QString::fromStdString(action));
    });

    QFormLayout* rows = ui::labelledRows();
    ui::addPeriodRow(*rows, *inicial_, *final_);
    ui::addLabelledRow(*rows, QStringLiteral("&Usuário:"), usuario_);
    ui::addLabelledRow(*rows, QStringLiteral("&Ação:"), acao_);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    QPushButton* imprimir = ui::addPrintButtons(*bar, *this).imprimir;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addLayout(bar);

    connect(imprimir, &QPushButton::clicked, this, &TFmAuditoria::imprimir);
    ui::installEnterAsTab(this);
}

void TFmAuditoria::imprimir() {
    const auto period = ui::readPeriod(*inicial_, *final_);
    if (!period) return;
    AuditSelection selection{*period, usuario_->currentData().toLongLong(), {}};
    if (acao_->currentIndex() > 0) selection.action = acao_->currentText().toStdString();
    ui::runGuarded([&] { printAudit(dm_, selection, output_); });
    inicial_->setFocus();
}

void showAuditoria(data::Tdm& dm) {
    TFmAuditoria screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace reports
