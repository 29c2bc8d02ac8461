#pragma once
// The Yes/No question every screen asks before recording, deleting or printing.
#include <QDialog>

class QLabel;
class QPushButton;

namespace ui {

class TFmConfirma : public QDialog {
    Q_OBJECT
  public:
    explicit TFmConfirma(const QString& question, QWidget* parent = nullptr);

    QPushButton* sim() const { return sim_; }
    QPushButton* nao() const { return nao_; }

  private:
    QLabel* label_;
    QPushButton* sim_;
    QPushButton* nao_;
};

}  // namespace ui
