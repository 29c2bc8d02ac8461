#pragma once
// Registering the payment of the sale in progress: the one step that stores a sale and moves
// the cash, the stock, the receivables and the client's credit, all in one posting.
#include <cstdint>
#include <optional>
#include <string>

#include "core/currency.h"
#include "core/date.h"

namespace data {
class Tdm;
}

namespace sales {

// The payment codes of the sale payment screen and the word each stands for: 1 "DINHEIRO",
// 2 "CHEQUE", 3 "CARTÃO", 4 "NOTINHA", 5 "CRÉDITO" (client credit), 6 "DÉBITO"; nullopt for
// any other code.
std::optional<std::string> salePaymentWord(int code);

inline constexpr const char* kNoClient = "NÃO INDICADO...";

struct SalePayment {
    // The payment code that settles what the credit does not (1 to 6; 5 only when the
    // client's credit pays the whole sale).
    int code = 0;
    // The client chosen on the payment screen for "NOTINHA", credit or "Pagamento a Mais..."
    // (0: the sale's own client, if any).
    std::int64_t clientCode = 0;
    // Client credit applied to the sale ("CRÉDITO R$"), zero when none.
    core::Currency creditUsed;
    // "Pagamento a Mais...": the whole amount handed over goes into the cash, and what it
    // exceeds the sale by becomes the client's credit.
    bool overpayment = false;
    // The amount handed over ("VALOR PAGO R$"), for "DINHEIRO" and overpayments.
    core::Currency handedOver;
};

// The sale in progress is dm.TbServico's pending insert, its items already stored. Inside one
// posting: the client (when one is needed) and the open cash record are locked and read
// again first; then the sale is stored with the client, its totals recomputed from its items,
// the payment word derived from the code and the cash number; the stock of every "PRODUTO"
// item is lowered by its quantity; the cash record receives the amount; an open receivable
// ("NOTINHA") or a received-amount record is written; the client's credit is spent or raised.
//
// Refuses with data::Refusal, writing nothing, when: the cash is not open ("O Caixa Não Está
// Aberto!!!"); the code is not a payment form ("Indique a Forma de Pagamento!"); "NOTINHA",
// credit or an overpayment has no client ("Selecione o Cliente!"); cash handed over falls
// short of the amount due ("Digite o Valor Pago R$!"); the client's credit is now below what
// the payment uses ("O Crédito do Cliente Foi Alterado! Saldo Atual R$ …"). On any failure the
// sale stays in progress, unchanged, and can be paid again. `today` dates the receivable or
// received amount (a salon's history is made with the same function).
void registerSalePayment(data::Tdm& dm, const SalePayment& payment,
                         const core::Date& today = core::Date::today());

}  // namespace sales
