#pragma once
// The amounts of a period split by payment form, and the block of six figures that the
// sales, detailed and received-accounts reports print under their total.
#include <string>
#include <string_view>

#include "core/currency.h"
#include "reports/engine/report.h"

namespace data {
class Tdm;
}

namespace reports {

struct PaymentFormTotals {
    core::Currency cash;        // "DINHEIRO"
    core::Currency cheque;      // "CHEQUE"
    core::Currency creditCard;  // "CARTÃO"
    core::Currency debitCard;   // "DÉBITO"
    core::Currency notinha;     // "NOTINHA"
    core::Currency others;      // any other word ("CRÉDITO", or none)

    // Adds `amount` to the one figure its word (compared exactly) belongs to, so the six
    // figures always add up to what was added.
    void add(std::string_view word, core::Currency amount);
    core::Currency sum() const;
};

// Height of the block: three rows of two columns.
inline constexpr double kPaymentFormBlockMm = 3 * 5.0;

// "RESUMO:" then "DINHEIRO R$", "CHEQUE R$", "NOTINHA R$" in the first column and "CARTÃO
// CRED. R$", "CARTÃO DÉB. R$", "OUTROS R$" in the second, each with its figure, from `y`.
// The figures are copied: the report prints the same ones however often it is generated.
void addPaymentFormBlock(Band& band, double y, const PaymentFormTotals& totals);

// The summary of those reports: a line across `width`, "TOTAL...R$" with the total
// expression `sum` ("SUM(TbServico.Total)"), and the block below.
Band totalWithPaymentForms(data::Tdm& dm, double width, const std::string& sum,
                           const PaymentFormTotals& totals);

}  // namespace reports
