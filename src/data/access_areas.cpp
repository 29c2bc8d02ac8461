#include "data/access_areas.h"

namespace data {

const std::vector<AccessArea>& accessAreas() {
    // There is no area 25.
    static const std::vector<AccessArea> areas = {
        {1, "Senhas e Configurações de Acesso"},
        {1.1, "Manutenção de Tabelas"},
        {1.2, "Backup"},
        {1.3, "Restaurar Backup"},
        {1.4, "Cadastro de Plano de Contas"},
        {1.5, "Alterar/Excluir Plano de Contas"},
        {2, "Relatórios"},
        {2.1, "Balancete"},
        {2.2, "Agenda"},
        {3, "Cadastro de Clientes"},
        {4, "Alterar Cliente"},
        {5, "Excluir Cliente"},
        {6, "Cadastro de Funcionários"},
        {7, "Alterar Funcionário"},
        {8, "Excluir Funcionário"},
        {9, "Cadastro de Fornecedores"},
        {10, "Alterar Fornecedor"},
        {11, "Excluir Fornecedor"},
        {12, "Cadastro de Produtos e Serviços"},
        {13, "Excluir Produto ou Serviço"},
        {14, "Alterar Estoque de Produto"},
        {14.1, "Entrada de Produtos"},
        {14.2, "Alterar/Excluir Entrada Produtos"},
        {14.3, "Excluir Serviço da Comanda"},
        {15, "Abrir Caixa"},
        {16, "Fechar Caixa"},
        {17, "Caixa - Módulo de Vendas"},
        {17.01, "Vale Para Funcionário"},
        {17.1, "Excluir Venda"},
        {17.2, "Alterar Valor na Venda"},
        {18, "Crédito de Clientes"},
        {19, "Acerto de Notinhas"},
        {20, "Retirada de Dinheiro do Caixa"},
        {21, "Contas a Pagar"},
        {22, "Alterar Conta a Pagar"},
        {23, "Excluir Conta a Pagar"},
        {24, "Controle Bancário"},
        {26, "Cadastro de Contas Bancárias"},
    };
    return areas;
}

}  // namespace data
