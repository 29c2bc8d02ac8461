// The catalogue, user and settings tables.
#include "data/table_builders.h"
#include "data/tables.h"

namespace data {

using namespace builders;

namespace {

TableEntry cliente() {
    return entry(
        "TbCliente",
        tableDef("Clientes.DAT",
                 {centred(integer("Codigo")), text("Nome", 45), text("Endereco", 45), text("Bairro", 45),
                  text("Cidade", 35), text("CEP", 11, kCepMask), text("Fone", 15), text("Celular", 15),
                  money("Saldo"), memo("Obs"), text("Aniversario", 10), integer("Dia"), integer("Mes"),
                  text("Email", 60), longDate("Nascimento"),
                  // consent marks ("SIM" when given) and the day each was given
                  text("Lembretes", 3), shortDate("DataLembretes"), text("Ofertas", 3),
                  shortDate("DataOfertas")},
                 {"Codigo"},
                 {indexCi("siNome", {"Nome"}), indexCi("siAniversario", {"Aniversario"}),
                  indexCi("siDia", {"Dia"})}));
}

TableEntry foto() {
    return entry("TbFoto", tableDef("Fotografias.DAT",
                                    {integer("Codigo"), integer("Ordem"), graphic("Antes"), graphic("Depois"),
                                     shortDate("Data")},
                                    {"Codigo", "Ordem"}));
}

TableEntry funcionario() {
    return entry(
        "TbFuncionario",
        tableDef(
            "Funcionario.DAT",
            {integer("Codigo"), text("Nome", 60), text("RG", 20), text("CPF", 20, R"(999\.999\.999\-99;1;_)"),
             text("Endereco", 50), text("Bairro", 35), text("Cidade", 35), text("UF", 10), text("Fone", 15),
             text("Celular", 15), text("Cargo", 40), text("Qualificacao", 100), floating("Comissao"),
             money("Salario"), longDate("Nascimento"), graphic("Foto"), text("Email", 40),
             text("Escolaridade", 30), text("Titulo", 20), text("CTPS", 20), text("CNH", 20), text("PIS", 20),
             shortDate("Admissao"), text("Horario", 20), text("SobreNome", 40), text("Banco", 20),
             text("Agencia", 10), text("Conta", 10), integer("CO"),
             // kept for the record, read by no operation
             text("Mae", 60), currency("Bonificacao"), currency("Encargos"), floating("Horas"),
             currency("CustoHora"), text("Conjugue", 50), shortDate("Afastamento"), text("Motivo", 80),
             text("VT", 10), text("QVT", 10), text("Completo", 60), text("Folha", 10), text("Obra", 45)},
            {"Codigo"}, {indexCi("siNome", {"Nome"})}));
}

TableEntry hora() {
    return entry("TbHora", tableDef("Hora.DAT",
                                    {integer("Codigo"), integer("Ordem"), text("Hora", 10, R"(99\:99;1;_)")},
                                    {"Codigo", "Ordem"}));
}

TableEntry fornec() {
    return entry(
        "TbFornec",
        tableDef("Fornecedores.DAT",
                 {integer("Codigo"), text("Nome", 60), text("NomeFantasia", 40),
                  text("Cgc", 20, R"(99\.999\.999\/9999\-99;1;_)"), text("InscricaoEstadual", 20),
                  text("Endereco", 45), text("Bairro", 25), text("Cidade", 25), text("Cep", 14, kCepMask),
                  text("Estado", 2), text("Fone", 15), text("Fax", 15), text("Email", 40),
                  text("Contato", 45), text("CodPlano", 10), text("Plano", 50),
                  // kept for the record, read by no operation
                  text("Atividade", 30), text("EnderecoR", 40), text("BairroR", 35), text("CidadeR", 35),
                  text("CepR", 11, kCepMask), text("Fone2R", 15), text("CelularR", 15), text("FaxR", 15),
                  shortDate("UltCompra"), text("UfR", 2), text("CodCategoria", 10), text("Categoria", 35),
                  text("Fone1R", 30), text("Obs1", 90), text("Obs2", 90), text("Obs3", 90), text("Obs4", 90),
                  text("Contato2", 45), text("Contato3", 45), text("NomeR", 60)},
                 {"Codigo"}, {indexCi("siNome", {"Nome"}), indexCi("siFantasia", {"NomeFantasia"})}));
}

TableEntry produtos() {
    return entry("TbProdutos",
                 tableDef("Produtos.db",
                          {integer("Codigo"), text("Descricao", 45), text("Tipo", 15), money("Valor"),
                           money("Custo"), text("Grupo", 35), floating("Saida", kMoneyFormat),
                           floating("Estoque"), integer("CodFor"), text("Fornecedor", 45)},
                          {"Codigo"}, {indexCi("siDescricao", {"Descricao"}), indexCi("siTipo", {"Tipo"})}));
}

TableEntry duplicado() {
    return entry("TbDuplicado", tableDef("Duplicados.db", {integer("Codigo")}, {"Codigo"}));
}

TableEntry plano() {
    return entry("TbPlano", tableDef("PlanoContas.DAT",
                                     {text("Codigo", 15), text("Descricao", 50), text("SubCodigo", 15),
                                      text("Marca", 10), currency("Total")},
                                     {"Codigo"}, {indexCi("siDesc", {"Descricao"})}));
}

TableEntry conta() {
    return entry("TbConta",
                 tableDef("Contas.DAT",
                          {text("Conta", 10), text("Agencia", 10), text("Banco", 12), text("Nome", 35),
                           text("Titular", 45), money("Limite"), money("Credito"), money("Investimentos"),
                           shortDate("Data01"), money("Valor"), shortDate("Data02")},
                          {"Conta"}));
}

TableEntry senha() {
    return entry("TbSenha", tableDef("Senhas.DAT",
                                     {integer("Codigo"), text("Usuario", 30), text("Senha", 128),
                                      integer("CodFUN"), text("Nivel", 20), text("CRM", 10)},
                                     {"Codigo"}));
}

TableEntry acesso() {
    return entry(
        "TbAcesso",
        tableDef("Acesso.DAT", {floating("Codigo"), text("Local", 35), text("Status", 1)}, {"Codigo"}));
}

TableEntry itemAcesso() {
    return entry("TbItemAcesso",
                 tableDef("ItemAcesso.DAT", {floating("Codigo"), integer("Numero"), text("Usuario", 45)},
                          {"Codigo", "Numero"}));
}

TableEntry config() {
    return entry(
        "TbConfig",
        tableDef(
            "Configuracoes.DAT",
            {text("Nome", 50), graphic("Logotipo"), floating("Manutencao"), text("COM", 10),
             text("VALOR", 10), text("PROMOCAO", 10), text("AltPagar", 15), text("Servico", 15),
             money("Total"), money("Pago"), money("SD"), money("SA"), integer("CodTipo"), text("TipoPG", 10),
             // the data set's master password, only as its salted hash
             text("SenhaMaster", 128),
             // the receipt printer (receipts/printer_settings.h)
             text("ImpTransporte", 10), text("ImpHost", 60), integer("ImpPorta"), text("ImpDispositivo", 120),
             text("ImpFila", 60), integer("ImpLargura"), text("ImpCodigo", 10), text("ImpGaveta", 3),
             // appointment reminders: the message's template and the salon's own area code
             memo("Lembrete"), text("DDD", 2)}));
}

TableEntry contador() {
    return entry("TbContador", tableDef("Contador.DAT",
                                        {integer("ContServico"), integer("ContServ"), integer("ContFecha"),
                                         integer("ContFechaCaixa"), integer("ContReceber"),
                                         integer("ContBaixaR"), integer("ContPagar"), integer("ContBaixaP"),
                                         // kept for the record, read by no operation
                                         integer("ContAgenda"), text("Status", 10), text("Funcionario", 45),
                                         time("Hora1"), time("Hora2"), shortDate("Data1"), shortDate("Data2"),
                                         integer("ContaFechamento"), money("Dinheiro"), money("Cheque"),
                                         money("Cartao"), money("Contrato"), money("Total")}));
}

// Append-only: the store refuses to change or remove a row (data/audit_trail.h).
TableEntry auditoria() {
    store::TableDef def = tableDef("Auditoria.DAT",
                                   {integer("Codigo"), shortDate("Data"), time("Hora"), text("Estacao", 60),
                                    integer("CodUsuario"), text("Usuario", 30), integer("CodAutorizou"),
                                    text("Autorizou", 30), text("Acao", 40), text("Tabela", 20), text("Chave", 40),
                                    memo("Resumo"), text("Motivo", 120), text("Anterior", 64), text("Hash", 64)},
                                   {"Codigo"}, {index("siData", {"Data", "Hora"})});
    def.appendOnly = true;
    return entry("TbAuditoria", std::move(def));
}

}  // namespace

std::vector<TableEntry> registerTables() {
    return {cliente(), foto(),  funcionario(), hora(),   fornec(),     produtos(), duplicado(), plano(),
            conta(),   senha(), acesso(),      itemAcesso(), config(), contador(), auditoria()};
}

}  // namespace data
