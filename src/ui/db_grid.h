#pragma once
// A read-only grid over a table whose selected row is the table's current record: a click
// on a row makes it current (writing and posting a pending change first, as any move
// does), and every move of the table selects its row.
#include <QTableView>

#include <vector>

#include "ui/db_grid_model.h"

namespace ui {

class DbGrid : public QTableView {
    Q_OBJECT
  public:
    DbGrid(store::Table& table, std::vector<GridColumn> columns, QWidget* parent = nullptr);

    DbGridModel& gridModel() const { return *model_; }
    store::Table& table() const { return model_->table(); }

  signals:
    // A row was double-clicked, or Enter pressed on it: the current record is chosen.
    void chosen();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void onCurrentRowChanged(const QModelIndex& current);
    void selectCurrentRecord();

    DbGridModel* model_;
    bool following_ = false;  // selecting the table's row, not the user's click
    TableSubscription subscription_;
};

}  // namespace ui
