#include "app/login.h"

#include "app/login_rules.h"
#include "app/start_screen.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace app {

bool runLogin(data::Tdm& dm, QWidget* mainWindow) {
    TFmTelaEntrar start(dm, mainWindow);
    ui::Dialogs::current().exec(start);
    bool holds = false;
    // A store error here has been shown; without a checked password there is no login.
    ui::runGuarded([&] { holds = loginHolds(dm, start.lastTypedPassword()); });
    return holds;
}

}  // namespace app
