#include "reports/services_screen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "reports/received_accounts_report.h"
#include "reports/services_report.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/form_layout.h"
#include "ui/long_pass.h"
#include "ui/period_boxes.h"
#include "ui/search_gauge.h"

namespace reports {

namespace {

using Print = void (*)(data::Tdm&, const core::Period&, core::PassProgress&, const ReportOutput&);

struct Variant {
    const char* caption;
    Print print;
};

const Variant kVariants[4] = {{"Geral...", printSales},
                              {"Resumido...", printItemSummary},
                              {"Detalhado...", printSaleItems},
                              {"Contas Recebidas...", printReceivedAccounts}};

}  // namespace

TFmDataServico::TFmDataServico(data::Tdm& dm, ReportOutput output, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      output_(std::move(output)),
      inicial_(new ui::DateBox(this)),
      final_(new ui::DateBox(this)) {
    setObjectName(QStringLiteral("TFmDataServico"));
    setWindowTitle(QStringLiteral("::.. Relatório de Serviços"));
    QFormLayout* rows = ui::labelledRows();
    ui::addPeriodRow(*rows, *inicial_, *final_);

    auto* choice = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        variants_[i] = new QRadioButton(QString::fromUtf8(kVariants[i].caption), this);
        variants_[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        choice->addWidget(variants_[i]);
    }
    variants_[0]->setChecked(true);
    choice->addStretch();

    auto* bar = new QHBoxLayout;
    bar->addStretch();
    imprimir_ = ui::addButton(*bar, QStringLiteral("Imprimir"), QStringLiteral("BitBtn1"));
    QPushButton* fechar = ui::addButton(*bar, QStringLiteral("&Fechar"), QStringLiteral("BitBtn2"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addLayout(choice);
    layout->addLayout(bar);
    gauge_ = ui::addSearchGauge(*layout, this);
    pass_ = std::make_unique<ui::LongPass>(*this, *gauge_, std::vector<QWidget*>{imprimir_});

    QWidget::setTabOrder(inicial_, final_);
    QWidget::setTabOrder(final_, imprimir_);
    QWidget::setTabOrder(imprimir_, fechar);
    QWidget* previous = fechar;
    for (QRadioButton* variant : variants_) {
        QWidget::setTabOrder(previous, variant);
        previous = variant;
    }
    connect(imprimir_, &QPushButton::clicked, this, &TFmDataServico::imprimir);
    // A walk running when the screen is asked to close stops first; the screen closes after.
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    ui::installEnterAsTab(this);
}

TFmDataServico::~TFmDataServico() = default;

void TFmDataServico::imprimir() {
    const auto period = ui::readPeriod(*inicial_, *final_);
    if (!period) return;
    int chosen = 0;
    while (chosen < 3 && !variants_[chosen]->isChecked()) ++chosen;
    const Print print = kVariants[chosen].print;
    // The report is shown inside the walk, so "Imprimir" stays held until its preview closes.
    pass_->run([&](core::PassProgress& progress) { print(dm_, *period, progress, output_); });
}

void showDataServico(data::Tdm& dm) {
    TFmDataServico screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace reports
