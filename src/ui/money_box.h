#pragma once
// An amount typed on a cash screen and kept there until its action posts it: no record is
// edited, so no lock is held, while the user types.
#include <QLineEdit>

#include "core/currency.h"

namespace ui {

class MoneyBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit MoneyBox(QWidget* parent = nullptr);

    void setAmount(core::Currency amount);
    // Empty text is zero; text that is not an amount is refused (data::Refusal) with the text
    // quoted, before anything is written.
    core::Currency amount() const;
};

}  // namespace ui
