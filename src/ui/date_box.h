#pragma once
// An unbound date box ("Data Inicial:", "Data:"): the mask "!99/99/00;1;_", empty as
// "  /  /  ", read and checked as a date when the screen asks for it.
#include <QLineEdit>

#include "core/date.h"

namespace ui {

class DateBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit DateBox(QWidget* parent = nullptr);

    // The text as the program reads it: "05/03/04", or "  /  /  " when empty.
    QString value() const;
    // The date typed; the null date when the box is empty. Throws core::DateError, with a
    // message for the user, for text that is no date (31/02/24).
    core::Date date() const;
    // Shows the date ("05/03/04"); the null date empties the box.
    void setDate(const core::Date& date);
    bool isEmpty() const;
};

}  // namespace ui
