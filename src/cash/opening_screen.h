#pragma once
// "Abertura do Caixa.": the responsible employee and the opening cash of a new period. The
// period is written only by "CONFIRMAR"; until then the table is as every station sees it.
#include <QDialog>

#include "cash/cash_opening.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace data {
class Tdm;
}

namespace ui {
class MoneyBox;
}

namespace cash {

inline const QString kOpeningHelp = QStringLiteral(
    "Para abrir o caixa basta selecionar o Funcionário Responsável e clicar no botão ABRIR CAIXA.");

class TFmAbrir : public QDialog {
    Q_OBJECT
  public:
    explicit TFmAbrir(data::Tdm& dm, QWidget* parent = nullptr);
    ~TFmAbrir() override;

  private:
    void fillEmployees();
    void chooseEmployee(int index);
    Responsible responsible() const;
    void abrirCaixa();
    void confirmar();
    void cancelar();

    data::Tdm& dm_;
    QComboBox* employees_;
    QLabel* openingCaption_;
    ui::MoneyBox* openingCash_;
    QPushButton* abrir_;
    QPushButton* confirmar_;
    QPushButton* cancelar_;
};

// The menu's "A&brir", once the cash and access checks have let it through.
void showAbrir(data::Tdm& dm);

}  // namespace cash
