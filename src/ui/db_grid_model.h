#pragma once
// The rows of a table as a grid shows them: the table's visible rows in its current index
// order (range, filter and master link applied), one column per chosen field. Rows are
// read a window at a time, so a long table costs only what is on screen. Any change of
// the visible rows (post, delete, index, range) resets the model.
#include <QAbstractTableModel>

#include <optional>
#include <string>
#include <vector>

#include "data/store/table.h"
#include "ui/table_subscription.h"

namespace ui {

struct GridColumn {
    std::string field;
    QString title;
};

class DbGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    DbGridModel(store::Table& table, std::vector<GridColumn> columns, QObject* parent = nullptr);

    store::Table& table() const { return subscription_.table(); }
    // The field a column shows.
    const store::FieldDef& fieldDef(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  private:
    static constexpr int kWindow = 64;

    void onTableEvent(store::TableEvent event);
    const store::Record* row(int position) const;

    std::vector<GridColumn> columns_;
    std::vector<int> fieldIndexes_;
    mutable std::optional<int> count_;
    mutable int windowStart_ = 0;
    mutable std::vector<store::Record> window_;
    TableSubscription subscription_;
};

}  // namespace ui
