// The tables that record what happens in the salon: sales, tickets, appointments, cash,
// receivables, payables, bank and stock. Where the callers leave an index open after its
// leading fields, the record's key follows, so rows with equal leading values keep one order.
#include "data/table_builders.h"
#include "data/tables.h"

namespace data {

using namespace builders;

namespace {

std::vector<store::FieldDef> joined(std::vector<store::FieldDef> first,
                                    const std::vector<store::FieldDef>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

TableEntry servico() {
    return entry(
        "TbServico",
        tableDef("Servicos.DAT",
                 {integer("Contador"), shortDate("Data"), integer("CodCliente"), text("Cliente", 45),
                  integer("CodFun"), text("Funcioario", 45), money("Total"), text("TipoPG", 25),
                  money("Saldo"), shortDate("DataPG"), money("SubTotal"), integer("Caixa"),
                  integer("CodTipo"), money("Valor"), floating("COM"), integer("Codigo"),
                  text("Descricao", 50), currency("PGTotal"),
                  // kept for the record, read by no operation
                  currency("Comissao"), currency("Abatimento")},
                 {"Contador"},
                 {index("siNome", {"Cliente"}), index("siData", {"Data"}), index("siCaixa", {"Caixa"})}));
}

TableEntry itensServico() {
    return entry(
        "TbItensServico",
        tableDef("ItensServico.DAT",
                 {integer("Contador"), integer("Ordem"), integer("Codigo"), text("Descricao", 45),
                  floating("Porcentagem"), currency("Comissao"), shortDate("Data"), integer("CodFun"),
                  text("Funcionario", 45), money("Total"), integer("CodCli"), text("Cliente", 45),
                  text("Tipo", 10), text("PGTO", 20), calculated(currency("Comi"))},
                 {"Contador", "Ordem"},
                 {indexCi("siData", {"Data"}), indexCi("siFunc", {"Tipo", "CodFun", "Data"}),
                  indexCi("siDataCli", {"CodCli", "Data"}), indexCi("siCOMG", {"Tipo", "Data"})}));
}

TableEntry comando() {
    return entry("TbComando", tableDef("Comando.DAT", {integer("Comando")}, {"Comando"}));
}

// A service done on a ticket, as kept on the open ticket and in the history.
std::vector<store::FieldDef> ticketServiceFields() {
    return {integer("Codigo"), text("Servico", 60), money("Valor"), floating("COM"), floating("Desconto"),
            integer("CodFUN"), text("Funcionario", 60), shortDate("Data"), calculated(money("Manu")),
            calculated(money("VC")),
            // kept for the record, read by no operation
            currency("Comissao"), currency("VD")};
}

TableEntry itemComando() {
    return entry(
        "TbItemComando",
        tableDef("ItensComando.DAT", joined({integer("Comando"), integer("Ordem")}, ticketServiceFields()),
                 {"Comando", "Ordem"}));
}

TableEntry historico() {
    return entry("TbHistorico", tableDef("Historico.DAT", joined({integer("Ordem")}, ticketServiceFields()),
                                         {"Ordem"}, {index("siFUN", {"CodFUN", "Data"})}));
}

TableEntry agenda() {
    return entry("TbAgenda",
                 tableDef("Agenda.DAT",
                          {integer("Codigo"), shortDate("Data"), text("Hora", 10), text("Funcionario", 45),
                           text("Cliente", 45), text("Servico", 45), integer("CodPROD"),
                           // reminder marks ("SIM"): sent to the client, confirmed by the client
                           text("Enviado", 3), text("Confirmado", 3)},
                          {"Codigo", "Data", "Hora"},
                          // by code: a renamed employee keeps his slots, namesakes keep apart
                          {index("siFUNC", {"Codigo", "Data", "Hora"}),
                           index("siData", {"Data", "Hora", "Codigo"})}));
}

TableEntry caixa() {
    return entry("TbCaixa", tableDef("Caixa.DAT", {integer("Contador"),     text("Status", 10),
                                                   text("Funcionario", 50), integer("CodFUN"),
                                                   shortDate("Abertura"),   shortDate("Fechamento"),
                                                   time("Hora1"),           time("Hora2"),
                                                   money("DinheiroDIA"),    money("Dinheiro"),
                                                   money("Cheque"),         money("Cartao"),
                                                   money("Debito"),         money("TEF"),
                                                   money("Credito"),        money("Total"),
                                                   money("DinheiroTOTAL"),  money("Deposito"),
                                                   money("Repasse"),        calculated(money("Caixa"))},
                                     {"Contador"}, {index("siData", {"Abertura"})}));
}

// Open and settled IOU notes are looked up the same ways.
std::vector<store::IndexDef> receivableIndexes() {
    return {indexCi("siDataLan", {"DataLan"}),          indexCi("siData", {"DataVen"}),
            indexCi("sidesc", {"Descricao"}),           indexCi("siCodCliente", {"CodCliente", "DataVen"}),
            indexCi("siTipo", {"CodPlano", "DataVen"}), indexCi("siVendedor", {"Vendedor", "DataVen"}),
            indexCi("siDocumento", {"Documento"})};
}

TableEntry receber() {
    return entry("TbReceber",
                 tableDef("Receber.DAT",
                          {integer("Contador"), shortDate("DataLan"), shortDate("DataVen"),
                           text("Vendedor", 45), money("Valor"), text("Descricao", 70), integer("CodCliente"),
                           text("Cliente", 45), text("Documento", 20), text("SubNome", 50), memo("Servicos"),
                           // kept for the record, read by no operation
                           text("CodPlano", 10), text("Plano", 45), text("Empresa", 20),
                           text("SubCodigo", 15), text("Status", 10), text("Marca", 10), currency("Pago")},
                          {"Contador"}, receivableIndexes()));
}

TableEntry baixaR() {
    return entry(
        "TbBaixaR",
        tableDef("ReceberBaixadas.DAT",
                 {integer("Contador"), shortDate("DataLan"), shortDate("DataVen"), text("Vendedor", 45),
                  money("Valor"), text("Cliente", 45), text("Documento", 20),
                  // kept for the record, read by no operation
                  text("Descricao", 70), integer("CodCliente"), text("CodPlano", 10), text("Plano", 45),
                  longDate("Recebimento"), text("Empresa", 20), text("Status", 10), text("Marca", 10)},
                 {"Contador"}, receivableIndexes()));
}

// What an open bill and a paid bill have in common.
std::vector<store::FieldDef> billFields() {
    return {integer("Contador"),    shortDate("DataLan"), shortDate("DataVen"),   text("CodFor", 10),
            text("Fornecedor", 45), money("Valor"),       text("Descricao", 70),  text("TipoDOC", 40),
            text("Documento", 10),  text("CodPlano", 10), text("Plano", 35),      text("FormaPG", 20),
            text("Cheque", 10),     text("Banco", 15),    text("Agencia", 10),    text("Conta", 10),
            text("Tipo", 10),       integer("CodFUN"),    text("Funcionario", 50)};
}

TableEntry pagar() {
    return entry(
        "TbPagar",
        tableDef("Pagar.DAT",
                 joined(billFields(), {floating("Dias"), currency("Total"),
                                       // kept for the record, read by no operation
                                       floating("Juros"), currency("Valorpago"), date("DataBaixa")}),
                 {"Contador"},
                 {index("siData", {"DataVen", "Contador"}), index("siFOR", {"CodFor", "DataVen", "Contador"}),
                  index("siDOC", {"Documento", "Contador"})}));
}

TableEntry baixaP() {
    return entry("TbBaixaP",
                 tableDef("PagarBaixadas.DAT",
                          joined(billFields(), {shortDate("DataBaixa"), text("DESPESA", 3),
                                                // kept for the record, read by no operation
                                                floating("Dias"), floating("Juros"), currency("Total"),
                                                currency("Valorpago"), integer("Receber")}),
                          {"Contador"},
                          {index("siBaixa", {"DataBaixa", "Contador"}),
                           index("siFOR", {"CodFor", "DataBaixa", "Contador"}),
                           index("siFUN", {"CodFUN", "DataBaixa", "Contador"}),
                           index("siTipoDOC", {"TipoDOC", "DataBaixa", "Contador"}),
                           index("siDOC", {"Documento", "Contador"})}));
}

TableEntry banco() {
    return entry("TbBanco",
                 tableDef("Bancario.DAT",
                          {integer("Numero"), text("Banco", 10), text("Agencia", 10), text("Conta", 12),
                           text("Ndocumento", 15), longDate("DataLan"), longDate("DataApre"),
                           text("Discriminacao", 50), text("Situacao", 30), text("PlanoContas", 30),
                           text("CodPlano", 10), money("ValorCredito"), money("ValorDebto"), money("Valor"),
                           text("TipoConta", 30), text("Descricao", 30), integer("Pagar"),
                           // kept for the record, read by no operation
                           money("ValorSaldo"), text("Origem", 20), text("Operacao", 20), integer("Baixa"),
                           integer("Pagamento"), integer("OP"), integer("Boleto")},
                          {"Numero"},
                          {index("siBancoData", {"Conta", "DataApre", "Numero"}),
                           index("siCheque", {"Ndocumento", "Numero"})}));
}

TableEntry saldos() {
    return entry("TbSaldos", tableDef("Saldos.DAT",
                                      {text("Banco", 10), text("Agencia", 10), text("Conta", 15),
                                       longDate("Data"), currency("Saldo")},
                                      {"Conta", "Data"}, {index("siContaData", {"Conta", "Data"})}));
}

TableEntry entrada() {
    return entry(
        "TbEntrada",
        tableDef("Entrada.DAT",
                 {integer("Contador"), longDate("Data"), money("Total"), text("Nota", 10), integer("CodFor"),
                  text("Fornecedor", 60), text("Codigo", 20), text("Produto", 45), floating("QT"),
                  money("Custo"), text("Empresa", 10),
                  // kept for the record, read by no operation
                  integer("Pedido"), text("Transportadora", 45), text("Fone", 20), text("PGTO", 10)},
                 {"Contador"},
                 {index("siData", {"Data", "Contador"}), index("siFOR", {"CodFor", "Data", "Contador"})}));
}

TableEntry itemEntrada() {
    return entry("TbItemEntrada",
                 tableDef("ItemEntrada.DAT",
                          {integer("Contador"), integer("Ordem"), text("Codigo", 20), text("Descricao", 60),
                           floating("Quant"), money("Custo"), text("Empresa", 10), shortDate("Data"),
                           text("Fornecedor", 20), integer("CodFOR"), calculated(money("Total")),
                           // kept for the record, read by no operation
                           currency("Valor"), currency("Consumidor"), text("TM", 10)},
                          {"Contador", "Ordem"},
                          {index("siData", {"Data", "Contador", "Ordem"}),
                           index("siFOR", {"CodFOR", "Data", "Contador", "Ordem"})}));
}

}  // namespace

std::vector<TableEntry> operationTables() {
    return {servico(), itensServico(), comando(), itemComando(), historico(),
            agenda(),  caixa(),        receber(), baixaR(),      pagar(),
            baixaP(),  banco(),        saldos(),  entrada(),     itemEntrada()};
}

}  // namespace data
