#include "ui/period_boxes.h"

#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/form_layout.h"

namespace ui {

void addPeriodRow(QFormLayout& rows, DateBox& start, DateBox& end) {
    start.setObjectName(QStringLiteral("MaskEdit1"));
    end.setObjectName(QStringLiteral("MaskEdit2"));
    addLabelledRow(rows, QStringLiteral("Data Inicial:"), &start, QStringLiteral("Data Final:"), &end);
}

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
