#include "advances/advances_report_screen.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/dm.h"
#include "registers/employee_code_boxes.h"
#include "reports/advances_report.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/field_width.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/period_boxes.h"

namespace advances {

TFmDataVale::TFmDataVale(data::Tdm& dm, reports::ReportOutput output, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      output_(std::move(output)),
      geral_(new QRadioButton(QStringLiteral("Geral..."), this)),
      individual_(new QRadioButton(QStringLiteral("Individual..."), this)),
      codigo_(new QLineEdit(this)),
      funcionario_(new QLineEdit(this)),
      inicial_(new ui::DateBox(this)),
      final_(new ui::DateBox(this)) {
    setObjectName(QStringLiteral("TFmDataVale"));
    setWindowTitle(QStringLiteral("::.. Relatório de Vales"));
    geral_->setObjectName(QStringLiteral("RadioButton1"));
    individual_->setObjectName(QStringLiteral("RadioButton2"));
    geral_->setChecked(true);
    codigo_->setObjectName(QStringLiteral("Edit1"));
    codigo_->setMaxLength(9);
    funcionario_->setObjectName(QStringLiteral("Edit2"));
    funcionario_->setMaxLength(50);
    funcionario_->setReadOnly(true);
    for (QLineEdit* box : {codigo_, funcionario_}) box->setMinimumWidth(ui::contentWidth(*box));

    auto* lookup = new QPushButton(QStringLiteral("&F"), this);
    lookup->setObjectName(QStringLiteral("SpeedButton1"));
    lookup->setFocusPolicy(Qt::NoFocus);
    auto* codeRow = new QHBoxLayout;
    codeRow->setContentsMargins(0, 0, 0, 0);
    codeRow->addWidget(codigo_);
    codeRow->addWidget(lookup);
    auto* code = new QWidget(this);
    code->setLayout(codeRow);

    auto* choice = new QHBoxLayout;
    choice->addWidget(geral_);
    choice->addWidget(individual_);
    choice->addStretch();
    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Código:"), code, QStringLiteral("Funcionário:"), funcionario_);
    ui::addPeriodRow(*rows, *inicial_, *final_);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    auto* imprimir = ui::addPrintButtons(*bar, *this).imprimir;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(rows);
    layout->addLayout(bar);

    funcionario_->installEventFilter(this);
    connect(geral_, &QRadioButton::clicked, inicial_, [this] { inicial_->setFocus(); });
    connect(individual_, &QRadioButton::clicked, codigo_, [this] { codigo_->setFocus(); });
    connect(lookup, &QPushButton::clicked, this, &TFmDataVale::chooseEmployee);
    connect(imprimir, &QPushButton::clicked, this, &TFmDataVale::imprimir);
    ui::installEnterAsTab(this);
}

bool TFmDataVale::eventFilter(QObject* watched, QEvent* event) {
    if (watched == funcionario_ && event->type() == QEvent::FocusIn &&
        ui::leftByUser(static_cast<QFocusEvent*>(event)->reason()) && lookUpEmployee())
        inicial_->setFocus();
    return QDialog::eventFilter(watched, event);
}

bool TFmDataVale::lookUpEmployee() {
    return registers::lookUpEmployeeCode(dm_, *codigo_, *funcionario_);
}

void TFmDataVale::chooseEmployee() {
    if (registers::chooseEmployee(dm_, *codigo_, *funcionario_)) inicial_->setFocus();
}

void TFmDataVale::imprimir() {
    const auto period = ui::readPeriod(*inicial_, *final_);
    if (!period) return;
    reports::AdvancesSelection selection{0, *period};
    if (individual_->isChecked()) {
        if (funcionario_->text().isEmpty()) {
            codigo_->setFocus();
            ui::Dialogs::current().message(QStringLiteral("Selecione o Funcionário Para o Relatório!"));
            return;
        }
        if (!lookUpEmployee()) return;  // a code changed after the name was shown counts
        selection.employeeCode = codigo_->text().trimmed().toLongLong();
    }
    ui::runGuarded([&] { reports::printAdvances(dm_, selection, output_); });
    inicial_->setFocus();
}

void showDataVale(data::Tdm& dm) {
    TFmDataVale screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace advances
