#include "ui/guarded.h"

#include <QWidget>

#include "core/date.h"
#include "data/refusal.h"
#include "data/store/error.h"
#include "ui/dialogs.h"

namespace ui {

bool runGuarded(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const store::Aborted&) {
        return false;
    } catch (const data::Refusal& refusal) {
        Dialogs::current().message(QString::fromStdString(refusal.what()));
    } catch (const store::Error& error) {
        Dialogs::current().error(QString::fromStdString(error.what()));
    } catch (const core::DateError& error) {
        Dialogs::current().error(QString::fromStdString(error.what()));
    }
    return false;
}

bool runHeld(QWidget& held, const std::function<void()>& action) {
    const bool wasEnabled = held.isEnabled();
    held.setEnabled(false);
    const bool ran = runGuarded(action);
    held.setEnabled(wasEnabled);
    return ran;
}

}  // namespace ui
