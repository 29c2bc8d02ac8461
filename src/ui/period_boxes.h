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

// Both dates; when one is missing or no date at all (31/02/24) the user is told `message`,
// the focus goes to the first box and nothing is returned, so nothing is read or written.
std::optional<core::Period> readPeriod(
    DateBox& start, const DateBox& end,
    const QString& message = QStringLiteral("Digite as Datas Inicial e Final!"));

}  // namespace ui
