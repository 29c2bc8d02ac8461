#include "reports/birthday_screen.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/date.h"
#include "reports/birthday_reports.h"
#include "ui/caption_width.h"
#include "ui/dialogs.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace reports {

std::optional<int> monthNumber(const QString& name) {
    for (int month = 1; month <= 12; ++month) {
        const std::string_view candidate = core::monthName(month);
        if (name == QString::fromUtf8(candidate.data(), static_cast<qsizetype>(candidate.size())))
            return month;
    }
    return std::nullopt;
}

TFmAniversario::TFmAniversario(data::Tdm& dm, ReportOutput output, QWidget* parent)
    : QDialog(parent), dm_(dm), output_(std::move(output)) {
    setObjectName(QStringLiteral("FmAniversario"));
    setWindowTitle(QStringLiteral("::.. Listagem de Aniversariantes"));

    radioButton2_ = new QRadioButton(QStringLiteral("Aniversariante: do Mês...:"), this);
    radioButton2_->setObjectName(QStringLiteral("RadioButton2"));
    comboBox1_ = new QComboBox(this);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setEditable(true);
    for (int month = 1; month <= 12; ++month)
        comboBox1_->addItem(QString::fromStdString(std::string(core::monthName(month))));
    comboBox1_->setCurrentIndex(-1);
    comboBox1_->setEditText(QString());
    radioButton1_ = new QRadioButton(QStringLiteral("Do Dia..."), this);
    radioButton1_->setObjectName(QStringLiteral("RadioButton1"));
    radioButton1_->setChecked(true);
    connect(radioButton2_, &QRadioButton::clicked, comboBox1_, [this] { comboBox1_->setFocus(); });

    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(radioButton2_);
    monthRow->addWidget(comboBox1_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* print = ui::addButton(*buttons, QStringLiteral("&Imprimir"), QStringLiteral("BitBtn1"));
    QPushButton* fechar = ui::addButton(*buttons, QStringLiteral("&Fechar"), QStringLiteral("BitBtn3"));
    connect(print, &QPushButton::clicked, this, [this] { ui::runGuarded([this] { imprimir(); }); });
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(monthRow);
    layout->addWidget(radioButton1_);
    layout->addLayout(buttons);
    ui::keepCaptionWhole(*layout);
}

void TFmAniversario::imprimir() {
    const QString monthText = comboBox1_->currentText();
    if (const auto month = monthNumber(monthText)) mes_ = *month;
    if (radioButton1_->isChecked())
        printBirthdaysOfDay(dm_, core::Date::today(), output_);
    else
        printBirthdaysOfMonth(dm_, mes_, monthText.toStdString(), output_);
}

void showBirthdayScreen(data::Tdm& dm) {
    TFmAniversario screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace reports
