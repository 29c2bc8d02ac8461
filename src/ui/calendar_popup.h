#pragma once
// The month calendar a date box can be filled from: shown on today by its button, it writes
// the day double-clicked (or chosen with Enter) into the box, hides and hands the focus on.
#include <QFrame>

class QCalendarWidget;

namespace ui {

class DateBox;

class CalendarPopup : public QFrame {
    Q_OBJECT
  public:
    // `next` receives the focus once a day is chosen.
    CalendarPopup(DateBox& box, QWidget* next, QWidget* parent);
    // Shows the calendar on today's month with today selected.
    void showToday();
    QCalendarWidget* calendar() const { return calendar_; }

  private:
    void choose(const QDate& day);

    DateBox& box_;
    QWidget* next_;
    QCalendarWidget* calendar_;
};

}  // namespace ui
