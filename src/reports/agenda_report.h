#pragma once
// The day's appointment book on paper (QrAgenda, "AGENDA DIÁRIA DE SERVIÇOS"): one line per
// slot of TbAgenda as it is restricted, with the time, employee, client and service.
#include <cstdint>
#include <optional>

#include "core/date.h"
#include "reports/engine/preview.h"
#include "reports/engine/report.h"

namespace data {
class Tdm;
}

namespace reports {

// The layout over `slots` (TbAgenda's rows) as the caller restricted it.
Report agendaReport(data::Tdm& dm, store::Table& slots);

// The slots stored for `day`: one employee's (index siFUNC) or everyone's by time (siData).
// TbAgenda is put back unrestricted and closed afterwards.
void printAgenda(data::Tdm& dm, const core::Date& day, std::optional<std::int64_t> employee,
                 const ReportOutput& output);

}  // namespace reports
