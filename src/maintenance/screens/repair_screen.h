#pragma once
// "Reparador de Arquivos...": the user picks table files and the store checks and
// repairs each, with its progress on the gauge.
#include <QDialog>

#include <filesystem>

class QLabel;
class QProgressBar;

namespace maintenance {

class TFmReparador : public QDialog {
    Q_OBJECT
  public:
    // The file chooser starts in `dataDirectory`, where the tables are.
    explicit TFmReparador(std::filesystem::path dataDirectory, QWidget* parent = nullptr);

  private:
    void repararArquivo();

    std::filesystem::path dataDirectory_;
    QLabel* Panel2 = nullptr;
    QProgressBar* ProgressGauge = nullptr;
};

}  // namespace maintenance
