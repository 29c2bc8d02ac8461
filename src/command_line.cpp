#include "command_line.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <ostream>
#include <sstream>

#include "data/audit_command_line.h"
#include "data/command_line.h"
#include "data/config.h"
#include "data/dm.h"
#include "data/messages.h"
#include "demo/salon_history.h"
#include "maintenance/backup_command.h"
#include "maintenance/backup_command_line.h"
#include "maintenance/migration/migration_command_line.h"
#include "reports/report_command_line.h"
#include "sales/calendar_command_line.h"

namespace {

namespace fs = std::filesystem;

// Called only when the arguments hold one of the command's options, so it always answers
// with an exit status.
using Run = std::function<int(const std::vector<std::string>& args, const store::Location& dataSet,
                              std::ostream& out, std::ostream& err)>;

// A command: the options that select it, how --help shows it, and what runs it (each
// checks its own arguments).
struct Command {
    std::vector<std::string> options;
    std::function<std::string()> usage;
    Run run;
    // The command names its data sets itself, instead of --data or config.ini.
    bool namesItsDataSets = false;
};

bool has(const std::vector<std::string>& args, const std::string& option) {
    return std::find(args.begin(), args.end(), option) != args.end();
}

// A demo data set also gets two months of the salon's days, made by the till's own functions
// (they live above the data module, so the data command cannot call them itself).
int withDemoHistory(const std::vector<std::string>& args, int status, std::ostream& err) {
    if (status != 0 || !has(args, "--demo")) return status;
    const auto dataSet = data::initDataSet(args);
    if (!dataSet) return status;
    try {
        data::FailOnMessage failOnMessage;
        data::Tdm dm(*dataSet, failOnMessage);
        demo::addSalonHistory(dm, core::Date::today());
    } catch (const std::exception& error) {
        err << "velmora: o histórico do salão de demonstração não pôde ser criado: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

int usageError(const std::string& problem, std::ostream& err);

const std::vector<Command>& commands() {
    static const std::vector<Command> table{
        {{"--init-data", "--senha-master"},
         data::dataCommandUsage,
         [](const auto& args, const store::Location&, std::ostream& out, std::ostream& err) {
             return withDemoHistory(args, *data::runDataCommandLine(args, out, err), err);
         },
         true},
        {{"--migrar"},
         migration::migrationUsage,
         [](const auto& args, const store::Location&, std::ostream& out, std::ostream& err) {
             return *migration::runMigrationCommandLine(args, out, err);
         },
         true},
        {reports::reportOutputFlags(),
         reports::pdfUsage,
         [](const auto& args, const store::Location& dataSet, std::ostream&, std::ostream& err) {
             return *reports::runReportCommandLine(args, dataSet, err);
         }},
        {{"--recibo"},
         reports::receiptUsage,
         [](const auto& args, const store::Location& dataSet, std::ostream&, std::ostream& err) {
             return *reports::runReceiptCommandLine(args, dataSet, err);
         }},
        {{"--verificar-auditoria"}, data::auditCheckUsage, data::runAuditCheck},
        {{"--ics"},
         sales::calendarUsage,
         [](const auto& args, const store::Location& dataSet, std::ostream&, std::ostream& err) {
             std::ostringstream said;
             const int status = sales::runCalendarCommandLine(args, dataSet, said);
             if (status == 2) return usageError(said.str(), err);
             err << said.str();
             return status;
         }},
        {{"--backup", "--restore", "--archive-info"},
         [] { return std::string(maintenance::backupUsage()); },
         [](const auto& args, const store::Location& dataSet, std::ostream& out, std::ostream& err) {
             return *maintenance::runBackupCommandLine(args, dataSet, out, err);
         }},
    };
    return table;
}

std::string usage() {
    std::string text =
        "Uso:\n"
        "  velmora [--data DIRETÓRIO]\n"
        "      Abre o programa nos dados de DIRETÓRIO. Sem --data, nos dados indicados pelo\n"
        "      primeiro config.ini encontrado ([Servidor] conexao=, senão [Dados] diretorio=): ao\n"
        "      lado do programa, na pasta de configuração do usuário (~/.config/velmora) ou em\n"
        "      /etc/velmora.\n"
        "  velmora --servidor CONEXAO\n"
        "      Abre o programa nos dados de um servidor PostgreSQL. CONEXAO é uma conexão do libpq\n"
        "      (\"host=… dbname=… user=…\" ou \"service=velmora\"); a senha fica no arquivo de senhas\n"
        "      do libpq (~/.pgpass), nunca no config.ini.\n";
    for (const Command& command : commands()) text += command.usage();
    text +=
        "  velmora --help | -h\n"
        "      Mostra estas formas de uso.\n"
        "  velmora --version\n"
        "      Mostra a versão do programa.\n"
        "Os comandos terminam com 0 quando fizeram o pedido, 1 quando falharam e 2 quando os\n"
        "argumentos estão errados.\n";
    return text;
}

bool selects(const Command& command, const std::vector<std::string>& args) {
    return std::any_of(command.options.begin(), command.options.end(),
                       [&](const std::string& option) { return has(args, option); });
}

int usageError(const std::string& problem, std::ostream& err) {
    err << "velmora: " << problem << '\n' << usage();
    return 2;
}

// The interactive run accepts nothing but --data DIR or --servidor CONEXAO. Empty when that
// is all there is; the problem otherwise.
std::optional<std::string> interactiveProblem(const std::vector<std::string>& args) {
    bool named = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--data" && args[i] != "--servidor") return "argumento desconhecido: " + args[i];
        if (i + 1 == args.size() || args[i + 1].starts_with("-"))
            return args[i] == "--data" ? std::string("falta o diretório de --data")
                                       : std::string("falta a conexão de --servidor");
        if (named) return std::string("use --data ou --servidor, uma vez só");
        named = true;
        ++i;
    }
    return std::nullopt;
}

std::optional<std::string> optionValue(const std::vector<std::string>& args, const char* option) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == option) return args[i + 1];
    return std::nullopt;
}

std::optional<fs::path> dataOption(const std::vector<std::string>& args) {
    if (auto directory = optionValue(args, "--data")) return fs::path(*directory);
    return std::nullopt;
}

// --data DIR, --servidor CONEXAO, then what config.ini says: its server before its directory.
store::Location dataSetOf(const std::vector<std::string>& args, const data::ConfigPlaces& places) {
    if (auto directory = dataOption(args)) return store::Location(*directory);
    if (auto server = optionValue(args, "--servidor"))
        return store::Location(store::ServerConnection{*server});
    const data::DataLocation location = data::locateDataDirectory(places);
    if (location.server) return store::Location(store::ServerConnection{*location.server});
    return store::Location(location.dataDirectory);
}

// Which config.ini and which data directory this run would use, and where it looked.
std::string whereThisRunLooks(const std::vector<std::string>& args, const data::ConfigPlaces& places) {
    const data::DataLocation location = data::locateDataDirectory(places);
    std::string text = "Nesta execução:\n  config.ini: ";
    if (location.configFile) {
        text += location.configFile->string() + "\n";
    } else {
        text += "nenhum encontrado; procurado em:\n";
        for (const fs::path& file : data::configSearchOrder(places)) text += "    " + file.string() + "\n";
    }
    const auto option = dataOption(args);
    const auto server = optionValue(args, "--servidor");
    if (!option && (server || location.server)) {
        text += "  servidor de dados: " + server.value_or(location.server.value_or("")) +
                (server ? " (de --servidor)\n" : "\n");
        return text;
    }
    text += "  diretório de dados: " + option.value_or(location.dataDirectory).string() +
            (option ? " (de --data)\n" : "\n");
    return text;
}

}  // namespace

std::variant<int, store::Location> runCommandLine(const std::vector<std::string>& args,
                                                  const data::ConfigPlaces& places, std::ostream& out,
                                                  std::ostream& err) {
    if (has(args, "--help") || has(args, "-h")) {
        out << usage() << whereThisRunLooks(args, places);
        return 0;
    }
    if (has(args, "--version")) {
        out << "velmora " << VELMORA_VERSION << '\n';
        return 0;
    }
    const Command* chosen = nullptr;
    for (const Command& command : commands()) {
        if (!selects(command, args)) continue;
        if (chosen) return usageError("só uma operação por vez", err);
        chosen = &command;
    }
    if (chosen && chosen->namesItsDataSets) return chosen->run(args, fs::path(), out, err);
    const store::Location dataSet = dataSetOf(args, places);
    if (chosen) return chosen->run(args, dataSet, out, err);
    if (const auto problem = interactiveProblem(args)) return usageError(*problem, err);
    return dataSet;
}
