#include "reports/commissions_screen.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "registers/employee_code_boxes.h"
#include "reports/commissions_report.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/field_width.h"
#include "ui/form_layout.h"
#include "ui/long_pass.h"
#include "ui/period_boxes.h"
#include "ui/search_gauge.h"

namespace reports {

TFmDataServico2::TFmDataServico2(data::Tdm& dm, ReportOutput output, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      output_(std::move(output)),
      codigo_(new QLineEdit(this)),
      funcionario_(new QLineEdit(this)),
      inicial_(new ui::DateBox(this)),
      final_(new ui::DateBox(this)),
      geral_(new QRadioButton(QStringLiteral("Geral..."), this)),
      individual_(new QRadioButton(QStringLiteral("Individual..."), this)) {
    setObjectName(QStringLiteral("TFmDataServico2"));
    setWindowTitle(QStringLiteral("::.. Relatório de Comissões"));
    codigo_->setObjectName(QStringLiteral("Edit1"));
    codigo_->setMaxLength(9);
    funcionario_->setObjectName(QStringLiteral("Edit2"));
    funcionario_->setMaxLength(50);
    funcionario_->setReadOnly(true);
    for (QLineEdit* box : {codigo_, funcionario_}) box->setMinimumWidth(ui::contentWidth(*box));
    geral_->setObjectName(QStringLiteral("RadioButton1"));
    individual_->setObjectName(QStringLiteral("RadioButton2"));
    geral_->setChecked(true);

    auto* lookup = new QPushButton(QStringLiteral("&F"), this);
    lookup->setObjectName(QStringLiteral("SpeedButton1"));
    lookup->setToolTip(QStringLiteral("Selecionar Funcionário"));
    lookup->setFocusPolicy(Qt::NoFocus);
    auto* codeRow = new QHBoxLayout;
    codeRow->setContentsMargins(0, 0, 0, 0);
    codeRow->addWidget(codigo_);
    codeRow->addWidget(lookup);
    auto* code = new QWidget(this);
    code->setLayout(codeRow);
    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Código:"), code, QStringLiteral("Funcionário:"), funcionario_);
    ui::addPeriodRow(*rows, *inicial_, *final_);
    auto* choice = new QHBoxLayout;
    choice->addWidget(geral_);
    choice->addWidget(individual_);
    choice->addStretch();
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    const auto [imprimir, fechar] = ui::addPrintButtons(*bar, *this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addLayout(choice);
    layout->addLayout(bar);
    gauge_ = ui::addSearchGauge(*layout, this);
    pass_ = std::make_unique<ui::LongPass>(*this, *gauge_, std::vector<QWidget*>{imprimir});

    QWidget* order[] = {codigo_, funcionario_, inicial_, final_, imprimir, fechar, geral_, individual_};
    for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);

    funcionario_->installEventFilter(this);
    connect(geral_, &QRadioButton::clicked, inicial_, [this] { inicial_->setFocus(); });
    connect(individual_, &QRadioButton::clicked, codigo_, [this] { codigo_->setFocus(); });
    connect(lookup, &QPushButton::clicked, this, [this] {
        if (registers::chooseEmployee(dm_, *codigo_, *funcionario_)) inicial_->setFocus();
    });
    connect(imprimir, &QPushButton::clicked, this, &TFmDataServico2::imprimir);
    ui::installEnterAsTab(this);
}

TFmDataServico2::~TFmDataServico2() = default;

bool TFmDataServico2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == funcionario_ && event->type() == QEvent::FocusIn &&
        ui::leftByUser(static_cast<QFocusEvent*>(event)->reason()) &&
        registers::lookUpEmployeeCode(dm_, *codigo_, *funcionario_))
        inicial_->setFocus();
    return QDialog::eventFilter(watched, event);
}

void TFmDataServico2::imprimir() {
    const auto period = ui::readPeriod(*inicial_, *final_);
    if (!period) return;
    if (geral_->isChecked()) {
        pass_->run([&](core::PassProgress& progress) { printCommissions(dm_, *period, progress, output_); });
        return;
    }
    if (funcionario_->text().isEmpty()) {
        codigo_->setFocus();
        ui::Dialogs::current().message(QStringLiteral("Selecione o Funcionário Para o Relatório!"));
        return;
    }
    // The code is looked up again: one changed after its name was shown counts, not the name.
    if (!registers::lookUpEmployeeCode(dm_, *codigo_, *funcionario_)) return;
    const std::int64_t employee = codigo_->text().trimmed().toLongLong();
    pass_->run([&](core::PassProgress& progress) {
        printEmployeeCommissions(dm_, *period, employee, progress, output_);
    });
    inicial_->setFocus();
}

void showDataServico2(data::Tdm& dm) {
    TFmDataServico2 screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace reports
