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
    // The login holds whether or not the trail could take it; a store error has been shown.
    if (holds) ui::runGuarded([&] { recordLogin(dm); });
    return holds;
}

}  // namespace app
