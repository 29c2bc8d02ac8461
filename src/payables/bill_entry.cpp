#include "payables/bill_entry.h"

#include "cash/cash_record.h"
#include "core/format.h"
#include "core/text.h"
#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/least_amount.h"
#include "data/opened_tables.h"
#include "data/refusal.h"
#include "data/store/posting.h"
#include "payables/bank_account.h"
#include "payables/bill_lock.h"

namespace payables {

using core::Currency;

namespace {

void checkAmount(const BillEntry& entry) {
    if (entry.valor < data::kLeastAmount) throw data::Refusal("Digite o Valor do Documento!");
}

// Writes the typed values into the locked bill, with the defaults for empty codes when asked.
void writeEntry(store::Table& pagar, const BillEntry& entry, bool withDefaults = true) {
    pagar.field("DataLan").setDate(entry.dataLan);
    pagar.field("DataVen").setDate(entry.dataVen);
    pagar.field("Valor").setCurrency(entry.valor);
    const std::string codFor = core::plainCode(entry.codFor);
    const std::pair<const char*, const std::string&> texts[] = {
        {"TipoDOC", entry.tipoDoc},       {"Documento", entry.documento}, {"Descricao", entry.descricao},
        {"FormaPG", entry.formaPG},       {"Cheque", entry.cheque},       {"CodFor", codFor},
        {"Fornecedor", entry.fornecedor}, {"CodPlano", entry.codPlano},   {"Plano", entry.plano}};
    for (const auto& [name, text] : texts) pagar.field(name).setString(text);
    if (!withDefaults) return;
    if (core::trimmed(entry.codFor).empty()) pagar.field("Fornecedor").setString("FORNECEDOR - PRÓPRIO");
    if (core::trimmed(entry.codPlano).empty()) pagar.field("Plano").setString("Contas Diversas");
}

// A paid bill written from the bill in TbPagar.
std::int64_t writePaid(store::Table& pagar, store::Table& baixa, const core::Date& paidOn, const char* tipo) {
    baixa.insert();
    for (const char* name : {"DataLan", "DataVen", "CodFor", "Fornecedor", "Valor", "Descricao", "TipoDOC",
                             "Documento", "CodPlano", "Plano", "FormaPG", "Cheque"})
        baixa.field(name).setValue(pagar.field(name).value());
    baixa.field("DataBaixa").setDate(paidOn);
    if (tipo != nullptr) baixa.field("Tipo").setString(tipo);
    baixa.post();
    return baixa.field("Contador").asInteger();
}

}  // namespace

std::int64_t startBill(data::Tdm& dm, const core::Date& today, bool withdrawal) {
    store::Table& pagar = dm.TbPagar;
    if (!pagar.isOpen()) pagar.open();
    store::post({&pagar, &dm.TbContador}, [&] {
        pagar.insert();
        pagar.field("DataLan").setDate(today);
        if (withdrawal) {
            pagar.field("DataVen").setDate(today);
            pagar.field("FormaPG").setString("DINHEIRO");
        }
        pagar.post();
    });
    return pagar.field("Contador").asInteger();
}

void checkBill(const BillEntry& entry) {
    if (entry.dataVen.isNull()) throw data::Refusal("Digite a Data de Vencimento!");
    checkAmount(entry);
}

bool saveBill(data::Tdm& dm, const BillEntry& entry, const core::Date& today) {
    checkBill(entry);
    store::Table& pagar = dm.TbPagar;
    store::Table& baixa = dm.TbBaixaP;
    data::OpenedTables open{&pagar, &baixa, &dm.TbConta};
    const bool cash = entry.formaPG == "DINHEIRO";
    store::post({&pagar, &baixa, &dm.TbContador}, [&] {
        lockBill(pagar, entry.bill);
        const std::optional<BankAccount> account = findBankAccount(dm, entry.conta);
        writeEntry(pagar, entry);
        setBankAccount(pagar, account);
        pagar.post();
        if (!cash) return;
        // Paid on the day it is recorded, so the paid-bill queries find it.
        writePaid(pagar, baixa, today, nullptr);
        baixa.edit();
        baixa.field("DataLan").setDate(entry.dataVen);
        baixa.post();
        pagar.deleteRecord();
    });
    return cash;
}

void checkWithdrawal(const BillEntry& entry) {
    checkAmount(entry);
}

std::int64_t withdrawCash(data::Tdm& dm, const BillEntry& entry, const core::Date& today) {
    checkAmount(entry);
    store::Table& pagar = dm.TbPagar;
    store::Table& baixa = dm.TbBaixaP;
    data::OpenedTables open{&pagar, &baixa};
    std::int64_t paid = 0;
    data::postAudited(dm, {&pagar, &baixa, &dm.TbCaixa, &dm.TbContador}, [&] {
        lockBill(pagar, entry.bill);
        cash::addToOpenCash(dm, {{"DinheiroTOTAL", entry.valor}});
        BillEntry withdrawal = entry;
        withdrawal.dataLan = today;
        withdrawal.dataVen = today;
        withdrawal.formaPG = "DINHEIRO";
        withdrawal.conta.clear();
        writeEntry(pagar, withdrawal);
        pagar.post();
        paid = writePaid(pagar, baixa, today, "RETIRADA");
        pagar.deleteRecord();
        return data::AuditEntry{.acao = "Retirada do Caixa",
                                .tabela = baixa.name(),
                                .chave = std::to_string(paid),
                                .resumo = "Retirada de R$ " + core::formatMoney(entry.valor) + " do caixa",
                                .motivo = entry.descricao};
    });
    return paid;
}

void keepBill(data::Tdm& dm, const BillEntry& entry) {
    store::Table& pagar = dm.TbPagar;
    data::OpenedTables open{&pagar, &dm.TbConta};
    store::post({&pagar}, [&] {
        lockBill(pagar, entry.bill);
        const std::optional<BankAccount> account = findBankAccount(dm, entry.conta);
        writeEntry(pagar, entry, false);
        setBankAccount(pagar, account);
        pagar.post();
    });
}

void deleteBill(data::Tdm& dm, std::int64_t bill) {
    store::Table& pagar = dm.TbPagar;
    data::OpenedTables open{&pagar};
    store::post({&pagar}, [&] {
        lockBill(pagar, bill);
        pagar.deleteRecord();
    });
}

}  // namespace payables
