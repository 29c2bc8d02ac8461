#include "sales/received_accounts_screen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/pass_progress.h"
#include "reports/received_accounts_report.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/period_boxes.h"

namespace sales {

TConsBaixaReceber::TConsBaixaReceber(data::Tdm& dm, reports::ReportOutput output, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      output_(std::move(output)),
      inicial_(new ui::DateBox(this)),
      final_(new ui::DateBox(this)) {
    setObjectName(QStringLiteral("TConsBaixaReceber"));
    setWindowTitle(QStringLiteral("Contas Recebidas."));
    inicial_->setObjectName(QStringLiteral("MaskEdit1"));
    final_->setObjectName(QStringLiteral("MaskEdit2"));
    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Data Inicial:"), inicial_, QStringLiteral("Data Final:"),
                       final_);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    imprimir_ = ui::addButton(*bar, QStringLiteral("&Imprimir"), QStringLiteral("BitBtn1"));
    imprimir_->setToolTip(QStringLiteral("Imprimir Pesquisa"));
    QPushButton* fechar = ui::addButton(*bar, QStringLiteral("&Fechar"), QStringLiteral("BitBtn2"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addLayout(bar);
    connect(imprimir_, &QPushButton::clicked, this, &TConsBaixaReceber::imprimir);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    ui::installEnterAsTab(this);
}

void TConsBaixaReceber::imprimir() {
    const auto period = ui::readPeriod(*inicial_, *final_);
    if (!period) return;
    // Held until the preview closes: the report reads TbBaixaR as this request restricted it.
    ui::runHeld(*imprimir_,
                [&] { reports::printReceivedAccounts(dm_, *period, core::noProgress(), output_); });
}

void showConsBaixaReceber(data::Tdm& dm) {
    TConsBaixaReceber screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace sales
