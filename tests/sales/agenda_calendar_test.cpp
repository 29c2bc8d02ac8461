// The appointment book as an iCalendar file, read back by a real iCalendar parser
// (python3-icalendar, run with Debian's own interpreter) and checked line by line for the
// file format's CRLF endings and 75-octet folding.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "demo/agenda_week.h"
#include "sales/agenda_book.h"
#include "sales/agenda_calendar.h"
#include "sales/agenda_fixture.h"
#include "sales/agenda_screen.h"
#include "sales/calendar_command_line.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/date_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include "support/temp_dir.h"

namespace {

// Debian's interpreter, where python3-icalendar is installed; a python3 earlier on PATH
// may be another installation without it.
constexpr const char* kSystemPython = "/usr/bin/python3";

struct ParsedEvent {
    std::string start, end, summary, alarmMinutes;
};

// UID -> event, as the parser read the file; a UID seen twice fails the test.
std::map<std::string, ParsedEvent> parsedEvents(const std::filesystem::path& file) {
    const std::string command = std::string(kSystemPython) + " " + VELMORA_TESTS_DIR "/sales/read_ics.py '" +
                                file.string() + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    std::string output;
    char buffer[4096];
    while (pipe && fgets(buffer, sizeof buffer, pipe)) output += buffer;
    const int status = pipe ? pclose(pipe) : -1;
    EXPECT_EQ(status, 0) << output;
    std::map<std::string, ParsedEvent> events;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> parts;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) parts.push_back(cell);
        EXPECT_EQ(parts.size(), 5u) << line;
        if (parts.size() != 5) continue;
        EXPECT_TRUE(events.emplace(parts[0], ParsedEvent{parts[1], parts[2], parts[3], parts[4]}).second)
            << "UID twice: " << parts[0];
    }
    return events;
}

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Every line ends in CRLF, holds at most 75 octets and never cuts a UTF-8 character.
void expectContentLines(const std::string& text) {
    ASSERT_TRUE(text.ends_with("END:VCALENDAR\r\n"));
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.substr(at, end - at);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos) << "bare LF in " << line;
        // A continuation line starts with one blank, then a whole character.
        const std::size_t first = line.starts_with(' ') ? 1 : 0;
        if (line.size() > first) {
            EXPECT_NE(static_cast<unsigned char>(line[first]) & 0xC0, 0x80) << line;
        }
        at = end + 2;
    }
}

std::string iso(const core::Date& day, const std::string& hora) {
    return day.toIso() + "T" + hora + ":00";
}

TEST(AgendaCalendar, TheDemoDaysBookedSlotsAreEachOneEventWithTheirTimes) {
    testsupport::InitialDataDirectory directory(true);
    testsupport::RecordingMessages messages;
    data::Tdm dm(directory.path(), messages);
    const core::Date today = core::Date::today();
    demo::addAgendaWeek(dm, today);
    core::Date day = today.addDays(1);
    if (day.dayOfWeek() == 1) day = day.addDays(1);  // the demo salon closes on Sundays

    // What the book holds: the booked slots, and the slots of each employee by time.
    struct Booked {
        std::int64_t code;
        std::string hora, cliente, servico;
    };
    std::vector<Booked> booked;
    std::map<std::int64_t, std::vector<std::pair<std::string, std::string>>> byEmployee;  // hora, cliente
    store::Table agenda(dm.DbVelmora, dm.TbAgenda.definition(), dm.TbAgenda.name());
    agenda.open();
    agenda.setIndexName("siFUNC");
    for (agenda.first(); !agenda.eof(); agenda.next()) {
        if (agenda.field("Data").asDate() != day) continue;
        const std::int64_t code = agenda.field("Codigo").asInteger();
        const std::string hora = agenda.field("Hora").asString(),
                          cliente = agenda.field("Cliente").asString();
        byEmployee[code].push_back({hora, cliente});
        if (!cliente.empty() && cliente != sales::kBlockedSlot)
            booked.push_back({code, hora, cliente, agenda.field("Servico").asString()});
    }
    ASSERT_GE(booked.size(), 3u) << "the demo books about a third of the day";

    testsupport::TempDir out("velmora-ics");
    const std::filesystem::path file = out.path() / "agenda.ics";
    sales::writeAgendaCalendar(dm, {day, 1, std::nullopt}, file);
    expectContentLines(fileText(file));
    const std::map<std::string, ParsedEvent> events = parsedEvents(file);
    EXPECT_EQ(events.size(), booked.size());
    for (const Booked& slot : booked) {
        SCOPED_TRACE(slot.hora + " " + slot.cliente);
        std::string stamp = iso(day, slot.hora);
        std::erase(stamp, '-');
        std::erase(stamp, ':');
        const std::string uid = "agenda-" + std::to_string(slot.code) + "-" + stamp + "@velmora";
        const auto found = events.find(uid);
        ASSERT_NE(found, events.end()) << uid;
        EXPECT_EQ(found->second.start, iso(day, slot.hora));
        EXPECT_EQ(found->second.summary, slot.cliente + " - " + slot.servico);
        EXPECT_EQ(found->second.alarmMinutes, "-60");
        // It ends at the employee's next slot, an hour at most, past a slot blocked after it.
        const auto& employeeSlots = byEmployee[slot.code];
        std::size_t i = 0;
        while (employeeSlots[i].first != slot.hora) ++i;
        const auto minutes = [](const std::string& hora) {
            return std::stoi(hora.substr(0, 2)) * 60 + std::stoi(hora.substr(3, 2));
        };
        int end = minutes(slot.hora) + 60;
        for (std::size_t j = i; j + 1 < employeeSlots.size(); ++j) {
            end = std::min(minutes(employeeSlots[j].first) + 60, minutes(employeeSlots[j + 1].first));
            if (employeeSlots[j + 1].second != sales::kBlockedSlot) break;
            end = minutes(employeeSlots[j + 1].first) + 60;
        }
        const auto twoDigits = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
        EXPECT_EQ(found->second.end, iso(day, twoDigits(end / 60) + ":" + twoDigits(end % 60)));
    }

    // Written again later, the same employeeSlots keep their UIDs.
    const std::filesystem::path again = out.path() / "again.ics";
    sales::writeAgendaCalendar(dm, {day, 1, std::nullopt}, again);
    std::set<std::string> first, second;
    for (const auto& [uid, event] : events) first.insert(uid);
    for (const auto& [uid, event] : parsedEvents(again)) second.insert(uid);
    EXPECT_EQ(first, second);
}

class AgendaCalendarBook : public agendatest::AgendaTest {
  protected:
    sales::SlotSeen slot(std::int64_t employee, const char* hora, const core::Date& on) {
        return {employee, on, hora, "", ""};
    }
};

TEST_F(AgendaCalendarBook, LongAccentedTextsFoldAndReadBackExactlyAndOptionsChooseTheSlots) {
    sales::openWholeDay(dm, day);
    sales::openWholeDay(dm, day.addDays(1));
    const std::string longName = "MARIA CONCEIÇÃO; FERREIRA, \\ BRAGANÇA";
    const std::string longService = "ESCOVA PROGRESSIVA, HIDRATAÇÃO, CAUTERIZAÇÃO";
    sales::bookSlot(dm, slot(kBia, "10:00", day), longName, {longService, std::nullopt});
    sales::blockSlot(dm, slot(kBia, "11:00", day), {});
    // Two octets a letter: the 75th octet of its line falls inside a letter.
    std::string accents;
    for (int i = 0; i < 7; ++i) accents += "ÇÃÉÍÓÚ";
    sales::bookSlot(dm, slot(kCaio, "14:00", day), accents, {"BARBA", std::nullopt});
    sales::bookSlot(dm, slot(kCaio, "09:00", day.addDays(1)), "LUÍSA", {"CORTE", std::nullopt});

    testsupport::TempDir out("velmora-ics");
    const std::filesystem::path file = out.path() / "agenda.ics";
    const auto run = [&](std::vector<std::string> args) {
        std::ostringstream err;
        const int status = sales::runCalendarCommandLine(args, dataSet(), err);
        return std::pair{status, err.str()};
    };
    ASSERT_EQ(run({"--ics", file.string(), "--data-agenda", "14/12/2026", "--dias", "2"}).first, 0);
    const std::string text = fileText(file);
    expectContentLines(text);
    EXPECT_NE(text.find("\r\n "), std::string::npos) << "the long summary is folded";
    std::map<std::string, ParsedEvent> events = parsedEvents(file);
    ASSERT_EQ(events.size(), 3u);
    const ParsedEvent& bia = events.at("agenda-20-20261214T100000@velmora");
    EXPECT_EQ(bia.summary, longName + " - " + longService);
    EXPECT_EQ(bia.start, "2026-12-14T10:00:00");
    EXPECT_EQ(bia.end, "2026-12-14T12:00:00") << "the blocked 11:00 is part of the service";
    EXPECT_EQ(events.at("agenda-21-20261214T140000@velmora").end, "2026-12-14T15:00:00");
    EXPECT_EQ(events.at("agenda-21-20261214T140000@velmora").summary, accents + " - BARBA");
    EXPECT_EQ(events.at("agenda-21-20261215T090000@velmora").summary, "LUÍSA - CORTE");

    ASSERT_EQ(run({"--ics", file.string(), "--data-agenda", "14/12/26", "--funcionario", "21"}).first, 0);
    events = parsedEvents(file);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events.begin()->first, "agenda-21-20261214T140000@velmora");

    // Arguments it cannot use leave the file as it was.
    const std::string before = fileText(file);
    const std::pair<std::vector<std::string>, const char*> refused[] = {
        {{"--ics", file.string()}, "--ics pede --data-agenda DD/MM/AAAA"},
        {{"--ics", file.string(), "--data-agenda", "31/02/2026"}, "--data-agenda: "},
        {{"--ics", file.string(), "--data-agenda", "14/12/2026", "--dias", "0"},
         "--dias pede um número de 1 a 366"},
        {{"--ics", file.string(), "--data-agenda", "14/12/2026", "--funcionario", "x"}, "--funcionario pede"},
        {{"--ics", file.string(), "--data-agenda", "14/12/2026", "--cliente", "3"},
         "argumento desconhecido para --ics: --cliente"},
        {{"--ics", "--data-agenda", "14/12/2026"}, "falta o valor de --ics"},
        {{"--ics", file.string(), "--ics", file.string(), "--data-agenda", "14/12/2026"},
         "--ics foi dado duas vezes"},
    };
    for (const auto& [args, problem] : refused) {
        const auto [status, err] = run(args);
        EXPECT_EQ(status, 2) << err;
        EXPECT_TRUE(err.starts_with(problem)) << err;
    }
    EXPECT_EQ(fileText(file), before);
    const auto [status, err] =
        run({"--ics", (out.path() / "nenhuma" / "a.ics").string(), "--data-agenda", "14/12/2026"});
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("não pôde ser gravado"), std::string::npos) << err;
}

// The book's button writes the employeeSlots it shows: one employee's day, or everyone's.
TEST_F(AgendaCalendarBook, TheBookWritesTheDayItShows) {
    sales::openWholeDay(dm, day);
    sales::bookSlot(dm, slot(kBia, "09:00", day), "ANA", {"CORTE", std::nullopt});
    sales::bookSlot(dm, slot(kCaio, "14:00", day), "JOÃO", {"BARBA", std::nullopt});
    testsupport::ScriptedDialogs dialogs;
    testsupport::TempDir out("velmora-ics");
    sales::TFmAgenda book(dm);
    book.show();
    QApplication::setActiveWindow(&book);
    auto* write = book.findChild<QPushButton*>(QStringLiteral("BtCalendario"));
    ASSERT_NE(write, nullptr);
    write->click();  // no day loaded: nothing to write, nothing asked

    book.findChild<ui::DateBox*>(QStringLiteral("MaskEdit1"))->setDate(day);
    auto* codigo = book.findChild<QLineEdit*>(QStringLiteral("Edit2"));
    codigo->setText(QStringLiteral("21"));
    codigo->setFocus();
    QTest::keyClick(codigo, Qt::Key_Return);  // on to "Funcionário:", which loads CAIO's day
    const std::filesystem::path caio = out.path() / "caio.ics";
    dialogs.answerSaveFile(QString::fromStdString(caio.string()));
    write->click();
    std::map<std::string, ParsedEvent> events = parsedEvents(caio);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events.begin()->second.summary, "JOÃO - BARBA");

    book.findChild<ui::DateBox*>(QStringLiteral("MaskEdit1"))->setDate(day);
    book.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    const std::filesystem::path all = out.path() / "todos.ics";
    dialogs.answerSaveFile(QString::fromStdString(all.string()));
    write->click();
    events = parsedEvents(all);
    EXPECT_EQ(events.size(), 2u);
    EXPECT_EQ(dialogs.messages,
              (QStringList{QStringLiteral("Calendário Gravado!"), QStringLiteral("Calendário Gravado!")}));
}

}  // namespace
