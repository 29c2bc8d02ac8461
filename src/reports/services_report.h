#pragma once
// The sales of a period on paper, as the service report screen offers them: every paid sale
// with totals per payment form (QrServico, "Geral..."), one line per product or service sold
// (QrServico2 over TbTemp, "Resumido...") and every item sold (QrPS, "Detalhado...").
//
// Only what was paid counts: sales whose payment form is set (TipoPG) and items whose sale
// was paid (PGTO). Items of a sale still open at another station, or left behind by a crash,
// were never paid for and stay out of every figure.
//
// Each walk reports through `progress` and may stop there (core::PassCancelled); the tables
// it prepared are put back (index, range, filter, master link, closed) however it ends.
#include "core/currency.h"
#include "core/pass_progress.h"
#include "core/period.h"
#include "reports/engine/preview.h"
#include "reports/payment_forms.h"

namespace data {
class Tdm;
}

namespace reports {

// The paid sales of the period (TbServico.Total) by their payment form (TipoPG).
PaymentFormTotals salesByPaymentForm(data::Tdm& dm, const core::Period& period, core::PassProgress& progress);

// "Geral...": the sales of the period, their total and the payment-form block.
void printSales(data::Tdm& dm, const core::Period& period, core::PassProgress& progress,
                const ReportOutput& output);

// "Detalhado...": every paid item of the period, their total, and the payment-form block of
// the period's sales.
void printSaleItems(data::Tdm& dm, const core::Period& period, core::PassProgress& progress,
                    const ReportOutput& output);

struct ItemSummaryTotals {
    core::Currency products;  // items of Tipo "PRODUTO"
    core::Currency services;  // items of Tipo "SERVIÇO"
    core::Currency credits;   // client credit spent on the period's sales (TbServico.Saldo)
    core::Currency items;     // every item
};

// Refills TbTemp with one row per code sold in the period (description of the first item
// met, number of items, their total) and returns the totals of the summary.
ItemSummaryTotals fillItemSummary(data::Tdm& dm, const core::Period& period, core::PassProgress& progress);

// "Resumido...": fills, then hands QrServico2 to `output`.
void printItemSummary(data::Tdm& dm, const core::Period& period, core::PassProgress& progress,
                      const ReportOutput& output);

}  // namespace reports
