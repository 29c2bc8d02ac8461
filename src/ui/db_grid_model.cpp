#include "ui/db_grid_model.h"

#include "ui/field_binding.h"
#include "ui/field_text.h"

namespace ui {

DbGridModel::DbGridModel(store::Table& table, std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent),
      columns_(std::move(columns)),
      subscription_(table, [this](store::TableEvent event) { onTableEvent(event); }) {
    for (const GridColumn& column : columns_) fieldIndexes_.push_back(requireFieldIndex(table, column.field));
}

void DbGridModel::onTableEvent(store::TableEvent event) {
    if (event != store::TableEvent::Opened && event != store::TableEvent::Closed &&
        event != store::TableEvent::DataChanged)
        return;
    beginResetModel();
    count_.reset();
    window_.clear();
    endResetModel();
}

int DbGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !table().isOpen()) return 0;
    if (!count_) count_ = table().recordCount();
    return *count_;
}

const store::FieldDef& DbGridModel::fieldDef(int column) const {
    return table().definition().fields[fieldIndexes_[column]];
}

int DbGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

const store::Record* DbGridModel::row(int position) const {
    const bool inWindow =
        position >= windowStart_ && position < windowStart_ + static_cast<int>(window_.size());
    if (!inWindow) {
        windowStart_ = position - position % kWindow;
        window_ = table().rowsAt(windowStart_, kWindow);
    }
    const int offset = position - windowStart_;
    return offset < static_cast<int>(window_.size()) ? &window_[offset] : nullptr;
}

QVariant DbGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !table().isOpen()) return {};
    const int column = index.column();
    const store::FieldDef& def = fieldDef(column);
    if (role == Qt::TextAlignmentRole) {
        if (def.centred) return QVariant::fromValue(Qt::AlignCenter);
        if (def.type == store::FieldType::Currency || def.type == store::FieldType::Float)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (role != Qt::DisplayRole) return {};
    const store::Record* record = row(index.row());
    if (record == nullptr) return {};
    return valueDisplayText(def, record->values[fieldIndexes_[column]]);
}

QVariant DbGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(columns_.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    return columns_[section].title;
}

}  // namespace ui
