#pragma once
// The user picker that permits users in the current access area.
#include <QDialog>

namespace data {
class Tdm;
}

namespace app {

class TFmHabilitar : public QDialog {
    Q_OBJECT
  public:
    explicit TFmHabilitar(data::Tdm& dm, QWidget* parent = nullptr);

  private:
    void grant();

    data::Tdm& dm_;
};

}  // namespace app
