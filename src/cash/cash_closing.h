#pragma once
// Closing the cash drawer: the period the closing screen showed is marked "FECHADO" with
// what is left for the next period and what goes to the bank, once, whichever station
// gets there first.
#include <cstdint>

#include "core/currency.h"
#include "core/date.h"

namespace data {
class Tdm;
}

namespace cash {

// DinheiroDIA + Dinheiro − DinheiroTOTAL of the current TbCaixa record: the cash in the
// drawer, as the closing screen shows it under "Dinheiro".
core::Currency cashInDrawer(data::Tdm& dm);

// One posting over TbCaixa: takes the period numbered `number` under its lock and reads it
// again. Still open, it gets Fechamento today, Hora2 now, Status "FECHADO", `repasse` and
// Deposito = DinheiroDIA + Dinheiro − DinheiroTOTAL − Repasse, and true is returned. Already
// "FECHADO" (another station closed it), nothing changes and false is returned. A period that
// does not exist is refused with "O Caixa Não Está Aberto!!!". TbCaixa is left open on it.
// `day` and `time` are the station's clock, or a past moment when a history is made.
bool closeCash(data::Tdm& dm, std::int64_t number, core::Currency repasse,
               const core::Date& day = core::Date::today(), const core::Time& time = core::Time::now());

}  // namespace cash
