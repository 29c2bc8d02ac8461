#include "payables/settlement.h"

#include "core/format.h"
#include "core/text.h"
#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/refusal.h"
#include "payables/bank_account.h"
#include "payables/bill_lock.h"

namespace payables {

using core::Currency;

namespace {

// What a paid bill keeps of the bill, and a reversed one gets back.
constexpr const char* kCarried[] = {"DataLan", "DataVen",   "CodFor",   "Fornecedor", "Valor",   "Descricao",
                                    "TipoDOC", "Documento", "CodPlano", "Plano",      "FormaPG", "Cheque",
                                    "Banco",   "Agencia",   "Conta",    "Tipo"};

void copyCarried(store::Table& from, store::Table& to) {
    for (const char* name : kCarried) to.field(name).setValue(from.field(name).value());
}

// The paid bill as the audit trail keeps it, before it goes.
data::AuditEntry paidBillAudit(store::Table& baixa, std::string acao) {
    const std::string number = baixa.field("Contador").asString();
    return {.acao = std::move(acao),
            .tabela = baixa.name(),
            .chave = number,
            .resumo = "Conta paga " + number + ": " + baixa.field("Descricao").asString() + ", " +
                      baixa.field("Fornecedor").asString() + ", R$ " +
                      core::formatMoney(baixa.field("Valor").asCurrency()) + ", paga em " +
                      baixa.field("DataBaixa").asString() + " (" + baixa.field("FormaPG").asString() + ")"};
}

void writeBankDebit(data::Tdm& dm, store::Table& baixa, const core::Date& today) {
    store::Table& banco = dm.TbBanco;
    const Currency valor = baixa.field("Valor").asCurrency();
    banco.insert();
    banco.field("Pagar").setInteger(baixa.field("Contador").asInteger());
    for (const char* name : {"Banco", "Agencia", "Conta"})
        banco.field(name).setValue(baixa.field(name).value());
    banco.field("Ndocumento").setValue(baixa.field("Cheque").value());
    banco.field("DataLan").setDate(today);
    banco.field("DataApre").setDate(baixa.field("DataBaixa").asDate());
    banco.field("Discriminacao").setValue(baixa.field("Descricao").value());
    banco.field("PlanoContas").setValue(baixa.field("Fornecedor").value());
    banco.field("Situacao").setString("PAGAR");
    banco.field("TipoConta").setString("DÉBTO");
    banco.field("Descricao").setString("SIM");
    banco.field("CodPlano").setString("SIM");
    banco.field("Valor").setCurrency(valor);
    banco.field("ValorCredito").setCurrency(Currency());
    banco.field("ValorDebto").setCurrency(-valor);
    banco.post();
}

// Takes the bank lines of a payment out of the ledger and out of their day's balance.
void removeBankDebits(data::Tdm& dm, std::int64_t paidBill) {
    store::Table& banco = dm.TbBanco;
    store::Table& saldos = dm.TbSaldos;
    banco.setIndexName({});
    banco.setFilter("Pagar = " + std::to_string(paidBill));
    banco.setFiltered(true);
    banco.first();
    while (!banco.eof()) {
        banco.editExisting();
        const core::Date day = banco.field("DataApre").asDate();
        const Currency amount =
            banco.field("ValorCredito").asCurrency() + banco.field("ValorDebto").asCurrency();
        banco.cancel();
        if (!day.isNull() && saldos.findKey({banco.field("Conta").value(), store::Value{day.toIso()}})) {
            saldos.editExisting();
            saldos.field("Saldo").setCurrency(saldos.field("Saldo").asCurrency() - amount);
            saldos.post();
        }
        banco.deleteRecord();
        banco.first();
    }
    banco.setFiltered(false);
    banco.setFilter({});
}

// A withdrawal and an advance both moved money the cash and the commissions still count:
// undoing one here would hide it. An advance is undone only where it was made.
void refuseUndoingCashOrAdvance(store::Table& baixa, const char* withdrawalRefusal) {
    if (core::trimmed(baixa.field("Tipo").asString()) == "RETIRADA") throw data::Refusal(withdrawalRefusal);
    if (baixa.field("CodFUN").asInteger() > 0 || core::trimmed(baixa.field("TipoDOC").asString()) == "VALE")
        throw data::Refusal("Um Vale Só Pode Ser Excluído no Controle de Vales!");
}

}  // namespace

std::int64_t settleBill(data::Tdm& dm, const Payment& payment, const core::Date& today) {
    if (payment.paidOn.isNull()) throw data::Refusal("Indique a Data de Pagamento!");
    store::Table& pagar = dm.TbPagar;
    store::Table& baixa = dm.TbBaixaP;
    data::OpenedTables open{&pagar, &baixa, &dm.TbConta, &dm.TbBanco, &dm.TbSaldos};
    std::int64_t paid = 0;
    data::postAudited(dm, {&pagar, &baixa, &dm.TbBanco, &dm.TbSaldos, &dm.TbContador}, [&] {
        lockBill(pagar, payment.bill);
        if (payment.seen && pagar.field("Valor").asCurrency() != *payment.seen)
            throw data::Refusal("O Lançamento Foi Alterado em Outra Estação! Pesquise Novamente.");
        const std::optional<BankAccount> account = findBankAccount(dm, payment.conta);
        pagar.field("FormaPG").setString(payment.formaPG);
        pagar.field("Cheque").setString(payment.cheque);
        setBankAccount(pagar, account);

        baixa.insert();
        copyCarried(pagar, baixa);
        baixa.field("DataBaixa").setDate(payment.paidOn);
        baixa.field("DESPESA").setString(core::leftCharacters(pagar.field("CodPlano").asString(), 3));
        baixa.post();
        paid = baixa.field("Contador").asInteger();
        // The debit follows the account the bill is paid from, never a name left on screen.
        if (account) writeBankDebit(dm, baixa, today);
        pagar.deleteRecord();
        return paidBillAudit(baixa, "Pagamento de Conta");
    });
    return paid;
}

std::int64_t reversePaidBill(data::Tdm& dm, std::int64_t paidBill) {
    store::Table& pagar = dm.TbPagar;
    store::Table& baixa = dm.TbBaixaP;
    data::OpenedTables open{&pagar, &baixa, &dm.TbBanco, &dm.TbSaldos};
    std::int64_t bill = 0;
    data::postAudited(dm, {&pagar, &baixa, &dm.TbBanco, &dm.TbSaldos, &dm.TbContador}, [&] {
        lockBill(baixa, paidBill);
        refuseUndoingCashOrAdvance(baixa, "Uma Retirada do Caixa Não Pode Ser Estornada!");
        pagar.insert();
        copyCarried(baixa, pagar);
        pagar.post();
        bill = pagar.field("Contador").asInteger();
        removeBankDebits(dm, paidBill);
        data::AuditEntry audited = paidBillAudit(baixa, "Estorno de Conta Paga");
        audited.resumo += "; volta a pagar como a conta " + std::to_string(bill);
        baixa.deleteRecord();
        return audited;
    });
    return bill;
}

void deletePaidBill(data::Tdm& dm, std::int64_t paidBill) {
    store::Table& baixa = dm.TbBaixaP;
    data::OpenedTables open{&baixa};
    data::postAudited(dm, {&baixa}, [&] {
        lockBill(baixa, paidBill);
        refuseUndoingCashOrAdvance(baixa, "Uma Retirada do Caixa Não Pode Ser Excluída!");
        data::AuditEntry audited = paidBillAudit(baixa, "Exclusão de Conta Paga");
        baixa.deleteRecord();
        return audited;
    });
}

}  // namespace payables
