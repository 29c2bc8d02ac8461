#include "screen_catalogue.h"

#include <QCoreApplication>
#include <QPushButton>

#include <utility>

#include "advances/advance_screen.h"
#include "advances/advances_report_screen.h"
#include "app/about.h"
#include "app/authorization.h"
#include "app/grant_screen.h"
#include "app/main_window.h"
#include "app/master_password.h"
#include "app/own_password.h"
#include "app/settings_screen.h"
#include "app/splash.h"
#include "app/start_screen.h"
#include "app/users_screen.h"
#include "bank/help_screen.h"
#include "bank/ledger_query.h"
#include "bank/ledger_screen.h"
#include "bank/statement_screen.h"
#include "bank/transfer_screen.h"
#include "cash/cash_periods_screen.h"
#include "cash/closing_screen.h"
#include "cash/conference_screen.h"
#include "cash/opening_screen.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "maintenance/screens/backup_screen.h"
#include "maintenance/screens/migration_screen.h"
#include "maintenance/screens/repair_screen.h"
#include "payables/balance_screen.h"
#include "payables/bill_entry.h"
#include "payables/bill_screen.h"
#include "payables/open_bills_screen.h"
#include "payables/paid_bills_screen.h"
#include "payables/payables_report_screens.h"
#include "payables/withdrawal_screen.h"
#include "registers/bank_account_screen.h"
#include "registers/bank_account_search.h"
#include "registers/client_history.h"
#include "registers/client_photos.h"
#include "registers/client_quick_screen.h"
#include "registers/client_screen.h"
#include "registers/client_search.h"
#include "registers/employee_screen.h"
#include "registers/employee_search.h"
#include "registers/plan_quick_screen.h"
#include "registers/plan_screen.h"
#include "registers/plan_search.h"
#include "registers/product_screen.h"
#include "registers/product_search.h"
#include "registers/supplier_quick_screen.h"
#include "registers/supplier_screen.h"
#include "registers/supplier_search.h"
#include "reports/audit_screen.h"
#include "reports/birthday_screen.h"
#include "reports/commissions_screen.h"
#include "reports/services_screen.h"
#include "sales/agenda_screen.h"
#include "sales/reminders_screen.h"
#include "sales/client_credit_screen.h"
#include "sales/client_receipts_screen.h"
#include "sales/credit_payment_screen.h"
#include "sales/note_settlement_screen.h"
#include "sales/payment_screen.h"
#include "sales/receipt_panel.h"
#include "sales/received_accounts_screen.h"
#include "sales/sale_lifecycle.h"
#include "sales/sale_query_screen.h"
#include "sales/sales_screen.h"
#include "sales/settlement_payment_screen.h"
#include "sales/stock_entry_query_screen.h"
#include "sales/stock_entry_screen.h"
#include "sales/ticket_screen.h"
#include "screen_wiring.h"
#include "ui/date_box.h"

namespace {

// Shown at the size the program gives it (or the size it would take on the desktop), without
// running events: the start screen would begin its access cycle.
void present(QWidget& screen, const QString& name, const ScreenVisitor& visit, QSize size = {}) {
    screen.setWindowState(Qt::WindowNoState);
    if (size.isValid()) screen.resize(size);
    screen.show();
    visit(screen, name);
    screen.hide();
}

template <typename Screen, typename... Args>
void presentNew(const QString& name, const ScreenVisitor& visit, Args&&... args) {
    Screen screen(std::forward<Args>(args)...);
    present(screen, name, visit);
}

}  // namespace

void forEachScreen(data::Tdm& dm, const ScreenVisitor& visit) {
    {
        // Without the data module the window does not log in when it comes up.
        app::TFmMenu menu;
        wireScreens(menu, dm);  // entries wired as in the program; greyed out, as before a login
        present(menu, QStringLiteral("TFmMenu"), visit, ui::kDesktopArea);
    }
    {
        app::TFmTelaEntrar start(dm);
        present(start, QStringLiteral("TFmTelaEntrar"), visit, ui::kDesktopArea);
    }
    {
        app::TFmFigura splash;
        present(splash, QStringLiteral("TFmFigura"), visit);
    }
    {
        app::TFmAutorizacao authorization(dm);
        present(authorization, QStringLiteral("TFmAutorizacao"), visit);
    }
    {
        app::TFmTrocaSenha ownPassword(dm);
        present(ownPassword, QStringLiteral("TFmTrocaSenha"), visit);
    }
    {
        app::TFmSenhas users(dm);
        present(users, QStringLiteral("TFmSenhas"), visit);
    }
    {
        app::TFmConSenha list(dm);
        present(list, QStringLiteral("TFmConSenha"), visit);
    }
    {
        // An area with permitted users, so the screen shows both lists filled.
        dm.TbAcesso.findKey({17.0});
        dm.TbItemAcesso.insert();
        dm.TbItemAcesso.field("Numero").setInteger(1);
        dm.TbItemAcesso.field("Usuario").setString(data::kFirstUser);
        dm.TbItemAcesso.post();
        app::TFmConfigurar settings(dm);
        present(settings, QStringLiteral("TFmConfigurar"), visit);
    }
    {
        app::TFmHabilitar picker(dm);
        present(picker, QStringLiteral("TFmHabilitar"), visit);
    }
    {
        app::TFmAdministradorCP door(dm);
        present(door, QStringLiteral("TFmAdministradorCP"), visit);
    }
    {
        app::TFmSobre about;
        present(about, QStringLiteral("TFmSobre"), visit);
    }
    {
        app::TFmAjuda help;
        present(help, QStringLiteral("TFmAjuda"), visit);
    }
    {
        // The manual beside the program, where a build or an installation puts it.
        app::TFmManual manual(app::manualFile(QCoreApplication::applicationDirPath()));
        present(manual, QStringLiteral("TFmManual"), visit);
    }
    // The search and detail screens find their tables opened by their register screen.
    {
        registers::TFmProdutos products(dm);
        present(products, QStringLiteral("TFmProdutos"), visit);
        presentNew<registers::TFmConsProduto>(QStringLiteral("TFmConsProduto"), visit, dm);
    }
    {
        registers::TFmFuncionario employees(dm);
        present(employees, QStringLiteral("TFmFuncionario"), visit);
        presentNew<registers::TFmConsFunc>(QStringLiteral("TFmConsFunc"), visit, dm);
    }
    {
        registers::TFmClientes clients(dm);
        present(clients, QStringLiteral("TFmClientes"), visit);
        presentNew<registers::TFmConsCliente>(QStringLiteral("TFmConsCliente"), visit, dm);
        presentNew<registers::TFmConsClienteNO>(QStringLiteral("TFmConsClienteNO"), visit, dm);
        presentNew<registers::TFmClientesNO>(QStringLiteral("TFmClientesNO"), visit, dm);
        presentNew<registers::TFmHistorico>(QStringLiteral("TFmHistorico"), visit, dm);
        presentNew<registers::TFmFotografias>(QStringLiteral("TFmFotografias"), visit, dm);
    }
    {
        registers::TFmFornecedores suppliers(dm);
        present(suppliers, QStringLiteral("TFmFornecedores"), visit);
        presentNew<registers::TFmConsFornec>(QStringLiteral("TFmConsFornec"), visit, dm);
        presentNew<registers::TFmConsFornecPG>(QStringLiteral("TFmConsFornecPG"), visit, dm);
    }
    {
        registers::TFmFornecedoresPG quick(dm);
        present(quick, QStringLiteral("TFmFornecedoresPG"), visit);
        // The empty supplier it starts on goes again.
        dm.TbFornec.cancel();
        dm.TbFornec.deleteRecord();
    }
    {
        registers::TFmPlano plan(dm);
        present(plan, QStringLiteral("TFmPlano"), visit);
        presentNew<registers::TFmConsPlano>(QStringLiteral("TFmConsPlano"), visit, dm);
        presentNew<registers::TFmPlanoNO>(QStringLiteral("TFmPlanoNO"), visit, dm);
    }
    {
        registers::TFmCadContas accounts(dm);
        present(accounts, QStringLiteral("TFmCadContas"), visit);
        presentNew<registers::TFmConsContas>(QStringLiteral("TFmConsContas"), visit, dm);
    }
    {
        sales::TFmModuloVENDA till(dm);
        present(till, QStringLiteral("TFmModuloVENDA"), visit);
        // With the receipt panel "&Recibo" shows, for a sale without a client's name.
        dm.TbServico.open();
        till.findChild<sales::ReceiptPanel*>()->open(0);
        present(till, QStringLiteral("TFmModuloVENDA-Recibo"), visit);
        till.findChild<sales::ReceiptPanel*>()->hide();
        // A sale in progress with the product look-up panel shown by "F4 - Buscar"; the sale is dropped.
        till.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        till.findChild<QPushButton*>(QStringLiteral("SpeedButton1"))->click();
        present(till, QStringLiteral("TFmModuloVENDA-Consulta"), visit);
        sales::cancelSale(dm);
        // The payment screen pays the sale in progress.
        sales::startSale(dm);
        presentNew<sales::TFmPagamento>(QStringLiteral("TFmPagamento"), visit, dm);
        dm.TbServico.cancel();
    }
    {
        // An advance being entered after "&Novo"; it is dropped again before the next screen.
        advances::TFmVale advance(dm, [](const reports::Report&) {});
        advance.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        present(advance, QStringLiteral("TFmVale"), visit);
        advances::discardAdvance(dm, dm.TbPagar.field("Contador").asInteger());
    }
    presentNew<advances::TFmDataVale>(QStringLiteral("TFmDataVale"), visit, dm);
    presentNew<bank::TFmControleBancario>(QStringLiteral("TFmControleBancario"), visit, dm);
    presentNew<bank::TFmConsControle>(QStringLiteral("TFmConsControle"), visit, dm);
    presentNew<bank::TFmAjudaBanco>(QStringLiteral("TFmAjudaBanco"), visit);
    presentNew<bank::TFmTransferir>(QStringLiteral("TFmTransferir"), visit, dm);
    presentNew<bank::TFmDataExtrato>(QStringLiteral("TFmDataExtrato"), visit, dm);
    {
        // After a search over the last two months, so the grids and totals show figures.
        payables::TFmBalancete balance(dm);
        balance.findChild<ui::DateBox*>(QStringLiteral("MaskEdit1"))
            ->setDate(core::Date::today().addDays(-60));
        balance.findChild<ui::DateBox*>(QStringLiteral("MaskEdit2"))->setDate(core::Date::today());
        balance.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        present(balance, QStringLiteral("TFmBalancete"), visit);
    }
    {
        // With its installment panel shown; the bill "&Novo" stored is deleted again.
        payables::TFmPagar bills(dm);
        bills.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        bills.findChild<QPushButton*>(QStringLiteral("BitBtn7"))->click();
        present(bills, QStringLiteral("TFmPagar"), visit);
        payables::deleteBill(dm, dm.TbPagar.field("Contador").asInteger());
        presentNew<payables::TFmPagarDH>(QStringLiteral("TFmPagarDH"), visit, dm);
    }
    {
        // With the settlement panel over a bill stored for it, which is deleted again.
        const std::int64_t bill = payables::startBill(dm, core::Date::today(), false);
        {
            payables::TFmConsPagar query(dm);
            query.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
            present(query, QStringLiteral("TFmConsPagar"), visit);
        }
        payables::deleteBill(dm, bill);
    }
    presentNew<payables::TFmConsBaixaPagar>(QStringLiteral("TFmConsBaixaPagar"), visit, dm);
    presentNew<payables::TFmDataPagar>(QStringLiteral("TFmDataPagar"), visit, dm);
    presentNew<payables::TFmDataFor>(QStringLiteral("TFmDataFor"), visit, dm);
    presentNew<payables::TFmDataForBaixado>(QStringLiteral("TFmDataForBaixado"), visit, dm);
    {
        // A client paying for credit, and settling notes of 120,00 with 20,00 of credit by paying 70,00.
        sales::TFmPagamentoCD credit(dm, 1, core::Currency::fromReais(50));
        present(credit, QStringLiteral("TFmPagamentoCD"), visit);
        sales::TFmPagamentoBA settlement(
            dm, {1, {}, core::Currency::fromReais(20), 0, core::Currency::fromReais(70)},
            core::Currency::fromReais(120));
        present(settlement, QStringLiteral("TFmPagamentoBA"), visit);
        presentNew<sales::TFmCredito>(QStringLiteral("TFmCredito"), visit, dm);
        presentNew<sales::TFmDataRC>(QStringLiteral("TFmDataRC"), visit, dm);
    }
    presentNew<sales::TFmConsServico>(QStringLiteral("TFmConsServico"), visit, dm);
    presentNew<sales::TFmReceberBCliente>(QStringLiteral("TFmReceberBCliente"), visit, dm);
    {
        // Today's slots of every employee, as "TODAS AGENDAS" shows them.
        sales::TFmAgenda agenda(dm);
        agenda.findChild<ui::DateBox*>(QStringLiteral("MaskEdit1"))->setDate(core::Date::today());
        agenda.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        present(agenda, QStringLiteral("TFmAgenda"), visit);
    }
    {
        // Today's reminders, so that the demo week's bookings fill the rows.
        sales::TFmLembretes reminders(dm, nullptr, [](const QUrl&) { return false; });
        reminders.findChild<ui::DateBox*>(QStringLiteral("EdData"))->setDate(core::Date::today());
        reminders.findChild<QPushButton*>(QStringLiteral("BtMostrar"))->click();
        present(reminders, QStringLiteral("TFmLembretes"), visit);
    }
    presentNew<sales::TFmComando>(QStringLiteral("TFmComando"), visit, dm);
    presentNew<sales::TFmEntrada>(QStringLiteral("TFmEntrada"), visit, dm);
    presentNew<sales::TFmConsEntrada>(QStringLiteral("TFmConsEntrada"), visit, dm);
    {
        reports::TFmAniversario birthdays(dm);
        present(birthdays, QStringLiteral("TFmAniversario"), visit);
    }
    presentNew<reports::TFmDataServico>(QStringLiteral("TFmDataServico"), visit, dm);
    presentNew<reports::TFmAuditoria>(QStringLiteral("TFmAuditoria"), visit, dm);
    presentNew<reports::TFmDataServico2>(QStringLiteral("TFmDataServico2"), visit, dm);
    presentNew<sales::TConsBaixaReceber>(QStringLiteral("TConsBaixaReceber"), visit, dm);
    {
        // As it is once "ABRIR CAIXA" has shown the opening cash; nothing is written yet.
        cash::TFmAbrir opening(dm);
        opening.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        present(opening, QStringLiteral("TFmAbrir"), visit);
    }
    presentNew<cash::TFmFechar>(QStringLiteral("TFmFechar"), visit, dm);
    presentNew<cash::TFmDataCaixa>(QStringLiteral("TFmDataCaixa"), visit, dm);
    presentNew<cash::TFmDataCONF>(QStringLiteral("TFmDataCONF"), visit, dm);
    {
        maintenance::TFmBackup backup(dm, [] { return true; });
        present(backup, QStringLiteral("TFmBackup"), visit);
    }
    {
        maintenance::TFmAjudaBackup help;
        present(help, QStringLiteral("TFmAjudaBackup"), visit);
    }
    {
        maintenance::TFmReparador repair(dm);
        present(repair, QStringLiteral("TFmReparador"), visit);
    }
    {
        maintenance::TFmTransferir transfer(dm, nullptr);
        present(transfer, QStringLiteral("TFmTransferir"), visit);
    }
}
