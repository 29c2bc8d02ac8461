#pragma once
// The service tickets (comandas): each service an employee finishes is an item of the
// client's numbered ticket (TbItemComando) and, under the same number, of the employees'
// service history (TbHistorico). Tickets feed neither sales, nor cash, nor stock.
#include <cstdint>
#include <optional>
#include <string>

#include "core/currency.h"
#include "core/date.h"

namespace data {
class Tdm;
}

namespace sales {

// Puts TbComando on the ticket numbered `number`, creating it when it is new (a ticket
// exists from the first time its number is used); TbItemComando then lists its items.
// Two stations starting the same new number make one ticket.
void openTicket(data::Tdm& dm, std::int64_t number);

// Whether `typed` is the employee's ticket password (TbFuncionario.SobreNome); both are
// compared upper-cased, as the screen upper-cases what is typed and the register does not.
bool ticketPasswordMatches(const std::string& stored, const std::string& typed);

// What the price of a service is on a ticket: the promotional price while the item is on
// promotion (TbProdutos.Grupo filled), else its price. TbProdutos is on the item.
core::Currency ticketPrice(data::Tdm& dm);

// An item as typed on the ticket screen.
struct TicketEntry {
    std::int64_t ticket = 0;
    std::int64_t employeeCode = 0;
    std::string password;  // as typed
    std::int64_t serviceCode = 0;
    core::Currency discount;  // "Desc. R$"
};

// The box of the ticket screen a refusal sends the user back to.
enum class TicketBox { Employee, Password, Service, Price, Discount };
struct TicketProblem {
    TicketBox box;
    std::string message;
};

// What stops the entry from being recorded, checked in the screen's order, with the employee
// and the service looked up again by the codes given: an unknown employee ("Selecione o
// Funcionário Para o Lançamento!"), a wrong password ("Senha do Funcionário Incorreta!"), an
// unknown service ("Selecione o Serviço Para o Lançamento!"), a price below 0,10 ("Digite o
// Valor R$ do Serviço Prestado!"), a discount above the item's maximum ("O Desconto Está
// Acima do Permitido! Desconto Máximo de R$ 5,00"), and a discount that leaves nothing to pay
// ("O Desconto Não Pode Ser Igual ou Maior Que o Valor do Serviço!"). TbFuncionario and
// TbProdutos, when open, are left on what was found.
std::optional<TicketProblem> checkTicketEntry(data::Tdm& dm, const TicketEntry& entry);

// Records the item and its history copy in one posting and returns its number (Ordem, from
// the counter shared with the sales). Refuses (data::Refusal, nothing written) what
// checkTicketEntry finds.
std::int64_t recordTicketItem(data::Tdm& dm, const TicketEntry& entry,
                              const core::Date& today = core::Date::today());

// Deletes the ticket's item numbered `ordem` and its history copy, when there is one.
// Refuses when the item is no longer there (deleted at another station).
void deleteTicketItem(data::Tdm& dm, std::int64_t ticket, std::int64_t ordem);

// What stops the employee's services of the day from being listed: an unknown employee
// ("Selecione o Funcionário Para a Pesquisa!") or a wrong password ("Senha do Funcionário
// Incorreta!"). TbFuncionario, when open, is left on the employee.
std::optional<TicketProblem> checkEmployeeForListing(data::Tdm& dm, std::int64_t employeeCode,
                                                     const std::string& password);

}  // namespace sales
