#include "sales/account_payments.h"

#include <algorithm>

#include "cash/cash_record.h"
#include "core/format.h"
#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/least_amount.h"
#include "data/opened_tables.h"
#include "data/payment_form.h"
#include "data/refusal.h"
#include "sales/sale_payment.h"

namespace sales {

std::optional<std::string> creditPurchaseWord(int code) {
    using enum data::PaymentForm;
    static constexpr data::PaymentForm kByCode[] = {Dinheiro, Cheque, Cartao};
    return data::wordOfCode(code, kByCode);
}

std::optional<std::string> settlementWord(int code) {
    using enum data::PaymentForm;
    static constexpr data::PaymentForm kByCode[] = {Dinheiro, Cheque, Cartao, Debito};
    return data::wordOfCode(code, kByCode);
}

namespace {

using core::Currency;

// The client under its lock, as stored now; refuses when it is gone. TbCliente is left in
// edit on it.
void lockClient(store::Table& cliente, std::int64_t clientCode) {
    cliente.setIndexName("");
    if (clientCode < 1 || !cliente.findKey({clientCode}))
        throw data::Refusal("Não Existe Cliente Com Este Código!");
    cliente.editExisting();
}

}  // namespace

void registerCreditPurchase(data::Tdm& dm, std::int64_t clientCode, int code, Currency credit) {
    const std::optional<std::string> word = creditPurchaseWord(code);
    if (!word) throw data::Refusal("Indique a Forma de Pagamento!");
    if (credit < Currency::fromUnits(100)) throw data::Refusal("Digite o Valor do Crédito a Ser Inserido!");
    store::Table& cliente = dm.TbCliente;
    data::OpenedTables open{&cliente};
    data::postAudited(dm, {&dm.TbCaixa, &cliente}, [&] {
        lockClient(cliente, clientCode);
        auto additions = cash::paymentAdditions(*word, credit);
        additions.push_back({"Credito", credit});
        cash::addToOpenCash(dm, additions);
        const Currency before = cliente.field("Saldo").asCurrency();
        cliente.field("Saldo").setCurrency(before + credit);
        cliente.post();
        return data::AuditEntry{.acao = "Compra de Crédito",
                                .tabela = cliente.name(),
                                .chave = std::to_string(clientCode),
                                .resumo = "Cliente nº " + std::to_string(clientCode) + ": R$ " + core::formatMoney(credit) +
                                          " em " + *word + "; crédito de R$ " + core::formatMoney(before) +
                                          " para R$ " + core::formatMoney(before + credit)};
    });
}

SettlementResult settleNotes(data::Tdm& dm, const Settlement& settlement, const core::Date& today) {
    // A negative payment would take money out of the drawer and leave a note above the debt.
    if (settlement.paid < Currency::fromUnits(100)) throw data::Refusal("Digite o Valor Pago Pelo Cliente!");
    const std::optional<std::string> word = settlementWord(settlement.code);
    if (!word) throw data::Refusal("Indique a Forma de Pagamento!");
    store::Table& cliente = dm.TbCliente;
    store::Table& receber = dm.TbReceber;
    data::OpenedTables open{&cliente, &receber, &dm.TbBaixaR};
    SettlementResult result;
    data::postAudited(dm, {&dm.TbCaixa, &cliente, &receber, &dm.TbBaixaR, &dm.TbContador}, [&] {
        lockClient(cliente, settlement.clientCode);
        // The notes as stored now, each under its lock: exactly those the user listed.
        receber.setIndexName("siCodCliente");
        receber.setRange({settlement.clientCode}, {settlement.clientCode});
        std::vector<std::int64_t> notes;
        Currency owed;
        for (receber.first(); !receber.eof(); receber.next()) {
            notes.push_back(receber.field("Contador").asInteger());
            owed += receber.field("Valor").asCurrency();
        }
        std::vector<std::int64_t> listed = settlement.notes;
        std::sort(notes.begin(), notes.end());
        std::sort(listed.begin(), listed.end());
        const Currency credit = cliente.field("Saldo").asCurrency();
        if (notes != listed || credit != settlement.creditSeen)
            throw data::Refusal("As Notinhas do Cliente Foram Alteradas! Pesquise Novamente.");
        const Currency balance = owed - credit;
        if (balance < data::kLeastAmount) throw data::Refusal("Não Existe Saldo Para Baixa!");

        cash::addToOpenCash(dm, cash::paymentAdditions(*word, settlement.paid));

        receber.last();  // the received amount is dated and named from the last note
        store::Table& baixa = dm.TbBaixaR;
        baixa.insert();
        baixa.field("DataLan").setDate(receber.field("DataLan").asDate());
        baixa.field("DataVen").setDate(today);
        baixa.field("Vendedor").setValue(receber.field("Vendedor").value());
        baixa.field("Valor").setCurrency(settlement.paid);
        baixa.field("Cliente").setValue(receber.field("Cliente").value());
        baixa.field("CodCliente").setInteger(settlement.clientCode);
        baixa.field("Documento").setValue(receber.field("Documento").value());
        baixa.post();

        while (!receber.isEmpty()) {
            receber.first();
            receber.deleteRecord();
        }
        receber.cancelRange();
        receber.setIndexName("");

        if (settlement.paid < balance) {
            result.shortfall = balance - settlement.paid;
            receber.insert();
            receber.field("DataLan").setDate(today);
            receber.field("DataVen").setDate(today);
            receber.field("Documento").setString("DIFERENÇA");
            receber.field("Vendedor").setString(std::string(data::storedWord(data::PaymentForm::Notinha)));
            receber.field("Descricao").setString("DIFERENÇA EM PAGAMENTO");
            receber.field("CodCliente").setInteger(settlement.clientCode);
            receber.field("Cliente").setValue(cliente.field("Nome").value());
            receber.field("Valor").setCurrency(result.shortfall);
            receber.post();
        }
        // The credit was counted into the balance: it is used up, or replaced by the overpayment.
        result.creditAfter = settlement.paid > balance ? settlement.paid - balance : Currency();
        cliente.field("Saldo").setCurrency(result.creditAfter);
        cliente.post();
        return data::AuditEntry{.acao = "Acerto de Notinhas",
                                .tabela = receber.name(),
                                .chave = std::to_string(settlement.clientCode),
                                .resumo = "Cliente nº " + std::to_string(settlement.clientCode) + ": " + std::to_string(notes.size()) +
                                          " notinha(s), devido R$ " + core::formatMoney(owed) + ", crédito R$ " +
                                          core::formatMoney(credit) + ", pago R$ " + core::formatMoney(settlement.paid) +
                                          " em " + *word + ", diferença R$ " + core::formatMoney(result.shortfall) +
                                          ", crédito final R$ " + core::formatMoney(result.creditAfter)};
    });
    return result;
}

}  // namespace sales
