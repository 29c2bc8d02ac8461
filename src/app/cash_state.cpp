#include "app/cash_state.h"

#include "core/text.h"
#include "data/dm.h"
#include "ui/dialogs.h"

namespace app {

bool cashAllows(data::Tdm& dm, CashNeed need, ui::Dialogs& dialogs) {
    if (need == CashNeed::None) return true;
    store::Table& caixa = dm.TbCaixa;
    caixa.open();
    caixa.last();
    const std::string status = core::trimmed(caixa.field("Status").asString());
    const bool refused =
        need == CashNeed::NotOpen ? status == data::kCashOpenStatus : status == data::kCashClosedStatus;
    if (!refused) return true;
    caixa.close();
    dialogs.message(need == CashNeed::NotOpen ? kCashAlreadyOpen : kCashNotOpen);
    return false;
}

}  // namespace app
