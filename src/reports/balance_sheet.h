#pragma once
// The synthetic balance sheet (QrBalancete): a period's revenue by item description set
// against the bills paid in it by chart-of-accounts heading, each with its share, and the
// balance. Revenue counts the items of paid sales only: a sale still being typed at another
// station, or abandoned by a crash, sold nothing.
#include <functional>

#include "core/currency.h"
#include "core/pass_progress.h"
#include "core/period.h"
#include "reports/engine/preview.h"

namespace data {
class Tdm;
}

namespace reports {

struct BalanceTotals {
    core::Currency receitas;
    core::Currency despesas;
    core::Currency saldo() const { return receitas - despesas; }
};

// The stages of the walk, announced as each begins, with the totals gathered so far.
enum class BalanceStage { Despesas, Receita, Percentual };
using BalanceStageShown = std::function<void(BalanceStage, const BalanceTotals&)>;

// Empties TbVirtualP and TbVirtualR, then fills them: one expense row per plan code of the
// bills paid in the period (TbBaixaP), one revenue row per item description (TbItensServico),
// and their shares. Leaves TbVirtualR listed by "siPOR" (falling percentage, so the largest
// earners come first) and TbVirtualP by code, both open. TbBaixaP and TbItensServico are put
// back however the walk ends; a stop from `progress` (core::PassCancelled) leaves the work
// tables empty.
BalanceTotals fillBalanceSheet(data::Tdm& dm, const core::Period& period, core::PassProgress& progress,
                               const BalanceStageShown& stageShown = {});

// "&Imprimir": an empty section gets its one "**************************" row of 0,00, then
// QrBalancete over the filled work tables goes to `output`.
void printBalanceSheet(data::Tdm& dm, const core::Period& period, const BalanceTotals& totals,
                       const ReportOutput& output);

}  // namespace reports
