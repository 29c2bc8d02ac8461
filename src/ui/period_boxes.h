#pragma once
// The "Data Inicial:" / "Data Final:" pair of a period screen, read together.
#include <QString>

#include <optional>

#include "core/period.h"

namespace ui {

class DateBox;

// Both dates; when one is missing or no date at all (31/02/24) the user is told `message`,
// the focus goes to the first box and nothing is returned, so nothing is read or written.
std::optional<core::Period> readPeriod(
    DateBox& start, const DateBox& end,
    const QString& message = QStringLiteral("Digite as Datas Inicial e Final!"));

}  // namespace ui
