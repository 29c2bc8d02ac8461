#pragma once
// The cash-register state the main window's cash buttons need before anything else.
#include <QString>

#include "data/cash_status.h"

namespace data {
class Tdm;
}
namespace ui {
class Dialogs;
}

namespace app {

inline const QString kCashAlreadyOpen = QString::fromUtf8(data::kCashAlreadyOpen);
inline const QString kCashNotOpen = QString::fromUtf8(data::kCashNotOpen);

enum class CashNeed {
    None,
    NotOpen,    // opening the cash: refused while the last cash record is "ABERTO"
    NotClosed,  // working with the cash: refused while the last cash record is "FECHADO"
};

// Reads the last TbCaixa record (an empty table is neither open nor closed). On success
// TbCaixa stays open on that record for the screen that follows; on a refusal the user is
// told why and TbCaixa is closed again.
bool cashAllows(data::Tdm& dm, CashNeed need, ui::Dialogs& dialogs);

}  // namespace app
