#pragma once
// What the employees earned in a period (QrComissoes): per employee, the paid services, their
// commissions, the advances and what is left. Only items whose sale was paid count: a sale
// still open, or abandoned by a crash, pays no commission.
#include <cstdint>
#include <string>

#include "core/currency.h"
#include "core/date.h"
#include "reports/engine/preview.h"

namespace data {
class Tdm;
}

namespace reports {

struct CommissionPeriod {
    core::Date start;
    core::Date end;
    std::string startText;  // as typed, for the title
    std::string endText;
};

struct CommissionTotals {
    core::Currency services;
    core::Currency commissions;
    core::Currency advances;
};

// Refills the scratch table TbVirtual with one row per employee with paid services or
// advances in the period, and returns the totals. TbItensServico and TbBaixaP are put back
// (index, range, master link) however the pass ends.
CommissionTotals fillCommissions(data::Tdm& dm, const CommissionPeriod& period);

// Fills, then hands QrComissoes to `output`.
void printCommissions(data::Tdm& dm, const CommissionPeriod& period, const ReportOutput& output);

}  // namespace reports
