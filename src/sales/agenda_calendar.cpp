#include "sales/agenda_calendar.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <stdexcept>
#include <vector>

#include "core/text.h"
#include "data/dm.h"
#include "sales/agenda_book.h"

namespace sales {

namespace {

constexpr int kLongestEvent = 60;  // minutes

struct Slot {
    std::string hora;
    int minute = 0;  // of the day
    std::string cliente;
    std::string servico;
    std::string funcionario;
};

bool isBooking(const Slot& slot) {
    return !slot.cliente.empty() && slot.cliente != kBlockedSlot;
}

// RFC 5545 TEXT: backslash, semicolon, comma and line breaks escaped.
std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == ';' || c == ',')
            out += {'\\', c};
        else if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out;
}

// A content line folded at 75 octets, never inside a UTF-8 character, ending in CRLF.
std::string folded(const std::string& line) {
    std::string out;
    std::size_t at = 0;
    std::size_t room = 75;
    while (line.size() - at > room) {
        std::size_t cut = at + room;
        while (cut > at && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        out.append(line, at, cut - at);
        out += "\r\n ";
        at = cut;
        room = 74;  // the leading blank takes one
    }
    out.append(line, at, std::string::npos);
    out += "\r\n";
    return out;
}

std::string twoDigits(long n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string localTime(const core::Date& day, int minute) {
    const core::Date on = day.addDays(minute / (24 * 60));
    const int inDay = minute % (24 * 60);
    return std::to_string(on.year) + twoDigits(on.month) + twoDigits(on.day) + "T" + twoDigits(inDay / 60) +
           twoDigits(inDay % 60) + "00";
}

// One employee's slots of one day, by time.
using DaySlots = std::vector<Slot>;

std::map<std::int64_t, DaySlots> slotsOf(store::Table& agenda, const core::Date& day,
                                         const std::optional<std::int64_t>& employee) {
    std::map<std::int64_t, DaySlots> byEmployee;
    agenda.setRange({day.toIso()}, {day.toIso()});
    for (agenda.first(); !agenda.eof(); agenda.next()) {
        const std::int64_t code = agenda.field("Codigo").asInteger();
        if (employee && code != *employee) continue;
        const std::string hora = core::trimmed(agenda.field("Hora").asString());
        const std::optional<core::Time> time = core::Time::parse(hora);
        if (!time || time->isNull()) continue;
        byEmployee[code].push_back({hora, time->hour * 60 + time->minute,
                                    core::trimmed(agenda.field("Cliente").asString()),
                                    core::trimmed(agenda.field("Servico").asString()),
                                    core::trimmed(agenda.field("Funcionario").asString())});
    }
    for (auto& [code, slots] : byEmployee)
        std::stable_sort(slots.begin(), slots.end(),
                         [](const Slot& a, const Slot& b) { return a.minute < b.minute; });
    return byEmployee;
}

// Where the booking at `i` ends: see the header.
int endOf(const DaySlots& slots, std::size_t i) {
    int end = slots[i].minute + kLongestEvent;
    for (std::size_t j = i; j + 1 < slots.size(); ++j) {
        end = std::min(slots[j].minute + kLongestEvent, slots[j + 1].minute);
        if (slots[j + 1].cliente != kBlockedSlot) return end;
        end = slots[j + 1].minute + kLongestEvent;
    }
    return end;
}

std::string event(std::int64_t code, const core::Date& day, const DaySlots& slots, std::size_t i,
                  const std::string& stamp, const std::string& salon) {
    const Slot& slot = slots[i];
    const std::string startText = localTime(day, slot.minute);
    const std::string summary = slot.servico.empty() || slot.servico == kBlockedSlot
                                    ? slot.cliente
                                    : slot.cliente + " - " + slot.servico;
    const std::string description = "Profissional: " + slot.funcionario;
    std::string text;
    for (const std::string& line : {
             std::string("BEGIN:VEVENT"),
             "UID:agenda-" + std::to_string(code) + "-" + startText + "@velmora",
             "DTSTAMP:" + stamp,
             "DTSTART:" + startText,
             "DTEND:" + localTime(day, endOf(slots, i)),
             "SUMMARY:" + escaped(summary),
             "DESCRIPTION:" + escaped(description),
             salon.empty() ? std::string() : "LOCATION:" + escaped(salon),
             std::string("BEGIN:VALARM"),
             std::string("ACTION:DISPLAY"),
             "DESCRIPTION:" + escaped(summary),
             std::string("TRIGGER:-PT1H"),
             std::string("END:VALARM"),
             std::string("END:VEVENT"),
         })
        if (!line.empty()) text += folded(line);
    return text;
}

}  // namespace

std::string agendaCalendar(data::Tdm& dm, const CalendarSelection& selection, const std::string& stamp) {
    store::Table agenda(dm.DbVelmora, dm.TbAgenda.definition(), dm.TbAgenda.name());
    agenda.open();
    agenda.setIndexName("siData");
    const std::string salon = core::trimmed(dm.TbConfig.field("Nome").asString());
    std::string text = folded("BEGIN:VCALENDAR") + folded("VERSION:2.0") +
                       folded("PRODID:-//Velmora//Agenda//PT-BR") + folded("CALSCALE:GREGORIAN");
    if (!salon.empty()) text += folded("X-WR-CALNAME:" + escaped("Agenda " + salon));
    for (int d = 0; d < selection.days; ++d) {
        const core::Date day = selection.first.addDays(d);
        for (const auto& [code, slots] : slotsOf(agenda, day, selection.employeeCode))
            for (std::size_t i = 0; i < slots.size(); ++i)
                if (isBooking(slots[i])) text += event(code, day, slots, i, stamp, salon);
    }
    return text + folded("END:VCALENDAR");
}

std::string calendarStampNow() {
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    const auto days = std::chrono::floor<std::chrono::days>(now);
    const std::chrono::year_month_day date{days};
    const std::chrono::hh_mm_ss time{now - days};
    return std::to_string(static_cast<int>(date.year())) + twoDigits(static_cast<unsigned>(date.month())) +
           twoDigits(static_cast<unsigned>(date.day())) + "T" + twoDigits(time.hours().count()) +
           twoDigits(time.minutes().count()) + twoDigits(time.seconds().count()) + "Z";
}

void writeAgendaCalendar(data::Tdm& dm, const CalendarSelection& selection,
                         const std::filesystem::path& file) {
    const std::string text = agendaCalendar(dm, selection, calendarStampNow());
    std::filesystem::path partial = file;
    partial += ".parcial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
            throw std::runtime_error("Não foi possível gravar " + file.string() + ".");
        }
    }
    std::error_code failed;
    std::filesystem::rename(partial, file, failed);
    if (failed) {
        std::filesystem::remove(partial, failed);
        throw std::runtime_error("Não foi possível gravar " + file.string() + ".");
    }
}

}  // namespace sales
