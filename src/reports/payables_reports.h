#pragma once
// The payables reports: open bills (TbPagar, by due date) or paid bills (TbBaixaP, by payment
// date) of a period, of every supplier or of one, with their total.
#include <cstdint>
#include <optional>
#include <string>

#include "core/period.h"
#include "reports/engine/preview.h"

namespace data {
class Tdm;
}

namespace reports {

enum class Bills { Open, Paid };

struct PayablesSelection {
    Bills bills = Bills::Open;
    std::optional<std::int64_t> supplier;  // empty: every supplier's bills
    core::Period period;
};

// Restricts the bills table to the selection, hands the report to `output`, and puts the
// tables back (primary index, no range, closed) whatever happens. A supplier that does not
// exist is refused with "Não Existe Fornecedor Com Este Código!".
void printPayables(data::Tdm& dm, const PayablesSelection& selection, const ReportOutput& output);

}  // namespace reports
