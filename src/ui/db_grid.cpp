#include "ui/db_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QStyle>

#include <algorithm>
#include <numeric>

#include "ui/desktop.h"
#include "ui/field_binding.h"
#include "ui/field_width.h"
#include "ui/guarded.h"

namespace ui {
namespace {

// The widest a grid asks to be: the desktop less the margins of its screen and of the boxes
// around it. Columns beyond it scroll.
constexpr int kWidestGrid = kDesktopArea.width() - 64;

// A row as high as a line of the grid's font, with room above and below.
int lineHeight(const QWidget& grid) {
    return grid.fontMetrics().height() + 6;
}

}  // namespace

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
    verticalHeader()->setDefaultSectionSize(lineHeight(*this));
    horizontalHeader()->setStretchLastSection(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, &DbGrid::onCurrentRowChanged);
    connect(model_, &QAbstractItemModel::modelReset, this, &DbGrid::selectCurrentRecord);
    connect(this, &QAbstractItemView::doubleClicked, this, &DbGrid::chosen);
    selectCurrentRecord();
    fitColumns();
}

std::vector<int> DbGrid::columnWidths() const {
    std::vector<int> widths;
    for (int column = 0; column < model_->columnCount(); ++column)
        widths.push_back(std::max(cellWidthToShow(*this, widestCellText(model_->fieldDef(column))),
                                  horizontalHeader()->sectionSizeHint(column)));
    return widths;
}

// Each column its own width; what the viewport has left goes to the widest text column (the
// name a look-up exists to show), or to the last column when none shows text.
void DbGrid::fitColumns() {
    const std::vector<int> widths = columnWidths();
    if (widths.empty()) return;
    int widened = static_cast<int>(widths.size()) - 1;
    for (int column = 0, widest = -1; column < static_cast<int>(widths.size()); ++column) {
        if (store::isTextType(model_->fieldDef(column).type) && widths[column] > widest) {
            widest = widths[column];
            widened = column;
        }
    }
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    const int spare = std::max(viewport()->width() - total, 0);
    for (int column = 0; column < static_cast<int>(widths.size()); ++column)
        horizontalHeader()->resizeSection(column, widths[column] + (column == widened ? spare : 0));
}

QSize DbGrid::minimumSizeHint() const {
    const int frame = 2 * frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const std::vector<int> widths = columnWidths();
    const int wanted = std::accumulate(widths.begin(), widths.end(), 0) + frame + scrollBar;
    QSize least = QTableView::minimumSizeHint();
    least.setWidth(std::max(least.width(), std::min(wanted, kWidestGrid)));
    if (isLookup()) {
        // Columns beyond the widest grid scroll, and their scroll bar takes a row's room.
        const int rows = horizontalHeader()->sizeHint().height() +
                         kLookupRows * verticalHeader()->defaultSectionSize() +
                         (wanted > kWidestGrid ? scrollBar : 0);
        least.setHeight(std::max(least.height(), rows + frame));
    }
    return least;
}

QSize DbGrid::sizeHint() const {
    return QTableView::sizeHint().expandedTo(minimumSizeHint());
}

bool DbGrid::viewportEvent(QEvent* event) {
    // The viewport also changes size when a scroll bar comes or goes.
    if (event->type() == QEvent::Resize) fitColumns();
    return QTableView::viewportEvent(event);
}

void DbGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        verticalHeader()->setDefaultSectionSize(lineHeight(*this));
        fitColumns();
        updateGeometry();
    }
}

bool DbGrid::isLookup() const {
    return isSignalConnected(QMetaMethod::fromSignal(&DbGrid::chosen));
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
