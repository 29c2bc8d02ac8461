#pragma once
// Appointment reminders: the booked slots of a day whose clients accept reminders, each with
// the client's phone made into Brazil's full numbering and a message made from the salon's
// template; and the marks "Enviado" and "Confirmado" kept on each slot.
//
// Clients are found by the name written in the slot, as the book writes it from the client
// lookup. Reads and writes go through views of their own: the screens' tables keep their
// index, range and row.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/date.h"
#include "sales/agenda_book.h"
#include "sales/brazil_phone.h"

namespace data {
class Tdm;
}

namespace sales {

// The template of a salon that has not written its own.
inline constexpr const char* kDefaultReminderTemplate =
    "Olá, {nome}! Lembramos do seu horário no {salao}: {data} às {hora}, {servico} com {profissional}. "
    "Por favor, confirme respondendo esta mensagem.";

// The fields a template may use, by name without braces: nome, data, hora, servico,
// profissional, salao.
using TemplateFields = std::map<std::string, std::string>;
// `text` with each "{field}" it knows replaced; an unknown "{...}" is left as written.
std::string fillTemplate(const std::string& text, const TemplateFields& fields);

struct ReminderSettings {
    std::string messageTemplate;  // TbConfig.Lembrete, or the default when it is empty
    std::string salonAreaCode;    // TbConfig.DDD, may be empty
};
ReminderSettings reminderSettings(data::Tdm& dm);
// Stores both in TbConfig, in one posting. Refuses (data::Refusal) an area code that is
// not two digits from 1 to 9 (an empty one is allowed: the salon has none).
void saveReminderSettings(data::Tdm& dm, const ReminderSettings& settings);

struct Reminder {
    SlotSeen slot;
    std::string funcionario;
    std::string phoneTyped;  // the client's mobile, or his phone when he has no mobile
    NormalisedPhone phone;
    std::string message;
    bool enviado = false;
    bool confirmado = false;
};

// The day's booked slots, by time (of one employee, or everyone's), whose client is in the
// register and accepts reminders. Free and blocked slots are left out. A name two clients
// share gets no phone: the reason says to look in the register.
std::vector<Reminder> remindersOf(data::Tdm& dm, const core::Date& day,
                                  std::optional<std::int64_t> employeeCode = std::nullopt);

enum class ReminderMark { Enviado, Confirmado };
// Sets or clears one mark of the slot, in one posting. Refuses when the slot is gone or no
// longer holds the client it showed.
void setReminderMark(data::Tdm& dm, const SlotSeen& slot, ReminderMark mark, bool on);

}  // namespace sales
