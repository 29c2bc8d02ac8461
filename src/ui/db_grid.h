#pragma once
// A read-only grid over a table whose selected row is the table's current record: a click
// on a row makes it current (writing and posting a pending change first, as any move
// does), and every move of the table selects its row.
//
// Each column is as wide as its field's widest content (ui/field_width.h) and its header;
// room left over goes to the widest name or description, never to a column of figures. The
// grid asks for room to show all its columns (as far as the desktop allows), and a look-up
// for kLookupRows rows.
#include <QTableView>

#include <vector>

#include "ui/db_grid_model.h"

namespace ui {

class DbGrid : public QTableView {
    Q_OBJECT
  public:
    // Rows a look-up shows at least, so a choice is seen among its neighbours.
    static constexpr int kLookupRows = 8;

    DbGrid(store::Table& table, std::vector<GridColumn> columns, QWidget* parent = nullptr);

    DbGridModel& gridModel() const { return *model_; }
    store::Table& table() const { return model_->table(); }
    // A look-up: a grid the user chooses a row from (something takes `chosen`).
    bool isLookup() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  signals:
    // A row was double-clicked, or Enter pressed on it: the current record is chosen.
    void chosen();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void onCurrentRowChanged(const QModelIndex& current);
    void selectCurrentRecord();
    // Each column's own width: its field's widest content or its header, whichever is wider.
    std::vector<int> columnWidths() const;
    void fitColumns();

    DbGridModel* model_;
    bool following_ = false;  // selecting the table's row, not the user's click
    TableSubscription subscription_;
};

}  // namespace ui
