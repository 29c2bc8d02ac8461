#include "screen_wiring.h"

#include <QCoreApplication>

#include "advances/advance_screen.h"
#include "advances/advances_report_screen.h"
#include "app/access.h"
#include "app/main_window.h"
#include "app/menu_entries.h"
#include "app/users_screen.h"
#include "bank/ledger_screen.h"
#include "cash/cash_periods_screen.h"
#include "cash/closing_screen.h"
#include "cash/conference_screen.h"
#include "cash/opening_screen.h"
#include "data/access_areas.h"
#include "data/dm.h"
#include "maintenance/screens/backup_screen.h"
#include "maintenance/screens/migration_screen.h"
#include "maintenance/screens/repair_screen.h"
#include "payables/balance_screen.h"
#include "payables/bill_screen.h"
#include "payables/paid_bills_screen.h"
#include "payables/payables_report_screens.h"
#include "payables/withdrawal_screen.h"
#include "registers/bank_account_screen.h"
#include "registers/client_screen.h"
#include "registers/employee_screen.h"
#include "registers/employee_search.h"
#include "registers/plan_screen.h"
#include "registers/product_screen.h"
#include "registers/supplier_screen.h"
#include "reports/audit_screen.h"
#include "reports/birthday_reports.h"
#include "reports/birthday_screen.h"
#include "reports/client_listing.h"
#include "reports/commissions_screen.h"
#include "reports/price_tables.h"
#include "reports/receivables_reports.h"
#include "reports/services_screen.h"
#include "sales/agenda_screen.h"
#include "sales/reminders_screen.h"
#include "sales/client_credit_screen.h"
#include "sales/client_receipts_screen.h"
#include "sales/note_settlement_screen.h"
#include "sales/received_accounts_screen.h"
#include "sales/sales_screen.h"
#include "sales/stock_entry_screen.h"
#include "sales/ticket_screen.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace {

template <typename Screen, typename... Args>
void showScreen(Args&&... args) {
    Screen screen(std::forward<Args>(args)...);
    ui::Dialogs::current().exec(screen);
}

}  // namespace

// The window runs each entry's cash check and access check before its screen.
void wireScreens(app::TFmMenu& menu, data::Tdm& dm) {
    namespace entry = app::entry;
    menu.wire(entry::Clientes, [&dm] { registers::showClientes(dm); });
    menu.wire(entry::MenuClientes, [&dm] { registers::showClientes(dm); });
    menu.wire(entry::Abrir, [&dm] { cash::showAbrir(dm); });
    menu.wire(entry::Fechar, [&dm] { cash::showFechar(dm); });
    menu.wire(entry::Funcionarios, [&dm] { registers::showFuncionarios(dm); });
    menu.wire(entry::Produtos, [&dm] { registers::showProdutos(dm); });
    menu.wire(entry::Fornecedores, [&dm] { registers::showFornecedores(dm); });
    menu.wire(entry::PlanoContas, [&dm] { registers::showPlano(dm); });
    menu.wire(entry::ContasBancarias, [&dm] { registers::showCadContas(dm); });
    menu.wire(entry::Caixa, [&dm] { sales::showModuloVenda(dm); });
    menu.wire(entry::Pagar, [&dm] { payables::showPagar(dm); });
    menu.wire(entry::Balancete, [&dm] { payables::showBalancete(dm); });
    sales::setWithdrawalScreen([](data::Tdm& dm) { payables::showPagarDH(dm); });
    menu.wire(entry::PagarPeriodo, [&dm] { showScreen<payables::TFmDataPagar>(dm); });
    menu.wire(entry::PagarFornecedor, [&dm] { showScreen<payables::TFmDataFor>(dm); });
    menu.wire(entry::BaixadasPeriodo, [&dm] { payables::showConsBaixaPagar(dm); });
    menu.wire(entry::BaixadasFornecedor, [&dm] { showScreen<payables::TFmDataForBaixado>(dm); });
    menu.wire(entry::Vale, [&dm] { advances::showVale(dm); });
    menu.wire(entry::Vales, [&dm] { advances::showDataVale(dm); });
    menu.wire(entry::FechamentosCaixa, [&dm] { cash::showDataCaixa(dm); });
    menu.wire(entry::ConferenciaCaixa, [&dm] { cash::showDataCONF(dm); });
    menu.wire(entry::Auditoria, [&dm] { reports::showAuditoria(dm); });
    menu.wire(entry::Credito, [&dm] { sales::showCredito(dm); });
    menu.wire(entry::Acerto, [&dm] { sales::showDataRC(dm); });
    menu.wire(entry::Banco, [&dm] { bank::showControleBancario(dm); });
    menu.wire(entry::Agenda, [&dm] { sales::showAgenda(dm); });
    menu.wire(entry::Lembretes, [&dm] { sales::showLembretes(dm); });
    menu.wire(entry::Comanda, [&dm] { sales::showComando(dm); });
    menu.wire(entry::EntradaProdutos, [&dm] { sales::showEntrada(dm); });
    app::setEmployeeSearch([&dm] { registers::showConsFunc(dm); });
    // Both open on a server too: backups copy its tables, and repair says the server keeps them.
    menu.wire(entry::Backup, [&dm] {
        showScreen<maintenance::TFmBackup>(
            dm, [&dm] { return app::accessCheck(dm, data::area::kRestaurarBackup); });
    });
    menu.wire(entry::Manutencao, [&dm] { showScreen<maintenance::TFmReparador>(dm); });
    // Once the data are moved, this station has nothing left to work on here.
    menu.wire(entry::TransferirDados,
              [&dm] { showScreen<maintenance::TFmTransferir>(dm, [] { QCoreApplication::exit(0); }); });
    menu.wire(entry::PrecoServicos, [&dm] { reports::previewPriceTable(dm, reports::PriceTable::Servicos); });
    menu.wire(entry::PrecoProdutos, [&dm] { reports::previewPriceTable(dm, reports::PriceTable::Produtos); });
    menu.wire(entry::PrecoProdutosServicos,
              [&dm] { reports::previewPriceTable(dm, reports::PriceTable::ProdutosEServicos); });
    menu.wire(entry::ReceberNotinhas, [&dm] {
        ui::runGuarded([&dm] { reports::printOpenReceivables(dm, reports::previewReport); });
    });
    menu.wire(entry::RecebidasCliente, [&dm] { sales::showReceberBCliente(dm); });
    menu.wire(entry::ListagemGeral, [&dm] { reports::previewClientListing(dm); });
    menu.wire(entry::Aniversariantes, [&dm] { reports::showBirthdayScreen(dm); });
    menu.wire(entry::ServicosPeriodo, [&dm] { reports::showDataServico(dm); });
    menu.wire(entry::Comissoes, [&dm] { reports::showDataServico2(dm); });
    menu.wire(entry::ContasRecebidas, [&dm] { sales::showConsBaixaReceber(dm); });
    menu.onBirthdaysToday = [&dm] { reports::previewSelectedBirthdays(dm); };
}
