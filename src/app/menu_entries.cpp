#include "app/menu_entries.h"

#include "data/access_areas.h"

namespace app {

namespace area = data::area;

namespace {

MenuEntry button(const QString& id, const QString& caption, const QString& hint, std::optional<double> area,
                 CashNeed cash = CashNeed::None, WhileOpen whileOpen = WhileOpen::Nothing) {
    return {.id = id,
            .caption = caption,
            .hint = hint,
            .area = area,
            .cash = cash,
            .onButtonBar = true,
            .whileOpen = whileOpen};
}

MenuEntry item(const QString& id, QStringList menus, const QString& caption,
               std::optional<double> area = std::nullopt) {
    return {.id = id, .caption = caption, .area = area, .menus = std::move(menus)};
}

MenuEntry hiddenEntry(MenuEntry entry) {
    entry.hidden = true;
    return entry;
}

std::vector<MenuEntry> buildEntries() {
    using namespace entry;
    const QStringList arquivos{QStringLiteral("&Arquivos")};
    const QStringList configuracoes{QStringLiteral("&Arquivos"),
                                    QStringLiteral("Configurações do Programa...")};
    const QString relatorios = QStringLiteral("&Relatórios");
    const QStringList aPagar{relatorios, QStringLiteral("Contas a Pagar")};
    const QStringList baixadas{relatorios, QStringLiteral("Contas a Pagar Baixadas")};
    const QStringList tabelas{relatorios, QStringLiteral("Tabelas de Preços e Estoque")};
    const QStringList listagem{relatorios, QStringLiteral("Listagem de Clientes...")};
    const QStringList produtosServicos{relatorios, QStringLiteral("Produtos e Serviços")};
    const QStringList sobre{QStringLiteral("Sobre")};

    return {
        button(Clientes, "Clientes", "Cadastro de Clientes", area::kClientes),
        button(Agenda, "&Agenda", "Agenda Diária", area::kAgenda, CashNeed::None, WhileOpen::ButtonBar),
        button(Abrir, "A&brir", "Abrir Caixa", area::kAbrirCaixa, CashNeed::NotOpen),
        button(Fechar, "&Fechar", "Fechar Caixa", area::kFecharCaixa, CashNeed::NotClosed),
        button(Caixa, "&Caixa", "Controle de Caixa", area::kVendas, CashNeed::NotClosed,
               WhileOpen::ButtonBar),
        button(Balancete, "&Balancete", "Demonstrativo Financeiro", area::kBalancete),
        button(Pagar, "&Pagar", "Contas a Pagar", area::kContasPagar),
        button(Vale, "Vale", "Vale Para Funcionário", area::kVale),
        button(Acerto, "Acerto", "Acerto de Notinhas", area::kAcertoNotinhas, CashNeed::NotClosed),
        button(Credito, "Crédito", "Inserir Crédito Para Cliente", area::kCreditoClientes,
               CashNeed::NotClosed),
        button(Banco, "Banco", "", area::kControleBancario),
        hiddenEntry(button(Relatorios, "&Relatórios", "Exibir Menu Relatórios", area::kRelatorios)),
        hiddenEntry(
            button(Comanda, "Comanda", "", std::nullopt, CashNeed::None, WhileOpen::ButtonBarAndMenus)),
        button(Backup, "&Backup", "Cópia de Segurança", area::kBackup),

        item(MenuClientes, arquivos, "&Clientes...", area::kClientes),
        item(Funcionarios, arquivos, "&Funcionários...", area::kFuncionarios),
        item(Fornecedores, arquivos, "F&ornecedores...", area::kFornecedores),
        item(Produtos, arquivos, "Cadastro de Produtos e Serviços...", area::kProdutos),
        item(EntradaProdutos, arquivos, "Entrada de Produtos...", area::kEntradaProdutos),
        item(Lembretes, arquivos, "Lembretes de Horários...", area::kAgenda),
        item(ContasBancarias, arquivos, "Cadastro de Contas Bancárias...", area::kContasBancarias),
        item(Senhas, arquivos, "Cadastrar &Senhas...", area::kSenhas),
        item(Acesso, configuracoes, "Acesso...", area::kSenhas),
        item(AcessoAlternativo, configuracoes, "Acesso Alternativo..."),
        item(TransferirDados, configuracoes, "Transferir Dados...", area::kSenhas),
        item(PlanoContas, arquivos, "Cadastrar Plano de Contas...", area::kPlanoContas),
        item(Sair, arquivos, "Sair do Programa..."),

        item(Manutencao, {}, "Manutenção", area::kManutencao),

        item(PagarPeriodo, aPagar, "Por Período..."),
        item(PagarFornecedor, aPagar, "Por Fornecedor..."),
        item(BaixadasPeriodo, baixadas, "Por Período..."),
        item(BaixadasFornecedor, baixadas, "Por Fornecedor..."),
        item(ReceberNotinhas, {relatorios}, "Contas a Receber - NOTINHAS..."),
        item(RecebidasCliente, {relatorios}, "Contas Recebidas - Por Cliente..."),
        item(PrecoServicos, tabelas, "Serviços..."),
        item(PrecoProdutos, tabelas, "Produtos..."),
        item(PrecoProdutosServicos, tabelas, "Produtos e Serviços..."),
        item(ListagemGeral, listagem, "Listagem Geral..."),
        item(Aniversariantes, listagem, "Listagem de Aniversariantes..."),
        item(Vales, {relatorios}, "Vales..."),
        item(ServicosPeriodo, produtosServicos, "Por Período..."),
        item(Comissoes, produtosServicos, "Comissões de Funcionários..."),
        item(ConferenciaCaixa, {relatorios}, "Conferência de Caixa..."),
        item(FechamentosCaixa, {relatorios}, "Fechamentos de Caixa..."),
        item(Auditoria, {relatorios}, "Auditoria...", area::kAuditoria),
        hiddenEntry(item(ContasRecebidas, {relatorios}, "Contas Recebidas...")),
        hiddenEntry(item(OcultarRelatorios, {relatorios}, "Ocultar Menu Relatórios...")),

        item(OPrograma, sobre, "O Programa..."),
        item(GuiaReferencia, sobre, "Guia de Referência..."),
        item(Manual, sobre, "Manual do Programa..."),
    };
}

}  // namespace

const std::vector<MenuEntry>& menuEntries() {
    static const std::vector<MenuEntry> entries = buildEntries();
    return entries;
}

const MenuEntry* findMenuEntry(const QString& id) {
    for (const MenuEntry& e : menuEntries())
        if (e.id == id) return &e;
    return nullptr;
}

}  // namespace app
