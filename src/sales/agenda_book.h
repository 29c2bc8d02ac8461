#pragma once
// The appointment book: one slot per employee, day and time (TbAgenda). The slots of a day
// are made from the employee's hours the first time the day is opened; a slot is booked by
// writing a client and a service into it, blocked with a placeholder, or freed.
//
// Every change is one posting that locks the slot and reads it again, so what another
// station did meanwhile is seen, never overwritten. They work on a view of their own: the
// index, range and row of dm.TbAgenda stay as a screen left them (refresh it to see).
#include <cstdint>
#include <optional>
#include <string>

#include "core/date.h"

namespace data {
class Tdm;
}

namespace sales {

// Written as the client of a blocked slot (and as its service when none is given).
inline constexpr const char* kBlockedSlot = "\" \"";

// Makes the employee's missing slots of `day`, one per hour of his list; slots that exist,
// booked or free, are left as they are. Refuses (data::Refusal) an unknown code ("Não Existe
// Funcionário Com Este Código!") and an employee without hours ("O Funcionário Não Possui
// Agenda Definida no Seu Cadastro!").
void openEmployeeDay(data::Tdm& dm, std::int64_t employeeCode, const core::Date& day);
// The same for every employee with hours.
void openWholeDay(data::Tdm& dm, const core::Date& day);

// A slot as the book showed it.
struct SlotSeen {
    std::int64_t employeeCode = 0;
    core::Date day;
    std::string hora;
    std::string cliente;
    std::string servico;
};

// A service chosen for a slot: its description, and its catalogue code when it came from
// the catalogue.
struct SlotService {
    std::string descricao;
    std::optional<std::int64_t> code;
};

// Books the slot for `cliente`. Refuses "O Horário Já Está Reservado!" when the slot, as
// stored now, has a client (booked or blocked, here or at another station).
void bookSlot(data::Tdm& dm, const SlotSeen& slot, const std::string& cliente, const SlotService& service);
// Blocks the slot with the placeholder; the service is kept when one is given. Refuses as
// bookSlot does.
void blockSlot(data::Tdm& dm, const SlotSeen& slot, const SlotService& service);
// Frees the slot (its catalogue code stays). Refuses when the slot is no longer as it was
// shown: another station booked or freed it meanwhile.
void freeSlot(data::Tdm& dm, const SlotSeen& slot);

}  // namespace sales
