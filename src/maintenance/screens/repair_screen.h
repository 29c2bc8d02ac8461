#pragma once
// "Reparador de Arquivos...": the user picks table files and the store checks and
// repairs each, with its progress on the gauge. Tables kept by a server have no files here:
// the screen says so and repairs nothing.
#include <QDialog>

#include <filesystem>

#include "data/store/database.h"

class QLabel;
class QProgressBar;

namespace maintenance {

class TFmReparador : public QDialog {
    Q_OBJECT
  public:
    // The file chooser starts in the data directory of `dataSet`, where the tables are.
    explicit TFmReparador(const store::Database& dataSet, QWidget* parent = nullptr);

  private:
    void repararArquivo();

    std::filesystem::path dataDirectory_;
    bool onServer_;
    QLabel* Panel2 = nullptr;
    QProgressBar* ProgressGauge = nullptr;
};

}  // namespace maintenance
