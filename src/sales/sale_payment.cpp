#include "sales/sale_payment.h"

#include <string_view>
#include <vector>

#include "cash/cash_record.h"
#include "core/date.h"
#include "core/format.h"
#include "core/text.h"
#include "data/dm.h"
#include "data/least_amount.h"
#include "data/opened_tables.h"
#include "data/payment_form.h"
#include "data/refusal.h"
#include "data/store/posting.h"
#include "sales/stock_movement.h"

namespace sales {

std::optional<std::string> salePaymentWord(int code) {
    // The payment screen's codes, in the order its list shows them.
    using enum data::PaymentForm;
    static constexpr data::PaymentForm kByCode[] = {Dinheiro, Cheque, Cartao, Notinha, Credito, Debito};
    return data::wordOfCode(code, kByCode);
}

namespace {

using core::Currency;

const std::string_view kNotinha = data::storedWord(data::PaymentForm::Notinha);
const std::string_view kCredito = data::storedWord(data::PaymentForm::Credito);
const std::string_view kDinheiro = data::storedWord(data::PaymentForm::Dinheiro);
const std::string_view kCartao = data::storedWord(data::PaymentForm::Cartao);

struct SaleItem {
    std::int64_t code;
    double quantity;
    std::string description;
};

// The sale's stored items, through the master link, and their sum.
std::vector<SaleItem> itemsOf(store::Table& items, Currency& sum) {
    std::vector<SaleItem> found;
    sum = Currency();
    for (items.first(); !items.eof(); items.next()) {
        found.push_back({items.field("Codigo").asInteger(), items.field("Porcentagem").asFloat(),
                         items.field("Descricao").asString()});
        sum += items.field("Total").asCurrency();
    }
    return found;
}

}  // namespace

void registerSalePayment(data::Tdm& dm, const SalePayment& payment, const core::Date& today) {
    store::Table& sale = dm.TbServico;
    if (sale.state() != store::TableState::Insert) throw data::Refusal("Não Há Lançamento em Andamento!");
    const std::optional<std::string> word = salePaymentWord(payment.code);
    if (!word) throw data::Refusal("Indique a Forma de Pagamento!");
    const bool wholeByCredit = *word == kCredito;
    const bool usesCredit = wholeByCredit || payment.creditUsed > Currency();
    // Only the forms that ask for the amount handed over can take more than is due.
    if (payment.overpayment && (*word == kNotinha || wholeByCredit))
        throw data::Refusal("Pagamento a Mais Somente em Dinheiro, Cheque ou Cartão!");
    const std::int64_t clientCode =
        payment.clientCode > 0 ? payment.clientCode : sale.field("CodCliente").asInteger();
    if ((*word == kNotinha || usesCredit || payment.overpayment) && clientCode < 1)
        throw data::Refusal("Selecione o Cliente!");

    store::Table& items = dm.TbItensServico;
    store::Table& produtos = dm.TbProdutos;
    store::Table& cliente = dm.TbCliente;
    data::OpenedTables open{&items, &produtos, &cliente, &dm.TbReceber, &dm.TbBaixaR};

    store::post(
        {&sale, &items, &produtos, &dm.TbCaixa, &dm.TbReceber, &dm.TbBaixaR, &cliente, &dm.TbContador}, [&] {
            Currency subTotal;
            const std::vector<SaleItem> saleItems = itemsOf(items, subTotal);

            // The client as stored now, under its lock: it may have been deleted, or its credit
            // spent at another station, since the screen looked it up.
            Currency clientCredit;
            std::string clientName = sale.field("Cliente").asString();
            if (clientCode >= 1) {
                cliente.setIndexName("");
                if (!cliente.findKey({clientCode}))
                    throw data::Refusal("Não Existe Cliente Com Este Código!");
                cliente.editExisting();
                clientCredit = cliente.field("Saldo").asCurrency();
                clientName = cliente.field("Nome").asString();
            }
            const Currency creditTaken = wholeByCredit ? subTotal : payment.creditUsed;
            if (usesCredit && clientCredit < creditTaken)
                throw data::Refusal("O Crédito do Cliente Foi Alterado! Saldo Atual R$ " +
                                    core::formatMask(clientCredit, core::kCaptionMoneyMask));
            if (!wholeByCredit && creditTaken >= subTotal)
                throw data::Refusal("O Crédito Cobre a Venda: Use a Forma de Pagamento 5!");
            const Currency total = subTotal - creditTaken;
            const bool asksAmountHandedOver = *word == kDinheiro || payment.overpayment;
            if (asksAmountHandedOver &&
                (payment.handedOver < data::kLeastAmount || payment.handedOver < total))
                throw data::Refusal("Digite o Valor Pago R$!");
            const Currency registered = wholeByCredit         ? Currency()
                                        : payment.overpayment ? payment.handedOver
                                                              : total;

            const std::int64_t cashNumber =
                cash::addToOpenCash(dm, cash::paymentAdditions(*word, registered));
            for (const SaleItem& item : saleItems) addToStock(produtos, item.code, -item.quantity);

            if (clientCode >= 1) {
                sale.field("CodCliente").setInteger(clientCode);
                sale.field("Cliente").setString(clientName);
            } else if (core::trimmed(clientName).empty()) {
                sale.field("Cliente").setString(kNoClient);
            }
            sale.field("SubTotal").setCurrency(subTotal);
            sale.field("Saldo").setCurrency(creditTaken);
            sale.field("Total").setCurrency(total);
            sale.field("PGTotal").setCurrency(payment.overpayment ? payment.handedOver : subTotal);
            sale.field("CodTipo").setInteger(payment.code);
            sale.field("TipoPG").setString(*word);
            sale.field("Caixa").setInteger(cashNumber);
            for (const char* working : {"Codigo", "Descricao", "COM", "Valor"}) sale.field(working).clear();
            sale.post();
            const std::int64_t saleNumber = sale.field("Contador").asInteger();
            const std::string saleClient = sale.field("Cliente").asString();

            std::string descriptions;
            for (items.first(); !items.eof(); items.next()) {
                items.editExisting();
                items.field("CodCli").setInteger(sale.field("CodCliente").asInteger());
                items.field("PGTO").setString(*word);
                items.post();
                descriptions += items.field("Descricao").asString() + " \\ ";
            }

            if (*word == kNotinha) {
                store::Table& receber = dm.TbReceber;
                receber.insert();
                receber.field("DataLan").setDate(today);
                receber.field("DataVen").setDate(today);
                receber.field("Valor").setCurrency(total);
                receber.field("Cliente").setString(saleClient);
                receber.field("CodCliente").setInteger(clientCode);
                receber.field("Vendedor").setString(std::string(kNotinha));
                receber.field("SubNome").setString(sale.field("Funcioario").asString());
                receber.field("Descricao").setString(descriptions);  // the field keeps what fits
                receber.field("Servicos").setString(descriptions);
                receber.field("Documento").setString(std::to_string(saleNumber));
                receber.post();
            } else {
                store::Table& baixa = dm.TbBaixaR;
                baixa.insert();
                baixa.field("DataLan").setDate(today);
                baixa.field("DataVen").setDate(*word == kCartao ? today.addDays(30) : today);
                baixa.field("Vendedor").setString(*word);
                baixa.field("Valor").setCurrency(total);
                baixa.field("Cliente").setString(core::trimmed(saleClient).empty() ? kNoClient : saleClient);
                baixa.field("CodCliente").setInteger(sale.field("CodCliente").asInteger());
                baixa.field("Documento").setString(std::to_string(saleNumber));
                baixa.post();
            }

            if (cliente.isEditing()) {
                if (usesCredit || payment.overpayment) {
                    Currency credit = clientCredit - creditTaken;
                    if (payment.overpayment) credit += payment.handedOver - total;
                    cliente.field("Saldo").setCurrency(credit);
                    cliente.post();
                } else {
                    cliente.cancel();  // looked up under its lock only to be sure it is there
                }
            }
        });
}

}  // namespace sales
