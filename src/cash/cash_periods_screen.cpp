#include "cash/cash_periods_screen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "cash/cash_heading.h"
#include "reports/cash_periods_report.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/period_boxes.h"

namespace cash {

TFmDataCaixa::TFmDataCaixa(data::Tdm& dm, reports::ReportOutput output, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      output_(std::move(output)),
      geral_(new QRadioButton(QStringLiteral("Geral..."), this)),
      abertura_(new QRadioButton(QStringLiteral("Conferência de Abertura..."), this)),
      inicial_(new ui::DateBox(this)),
      final_(new ui::DateBox(this)) {
    setObjectName(QStringLiteral("TFmDataCaixa"));
    setWindowTitle(QStringLiteral("Relatório - Fechamentos de Caixa."));
    geral_->setObjectName(QStringLiteral("RadioButton1"));
    abertura_->setObjectName(QStringLiteral("RadioButton2"));
    geral_->setChecked(true);

    auto* choice = new QHBoxLayout;
    choice->addWidget(geral_);
    choice->addWidget(abertura_);
    choice->addStretch();
    QFormLayout* rows = ui::labelledRows();
    ui::addPeriodRow(*rows, *inicial_, *final_);
    auto* bar = new QHBoxLayout;
    addHelpButton(
        *bar, QStringLiteral("SpeedButton1"),
        {QStringLiteral("   Este relatório mostra os Fechamentos de Caixa de um determinado período. "
                        "Basta digitar as Datas Inicial e Final e clicar no botão Imprimir.")});
    bar->addStretch();
    imprimir_ = ui::addPrintButtons(*bar, *this).imprimir;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(rows);
    layout->addLayout(bar);

    connect(imprimir_, &QPushButton::clicked, this, &TFmDataCaixa::imprimir);
    ui::installEnterAsTab(this);
}

void TFmDataCaixa::imprimir() {
    const auto period = ui::readPeriod(*inicial_, *final_);
    if (!period) return;
    const auto layout =
        geral_->isChecked() ? reports::CashPeriodsLayout::Takings : reports::CashPeriodsLayout::Opening;
    // Held while the preview is up, so a second request cannot pull the table from under it.
    ui::runHeld(*imprimir_, [&] { reports::printCashPeriods(dm_, *period, layout, output_); });
}

void showDataCaixa(data::Tdm& dm) {
    TFmDataCaixa screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace cash
