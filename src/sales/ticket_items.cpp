#include "sales/ticket_items.h"

#include "core/format.h"
#include "core/text.h"
#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/refusal.h"
#include "data/store/posting.h"

namespace sales {

namespace {

using core::Currency;

constexpr Currency kLeastPrice = Currency::fromUnits(Currency::kScale / 10);  // 0,10

// Inside a posting over TbComando: a number another station used a moment ago is found.
void findOrCreateTicket(store::Table& comando, std::int64_t number) {
    comando.setIndexName("");
    if (comando.findKey({number})) return;
    comando.insert();
    comando.field("Comando").setInteger(number);
    comando.post();
}

// The history keeps what the ticket item says, under the same number.
void copyService(store::Table& from, store::Table& to) {
    for (const char* field :
         {"Codigo", "Servico", "Valor", "COM", "Desconto", "CodFUN", "Funcionario", "Data"})
        to.field(field).setValue(from.field(field).value());
}

}  // namespace

void openTicket(data::Tdm& dm, std::int64_t number) {
    // Both stay open: the items follow the ticket shown.
    if (!dm.TbComando.isOpen()) dm.TbComando.open();
    store::post({&dm.TbComando}, [&] { findOrCreateTicket(dm.TbComando, number); });
    if (!dm.TbItemComando.isOpen()) dm.TbItemComando.open();
}

bool ticketPasswordMatches(const std::string& stored, const std::string& typed) {
    return core::upperPtBr(stored) == core::upperPtBr(typed);
}

Currency ticketPrice(data::Tdm& dm) {
    store::Table& produtos = dm.TbProdutos;
    return produtos.field(produtos.field("Grupo").asString().empty() ? "Valor" : "Custo").asCurrency();
}

std::optional<TicketProblem> checkTicketEntry(data::Tdm& dm, const TicketEntry& entry) {
    data::OpenedTables open{&dm.TbFuncionario, &dm.TbProdutos};
    store::Table& funcionario = dm.TbFuncionario;
    funcionario.setIndexName("");
    if (entry.employeeCode < 1 || !funcionario.findKey({entry.employeeCode}))
        return TicketProblem{TicketBox::Employee, "Selecione o Funcionário Para o Lançamento!"};
    if (!ticketPasswordMatches(funcionario.field("SobreNome").asString(), entry.password))
        return TicketProblem{TicketBox::Password, "Senha do Funcionário Incorreta!"};
    store::Table& produtos = dm.TbProdutos;
    produtos.setIndexName("");
    if (entry.serviceCode < 1 || !produtos.findKey({entry.serviceCode}))
        return TicketProblem{TicketBox::Service, "Selecione o Serviço Para o Lançamento!"};
    const Currency price = ticketPrice(dm);
    if (price < kLeastPrice) return TicketProblem{TicketBox::Price, "Digite o Valor R$ do Serviço Prestado!"};
    const double maximum = produtos.field("Saida").asFloat();
    if (Currency::fromDouble(maximum) < entry.discount)
        return TicketProblem{TicketBox::Discount,
                             "O Desconto Está Acima do Permitido! Desconto Máximo de R$ " +
                                 core::formatMask(maximum, core::kCaptionMoneyMask)};
    // Work recorded at no value, or below it, would take commission away from the employee.
    if (price - entry.discount <= Currency{})
        return TicketProblem{TicketBox::Discount,
                             "O Desconto Não Pode Ser Igual ou Maior Que o Valor do Serviço!"};
    return std::nullopt;
}

std::int64_t recordTicketItem(data::Tdm& dm, const TicketEntry& entry, const core::Date& today) {
    data::OpenedTables open{&dm.TbFuncionario, &dm.TbProdutos, &dm.TbComando, &dm.TbItemComando,
                            &dm.TbHistorico};
    if (const auto problem = checkTicketEntry(dm, entry)) throw data::Refusal(problem->message);
    store::Table& produtos = dm.TbProdutos;
    const Currency price = ticketPrice(dm);
    const std::int64_t itemCommission = produtos.field("CodFor").asInteger();
    const double commission = itemCommission > 0 ? static_cast<double>(itemCommission)
                                                 : dm.TbFuncionario.field("Comissao").asFloat();

    store::Table& item = dm.TbItemComando;
    store::Table& historico = dm.TbHistorico;
    std::int64_t ordem = 0;
    store::post({&dm.TbComando, &item, &historico, &dm.TbContador}, [&] {
        findOrCreateTicket(dm.TbComando, entry.ticket);
        item.insert();  // the counter hook numbers it, the master link gives the ticket
        item.field("Comando").setInteger(entry.ticket);
        item.field("Codigo").setInteger(entry.serviceCode);
        item.field("Servico").setString(produtos.field("Descricao").asString());
        item.field("Valor").setCurrency(price - entry.discount);
        item.field("COM").setFloat(commission);
        item.field("Desconto").setFloat(dm.TbConfig.field("Manutencao").asFloat());
        item.field("CodFUN").setInteger(entry.employeeCode);
        item.field("Funcionario").setString(dm.TbFuncionario.field("Nome").asString());
        item.field("Data").setDate(today);
        ordem = item.field("Ordem").asInteger();
        historico.insert();
        historico.field("Ordem").setInteger(ordem);
        copyService(item, historico);
        item.post();
        historico.post();
    });
    return ordem;
}

void deleteTicketItem(data::Tdm& dm, std::int64_t ticket, std::int64_t ordem) {
    // Views of their own: the screen's ticket and history stay as they are shown.
    store::Table item(dm.DbVelmora, dm.TbItemComando.definition(), dm.TbItemComando.name());
    store::Table historico(dm.DbVelmora, dm.TbHistorico.definition(), dm.TbHistorico.name());
    item.open();
    historico.open();
    store::post({&item, &historico}, [&] {
        if (!item.findKey({ticket, ordem})) throw data::Refusal("O Serviço Já Foi Excluído!");
        if (historico.findKey({ordem})) historico.deleteRecord();
        item.deleteRecord();
    });
}

std::optional<TicketProblem> checkEmployeeForListing(data::Tdm& dm, std::int64_t employeeCode,
                                                     const std::string& password) {
    data::OpenedTables open{&dm.TbFuncionario};
    dm.TbFuncionario.setIndexName("");
    if (employeeCode < 1 || !dm.TbFuncionario.findKey({employeeCode}))
        return TicketProblem{TicketBox::Employee, "Selecione o Funcionário Para a Pesquisa!"};
    if (!ticketPasswordMatches(dm.TbFuncionario.field("SobreNome").asString(), password))
        return TicketProblem{TicketBox::Password, "Senha do Funcionário Incorreta!"};
    return std::nullopt;
}

}  // namespace sales
