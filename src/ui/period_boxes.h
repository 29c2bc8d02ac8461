#pragma once
// The "Data Inicial:" / "Data Final:" pair of a period screen, read together.
#include <QString>

#include <optional>

#include "core/period.h"

class QFormLayout;

namespace ui {

class DateBox;

// The pair side by side on one row of `rows`, "Data Inicial:" and "Data Final:", named as
// every period screen names them (MaskEdit1, MaskEdit2).
void addPeriodRow(QFormLayout& rows, DateBox& start, DateBox& end);

// Both dates; when one is missing the user is told `message` and the focus goes to the first
// box; text that is no date at all (31/02/24) gets the conversion error every date box gives
// ("'31/02/24' não é uma data válida!") with the focus on that box. Either way nothing is
// returned, so nothing is read or written.
std::optional<core::Period> readPeriod(
    DateBox& start, DateBox& end,
    const QString& message = QStringLiteral("Digite as Datas Inicial e Final!"));

}  // namespace ui
