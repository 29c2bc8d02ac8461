#include "cash/cash_record.h"

#include <stdexcept>

#include "core/text.h"
#include "data/cash_status.h"
#include "data/dm.h"
#include "data/payment_form.h"
#include "data/refusal.h"

namespace cash {

std::string cashFieldOf(std::string_view paymentWord) {
    const std::optional<data::PaymentForm> form = data::paymentFormOf(paymentWord);
    if (!form) throw std::invalid_argument("forma de pagamento desconhecida: " + std::string(paymentWord));
    return std::string(data::cashField(*form).value_or(""));
}

std::vector<CashAddition> paymentAdditions(std::string_view paymentWord, core::Currency amount) {
    std::vector<CashAddition> additions{{"Total", amount}};
    if (std::string field = cashFieldOf(paymentWord); !field.empty()) additions.push_back({field, amount});
    return additions;
}

std::int64_t addToOpenCash(data::Tdm& dm, const std::vector<CashAddition>& additions) {
    store::Table& caixa = dm.TbCaixa;
    const bool wasOpen = caixa.isOpen();
    caixa.open();
    auto refuse = [&] {
        if (caixa.isEditing()) caixa.cancel();
        if (!wasOpen) caixa.close();
        throw data::Refusal(data::kCashNotOpen);
    };
    caixa.last();
    if (caixa.isEmpty()) refuse();
    caixa.editExisting();  // the record lock, then the record as stored now
    if (core::trimmed(caixa.field("Status").asString()) != data::kCashOpenStatus) refuse();
    for (const auto& [field, amount] : additions) {
        store::Field target = caixa.field(field);
        target.setCurrency(target.asCurrency() + amount);
    }
    caixa.post();
    const std::int64_t number = caixa.field("Contador").asInteger();
    if (!wasOpen) caixa.close();
    return number;
}

}  // namespace cash
