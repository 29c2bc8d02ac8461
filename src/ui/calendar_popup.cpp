#include "ui/calendar_popup.h"

#include <QCalendarWidget>
#include <QVBoxLayout>

#include "ui/date_box.h"
#include "ui/enter_as_tab.h"

namespace ui {

CalendarPopup::CalendarPopup(DateBox& box, QWidget* next, QWidget* parent)
    : QFrame(parent), box_(box), next_(next), calendar_(new QCalendarWidget(this)) {
    setObjectName(QStringLiteral("Calendario"));
    setFrameShape(QFrame::Box);
    calendar_->setGridVisible(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(calendar_);
    allowEnterIn(calendar_);  // Enter chooses the day, as a double-click does
    connect(calendar_, &QCalendarWidget::activated, this, &CalendarPopup::choose);
    hide();
}

void CalendarPopup::showToday() {
    const QDate today = QDate::currentDate();
    calendar_->setCurrentPage(today.year(), today.month());
    calendar_->setSelectedDate(today);
    show();
    raise();
    calendar_->setFocus();
}

void CalendarPopup::choose(const QDate& day) {
    // The focus leaves first: hiding the calendar while it holds the focus would hand it to
    // whichever control comes next in the chain, maybe the date box, which reacts to it.
    if (next_) next_->setFocus();
    hide();
    box_.setDate({day.year(), day.month(), day.day()});
}

}  // namespace ui
