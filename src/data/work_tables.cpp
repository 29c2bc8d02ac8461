// Work tables that carry computed rows into reports, and the single-row buffers that entry
// boxes are bound to. They live beside each program instance, not in the shared data
// directory, so two stations printing or typing at once never see each other's rows.
#include "data/table_builders.h"
#include "data/tables.h"

namespace data {

using namespace builders;

namespace {

TableEntry virtualComissoes() {
    return entry("TbVirtual",
                 tableDef("Virtual.DAT",
                          {integer("Codigo"), text("Funcionario", 60), money("Total"), money("COM"),
                           money("Vale"), calculated(money("Valor"))},
                          {"Codigo"}, {index("siCOM", {"COM", "Codigo"})}),
                 Placement::Private);
}

// "siPOR" lists the largest share first, as a reader of the balance sheet looks for it.
// Indexes only rise, so it is kept on the share negated (Ordem = -TotalREF, written with it).
TableEntry virtualReceber() {
    return entry("TbVirtualR",
                 tableDef("ReceberVirtual.DAT",
                          {text("Descricao", 80), money("Total"), floating("TotalREF"), floating("Ordem")},
                          {"Descricao"}, {index("siPOR", {"Ordem", "Descricao"})}),
                 Placement::Private);
}

TableEntry virtualPagar() {
    return entry("TbVirtualP",
                 tableDef("PagarVirtual.DAT",
                          {text("Codigo", 10), text("Descricao", 35), money("Total"), text("Inicial", 4),
                           floating("POR1", "0.00"), floating("POR2", "0.00"),
                           // kept for the record, read by no operation
                           text("Referencia", 35), currency("TotalREF")},
                          {"Codigo"}),
                 Placement::Private);
}

TableEntry temp() {
    return entry("TbTemp",
                 tableDef("Temporaria.DAT",
                          {integer("Codigo"), text("Produto", 60), integer("CodFUN"), money("Total"),
                           // kept for the record, read by no operation
                           date("Data"), text("Funcionario", 60)},
                          {"Codigo"}, {index("siTotal", {"Total", "Codigo"})}),
                 Placement::Private);
}

// The bill being split into installments; emptied once they are written.
TableEntry pagarPC() {
    return entry("TbPagarPC",
                 tableDef("PagarPC.DAT",
                          {integer("Contador"), shortDate("Lancamento"), shortDate("Vencimento"),
                           text("Tipo", 30), text("Documento", 30), text("Descricao", 60), integer("CodFOR"),
                           text("Fornecedor", 50), text("CodPlano", 15), text("Plano", 35), currency("Valor"),
                           text("Cheque", 15), text("Conta", 15), text("Banco", 15), text("Agencia", 15),
                           text("FormaPGTO", 20), currency("ValorPC"), floating("Parcelas"),
                           // kept for the record, read by no operation
                           date("Pagamento"), currency("Total"), text("Status", 10), text("SubCodigo", 10),
                           text("SubNome", 20), date("Emissao"), text("Numero", 10), text("Mes", 10),
                           text("Ano", 10), integer("Codigo"), text("Funcionario", 50), integer("CO"),
                           text("Obra", 45), date("VCTO"), integer("PC"), text("Empresa", 35)}),
                 Placement::Private);
}

TableEntry atende() {
    return entry("TbAtende",
                 tableDef("Atendimento.DAT", {integer("CodFUN"), text("Funcionario", 60), integer("Codigo"),
                                              text("Servico", 60), currency("Valor"), currency("Comissao"),
                                              // kept for the record, read by no operation
                                              shortDate("Date"), floating("COM"), currency("Total")}),
                 Placement::PrivateSingleRow);
}

TableEntry credito() {
    return entry("TbCredito",
                 tableDef("Credito.DAT", {money("Credito"), money("Total"),
                                          // kept for the record, read by no operation
                                          integer("Contador")}),
                 Placement::PrivateSingleRow);
}

TableEntry atual() {
    return entry("TbAtual", tableDef("SaldoAtual.DAT", {currency("SaldoAtual")}),
                 Placement::PrivateSingleRow);
}

TableEntry soma() {
    return entry("TbSoma", tableDef("Somatorio.DAT", {currency("Saldo")}), Placement::PrivateSingleRow);
}

TableEntry datas() {
    return entry("TbDatas",
                 tableDef("Datas.DAT", {shortDate("Data1"), shortDate("Data2"), shortDate("Data3"),
                                        // kept for the record, read by no operation
                                        currency("Saldo")}),
                 Placement::PrivateSingleRow);
}

}  // namespace

std::vector<TableEntry> workTables() {
    return {virtualComissoes(), virtualReceber(), virtualPagar(), temp(), pagarPC(),
            atende(),           credito(),        atual(),        soma(), datas()};
}

}  // namespace data
