#include "data/access_areas.h"

#include "data/dm.h"
#include "data/rows.h"
#include "data/store/posting.h"

namespace data {

const std::vector<AccessArea>& accessAreas() {
    // There is no area 25.
    static const std::vector<AccessArea> areas = {
        {area::kSenhas, "Senhas e Configurações de Acesso"},
        {area::kManutencao, "Manutenção de Tabelas"},
        {area::kBackup, "Backup"},
        {area::kRestaurarBackup, "Restaurar Backup"},
        {area::kPlanoContas, "Cadastro de Plano de Contas"},
        {area::kAlterarPlano, "Alterar/Excluir Plano de Contas"},
        {area::kRelatorios, "Relatórios"},
        {area::kBalancete, "Balancete"},
        {area::kAgenda, "Agenda"},
        {area::kAuditoria, "Auditoria"},
        {area::kClientes, "Cadastro de Clientes"},
        {area::kAlterarCliente, "Alterar Cliente"},
        {area::kExcluirCliente, "Excluir Cliente"},
        {area::kFuncionarios, "Cadastro de Funcionários"},
        {area::kAlterarFuncionario, "Alterar Funcionário"},
        {area::kExcluirFuncionario, "Excluir Funcionário"},
        {area::kFornecedores, "Cadastro de Fornecedores"},
        {area::kAlterarFornecedor, "Alterar Fornecedor"},
        {area::kExcluirFornecedor, "Excluir Fornecedor"},
        {area::kProdutos, "Cadastro de Produtos e Serviços"},
        {area::kExcluirProduto, "Excluir Produto ou Serviço"},
        {area::kAlterarEstoque, "Alterar Estoque de Produto"},
        {area::kEntradaProdutos, "Entrada de Produtos"},
        {area::kAlterarEntrada, "Alterar/Excluir Entrada Produtos"},
        {area::kExcluirServicoComanda, "Excluir Serviço da Comanda"},
        {area::kAbrirCaixa, "Abrir Caixa"},
        {area::kFecharCaixa, "Fechar Caixa"},
        {area::kVendas, "Caixa - Módulo de Vendas"},
        {area::kVale, "Vale Para Funcionário"},
        {area::kExcluirVenda, "Excluir Venda"},
        {area::kAlterarValor, "Alterar Valor na Venda"},
        {area::kCreditoClientes, "Crédito de Clientes"},
        {area::kAcertoNotinhas, "Acerto de Notinhas"},
        {area::kRetirada, "Retirada de Dinheiro do Caixa"},
        {area::kContasPagar, "Contas a Pagar"},
        {area::kAlterarContaPagar, "Alterar Conta a Pagar"},
        {area::kExcluirContaPagar, "Excluir Conta a Pagar"},
        {area::kControleBancario, "Controle Bancário"},
        {area::kContasBancarias, "Cadastro de Contas Bancárias"},
    };
    return areas;
}

void addMissingAccessAreas(Tdm& dm) {
    // No area at all: the data set is being made, and its initial data adds them all.
    if (dm.TbAcesso.isEmpty()) return;
    std::vector<const AccessArea*> missing;
    for (const AccessArea& area : accessAreas())
        if (!dm.TbAcesso.findKey({area.code})) missing.push_back(&area);
    if (missing.empty()) return;
    store::post({&dm.TbAcesso}, [&] {
        for (const AccessArea* area : missing)
            addRow(dm.TbAcesso, {{"Codigo", area->code}, {"Local", area->local}, {"Status", ""}});
    });
}

}  // namespace data
