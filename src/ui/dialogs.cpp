#include "ui/dialogs.h"

#include "ui/qt_dialogs.h"

namespace ui {
namespace {

Dialogs* installed = nullptr;

}  // namespace

Dialogs& Dialogs::current() {
    // Real windows until someone installs another service.
    static QtDialogs fallback;
    return installed != nullptr ? *installed : fallback;
}

void Dialogs::install(Dialogs* dialogs) {
    installed = dialogs;
}

}  // namespace ui
