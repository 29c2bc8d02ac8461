#pragma once
// "Reparador de Arquivos...": the user picks table files and the store checks and
// repairs each, with its progress on the gauge.
#include <QDialog>

class QLabel;
class QProgressBar;

namespace maintenance {

class TFmReparador : public QDialog {
    Q_OBJECT
  public:
    explicit TFmReparador(QWidget* parent = nullptr);

  private:
    void repararArquivo();

    QLabel* Panel2 = nullptr;
    QProgressBar* ProgressGauge = nullptr;
};

}  // namespace maintenance
