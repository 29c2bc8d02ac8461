#pragma once
// "Reparador de Arquivos...": the user picks table files and the store checks and
// repairs each, with its progress on the gauge. Tables kept by a server have no files here:
// the screen says so and repairs nothing.
#include <QDialog>

#include <filesystem>

#include "data/store/database.h"

class QLabel;
class QProgressBar;

namespace data {
class Tdm;
}

namespace maintenance {

class TFmReparador : public QDialog {
    Q_OBJECT
  public:
    // The file chooser starts in the data directory of the data set, where the tables are.
    // Each file repaired is a row of the data set's audit trail.
    explicit TFmReparador(data::Tdm& dm, QWidget* parent = nullptr);

  private:
    void repararArquivo();

    data::Tdm& dm_;
    std::filesystem::path dataDirectory_;
    bool onServer_;
    QLabel* Panel2 = nullptr;
    QProgressBar* ProgressGauge = nullptr;
};

}  // namespace maintenance
