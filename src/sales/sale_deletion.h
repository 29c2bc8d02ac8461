#pragma once
// Deleting a stored sale of the day, undoing what its payment did: one posting.
#include <cstdint>

#include "core/date.h"

namespace data {
class Tdm;
}

namespace sales {

// Told when a stored sale chosen on a screen was deleted by another station since.
inline constexpr const char* kSaleGone =
    "Lançamento Não Encontrado! Pode Ter Sido Excluído em Outra Estação.";

// Deletes sale `saleNumber` with its items. Inside one posting, the sale is locked and read
// again first, then: every "PRODUTO" item's quantity goes back into stock; the open cash
// record (the one open now, not necessarily the sale's) gives back the sale's Total from
// Total and from its payment form's field; the sale's open note goes ("NOTINHA" sales) or its
// received-amount row does (the others); the client credit the payment used (TbServico.Saldo)
// goes back to the client. An overpayment credited to the client stays with the client, as
// its money stays in the cash.
//
// Refuses with data::Refusal, writing nothing, when: the sale no longer exists ("Lançamento
// Não Encontrado! Pode Ter Sido Excluído em Outra Estação."); it is not of `today` ("Você
// Poderá Excluir Somente Lançamentos do Dia!"); its note was settled already ("A Notinha
// Deste Lançamento Já Foi Acertada! Exclusão Não Permitida.") — the settlement's cash stays
// and its received-amount row covers other notes too; the cash is not open ("O Caixa Não Está
// Aberto!!!"); the credit it used has no client to go back to ("Não Existe Cliente Com Este
// Código!"). Leaves TbServico and TbItensServico open or closed as found.
void deleteSale(data::Tdm& dm, std::int64_t saleNumber, const core::Date& today = core::Date::today());

}  // namespace sales
