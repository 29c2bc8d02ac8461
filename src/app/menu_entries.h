#pragma once
// Every button and menu item of the main window: where it sits, its hint, the access area
// that guards it and the cash state it needs. The window is built from this table; later
// screens are connected to an entry by its id (the control's objectName).
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "app/cash_state.h"

namespace app {

namespace entry {
// Button bar.
inline const QString Clientes = QStringLiteral("BtClientes");
inline const QString Agenda = QStringLiteral("BtAgenda");
inline const QString Abrir = QStringLiteral("BtAbrir");
inline const QString Fechar = QStringLiteral("BtFechar");
inline const QString Caixa = QStringLiteral("BtCaixa");
inline const QString Balancete = QStringLiteral("BtBalancete");
inline const QString Pagar = QStringLiteral("BtPagar");
inline const QString Vale = QStringLiteral("BtVale");
inline const QString Acerto = QStringLiteral("BtAcerto");
inline const QString Credito = QStringLiteral("BtCredito");
inline const QString Banco = QStringLiteral("BtBanco");
inline const QString Backup = QStringLiteral("BtBackup");
inline const QString Relatorios = QStringLiteral("BtRelatorios");
inline const QString Comanda = QStringLiteral("BtComanda");
// "&Arquivos".
inline const QString MenuClientes = QStringLiteral("MiClientes");
inline const QString Funcionarios = QStringLiteral("MiFuncionarios");
inline const QString Fornecedores = QStringLiteral("MiFornecedores");
inline const QString Produtos = QStringLiteral("MiProdutos");
inline const QString EntradaProdutos = QStringLiteral("MiEntradaProdutos");
inline const QString Lembretes = QStringLiteral("MiLembretes");
inline const QString ContasBancarias = QStringLiteral("MiContasBancarias");
inline const QString Senhas = QStringLiteral("MiSenhas");
inline const QString Acesso = QStringLiteral("MiAcesso");
inline const QString AcessoAlternativo = QStringLiteral("MiAcessoAlternativo");
inline const QString TransferirDados = QStringLiteral("MiTransferirDados");
inline const QString PlanoContas = QStringLiteral("MiPlanoContas");
inline const QString Sair = QStringLiteral("MiSair");
// "Manutenção", the menu-bar title itself.
inline const QString Manutencao = QStringLiteral("MiManutencao");
// "&Relatórios".
inline const QString PagarPeriodo = QStringLiteral("MiPagarPeriodo");
inline const QString PagarFornecedor = QStringLiteral("MiPagarFornecedor");
inline const QString BaixadasPeriodo = QStringLiteral("MiBaixadasPeriodo");
inline const QString BaixadasFornecedor = QStringLiteral("MiBaixadasFornecedor");
inline const QString ReceberNotinhas = QStringLiteral("MiReceberNotinhas");
inline const QString RecebidasCliente = QStringLiteral("MiRecebidasCliente");
inline const QString PrecoServicos = QStringLiteral("MiPrecoServicos");
inline const QString PrecoProdutos = QStringLiteral("MiPrecoProdutos");
inline const QString PrecoProdutosServicos = QStringLiteral("MiPrecoProdutosServicos");
inline const QString ListagemGeral = QStringLiteral("MiListagemGeral");
inline const QString Aniversariantes = QStringLiteral("MiAniversariantes");
inline const QString Vales = QStringLiteral("MiVales");
inline const QString ServicosPeriodo = QStringLiteral("MiServicosPeriodo");
inline const QString Comissoes = QStringLiteral("MiComissoes");
inline const QString ConferenciaCaixa = QStringLiteral("MiConferenciaCaixa");
inline const QString FechamentosCaixa = QStringLiteral("MiFechamentosCaixa");
inline const QString Auditoria = QStringLiteral("MiAuditoria");
inline const QString ContasRecebidas = QStringLiteral("MiContasRecebidas");
inline const QString OcultarRelatorios = QStringLiteral("MiOcultarRelatorios");
// "Sobre".
inline const QString OPrograma = QStringLiteral("MiOPrograma");
inline const QString GuiaReferencia = QStringLiteral("MiGuiaReferencia");
inline const QString Manual = QStringLiteral("MiManual");
}  // namespace entry

// What the main window takes away while an entry's screen is open.
enum class WhileOpen { Nothing, ButtonBar, ButtonBarAndMenus };

struct MenuEntry {
    QString id;
    QString caption;
    QString hint;
    std::optional<double> area;  // the access check's area; none: no check
    CashNeed cash = CashNeed::None;
    // Menu bar: the menus that lead to the item ("&Relatórios", "Contas a Pagar"); empty
    // for an item that is a menu-bar title itself. Button bar: empty.
    QStringList menus;
    bool onButtonBar = false;
    bool hidden = false;  // present, shown by no operation
    WhileOpen whileOpen = WhileOpen::Nothing;
};

// In display order: the button bar left to right, then the menu bar top to bottom.
const std::vector<MenuEntry>& menuEntries();
const MenuEntry* findMenuEntry(const QString& id);

}  // namespace app
