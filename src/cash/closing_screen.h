#pragma once
// "Fechamento de Caixa.": the takings of the open period, what to leave for the next one,
// and the closing report. What the user types stays on the screen, with no record edited
// or locked, until "REGISTRAR" posts the closing.
#include <QDialog>

#include <cstdint>

#include "data/dm.h"
#include "reports/engine/preview.h"

class QLabel;
class QPushButton;

namespace ui {
class MoneyBox;
}

namespace cash {

inline const QStringList kClosingHelp{
    QStringLiteral(
        "   Esta janela mostrará o andamento do caixa antes de ser fechado. Para fechar o caixa basta "
        "clicar no botão REGISTRAR. IMPORTANTE: Você poderá abrir e fechar o caixa quantas vezes "
        "desejar durante o dia!"),
    QStringLiteral(
        "   Você poderá consultar os fechamentos do caixa que já foram realizados. Para isto clique no "
        "botão ADMINISTRAÇÃO, clique no Menu Relatórios e na opção Fechamentos de Caixa.")};

class TFmFechar : public QDialog {
    Q_OBJECT
  public:
    explicit TFmFechar(data::Tdm& dm, reports::ReportOutput output = reports::previewReport,
                       QWidget* parent = nullptr);
    ~TFmFechar() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void registrar();
    void imprimir();

    data::Tdm& dm_;
    reports::ReportOutput output_;
    // Read-only: the record changes only through the closing posting.
    data::DataSource caixa_;
    std::int64_t number_;  // the period on show, 0 when none was ever opened
    bool shown_ = false;
    QLabel* total_;
    QLabel* cashInDrawer_;
    ui::MoneyBox* repasse_;
    QPushButton* registrar_;
    QPushButton* imprimir_;
    QPushButton* cancelar_;
};

// The menu's "&Fechar", once the cash and access checks have let it through.
void showFechar(data::Tdm& dm);

}  // namespace cash
