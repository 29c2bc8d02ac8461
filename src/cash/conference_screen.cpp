#include "cash/conference_screen.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

#include "reports/cash_conference_report.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/period_boxes.h"
#include "ui/search_gauge.h"

namespace cash {

TFmDataCONF::TFmDataCONF(data::Tdm& dm, reports::ReportOutput output, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      output_(std::move(output)),
      inicial_(new ui::DateBox(this)),
      final_(new ui::DateBox(this)) {
    setObjectName(QStringLiteral("TFmDataCONF"));
    setWindowTitle(QStringLiteral("::.. Relatório de Conferência de Caixa"));

    QFormLayout* rows = ui::labelledRows();
    ui::addPeriodRow(*rows, *inicial_, *final_);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    imprimir_ = ui::addPrintButtons(*bar, *this).imprimir;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    gauge_ = ui::addSearchGauge(*layout, this);
    layout->addLayout(bar);

    pass_ = std::make_unique<ui::LongPass>(*this, *gauge_, std::vector<QWidget*>{imprimir_});
    connect(imprimir_, &QPushButton::clicked, this, &TFmDataCONF::imprimir);
    ui::installEnterAsTab(this);
}

void TFmDataCONF::imprimir() {
    const auto period = ui::readPeriod(*inicial_, *final_);
    if (!period) return;
    std::optional<reports::CashConference> gathered;
    if (!pass_->run([&](core::PassProgress& progress) {
            gathered = reports::gatherConference(dm_, *period, progress);
        }))
        return;
    // The report prints from what was gathered; held while the preview is up all the same,
    // so one request shows one preview.
    ui::runHeld(*imprimir_, [&] { output_(reports::conferenceReport(dm_, std::move(*gathered))); });
}

void showDataCONF(data::Tdm& dm) {
    TFmDataCONF screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace cash
