#include "reports/payment_forms.h"

#include "core/format.h"
#include "data/dm.h"
#include "data/payment_form.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"

namespace reports {

void PaymentFormTotals::add(std::string_view word, core::Currency amount) {
    const std::optional<data::PaymentForm> form = data::paymentFormOf(word);
    if (!form) {
        others += amount;
        return;
    }
    switch (*form) {
        case data::PaymentForm::Dinheiro: cash += amount; break;
        case data::PaymentForm::Cheque: cheque += amount; break;
        case data::PaymentForm::Cartao: creditCard += amount; break;
        case data::PaymentForm::Debito: debitCard += amount; break;
        case data::PaymentForm::Notinha: notinha += amount; break;
        case data::PaymentForm::Credito: others += amount; break;
    }
}

core::Currency PaymentFormTotals::sum() const {
    return cash + cheque + creditCard + debitCard + notinha + others;
}

void addPaymentFormBlock(Band& band, double y, const PaymentFormTotals& totals) {
    struct Figure {
        const char* caption;
        core::Currency value;
    };
    const Figure columns[2][3] = {
        {{"DINHEIRO R$", totals.cash}, {"CHEQUE R$", totals.cheque}, {"NOTINHA R$", totals.notinha}},
        {{"CARTÃO CRED. R$", totals.creditCard},
         {"CARTÃO DÉB. R$", totals.debitCard},
         {"OUTROS R$", totals.others}}};
    constexpr double kRow = kPaymentFormBlockMm / 3;
    band.add(label({0, y, 18, kLineHeightMm}, "RESUMO:", {.bold = true}));
    for (int column = 0; column < 2; ++column) {
        const double x = 20 + 75 * column;
        for (int row = 0; row < 3; ++row) {
            const Figure& figure = columns[column][row];
            const double top = y + kRow * row;
            band.add(
                label({x, top, 30, kLineHeightMm}, figure.caption, {.bold = true, .sizing = Sizing::Fixed}));
            band.add(label({x + 30, top, 30, kLineHeightMm},
                           core::formatMask(figure.value, core::kCaptionMoneyMask),
                           {.align = Align::Right, .bold = true, .sizing = Sizing::Fixed}));
        }
    }
}

Band totalWithPaymentForms(data::Tdm& dm, double width, const std::string& sum,
                           const PaymentFormTotals& totals) {
    const auto tables = [&dm](std::string_view name) -> store::Table& { return dm.table(name); };
    const TextStyle bold{.bold = true, .sizing = Sizing::Fixed};
    Band summary;
    summary.heightMm = 2 + kLineHeightMm + 3 + kPaymentFormBlockMm;
    summary.add(horizontalLine(0, 1, width));
    summary.add(label({width - 75, 2, 35, kLineHeightMm}, "TOTAL...R$", bold));
    summary.add(totalField({width - 40, 2, 40, kLineHeightMm}, parseTotalExpression(sum, tables), "0.0,0",
                           {.align = Align::Right, .bold = true, .sizing = Sizing::Fixed}));
    addPaymentFormBlock(summary, 2 + kLineHeightMm + 3, totals);
    return summary;
}

}  // namespace reports
