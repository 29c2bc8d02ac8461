#include "maintenance/backup_command.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <system_error>

#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/messages.h"
#include "maintenance/server_backup.h"
#include "maintenance/table_file_names.h"

namespace maintenance {

namespace fs = std::filesystem;

namespace {

enum class Command { Backup, Restore, Info };

const std::map<std::string, Command, std::less<>> kCommands{
    {"--backup", Command::Backup}, {"--restore", Command::Restore}, {"--archive-info", Command::Info}};
// The operation each option belongs to; --data and --servidor are the program's own options
// for the whole run, so they are accepted with every operation (a backup reads them both, a
// restore reads --servidor in place of a folder).
const std::map<std::string, std::optional<Command>, std::less<>> kOptions{
    {"--data", std::nullopt},
    {"--servidor", std::nullopt},
    {"--nivel", Command::Backup},
    {"--tamanho-maximo", Command::Backup},
    {"--modo", Command::Restore}};
const std::map<std::string, TCompressionLevel, std::less<>> kLevels{{"rapido", TCompressionLevel::clFastest},
                                                                    {"nenhum", TCompressionLevel::clNone},
                                                                    {"padrao", TCompressionLevel::clDefault},
                                                                    {"maximo", TCompressionLevel::clMax}};
const std::map<std::string, TRestoreMode, std::less<>> kModes{
    {"todos", TRestoreMode::rmAll},
    {"sem-sobrescrever", TRestoreMode::rmNoOverwrite},
    {"mais-novos", TRestoreMode::rmNewer},
    {"existentes", TRestoreMode::rmExisting},
    {"existentes-mais-novos", TRestoreMode::rmExistingNewer}};

struct UsageError {
    std::string message;
};

struct Arguments {
    Command command{};
    std::vector<std::string> operands;
    std::optional<fs::path> data;
    std::optional<std::string> server;
    TCompressionLevel level = TCompressionLevel::clFastest;
    std::int64_t maxSize = 0;
    TRestoreMode mode = TRestoreMode::rmAll;
    // Options given, to refuse those that do not belong to the command.
    std::vector<std::string> options;
};

template <typename T>
T choice(const std::map<std::string, T, std::less<>>& choices, const std::string& option,
         const std::string& value) {
    const auto found = choices.find(value);
    if (found == choices.end()) throw UsageError{"valor inválido para " + option + ": " + value};
    return found->second;
}

std::int64_t byteCount(const std::string& value) {
    std::int64_t result = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
    if (value.empty() || error != std::errc{} || end != value.data() + value.size() || result < 0)
        throw UsageError{"valor inválido para --tamanho-maximo: " + value};
    return result;
}

Arguments parse(const std::vector<std::string>& args) {
    Arguments parsed;
    std::optional<Command> command;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError{"falta o valor de " + arg};
            return args[++i];
        };
        if (const auto found = kCommands.find(arg); found != kCommands.end()) {
            if (command) throw UsageError{"só uma operação por vez"};
            command = found->second;
            parsed.operands.push_back(value());
            // A restore's folder, unless it goes onto a server.
            if (*command == Command::Restore && i + 1 < args.size() && !args[i + 1].starts_with("--"))
                parsed.operands.push_back(args[++i]);
            continue;
        }
        if (!kOptions.contains(arg)) throw UsageError{"argumento desconhecido: " + arg};
        parsed.options.push_back(arg);
        if (arg == "--data" || arg == "--servidor") {
            if (parsed.data || parsed.server) throw UsageError{"use --data ou --servidor, uma vez só"};
            if (arg == "--data")
                parsed.data = fs::path(value());
            else
                parsed.server = value();
        } else if (arg == "--nivel") {
            parsed.level = choice(kLevels, arg, value());
        } else if (arg == "--tamanho-maximo") {
            parsed.maxSize = byteCount(value());
        } else if (arg == "--modo") {
            parsed.mode = choice(kModes, arg, value());
        }
    }
    if (!command) throw UsageError{"falta a operação"};
    parsed.command = *command;
    if (parsed.command == Command::Restore && (parsed.operands.size() == 2) == parsed.server.has_value())
        throw UsageError{parsed.server ? "--restore vai para um DIRETÓRIO ou para --servidor, não os dois"
                                       : "falta o DIRETÓRIO (ou --servidor CONEXAO) de --restore"};
    for (const auto& option : parsed.options)
        if (const auto only = kOptions.find(option)->second; only && *only != parsed.command)
            throw UsageError{option + " não se aplica a esta operação"};
    return parsed;
}

// --servidor, --data, else the data set the program is configured for.
store::Location backedUp(const Arguments& args, const store::Location& configured) {
    if (args.server) return store::Location(store::ServerConnection{*args.server});
    if (args.data) return store::Location(*args.data);
    return configured;
}

int reportBackup(const TBackupFile& backup, bool written, std::ostream& out, std::ostream& err) {
    if (!written) {
        err << "velmora: " << backup.ErrorText() << "\nOcorreram Erros Durante o Backup!\n";
        return 1;
    }
    out << "Backup Concluído. " << backup.FilesDone() << " arquivos, compactados em "
        << backup.CompressionRatio() << " %\n";
    return 0;
}

int backup(const Arguments& args, const store::Location& configured, std::ostream& out, std::ostream& err,
           TBackupFile::FileSource fileSource) {
    const store::Location dataSet = backedUp(args, configured);
    TBackupFile backup;
    backup.BackupMode = TBackupMode::bmAll;
    backup.SetArchiveFlag = true;
    backup.CompressionLevel = args.level;
    backup.MaxSize = args.maxSize;
    if (dataSet.onServer()) {
        bool written = false;
        try {
            store::Database server(dataSet);
            written = backupTables(backup, server, args.operands[0]);
        } catch (const std::exception& failure) {
            err << "velmora: " << failure.what() << "\nOcorreram Erros Durante o Backup!\n";
            return 1;
        }
        return reportBackup(backup, written, out, err);
    }
    const fs::path& dataDir = dataSet.directory;
    std::error_code error;
    // A wrong folder would otherwise give an empty archive that looks like a good backup.
    if (dataDir.empty() || !fs::is_directory(dataDir, error)) {
        err << "velmora: a pasta de dados não existe: " << dataDir.string() << "\n";
        return 1;
    }
    backup.SourceOfFile = std::move(fileSource);
    return reportBackup(backup, backup.BackupFiles({(dataDir / "*.*").string()}, args.operands[0]), out, err);
}

// A restore written over a data set is the next row of the trail the backup brought back.
// The restore itself stands whether or not that row can be written; the user is told.
void recordRestore(const store::Location& dataSet, const std::string& archive, std::ostream& err) {
    try {
        if (!data::holdsTables(dataSet)) return;  // files restored elsewhere, not a data set
        data::FailOnMessage failOnMessage;
        data::Tdm dm(dataSet, failOnMessage);
        data::auditAlone(dm, {.acao = "Restauração de Backup", .resumo = "Arquivo " + archive});
    } catch (const std::exception& failure) {
        err << "velmora: a restauração foi feita, mas não foi registrada na auditoria: " << failure.what() << '\n';
    }
}

int restore(const Arguments& args, std::ostream& out, std::ostream& err) {
    TBackupFile backup;
    backup.RestoreMode = args.mode;
    constexpr const char* kFailed = "\nErro Na Restauração dos Arquivos!\n";
    if (args.server) {
        std::optional<TablesRestored> restored;
        try {
            store::Database server(store::Location(store::ServerConnection{*args.server}));
            restored = restoreTables(backup, args.operands[0], server);
        } catch (const std::exception& failure) {
            err << "velmora: " << failure.what() << kFailed;
            return 1;
        }
        if (!restored) {
            err << "velmora: " << backup.ErrorText() << kFailed;
            return 1;
        }
        out << "Tabelas Restauradas Com Sucesso! " << restored->tables << " Tabelas de " << restored->archived
            << " Arquivos Restauradas\n";
        recordRestore(store::Location(store::ServerConnection{*args.server}), args.operands[0], err);
        return 0;
    }
    if (!backup.RestoreArchive(args.operands[0], args.operands[1])) {
        err << "velmora: " << backup.ErrorText() << kFailed;
        return 1;
    }
    try {
        nameRestoredTableFiles(args.operands[1]);
    } catch (const std::exception& failure) {
        err << "velmora: " << failure.what() << kFailed;
        return 1;
    }
    out << "Arquivos Restaurados Com Sucesso! " << backup.FilesDone() << " Arquivos de " << backup.FileCount()
        << " Restaurados\n";
    recordRestore(store::Location(std::filesystem::path(args.operands[1])), args.operands[0], err);
    return 0;
}

int archiveInfo(const Arguments& args, std::ostream& out, std::ostream& err) {
    TBackupFile backup;
    const auto header = backup.ReadArchiveInfo(args.operands[0]);
    if (!header) {
        err << "velmora: " << backup.ErrorText() << "\n";
        return 1;
    }
    out << "Título: " << header->title << "\nArquivos: " << header->fileCount
        << "\nTamanho total: " << header->totalSize << " bytes\n";
    return 0;
}

}  // namespace

std::string_view backupUsage() {
    return "  velmora --backup ARQUIVO.bck [--data DIRETÓRIO | --servidor CONEXAO]\n"
           "          [--nivel rapido|nenhum|padrao|maximo] [--tamanho-maximo BYTES]\n"
           "      Copia os arquivos do diretório de dados para ARQUIVO.bck (com --tamanho-maximo, em\n"
           "      volumes de até BYTES cada). Com os dados num servidor, copia as tabelas dele, todas\n"
           "      como estavam num mesmo momento, enquanto as outras estações continuam trabalhando.\n"
           "  velmora --restore ARQUIVO.bck DIRETÓRIO\n"
           "          [--modo todos|sem-sobrescrever|mais-novos|existentes|existentes-mais-novos]\n"
           "      Restaura em DIRETÓRIO os arquivos de uma cópia de segurança.\n"
           "  velmora --restore ARQUIVO.bck --servidor CONEXAO [--modo todos|sem-sobrescrever|existentes]\n"
           "      Restaura no servidor as tabelas de uma cópia de segurança (feita de um diretório ou\n"
           "      de um servidor), substituindo os registros das que ele já tem. Nenhuma outra estação\n"
           "      pode estar usando essas tabelas; cada uma é conferida com a cópia.\n"
           "  velmora --archive-info ARQUIVO.bck\n"
           "      Mostra o título, o número de arquivos e o tamanho de uma cópia de segurança.\n";
}

std::optional<int> runBackupCommand(const std::vector<std::string>& args, const store::Location& dataSet,
                                    std::ostream& out, std::ostream& err,
                                    TBackupFile::FileSource fileSource) {
    if (std::none_of(args.begin(), args.end(),
                     [](const std::string& arg) { return kCommands.contains(arg); }))
        return std::nullopt;
    try {
        const Arguments parsed = parse(args);
        switch (parsed.command) {
            case Command::Backup:
                return backup(parsed, dataSet, out, err, std::move(fileSource));
            case Command::Restore:
                return restore(parsed, out, err);
            case Command::Info:
                return archiveInfo(parsed, out, err);
        }
    } catch (const UsageError& error) {
        err << "velmora: " << error.message << "\nUso:\n" << backupUsage();
    }
    return 2;
}

}  // namespace maintenance
