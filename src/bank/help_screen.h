#pragma once
// "Ajuda do Programa...": how the bank ledger is used, a fixed text.
#include <QDialog>

namespace bank {

class TFmAjudaBanco : public QDialog {
    Q_OBJECT
  public:
    explicit TFmAjudaBanco(QWidget* parent = nullptr);
};

}  // namespace bank
