#pragma once
// The services one employee performed on a day (QrComanda, "RELATÓRIO DE SERVIÇOS
// EXECUTADOS"): one line per history record with its commission after the maintenance fee,
// and the total of the commissions.
#include <cstdint>

#include "core/date.h"
#include "reports/engine/preview.h"
#include "reports/engine/report.h"

namespace data {
class Tdm;
}

namespace reports {

// The layout over TbHistorico as the caller restricted it, headed by the current
// TbFuncionario record.
Report ticketServicesReport(data::Tdm& dm);

// Puts TbFuncionario on the employee (refusing, with data::Refusal, one that does not exist)
// and restricts TbHistorico to his services of `day` (index siFUN), hands the report to
// `output`, then puts TbHistorico back unrestricted on its primary index; each table is closed
// again when it was closed before.
void printEmployeeServices(data::Tdm& dm, std::int64_t employee, const core::Date& day,
                           const ReportOutput& output);

}  // namespace reports
