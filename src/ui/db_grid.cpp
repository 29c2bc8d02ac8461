#include "ui/db_grid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "ui/field_binding.h"
#include "ui/guarded.h"

namespace ui {

DbGrid::DbGrid(store::Table& table, std::vector<GridColumn> columns, QWidget* parent)
    : QTableView(parent),
      model_(new DbGridModel(table, std::move(columns), this)),
      subscription_(table, [this](store::TableEvent event) {
          if (event == store::TableEvent::Scrolled) selectCurrentRecord();
      }) {
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(true);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, &DbGrid::onCurrentRowChanged);
    connect(model_, &QAbstractItemModel::modelReset, this, &DbGrid::selectCurrentRecord);
    connect(this, &QAbstractItemView::doubleClicked, this, &DbGrid::chosen);
    selectCurrentRecord();
}

void DbGrid::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        emit chosen();
        return;
    }
    QTableView::keyPressEvent(event);
}

void DbGrid::onCurrentRowChanged(const QModelIndex& current) {
    if (following_ || !current.isValid()) return;
    store::Table& t = table();
    const bool moved = runGuarded([&] {
        if (t.isEditing()) writeControls(t);
        if (t.currentPosition() != current.row()) t.moveToPosition(current.row());
    });
    if (!moved) selectCurrentRecord();
}

void DbGrid::selectCurrentRecord() {
    store::Table& t = table();
    const int position = t.isOpen() && !t.isEmpty() ? t.currentPosition() : -1;
    following_ = true;
    if (position >= 0 && position < model_->rowCount()) {
        const int column = std::max(currentIndex().column(), 0);
        setCurrentIndex(model_->index(position, column));
        scrollTo(currentIndex());
    } else {
        setCurrentIndex({});
        clearSelection();
    }
    following_ = false;
}

}  // namespace ui
