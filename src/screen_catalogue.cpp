#include "screen_catalogue.h"

#include <QPushButton>

#include <utility>

#include "app/about.h"
#include "app/authorization.h"
#include "app/grant_screen.h"
#include "app/main_window.h"
#include "app/master_password.h"
#include "app/settings_screen.h"
#include "app/splash.h"
#include "app/start_screen.h"
#include "app/users_screen.h"
#include "cash/closing_screen.h"
#include "cash/opening_screen.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "maintenance/screens/backup_screen.h"
#include "maintenance/screens/repair_screen.h"
#include "registers/client_history.h"
#include "registers/client_photos.h"
#include "registers/client_quick_screen.h"
#include "registers/client_screen.h"
#include "registers/client_search.h"
#include "registers/employee_screen.h"
#include "registers/employee_search.h"
#include "registers/product_screen.h"
#include "registers/product_search.h"
#include "reports/birthday_screen.h"
#include "sales/agenda_screen.h"
#include "sales/credit_payment_screen.h"
#include "sales/payment_screen.h"
#include "sales/sale_lifecycle.h"
#include "sales/sales_screen.h"
#include "sales/settlement_payment_screen.h"
#include "sales/ticket_screen.h"
#include "screen_wiring.h"

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
        present(menu, QStringLiteral("TFmMenu"), visit, kDesktopArea);
    }
    {
        app::TFmTelaEntrar start(dm);
        present(start, QStringLiteral("TFmTelaEntrar"), visit, kDesktopArea);
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
        sales::TFmModuloVENDA till(dm);
        present(till, QStringLiteral("TFmModuloVENDA"), visit);
        // The payment screen pays the sale in progress.
        sales::startSale(dm);
        presentNew<sales::TFmPagamento>(QStringLiteral("TFmPagamento"), visit, dm);
        dm.TbServico.cancel();
    }
    {
        // A client paying for credit, and settling notes of 120,00 with 20,00 of credit by paying 70,00.
        sales::TFmPagamentoCD credit(dm, 1, core::Currency::fromReais(50));
        present(credit, QStringLiteral("TFmPagamentoCD"), visit);
        sales::TFmPagamentoBA settlement(
            dm, {1, {}, core::Currency::fromReais(20), 0, core::Currency::fromReais(70)},
            core::Currency::fromReais(120));
        present(settlement, QStringLiteral("TFmPagamentoBA"), visit);
    }
    presentNew<sales::TFmAgenda>(QStringLiteral("TFmAgenda"), visit, dm);
    presentNew<sales::TFmComando>(QStringLiteral("TFmComando"), visit, dm);
    {
        reports::TFmAniversario birthdays(dm);
        present(birthdays, QStringLiteral("TFmAniversario"), visit);
    }
    {
        // As it is once "ABRIR CAIXA" has shown the opening cash; nothing is written yet.
        cash::TFmAbrir opening(dm);
        opening.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        present(opening, QStringLiteral("TFmAbrir"), visit);
    }
    presentNew<cash::TFmFechar>(QStringLiteral("TFmFechar"), visit, dm);
    {
        maintenance::TFmBackup backup(dm, [] { return true; });
        present(backup, QStringLiteral("TFmBackup"), visit);
    }
    {
        maintenance::TFmAjudaBackup help;
        present(help, QStringLiteral("TFmAjudaBackup"), visit);
    }
    {
        maintenance::TFmReparador repair;
        present(repair, QStringLiteral("TFmReparador"), visit);
    }
}
