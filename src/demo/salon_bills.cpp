#include "demo/salon_bills.h"

#include <cstdint>
#include <iterator>

#include "cash/cash_closing.h"
#include "data/dm.h"
#include "payables/bill_entry.h"
#include "payables/installments.h"
#include "payables/settlement.h"

namespace demo {
namespace {

using core::Currency;

// The demo register's suppliers (their codes).
constexpr std::int64_t kPower = 2, kWaterAndPhone = 3, kAccountant = 4;

struct Bill {
    core::Date day;  // entered
    core::Date due;
    Currency valor;
    std::string tipoDoc, documento, descricao, formaPG, conta;
    std::int64_t supplier = 0;  // 0: the salon's own expense
};

// The bill as the entry screen would hold it once the supplier's code was looked up: his
// trade name and his own heading.
payables::BillEntry typed(data::Tdm& dm, const Bill& bill) {
    payables::BillEntry entry;
    entry.bill = payables::startBill(dm, bill.day, false);
    entry.dataLan = bill.day;
    entry.dataVen = bill.due;
    entry.valor = bill.valor;
    entry.tipoDoc = bill.tipoDoc;
    entry.documento = bill.documento;
    entry.descricao = bill.descricao;
    entry.formaPG = bill.formaPG;
    entry.conta = bill.conta;
    store::Table& suppliers = dm.TbFornec;
    suppliers.open();
    if (bill.supplier != 0 && suppliers.findKey({bill.supplier})) {
        entry.codFor = std::to_string(bill.supplier);
        entry.fornecedor = suppliers.field("NomeFantasia").asString();
        entry.codPlano = suppliers.field("CodPlano").asString();
        entry.plano = suppliers.field("Plano").asString();
    }
    suppliers.close();
    return entry;
}

std::int64_t enterBill(data::Tdm& dm, const Bill& bill) {
    const payables::BillEntry entry = typed(dm, bill);
    payables::saveBill(dm, entry, bill.day);
    return entry.bill;
}

// Paid on its due date when that has come; otherwise it stays open.
void payWhenDue(data::Tdm& dm, std::int64_t bill, const Bill& as, const core::Date& today,
                const std::string& cheque = {}) {
    if (as.due >= today) return;
    payables::settleBill(dm, {bill, as.formaPG, as.conta, cheque, as.due}, as.due);
}

}  // namespace

void payTheRent(data::Tdm& dm, const core::Date& day) {
    const Bill rent{day,
                    day,
                    Currency::fromReais(1200),
                    "RECIBO",
                    "ALUGUEL",
                    "ALUGUEL DO SALÃO",
                    "DEBITO EM CONTA",
                    kCurrentAccount};
    payables::settleBill(dm, {enterBill(dm, rent), rent.formaPG, rent.conta, {}, day}, day);
}

void enterTheMonthsBills(data::Tdm& dm, const core::Date& day, const core::Date& today) {
    const std::string month = std::to_string(day.month);
    for (const Bill& bill :
         {Bill{day, day.addDays(10), Currency::fromReais(180 + 7 * day.month), "BOLETO BANCÁRIO",
               "EN" + month, "CONTA DE ENERGIA", "DEBITO EM CONTA", kCurrentAccount, kPower},
          Bill{day, day.addDays(15), Currency::fromReais(95 + 3 * day.month), "BOLETO BANCÁRIO", "AT" + month,
               "ÁGUA E TELEFONE", "DDA", "", kWaterAndPhone},
          Bill{day, day.addDays(20), Currency::fromReais(350), "NOTA FISCAL", "HON" + month,
               "HONORÁRIOS CONTÁBEIS", "TRANSFERÊNCIA", kCurrentAccount, kAccountant}})
        payWhenDue(dm, enterBill(dm, bill), bill, today);
}

void buyInInstallments(data::Tdm& dm, const core::Date& day, const std::string& note, Currency total,
                       const core::Date& today) {
    const Bill purchase{day,
                        day,
                        total,
                        "NOTA FISCAL",
                        note,
                        "COMPRA DE PRODUTOS " + note,
                        "CHEQUE À PRAZO",
                        kCurrentAccount,
                        kCosmeticsDistributor};
    const payables::BillEntry entry = typed(dm, purchase);
    payables::keepBill(dm, entry);
    const std::vector<std::int64_t> installments =
        payables::splitBill(dm, {entry.bill, "3", std::nullopt, core::shortDate(payables::addMonth(day))});
    store::Table& pagar = dm.TbPagar;
    pagar.open();
    int cheque = 850000 + day.day * 10;
    for (const std::int64_t installment : installments) {
        pagar.setIndexName({});
        pagar.findKey({installment});
        Bill due = purchase;
        due.due = pagar.field("DataVen").asDate();
        payWhenDue(dm, installment, due, today, std::to_string(++cheque));
    }
}

void withdrawForTheDay(data::Tdm& dm, std::mt19937& random, const core::Date& day) {
    static const char* const kExpenses[] = {"CAFÉ E AÇÚCAR", "MATERIAL DE LIMPEZA", "LANCHE DA EQUIPE",
                                            "CORREIO", "TÁXI PARA ENTREGA"};
    if (random() % 3 != 0) return;
    const Currency amount = Currency::fromReais(10 + 5 * static_cast<int>(random() % 5));
    dm.TbCaixa.last();
    if (cash::cashInDrawer(dm) < amount) return;
    const Bill expense{day,       day, amount, "RECIBO", "", kExpenses[random() % std::size(kExpenses)],
                       "DINHEIRO"};
    payables::withdrawCash(dm, typed(dm, expense), day);
}

}  // namespace demo
