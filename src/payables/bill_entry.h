#pragma once
// Saving a bill typed on the payables screens, and the cash withdrawal: each one posting,
// with the bill locked and read again first.
#include <cstdint>
#include <string>

#include "core/currency.h"
#include "core/date.h"

namespace data {
class Tdm;
}

namespace payables {

// The bill as the entry screen holds it at "&Gravar".
struct BillEntry {
    std::int64_t bill = 0;  // TbPagar.Contador of the record "&Novo" stored
    core::Date dataLan;
    core::Date dataVen;
    core::Currency valor;
    std::string tipoDoc, documento, descricao, formaPG, cheque, conta;
    std::string codFor, fornecedor, codPlano, plano;
};

// "&Novo" of both entry screens: an almost empty bill entered today (due today and paid in
// "DINHEIRO" for a withdrawal), stored at once so it has its number; TbPagar stays open.
std::int64_t startBill(data::Tdm& dm, const core::Date& today, bool withdrawal);

// The checks "&Gravar" of TFmPagar makes before asking: the due date, then the amount.
void checkBill(const BillEntry& entry);
// The check "&Gravar" of TFmPagarDH makes before asking: the amount.
void checkWithdrawal(const BillEntry& entry);

// "&Gravar" of TFmPagar. Refuses, writing nothing: no due date ("Digite a Data de
// Vencimento!"), an amount below 0,10 ("Digite o Valor do Documento!"), an unknown bank
// account ("Conta Bancária Inexistente!"; an empty number clears Banco and Agencia), a
// bill that is gone. Applies "FORNECEDOR - PRÓPRIO" and "Contas Diversas" to empty codes.
// A bill paid in "DINHEIRO" moves at once into TbBaixaP, paid `today` (it is found by the
// paid-bill queries like any other), touching neither the drawer nor the bank. Returns
// true when it was paid at once.
bool saveBill(data::Tdm& dm, const BillEntry& entry, const core::Date& today = core::Date::today());

// "&Gravar" of TFmPagarDH: the amount leaves the open cash (DinheiroTOTAL) and is recorded
// as a paid bill of type "RETIRADA" dated today; the typed bill leaves TbPagar. Refuses,
// writing nothing, an amount below 0,10 and a cash that is not open ("O Caixa Não Está
// Aberto!!!"). Returns the paid bill's number.
std::int64_t withdrawCash(data::Tdm& dm, const BillEntry& entry,
                          const core::Date& today = core::Date::today());

// The typed bill stored as it stands, before an installment run splits it: not paid, and
// without the defaults for empty codes, which installments do not take. Refuses an unknown
// bank account and a bill that is gone, writing nothing.
void keepBill(data::Tdm& dm, const BillEntry& entry);

// "&Excluir" of both entry screens: the bill is deleted; a bill already gone is refused.
void deleteBill(data::Tdm& dm, std::int64_t bill);

}  // namespace payables
