#pragma once
// Money a client pays into the salon outside a sale: credit bought in advance, and the
// settlement of the client's open IOU notes. Each is one posting, with the client and the
// cash record locked and read again before the first write.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/date.h"

namespace data {
class Tdm;
}

namespace sales {

// Credit purchase codes: 1 "DINHEIRO", 2 "CHEQUE", 3 "CARTÃO".
std::optional<std::string> creditPurchaseWord(int code);
// IOU settlement codes: 1 "DINHEIRO", 2 "CHEQUE", 3 "CARTÃO", 4 "DÉBITO".
std::optional<std::string> settlementWord(int code);

// Adds `credit` to the open cash record (Total, Credito and the form's field) and to the
// client's credit. Refuses (data::Refusal, nothing written) a code that is no form ("Indique a
// Forma de Pagamento!"), a credit below 0,01 ("Digite o Valor do Crédito a Ser Inserido!"), a
// client that no longer exists, and a cash that is not open.
void registerCreditPurchase(data::Tdm& dm, std::int64_t clientCode, int code, core::Currency credit);

// A client's open notes as the settlement screen listed them, and what the client pays now.
struct Settlement {
    std::int64_t clientCode = 0;
    std::vector<std::int64_t> notes;  // TbReceber.Contador of each note listed
    core::Currency creditSeen;        // the client's credit when the notes were listed
    int code = 0;
    core::Currency paid;
};

// What settling leaves: the shortfall note ("DIFERENÇA EM PAGAMENTO") if any, and the
// client's credit afterwards.
struct SettlementResult {
    core::Currency shortfall;
    core::Currency creditAfter;
};

// Settles every open note of the client at once: the cash record receives `paid`, a
// received-amount record is written from the last note, the notes are deleted, a shortfall
// becomes one new note dated today, and the client's credit becomes 0 (or the overpayment).
// Refuses, writing nothing, when less than 0,01 is paid ("Digite o Valor Pago Pelo Cliente!"),
// nothing is owed ("Não Existe Saldo Para Baixa!"), the code is no form, the cash is not
// open, or the client's notes or credit are no longer those listed ("As Notinhas do Cliente
// Foram Alteradas! Pesquise Novamente.") — another station settled or sold meanwhile, or the
// screen's client was changed after listing.
SettlementResult settleNotes(data::Tdm& dm, const Settlement& settlement,
                             const core::Date& today = core::Date::today());

}  // namespace sales
