#pragma once
// What the employees earned in a period: per employee, the paid services, their commissions,
// the advances and what is left (QrComissoes over TbVirtual, "Geral..."); or every paid
// service of one employee with the total to receive (QrServico3, "Individual..."). Only items
// whose sale was paid count: a sale still open, or abandoned by a crash, pays no commission.
//
// Each walk reports through `progress` and may stop there (core::PassCancelled); the tables
// it prepared are put back (index, range, filter, master link) however it ends.
#include <cstdint>

#include "core/currency.h"
#include "core/pass_progress.h"
#include "core/period.h"
#include "reports/engine/preview.h"

namespace data {
class Tdm;
}

namespace reports {

struct CommissionTotals {
    core::Currency services;
    core::Currency commissions;
    core::Currency advances;
};

// Refills the scratch table TbVirtual with one row per employee with paid services or
// advances in the period, and returns the totals.
CommissionTotals fillCommissions(data::Tdm& dm, const core::Period& period, core::PassProgress& progress);

// Fills, then hands QrComissoes to `output`.
void printCommissions(data::Tdm& dm, const core::Period& period, core::PassProgress& progress,
                      const ReportOutput& output);

// The employee of `employeeCode` as registered now (refused with "Não Existe Funcionário Com
// Este Código!" when there is none): the paid services of the period with their commissions,
// less the advances of the period.
void printEmployeeCommissions(data::Tdm& dm, const core::Period& period, std::int64_t employeeCode,
                              core::PassProgress& progress, const ReportOutput& output);

}  // namespace reports
