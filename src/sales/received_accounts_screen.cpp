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
    QFormLayout* rows = ui::labelledRows();
    ui::addPeriodRow(*rows, *inicial_, *final_);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    imprimir_ = ui::addPrintButtons(*bar, *this).imprimir;
    imprimir_->setToolTip(QStringLiteral("Imprimir Pesquisa"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addLayout(bar);
    connect(imprimir_, &QPushButton::clicked, this, &TConsBaixaReceber::imprimir);
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
