#pragma once
// The closing report of one cash period (QrFechaCaixa): every sale paid into it, found
// through TbServico's index "siCaixa", then what the drawer took in each form of payment,
// what was withdrawn, deposited and left for the next period.
#include <cstdint>
#include <functional>
#include <optional>

#include "reports/engine/preview.h"
#include "reports/engine/report.h"

namespace data {
class Tdm;
}

namespace reports {

// The layout over TbServico and the current TbCaixa record as they stand.
Report cashClosingReport(data::Tdm& dm);

// Puts TbCaixa on the period numbered `number` (the last one when none is given) and
// restricts TbServico to that period's sales, runs `use`, then returns TbServico to its
// primary index, unrestricted and closed; TbCaixa stays open when it was. A period that does
// not exist is refused (data::Refusal) before anything is printed.
void withCashPeriod(data::Tdm& dm, std::optional<std::int64_t> number, const std::function<void()>& use);

// The A4 closing report, through withCashPeriod, handed to `output`.
void printCashClosing(data::Tdm& dm, std::optional<std::int64_t> number, const ReportOutput& output);

}  // namespace reports
