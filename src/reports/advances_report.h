#pragma once
// The advances report (QrVale): the advances of a period, of every employee ("Geral...") or
// every paid bill of one employee ("Individual..."), with their total.
#include <cstdint>
#include <string>

#include "core/period.h"
#include "reports/engine/preview.h"

namespace data {
class Tdm;
}

namespace reports {

struct AdvancesSelection {
    std::int64_t employeeCode = 0;  // 0: every employee's advances
    core::Period period;
};

// Restricts TbBaixaP to the selection, hands the report to `output`, and puts TbBaixaP back
// (primary index, no range, closed when it was), whatever happens. An employee code that
// does not exist is refused with "Não Existe Funcionário Com Este Código!".
void printAdvances(data::Tdm& dm, const AdvancesSelection& selection, const ReportOutput& output);

}  // namespace reports
