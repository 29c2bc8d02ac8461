#include "demo/salon_history.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "advances/advance_posting.h"
#include "bank/ledger.h"
#include "bank/transfer.h"
#include "cash/cash_closing.h"
#include "cash/cash_opening.h"
#include "data/dm.h"
#include "data/store/posting.h"
#include "demo/agenda_week.h"
#include "demo/salon_bills.h"
#include "sales/account_payments.h"
#include "sales/sale_lifecycle.h"
#include "sales/sale_payment.h"
#include "sales/stock_entry.h"

namespace demo {
namespace {

using core::Currency;

constexpr int kDays = 60;

struct Person {
    std::int64_t code;
    std::string name;
};

struct Catalogue {
    std::vector<std::int64_t> services;
    std::vector<std::int64_t> products;
};

// The people of a register; with `field`, only those for whom it is above zero (employees
// with a commission, whom the till can sell for without asking one).
std::vector<Person> people(store::Table& table, const char* field = nullptr) {
    std::vector<Person> found;
    table.open();
    for (table.first(); !table.eof(); table.next())
        if (!field || table.field(field).asFloat() > 0)
            found.push_back({table.field("Codigo").asInteger(), table.field("Nome").asString()});
    return found;
}

// The history is made of the till's own steps; one that refuses is a fault of the history.
void expectAccepted(const std::optional<sales::EntryProblem>& problem) {
    if (problem) throw std::logic_error(problem->message);
}

Catalogue catalogue(store::Table& produtos) {
    Catalogue found;
    produtos.open();
    for (produtos.first(); !produtos.eof(); produtos.next())
        (produtos.field("Tipo").asString() == "PRODUTO" ? found.products : found.services)
            .push_back(produtos.field("Codigo").asInteger());
    return found;
}

Currency creditOf(data::Tdm& dm, std::int64_t client) {
    dm.TbCliente.setIndexName("");
    return dm.TbCliente.findKey({client}) ? dm.TbCliente.field("Saldo").asCurrency() : Currency();
}

class Day {
  public:
    Day(data::Tdm& dm, std::mt19937& random, const core::Date& day, const std::vector<Person>& employees,
        const std::vector<Person>& clients, const Catalogue& items)
        : dm_(dm), random_(random), day_(day), employees_(employees), clients_(clients), items_(items) {}

    // One sale as the till enters it: the employee, maybe a client, one to three items.
    Currency enterSale(const Person* client) {
        sales::startSale(dm_, day_);
        store::Table& sale = dm_.TbServico;
        sale.field("CodFun").setInteger(pick(employees_).code);
        expectAccepted(sales::lookUpEmployee(dm_));
        if (client) {
            sale.field("CodCliente").setInteger(client->code);
            sale.field("Cliente").setString(client->name);
        }
        const int count = 1 + static_cast<int>(random_() % 3);
        for (int i = 0; i < count; ++i) {
            const bool product = !items_.products.empty() && random_() % 3 == 0;
            sale.field("Codigo").setInteger(pick(product ? items_.products : items_.services));
            const auto looked = sales::lookUpItem(dm_, false);
            expectAccepted(looked.problem);
            expectAccepted(sales::addItem(dm_, *looked.item));
        }
        expectAccepted(sales::prepareForPayment(dm_));
        return sale.field("Total").asCurrency();
    }

    void sellAndPay(int form) {
        const Person* client = random_() % 2 ? &pick(clients_) : nullptr;
        if ((form == 4 || form == 5) && !client) client = &pick(clients_);
        const Currency total = enterSale(client);
        sales::SalePayment payment{form == 5 ? 1 : form, client ? client->code : 0};
        if (form == 5) {  // use what credit the client has, the rest in cash
            const Currency credit = creditOf(dm_, client->code);
            if (credit >= total) {
                payment.code = 5;
            } else {
                payment.creditUsed = credit;
            }
        }
        if (payment.code == 1) payment.handedOver = roundedUp(total - payment.creditUsed);
        if (form == 2 && client && random_() % 4 == 0) {  // a cheque for more, the rest as credit
            payment.overpayment = true;
            payment.handedOver = roundedUp(total) + Currency::fromReais(10);
        }
        sales::registerSalePayment(dm_, payment, day_);
    }

  private:
    template <typename T>
    const T& pick(const std::vector<T>& from) {
        return from[random_() % from.size()];
    }
    // What a client hands over: the next multiple of 10 reais.
    static Currency roundedUp(Currency amount) {
        const std::int64_t ten = Currency::fromReais(10).units();
        return Currency::fromUnits((amount.units() + ten - 1) / ten * ten);
    }

    data::Tdm& dm_;
    std::mt19937& random_;
    core::Date day_;
    const std::vector<Person>& employees_;
    const std::vector<Person>& clients_;
    const Catalogue& items_;
};

// Settles one client's open notes, when there are any and they exceed the credit.
void settleSomeNotes(data::Tdm& dm, const Person& client, const core::Date& day) {
    store::Table& receber = dm.TbReceber;
    receber.open();
    receber.setIndexName("siCodCliente");
    receber.setRange({client.code}, {client.code});
    sales::Settlement settlement{client.code};
    Currency owed;
    for (receber.first(); !receber.eof(); receber.next()) {
        settlement.notes.push_back(receber.field("Contador").asInteger());
        owed += receber.field("Valor").asCurrency();
    }
    receber.cancelRange();
    receber.setIndexName("");
    settlement.creditSeen = creditOf(dm, client.code);
    if (owed - settlement.creditSeen < Currency::fromReais(1)) return;
    settlement.code = 1;
    settlement.paid = owed - settlement.creditSeen;
    sales::settleNotes(dm, settlement, day);
}

// The account the salon's reserve is kept in.
const std::string kReserveAccount = "98765-4";

// The closing's deposit reaches the current account the same day.
void depositTheDay(data::Tdm& dm, const core::Date& day) {
    dm.TbCaixa.last();
    const Currency deposito = dm.TbCaixa.field("Deposito").asCurrency();
    if (deposito < Currency::fromReais(1)) return;
    const std::string number = std::to_string(dm.TbCaixa.field("Contador").asInteger());
    bank::registerEntry(dm, {kCurrentAccount, day, bank::kCredito, "CX" + number, day, deposito,
                             "DEPÓSITO DO CAIXA Nº " + number});
}

// Three deliveries over the period, each bringing the first products again, bought from the
// cosmetics distributor in installments.
void restockProducts(data::Tdm& dm, const Catalogue& items, const core::Date& today) {
    dm.TbProdutos.open();
    int note = 1201;
    for (long back : {45L, 25L, 6L}) {
        const core::Date day = today.addDays(-back);
        const sales::EntryHeader header{day, "NF " + std::to_string(note++), kCosmeticsDistributor,
                                        "BELA COSMÉTICOS"};
        const std::int64_t entry = sales::createEntry(dm, day);
        for (std::size_t i = 0; i < items.products.size() && i < 3; ++i) {
            dm.TbProdutos.setIndexName("");
            dm.TbProdutos.findKey({items.products[i]});
            sales::addEntryLine(dm, entry, header,
                                {items.products[i], dm.TbProdutos.field("Descricao").asString(),
                                 dm.TbProdutos.field("Valor").asCurrency(), static_cast<double>(6 + 2 * i)});
        }
        const Currency total = sales::totalEntry(dm, entry);
        sales::saveEntry(dm, entry, header);
        buyInInstallments(dm, day, header.nota, total, today);
    }
    for (store::Table* table : {&dm.TbProdutos, &dm.TbEntrada, &dm.TbItemEntrada}) table->close();
}

}  // namespace

void addSalonHistory(data::Tdm& dm, const core::Date& today) {
    std::mt19937 random(20261210);  // the same salon every time
    const std::vector<Person> employees = people(dm.TbFuncionario, "Comissao");
    const std::vector<Person> clients = people(dm.TbCliente);
    const Catalogue items = catalogue(dm.TbProdutos);
    if (employees.empty() || clients.empty() || items.services.empty()) return;

    for (long back = kDays; back >= 1; --back) {
        const core::Date day = today.addDays(-back);
        if (day.dayOfWeek() == 1) continue;  // closed on Sundays
        const cash::OpeningProposal proposal = cash::proposeOpening(dm);
        const std::int64_t number = cash::openCash(dm, {employees.front().code, employees.front().name},
                                                   proposal.openingCash, day, {8, 30, 0});
        Day salon(dm, random, day, employees, clients, items);
        const int sales = 3 + static_cast<int>(random() % 4);
        for (int i = 0; i < sales; ++i) salon.sellAndPay(1 + (i + static_cast<int>(back)) % 6);
        if (back % 7 == 0)
            sales::registerCreditPurchase(dm, clients[random() % clients.size()].code, 1,
                                          Currency::fromReais(50));
        if (back % 5 == 0) settleSomeNotes(dm, clients[random() % clients.size()], day);
        if (day.dayOfWeek() == 7) {  // Saturdays an employee takes an advance
            const Person& employee = employees[random() % employees.size()];
            advances::Advance advance{advances::startAdvance(dm, day), employee.code,
                                      Currency::fromReais(20 + 10 * static_cast<int>(random() % 5)),
                                      "ADIANTAMENTO"};
            advances::saveAdvance(dm, advance, day);
        }
        // Up to 100,00 stays in the drawer for the next day; the rest goes to the bank.
        withdrawForTheDay(dm, random, day);
        dm.TbCaixa.last();
        const Currency repasse = std::min(cash::cashInDrawer(dm), Currency::fromReais(100));
        cash::closeCash(dm, number, repasse, day, {19, 0, 0});
        depositTheDay(dm, day);
        if (back % 30 == 5) payTheRent(dm, day);
        if (back % 30 == 8) enterTheMonthsBills(dm, day, today);
        if (back % 30 == 20)
            bank::transfer(dm, {kCurrentAccount, kReserveAccount, day, "RESERVA", Currency::fromReais(300)});
    }
    for (store::Table* table : {&dm.TbCaixa, &dm.TbServico, &dm.TbItensServico, &dm.TbProdutos, &dm.TbCliente,
                                &dm.TbFuncionario, &dm.TbReceber, &dm.TbBaixaR, &dm.TbPagar, &dm.TbBaixaP})
        table->close();
    restockProducts(dm, items, today);
    addAgendaWeek(dm, today);
}

}  // namespace demo
