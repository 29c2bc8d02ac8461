#pragma once
// "::.. Controle Bancário": entering a credit or debit of a bank account, deleting the one
// just registered, and the doors to transfers, statements and the ledger query.
#include <QDialog>

#include <cstdint>

#include "reports/engine/preview.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
}

namespace bank {

class AccountBox;

class TFmControleBancario : public QDialog {
    Q_OBJECT
  public:
    explicit TFmControleBancario(data::Tdm& dm, reports::ReportOutput output = reports::previewReport,
                                 QWidget* parent = nullptr);

    // Closing (Esc, the close box, "Fechar") is refused while an entry is being made.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void novo();
    void registrar();
    void cancelar();
    void excluir();
    void lookUpAccount();
    void checkOperation();
    // Between "&NOVO" and "&REGISTRAR" / "&CANCELAR".
    void setEntering(bool entering);
    bool refuseWhileEntering();
    void showAway(QDialog& screen);

    data::Tdm& dm_;
    reports::ReportOutput output_;
    QLabel* heading_;
    AccountBox* conta_;
    QLineEdit* banco_;
    QLineEdit* agencia_;
    ui::DateBox* data_;
    QComboBox* operacao_;
    QLineEdit* documento_;
    ui::DateBox* vencimento_;
    QLineEdit* valor_;
    QLineEdit* historico_;
    QPushButton* novo_;
    QPushButton* registrar_;
    QPushButton* cancelar_;
    QPushButton* excluir_;
    QPushButton* transferir_;
    QPushButton* extrato_;
    QPushButton* consultar_;
    QString lastOperation_;
    std::int64_t registered_ = 0;  // the entry "E&XCLUIR" deletes; 0 for none
};

void showControleBancario(data::Tdm& dm);

}  // namespace bank
