#pragma once
// Opening the cash drawer: a new TbCaixa record numbered after the last one, written only
// once the user confirms, and never while another period is still open.
#include <cstdint>
#include <string>

#include "core/currency.h"
#include "core/date.h"

namespace data {
class Tdm;
}

namespace cash {

// What the opening screen offers before anything is written, read from the last record.
struct OpeningProposal {
    std::int64_t number = 1;     // the last Contador + 1; 1 on an empty table
    core::Currency openingCash;  // the last period's Repasse; 0 on an empty table
    bool alreadyOpen = false;    // the last record is "ABERTO": no opening now
};

// Reads the last TbCaixa record as stored now. TbCaixa is left open on it.
OpeningProposal proposeOpening(data::Tdm& dm);

struct Responsible {
    std::int64_t code = 0;  // TbFuncionario.Codigo; 0 with no employee registered
    std::string name;
};

// One posting over TbCaixa: reads the last record again and refuses (data::Refusal
// "O Caixa Já Está Aberto no Momento!!!", nothing written) when it is "ABERTO" — another
// station may have opened since the screen looked. Otherwise inserts the new period
// "ABERTO" with today's date and the time now, numbered after that record. TbCaixa is left
// open on the new record. Returns its Contador. `day` and `time` are the station's clock,
// or a past moment when a salon's history is made.
std::int64_t openCash(data::Tdm& dm, const Responsible& responsible, core::Currency openingCash,
                      const core::Date& day = core::Date::today(),
                      const core::Time& time = core::Time::now());

}  // namespace cash
