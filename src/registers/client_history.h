#pragma once
// "Histórico de Cliente.": what the current client bought from 1 January 2011 on, in date
// order, with the way to the client's photographs.
#include <QDialog>

#include "data/dm.h"
#include "data/opened_tables.h"
#include "ui/db_grid.h"

class QLabel;
class QPushButton;

namespace registers {

class TFmHistorico : public QDialog {
    Q_OBJECT
  public:
    explicit TFmHistorico(data::Tdm& dm, QWidget* parent = nullptr);
    ~TFmHistorico() override;

    ui::DbGrid* grid() const { return grid_; }
    QLabel* heading() const { return heading_; }
    QPushButton* fotografiasButton() const { return fotografias_; }
    void fotografias();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    data::Tdm& dm_;
    data::OpenedTables tables_;
    QLabel* heading_;
    ui::DbGrid* grid_ = nullptr;
    QPushButton* fotografias_;
};

}  // namespace registers
