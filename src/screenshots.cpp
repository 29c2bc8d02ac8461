// Renders every screen of the application shell on the demo salon into OUTDIR, one PNG per
// screen named after its class, for looking at the screens without a display.
#include <QApplication>
#include <QDir>

#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <random>

#include "app/about.h"
#include "app/authorization.h"
#include "app/grant_screen.h"
#include "app/main_window.h"
#include "app/master_password.h"
#include "app/settings_screen.h"
#include "app/splash.h"
#include "app/start_screen.h"
#include "app/users_screen.h"
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
#include "screen_wiring.h"
#include "ui/dialogs.h"

namespace {

// The demo salon in a directory of its own, removed afterwards.
class DemoDirectory {
  public:
    DemoDirectory()
        : path_(std::filesystem::temp_directory_path() /
                ("velmora-screenshots-" + std::to_string(std::random_device{}()))) {
        data::createInitialData(path_, true);
    }
    ~DemoDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Shows the screen at a readable size and saves what it looks like. Events are not run:
// the start screen would begin its access cycle.
bool save(QWidget& screen, const QDir& out, const QString& name, QSize size = {}) {
    screen.setWindowState(Qt::WindowNoState);
    if (size.isValid()) screen.resize(size);
    screen.show();
    const bool saved = screen.grab().save(out.filePath(name + QStringLiteral(".png")));
    screen.hide();
    std::cout << (saved ? "  " : "  FAILED ") << name.toStdString() << ".png\n";
    return saved;
}

template <typename Screen, typename... Args>
bool shot(const QDir& out, const QString& name, Args&&... args) {
    Screen screen(std::forward<Args>(args)...);
    return save(screen, out, name);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velmora_screenshots OUTDIR\n";
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora..."));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::cerr << "cannot create " << argv[1] << "\n";
        return 1;
    }

    DemoDirectory demo;
    data::Tdm dm(demo.path(), ui::Dialogs::current());
    bool allSaved = true;
    const QSize wide(1280, 800);

    {
        // Without the data module the window does not log in when it comes up.
        app::TFmMenu menu;
        wireScreens(menu, dm);  // entries wired as in the program; greyed out, as before a login
        allSaved &= save(menu, out, QStringLiteral("TFmMenu"), wide);
    }
    {
        app::TFmTelaEntrar start(dm);
        allSaved &= save(start, out, QStringLiteral("TFmTelaEntrar"), wide);
    }
    {
        app::TFmFigura splash;
        allSaved &= save(splash, out, QStringLiteral("TFmFigura"));
    }
    {
        app::TFmAutorizacao authorization(dm);
        allSaved &= save(authorization, out, QStringLiteral("TFmAutorizacao"));
    }
    {
        app::TFmSenhas users(dm);
        allSaved &= save(users, out, QStringLiteral("TFmSenhas"));
    }
    {
        app::TFmConSenha list(dm);
        allSaved &= save(list, out, QStringLiteral("TFmConSenha"));
    }
    {
        // An area with permitted users, so the screen shows both lists filled.
        dm.TbAcesso.findKey({17.0});
        dm.TbItemAcesso.insert();
        dm.TbItemAcesso.field("Numero").setInteger(1);
        dm.TbItemAcesso.field("Usuario").setString(data::kFirstUser);
        dm.TbItemAcesso.post();
        app::TFmConfigurar settings(dm);
        allSaved &= save(settings, out, QStringLiteral("TFmConfigurar"));
    }
    {
        app::TFmHabilitar picker(dm);
        allSaved &= save(picker, out, QStringLiteral("TFmHabilitar"));
    }
    {
        app::TFmAdministradorCP door(dm);
        allSaved &= save(door, out, QStringLiteral("TFmAdministradorCP"));
    }
    {
        app::TFmSobre about;
        allSaved &= save(about, out, QStringLiteral("TFmSobre"));
    }
    {
        app::TFmAjuda help;
        allSaved &= save(help, out, QStringLiteral("TFmAjuda"));
    }
    // The search and detail screens find their tables opened by their register screen.
    {
        registers::TFmProdutos products(dm);
        allSaved &= save(products, out, QStringLiteral("TFmProdutos"));
        allSaved &= shot<registers::TFmConsProduto>(out, QStringLiteral("TFmConsProduto"), dm);
    }
    {
        registers::TFmFuncionario employees(dm);
        allSaved &= save(employees, out, QStringLiteral("TFmFuncionario"));
        allSaved &= shot<registers::TFmConsFunc>(out, QStringLiteral("TFmConsFunc"), dm);
    }
    {
        registers::TFmClientes clients(dm);
        allSaved &= save(clients, out, QStringLiteral("TFmClientes"));
        allSaved &= shot<registers::TFmConsCliente>(out, QStringLiteral("TFmConsCliente"), dm);
        allSaved &= shot<registers::TFmConsClienteNO>(out, QStringLiteral("TFmConsClienteNO"), dm);
        allSaved &= shot<registers::TFmClientesNO>(out, QStringLiteral("TFmClientesNO"), dm);
        allSaved &= shot<registers::TFmHistorico>(out, QStringLiteral("TFmHistorico"), dm);
        allSaved &= shot<registers::TFmFotografias>(out, QStringLiteral("TFmFotografias"), dm);
    }
    {
        reports::TFmAniversario birthdays(dm);
        allSaved &= save(birthdays, out, QStringLiteral("TFmAniversario"));
    }
    {
        maintenance::TFmBackup backup(dm, [] { return true; });
        allSaved &= save(backup, out, QStringLiteral("TFmBackup"));
    }
    {
        maintenance::TFmAjudaBackup help;
        allSaved &= save(help, out, QStringLiteral("TFmAjudaBackup"));
    }
    {
        maintenance::TFmReparador repair;
        allSaved &= save(repair, out, QStringLiteral("TFmReparador"));
    }
    return allSaved ? 0 : 1;
}
