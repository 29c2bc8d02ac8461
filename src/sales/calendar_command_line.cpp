#include "sales/calendar_command_line.h"

#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <stdexcept>

#include "core/date.h"
#include "data/dm.h"
#include "data/messages.h"
#include "sales/agenda_calendar.h"

namespace sales {

namespace {

constexpr int kMostDays = 366;

struct UsageError {
    std::string problem;
};

std::int64_t number(const std::string& text, std::int64_t least, std::int64_t most,
                    const std::string& option) {
    std::size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty() || value < least || value > most)
        throw UsageError{option + " pede um número de " + std::to_string(least) + " a " +
                         std::to_string(most) + ": " + text};
    return value;
}

struct Request {
    std::string output;
    CalendarSelection selection;
};

Request parse(const std::vector<std::string>& args) {
    std::map<std::string, std::string> values;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (option != "--ics" && option != "--data-agenda" && option != "--funcionario" &&
            option != "--dias" && option != "--data" && option != "--servidor")
            throw UsageError{"argumento desconhecido para --ics: " + option};
        if (i + 1 == args.size() || args[i + 1].starts_with("--"))
            throw UsageError{"falta o valor de " + option};
        if (!values.emplace(option, args[i + 1]).second) throw UsageError{option + " foi dado duas vezes"};
    }
    if (!values.contains("--data-agenda")) throw UsageError{"--ics pede --data-agenda DD/MM/AAAA"};
    Request request;
    request.output = values.at("--ics");
    try {
        request.selection.first = core::parseDate(values.at("--data-agenda"));
    } catch (const core::DateError& error) {
        throw UsageError{"--data-agenda: " + std::string(error.what())};
    }
    if (request.selection.first.isNull()) throw UsageError{"--data-agenda pede uma data DD/MM/AAAA"};
    if (values.contains("--dias"))
        request.selection.days = static_cast<int>(number(values.at("--dias"), 1, kMostDays, "--dias"));
    if (values.contains("--funcionario"))
        request.selection.employeeCode =
            number(values.at("--funcionario"), 1, std::numeric_limits<std::int64_t>::max(), "--funcionario");
    return request;
}

}  // namespace

std::string calendarUsage() {
    return "  velmora --ics SAIDA.ics --data-agenda DD/MM/AAAA [--funcionario N] [--dias N]\n"
           "          [--data DIRETÓRIO | --servidor CONEXAO]\n"
           "      Grava os horários marcados da agenda a partir do dia dado (--dias dias, 1 sem a\n"
           "      opção; de um funcionário com --funcionario) como calendário iCalendar, para o\n"
           "      celular do salão ou do funcionário.\n";
}

int runCalendarCommandLine(const std::vector<std::string>& args, const store::Location& dataSet,
                           std::ostream& err) {
    Request request;
    try {
        request = parse(args);
    } catch (const UsageError& usage) {
        err << usage.problem;
        return 2;
    }
    try {
        data::FailOnMessage failOnMessage;
        data::Tdm dm(dataSet, failOnMessage);
        writeAgendaCalendar(dm, request.selection, request.output);
    } catch (const std::exception& error) {
        err << "velmora: o calendário não pôde ser gravado: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace sales
