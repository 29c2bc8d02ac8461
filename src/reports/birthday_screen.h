#pragma once
// "::.. Listagem de Aniversariantes": chooses between today's birthday list and one
// month's list.
#include <QDialog>

#include <optional>

#include "reports/engine/preview.h"

class QComboBox;
class QRadioButton;

namespace data {
class Tdm;
}

namespace reports {

// "Janeiro" 1 … "Dezembro" 12, exact names only.
std::optional<int> monthNumber(const QString& name);

class TFmAniversario : public QDialog {
    Q_OBJECT

  public:
    explicit TFmAniversario(data::Tdm& dm, ReportOutput output = previewReport, QWidget* parent = nullptr);

  private:
    void imprimir();

    data::Tdm& dm_;
    ReportOutput output_;
    // Kept from one "&Imprimir" to the next: a month box holding no month name reuses it.
    int mes_ = 0;
    QRadioButton* radioButton2_;
    QComboBox* comboBox1_;
    QRadioButton* radioButton1_;
};

// The menu entry "Listagem de Aniversariantes...".
void showBirthdayScreen(data::Tdm& dm);

}  // namespace reports
