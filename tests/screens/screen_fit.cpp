#include "screens/screen_fit.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

#include "ui/caption_width.h"
#include "ui/db_grid.h"
#include "ui/field_width.h"

namespace screencheck {
namespace {

QString describe(const QWidget& widget) {
    const QString name = widget.objectName().isEmpty() ? QStringLiteral("(no name)") : widget.objectName();
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(widget.metaObject()->className()), name);
}

// Qt's own parts of a compound control (a combo box's list, a table's corner) are laid out
// by that control.
bool isQtPart(const QWidget& widget) {
    return widget.objectName().startsWith(QStringLiteral("qt_"));
}

// A scroll area's content is meant to be larger than the area showing it.
bool isScrolledContent(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    const auto* area = parent ? qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()) : nullptr;
    return area && area->viewport() == parent;
}

bool holds(const QLayout& layout, const QWidget& widget) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (item->widget() == &widget || (item->layout() && holds(*item->layout(), widget))) return true;
    }
    return false;
}

// Placed by its parent's layout, which should give it at least what it asks for; a compound
// control's own parts (a table's headers) are placed by the control.
bool isLaidOut(const QWidget& widget) {
    const QLayout* layout = widget.parentWidget()->layout();
    return layout && holds(*layout, widget);
}

void checkField(const QLineEdit& edit, QStringList& problems) {
    const int needed = ui::contentWidth(edit);
    if (edit.width() < needed)
        problems << QStringLiteral("%1 is %2 px wide; \"%3\" needs %4 px")
                        .arg(describe(edit))
                        .arg(edit.width())
                        .arg(ui::widestContent(edit))
                        .arg(needed);
}

void checkPlace(const QWidget& widget, QStringList& problems) {
    const QWidget* parent = widget.parentWidget();
    if (widget.isWindow() || !parent || isScrolledContent(widget)) return;
    const QSize least = widget.minimumSizeHint();
    if (isLaidOut(widget) && (widget.width() < least.width() || widget.height() < least.height()))
        problems << QStringLiteral("%1 is %2×%3, less than the %4×%5 it needs")
                        .arg(describe(widget))
                        .arg(widget.width())
                        .arg(widget.height())
                        .arg(least.width())
                        .arg(least.height());
    const QRect room = parent->rect();
    if (!room.contains(widget.geometry()))
        problems << QStringLiteral("%1 at (%2,%3) %4×%5 is cut off by %6, %7×%8")
                        .arg(describe(widget))
                        .arg(widget.x())
                        .arg(widget.y())
                        .arg(widget.width())
                        .arg(widget.height())
                        .arg(describe(*parent))
                        .arg(room.width())
                        .arg(room.height());
}

// The widest of the texts a column must show whole, by the grid's font: a data grid's text column its
// field's size, and in any grid whatever its rows hold, each up to kGridTextCharacters; nothing for a data
// grid's figures and dates, which the check leaves to their header.
QString widestText(const QTableView& grid, int column) {
    const auto* data = qobject_cast<const ui::DbGrid*>(&grid);
    if (data && !store::isTextType(data->gridModel().fieldDef(column).type)) return {};
    QString widest = data ? ui::widestCellText(data->gridModel().fieldDef(column)) : QString();
    const QFontMetrics metrics = grid.fontMetrics();
    const QAbstractItemModel& model = *grid.model();
    for (int row = 0; row < model.rowCount(); ++row) {
        const QString text = model.data(model.index(row, column)).toString().left(ui::kGridTextCharacters);
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest)) widest = text;
    }
    return widest;
}

// A look-up shows this many rows at least, so a choice is seen among its neighbours.
constexpr int kLookupRows = 8;

void checkGrid(const QWidget& screen, const QTableView& grid, QSize desktop, QStringList& problems) {
    const QHeaderView& header = *grid.horizontalHeader();
    const QAbstractItemModel& model = *grid.model();
    for (int column = 0; column < model.columnCount(); ++column) {
        if (grid.isColumnHidden(column)) continue;
        const int width = header.sectionSize(column);
        const QString title = model.headerData(column, Qt::Horizontal).toString();
        const int headerNeeds = header.sectionSizeHint(column);
        if (width < headerNeeds)
            problems << QStringLiteral("%1 column \"%2\" is %3 px wide; its header needs %4 px")
                            .arg(describe(grid), title)
                            .arg(width)
                            .arg(headerNeeds);
        const QString widest = widestText(grid, column);
        const int needed = widest.isEmpty() ? 0 : ui::cellWidthToShow(grid, widest);
        if (width < needed)
            problems << QStringLiteral("%1 column \"%2\" is %3 px wide; \"%4\" needs %5 px")
                            .arg(describe(grid), title)
                            .arg(width)
                            .arg(widest)
                            .arg(needed);
    }
    // Columns scrolled out of sight, while the screen could grow on the desktop to show them.
    const int unseen = header.length() - grid.viewport()->width();
    if (unseen > 0 && unseen <= desktop.width() - screen.width())
        problems << QStringLiteral(
                        "%1 shows %2 px of its %3 px of columns; the desktop has room for them all")
                        .arg(describe(grid))
                        .arg(grid.viewport()->width())
                        .arg(header.length());
    const auto* data = qobject_cast<const ui::DbGrid*>(&grid);
    const int rows = grid.viewport()->height() / grid.verticalHeader()->defaultSectionSize();
    if (data && data->isLookup() && rows < kLookupRows)
        problems << QStringLiteral("%1 is a look-up showing %2 rows, fewer than %3")
                        .arg(describe(grid))
                        .arg(rows)
                        .arg(kLookupRows);
}

void checkControls(const QWidget& screen, const QWidget& within, QSize desktop, QStringList& problems) {
    for (const QWidget* widget : within.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&screen) || isQtPart(*widget)) continue;
        checkPlace(*widget, problems);
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) checkField(*edit, problems);
        if (const auto* grid = qobject_cast<const QTableView*>(widget))
            checkGrid(screen, *grid, desktop, problems);
    }
}

void checkCaption(const QWidget& screen, QStringList& problems) {
    const int needed = ui::captionWidthToShow(screen);
    if (!screen.windowTitle().isEmpty() && screen.width() < needed)
        problems << QStringLiteral("the screen is %1 px wide; its caption \"%2\" needs %3 px")
                        .arg(screen.width())
                        .arg(screen.windowTitle())
                        .arg(needed);
}

// Pages behind the one showing are laid out only when shown.
void checkHiddenPages(QWidget& screen, QSize desktop, QStringList& problems) {
    for (QTabWidget* tabs : screen.findChildren<QTabWidget*>()) {
        if (!tabs->isVisibleTo(&screen)) continue;
        const int shown = tabs->currentIndex();
        for (int page = 0; page < tabs->count(); ++page) {
            if (page == shown) continue;
            tabs->setCurrentIndex(page);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            checkControls(screen, *tabs->widget(page), desktop, problems);
        }
        tabs->setCurrentIndex(shown);
    }
}

}  // namespace

QStringList fitProblems(QWidget& screen, QSize desktop) {
    QStringList problems;
    // The desktop area already leaves room for the title bar.
    const QSize size = screen.size();
    if (size.width() > desktop.width() || size.height() > desktop.height())
        problems << QStringLiteral("the screen is %1×%2, more than the desktop's %3×%4")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(desktop.width())
                        .arg(desktop.height());
    checkCaption(screen, problems);
    checkControls(screen, screen, desktop, problems);
    checkHiddenPages(screen, desktop, problems);
    return problems;
}

}  // namespace screencheck
