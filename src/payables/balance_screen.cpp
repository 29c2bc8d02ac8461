#include "payables/balance_screen.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <optional>

#include "core/format.h"
#include "data/dm.h"
#include "ui/date_box.h"
#include "ui/db_grid.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/long_pass.h"
#include "ui/period_boxes.h"

namespace payables {

namespace {

QString reais(const char* caption, core::Currency value) {
    return QString::fromUtf8(caption) +
           QString::fromStdString(core::formatMask(value, core::kCaptionMoneyMask));
}

// The box's date; an empty box, or one holding no date at all (31/02/24), is asked for
// with `message` and gets the focus.
std::optional<core::Date> typedDate(ui::DateBox& box, const QString& message) {
    core::Date date;
    try {
        date = box.date();
    } catch (const core::DateError&) {
    }
    if (!date.isNull()) return date;
    box.setFocus();
    ui::Dialogs::current().message(message);
    return std::nullopt;
}

QLabel* namedLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

TFmBalancete::TFmBalancete(data::Tdm& dm, reports::ReportOutput output, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      output_(std::move(output)),
      periodo_(new QRadioButton(QStringLiteral("Período ===>"), this)),
      inicial_(new ui::DateBox(this)),
      final_(new ui::DateBox(this)),
      pesquisa_(new QPushButton(QStringLiteral("&Pesquisar"), this)),
      cancelar_(new QPushButton(QStringLiteral("Cancelar"), this)),
      imprime_(new QPushButton(QStringLiteral("&Imprimir"), this)),
      status_(namedLabel(QStringLiteral("Conclusão da Pesquisa..."), QStringLiteral("LbStatus"), this)),
      receitas_(namedLabel(reais("Receitas R$ ", {}), QStringLiteral("LbReceitas"), this)),
      despesas_(namedLabel(reais("Despesas R$ ", {}), QStringLiteral("LbDespesas"), this)),
      saldo_(namedLabel(reais("Saldo R$ ", {}), QStringLiteral("LbSaldo"), this)) {
    setObjectName(QStringLiteral("TFmBalancete"));
    setWindowTitle(QStringLiteral("Demonstrativo Financeiro - BALANCETE SINTÉTICO."));
    // The grids show the work tables from the start; each search refills them.
    dm_.openWorkTable(dm_.TbVirtualR);
    dm_.openWorkTable(dm_.TbVirtualP);
    periodo_->setObjectName(QStringLiteral("RadioButton1"));
    periodo_->setChecked(true);
    pesquisa_->setObjectName(QStringLiteral("BitBtn1"));
    cancelar_->setObjectName(QStringLiteral("BitBtn2"));
    imprime_->setObjectName(QStringLiteral("BitBtn3"));
    imprime_->setEnabled(false);
    auto* gauge = new QProgressBar(this);
    gauge->setObjectName(QStringLiteral("ProgressBar1"));
    gauge->setValue(0);
    auto* revenue = new ui::DbGrid(dm.TbVirtualR,
                                   {{"Descricao", QStringLiteral("Descrição")},
                                    {"Total", QStringLiteral("Total R$")},
                                    {"TotalREF", QStringLiteral("%")}},
                                   this);
    revenue->setObjectName(QStringLiteral("DBGrid1"));
    auto* expenses = new ui::DbGrid(dm.TbVirtualP,
                                    {{"Descricao", QStringLiteral("Plano de Contas")},
                                     {"Total", QStringLiteral("Total - R$")},
                                     {"POR2", QStringLiteral("%")}},
                                    this);
    expenses->setObjectName(QStringLiteral("DBGrid2"));

    auto* dates = new QHBoxLayout;
    dates->addWidget(periodo_);
    QFormLayout* rows = ui::labelledRows();
    ui::addPeriodRow(*rows, *inicial_, *final_);
    dates->addLayout(rows);
    dates->addStretch();
    auto* bar = new QHBoxLayout;
    for (QPushButton* button : {pesquisa_, cancelar_, imprime_}) bar->addWidget(button);
    bar->addStretch();
    QPushButton* fechar = ui::addButton(*bar, QStringLiteral("&Fechar"), QStringLiteral("BitBtn4"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dates);
    layout->addLayout(bar);
    layout->addWidget(status_);
    layout->addWidget(gauge);
    layout->addWidget(receitas_);
    layout->addWidget(new QLabel(QStringLiteral("Porcentagem % em Relação a Receita R$"), this));
    layout->addWidget(revenue, 1);
    layout->addWidget(despesas_);
    layout->addWidget(new QLabel(QStringLiteral("Porcentagem % em Relação a Receita  e Despesa"), this));
    layout->addWidget(expenses, 1);
    layout->addWidget(saldo_);

    pass_ = std::make_unique<ui::LongPass>(*this, *gauge, std::vector<QWidget*>{pesquisa_, imprime_});
    pass_->setCancelButton(*cancelar_, QStringLiteral("Deseja Abortar a Pesquisa?"));
    connect(periodo_, &QRadioButton::clicked, inicial_, [this] { inicial_->setFocus(); });
    connect(pesquisa_, &QPushButton::clicked, this, &TFmBalancete::pesquisar);
    connect(imprime_, &QPushButton::clicked, this, &TFmBalancete::imprimir);
    // close(), not reject(): closing during a search must be seen as a cancel.
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    ui::installEnterAsTab(this);
}

TFmBalancete::~TFmBalancete() {
    dm_.TbVirtualR.close();
    dm_.TbVirtualP.close();
}

void TFmBalancete::pesquisar() {
    const auto start = typedDate(*inicial_, QStringLiteral("Digite a Data Inicial a ser Pesquisada!"));
    if (!start) return;
    const auto end = typedDate(*final_, QStringLiteral("Digite a Data Final a ser Pesquisada!"));
    if (!end) return;
    const core::Period period{*start, *end, inicial_->value().toStdString(), final_->value().toStdString()};
    // Whatever was found before belongs to another period: nothing prints until this
    // search has gone to its end.
    imprime_->setEnabled(false);
    showTotals({});
    status_->setText(QStringLiteral("Analisando Arquivos! Aguarde..."));
    reports::BalanceTotals found;
    const bool completed = pass_->run([&](core::PassProgress& progress) {
        found = reports::fillBalanceSheet(
            dm_, period, progress, [this](reports::BalanceStage stage, const reports::BalanceTotals& totals) {
                showStage(stage, totals);
            });
    });
    if (!completed) {
        status_->setText(QStringLiteral("Pesquisa Cancelada!!!"));
        return;
    }
    period_ = period;
    totals_ = found;
    showTotals(found);
    inicial_->setFocus();
    status_->setText(QStringLiteral("Pesquisa Concluída!"));
    imprime_->setEnabled(true);
}

void TFmBalancete::showStage(reports::BalanceStage stage, const reports::BalanceTotals& totals) {
    switch (stage) {
        case reports::BalanceStage::Despesas:
            status_->setText(QStringLiteral("Pesquisando Despesas! Aguarde..."));
            break;
        case reports::BalanceStage::Receita:
            despesas_->setText(reais("Despesas R$ ", totals.despesas));
            status_->setText(QStringLiteral("Pesquisando Receita! Aguarde..."));
            break;
        case reports::BalanceStage::Percentual:
            receitas_->setText(reais("Receitas R$ ", totals.receitas));
            status_->setText(QStringLiteral("Calculando Percentual! Aguarde..."));
            break;
    }
}

void TFmBalancete::showTotals(const reports::BalanceTotals& totals) {
    receitas_->setText(reais("Receitas R$ ", totals.receitas));
    despesas_->setText(reais("Despesas R$ ", totals.despesas));
    saldo_->setText(reais("Saldo R$ ", totals.saldo()));
}

void TFmBalancete::imprimir() {
    ui::runGuarded([&] { reports::printBalanceSheet(dm_, period_, totals_, output_); });
}

void showBalancete(data::Tdm& dm) {
    TFmBalancete screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace payables
