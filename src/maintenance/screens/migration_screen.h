#pragma once
// "Transferir Dados...": moves the salon's tables from the data set the program runs on into
// a data directory or onto a data server, as `velmora --migrar` does, with the copier's
// progress table by table. The program's own tables are closed meanwhile, since the copy
// holds every table alone; after a copy that went through, these data are marked as moved
// and the program must be opened again on the destination.
#include <QDialog>

#include <functional>

#include "data/dm.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;

namespace maintenance {

class TFmTransferir : public QDialog {
    Q_OBJECT
  public:
    // `moved` runs once the data are moved and the user was told so (the program ends there).
    TFmTransferir(data::Tdm& dm, std::function<void()> moved, QWidget* parent = nullptr);

  private:
    void procurar();
    void transferir();

    data::Tdm& dm_;
    std::function<void()> moved_;
    QRadioButton* toDirectory_;
    QLineEdit* directory_;
    QLineEdit* connection_;
    QLabel* status_;
    QProgressBar* gauge_;
};

}  // namespace maintenance
