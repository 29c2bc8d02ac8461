#pragma once
// The receivables settled in a period (QrReceberBaixa over TbBaixaR on siData, by the day
// received): each amount with its client, sale number and payment form, the total, and the
// payment-form block of exactly the rows listed.
#include "core/pass_progress.h"
#include "core/period.h"
#include "reports/engine/preview.h"

namespace data {
class Tdm;
}

namespace reports {

// Walks the period's rows for the payment-form figures (through `progress`, which may stop
// it), hands the report to `output`, and puts TbBaixaR back however it ends.
void printReceivedAccounts(data::Tdm& dm, const core::Period& period, core::PassProgress& progress,
                           const ReportOutput& output);

}  // namespace reports
