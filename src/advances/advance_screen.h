#pragma once
// "::.. Controle de Vales": an advance paid to an employee, entered, saved as a paid bill and
// its receipt printed. What is typed stays in the screen until "&Gravar" saves it in one
// posting; the open bill "&Novo" stores only marks the advance as being entered.
#include <QDialog>

#include <cstdint>
#include <optional>

#include "advances/advance_posting.h"
#include "reports/engine/preview.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {
class MoneyBox;
}
namespace data {
class Tdm;
}
namespace ui {
class DateBox;
}

namespace advances {

inline const QString kPendingAdvance = QStringLiteral("Registro em Edição! Grave ou Exclua o Lançamento.");

class TFmVale : public QDialog {
    Q_OBJECT
  public:
    explicit TFmVale(data::Tdm& dm, reports::ReportOutput output = reports::previewReport,
                     QWidget* parent = nullptr);

    void reject() override;  // refused while an advance is being entered

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void novo();
    void lookUpEmployee();
    void lookUpPlan();
    void chooseEmployee();
    void gravar();
    void imprimir();
    void excluir();
    void setEntering(bool entering);
    // The advance as typed; nothing when the value is not an amount (the user is told).
    std::optional<Advance> typed();
    // Runs `step`; a refusal is shown and the focus goes to the box it is about.
    bool run(const std::function<void()>& step);

    data::Tdm& dm_;
    reports::ReportOutput output_;
    std::int64_t pending_ = 0;

    ui::DateBox* lancamento_;
    ui::DateBox* vencimento_;
    ui::MoneyBox* valor_;
    QLineEdit* descricao_;
    QLineEdit* codigo_;
    QLineEdit* funcionario_;
    QLineEdit* planCode_;
    QLineEdit* plan_;
    QLineEdit* cheque_;
    QRadioButton* emDinheiro_;
    QRadioButton* emCheque_;
    QPushButton* novo_;
    QPushButton* gravar_;
    QPushButton* excluir_;
    QPushButton* imprimir_;
};

void showVale(data::Tdm& dm);

}  // namespace advances
