#pragma once
// "Relatório de Entradas" (QrEntrada): the lines of the stock entries of a period, all
// suppliers' or one's, selected by the dates and supplier copied into each line; the total
// is the sum of the lines.
#include <cstdint>
#include <optional>

#include "core/date.h"
#include "reports/engine/preview.h"

namespace data {
class Tdm;
}

namespace reports {

// Hands the report of the entry lines dated `from` .. `to` (both inclusive), of the supplier
// `supplier` when given, to `output`. It reads the lines on a view of its own: the entry
// tables stay as a screen left them.
void printStockEntries(data::Tdm& dm, const core::Date& from, const core::Date& to,
                       std::optional<std::int64_t> supplier, const ReportOutput& output);

}  // namespace reports
