#include "ui/period_boxes.h"

#include "ui/date_box.h"
#include "ui/dialogs.h"

namespace ui {

std::optional<core::Period> readPeriod(DateBox& start, const DateBox& end, const QString& message) {
    core::Period period;
    try {
        period.start = start.date();
        period.end = end.date();
    } catch (const core::DateError&) {
        // an impossible date is asked for again like a missing one
        period = {};
    }
    if (period.start.isNull() || period.end.isNull()) {
        start.setFocus();
        Dialogs::current().message(message);
        return std::nullopt;
    }
    period.startText = start.value().toStdString();
    period.endText = end.value().toStdString();
    return period;
}

}  // namespace ui
