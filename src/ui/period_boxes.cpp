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

namespace {

std::optional<core::Date> readDate(DateBox& box) {
    try {
        return box.date();
    } catch (const core::DateError& error) {
        box.setFocus();
        Dialogs::current().error(QString::fromStdString(error.what()));
        return std::nullopt;
    }
}

}  // namespace

std::optional<core::Period> readPeriod(DateBox& start, DateBox& end, const QString& message) {
    core::Period period;
    for (auto [box, date] : {std::pair{&start, &period.start}, std::pair{&end, &period.end}}) {
        const std::optional<core::Date> read = readDate(*box);
        if (!read) return std::nullopt;
        *date = *read;
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
