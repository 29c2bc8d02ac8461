#include "screens/screen_fit.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QLayout>
#include <QLineEdit>
#include <QTabWidget>

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

void checkControls(const QWidget& screen, const QWidget& within, QStringList& problems) {
    for (const QWidget* widget : within.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&screen) || isQtPart(*widget)) continue;
        checkPlace(*widget, problems);
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) checkField(*edit, problems);
    }
}

// Pages behind the one showing are laid out only when shown.
void checkHiddenPages(QWidget& screen, QStringList& problems) {
    for (QTabWidget* tabs : screen.findChildren<QTabWidget*>()) {
        if (!tabs->isVisibleTo(&screen)) continue;
        const int shown = tabs->currentIndex();
        for (int page = 0; page < tabs->count(); ++page) {
            if (page == shown) continue;
            tabs->setCurrentIndex(page);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            checkControls(screen, *tabs->widget(page), problems);
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
    checkControls(screen, screen, problems);
    checkHiddenPages(screen, problems);
    return problems;
}

}  // namespace screencheck
