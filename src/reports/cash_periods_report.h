#pragma once
// The cash periods opened in a span of days, by opening date: either their takings with a
// summary by form of payment ("Geral...", QrCaixa) or how each one's cash was opened,
// taken in, paid out, deposited and passed on ("Conferência de Abertura...", QrCaixaCONF).
#include "core/period.h"
#include "reports/engine/preview.h"

namespace data {
class Tdm;
}

namespace reports {

enum class CashPeriodsLayout { Takings, Opening };

// Restricts TbCaixa to the periods opened in `period`, hands the report to `output`, and
// returns TbCaixa to its primary index, unrestricted and closed, whatever happens.
void printCashPeriods(data::Tdm& dm, const core::Period& period, CashPeriodsLayout layout,
                      const ReportOutput& output);

}  // namespace reports
