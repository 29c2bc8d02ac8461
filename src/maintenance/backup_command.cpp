#include "maintenance/backup_command.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <system_error>

namespace maintenance {

namespace fs = std::filesystem;

namespace {

enum class Command { Backup, Restore, Info };

const std::map<std::string, Command, std::less<>> kCommands{
    {"--backup", Command::Backup}, {"--restore", Command::Restore}, {"--archive-info", Command::Info}};
// The operation each option belongs to; --data is the program's own option for the whole
// run, so it is accepted with every operation (only a backup reads it).
const std::map<std::string, std::optional<Command>, std::less<>> kOptions{{"--data", std::nullopt},
                                                                          {"--level", Command::Backup},
                                                                          {"--max-size", Command::Backup},
                                                                          {"--mode", Command::Restore}};
const std::map<std::string, TCompressionLevel, std::less<>> kLevels{{"fastest", TCompressionLevel::clFastest},
                                                                    {"none", TCompressionLevel::clNone},
                                                                    {"default", TCompressionLevel::clDefault},
                                                                    {"max", TCompressionLevel::clMax}};
const std::map<std::string, TRestoreMode, std::less<>> kModes{
    {"all", TRestoreMode::rmAll},
    {"no-overwrite", TRestoreMode::rmNoOverwrite},
    {"newer", TRestoreMode::rmNewer},
    {"existing", TRestoreMode::rmExisting},
    {"existing-newer", TRestoreMode::rmExistingNewer}};

struct UsageError {
    std::string message;
};

struct Arguments {
    Command command{};
    std::vector<std::string> operands;
    std::optional<fs::path> data;
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
        throw UsageError{"valor inválido para --max-size: " + value};
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
            if (*command == Command::Restore) parsed.operands.push_back(value());
            continue;
        }
        if (!kOptions.contains(arg)) throw UsageError{"argumento desconhecido: " + arg};
        parsed.options.push_back(arg);
        if (arg == "--data") {
            parsed.data = fs::path(value());
        } else if (arg == "--level") {
            parsed.level = choice(kLevels, arg, value());
        } else if (arg == "--max-size") {
            parsed.maxSize = byteCount(value());
        } else if (arg == "--mode") {
            parsed.mode = choice(kModes, arg, value());
        }
    }
    if (!command) throw UsageError{"falta a operação"};
    parsed.command = *command;
    for (const auto& option : parsed.options)
        if (const auto only = kOptions.find(option)->second; only && *only != parsed.command)
            throw UsageError{option + " não se aplica a esta operação"};
    return parsed;
}

int backup(const Arguments& args, const fs::path& configuredDataDir, std::ostream& out, std::ostream& err,
           TBackupFile::FileSource fileSource) {
    const fs::path dataDir = args.data.value_or(configuredDataDir);
    std::error_code error;
    // A wrong folder would otherwise give an empty archive that looks like a good backup.
    if (dataDir.empty() || !fs::is_directory(dataDir, error)) {
        err << "velmora: a pasta de dados não existe: " << dataDir.string() << "\n";
        return 1;
    }
    TBackupFile backup;
    backup.BackupMode = TBackupMode::bmAll;
    backup.SetArchiveFlag = true;
    backup.CompressionLevel = args.level;
    backup.MaxSize = args.maxSize;
    backup.SourceOfFile = std::move(fileSource);
    if (!backup.BackupFiles({(dataDir / "*.*").string()}, args.operands[0])) {
        err << "velmora: " << backup.ErrorText() << "\nOcorreram Erros Durante o Backup!\n";
        return 1;
    }
    out << "Backup Concluído. " << backup.FilesDone() << " arquivos, compactados em "
        << backup.CompressionRatio() << " %\n";
    return 0;
}

int restore(const Arguments& args, std::ostream& out, std::ostream& err) {
    TBackupFile backup;
    backup.RestoreMode = args.mode;
    if (!backup.RestoreArchive(args.operands[0], args.operands[1])) {
        err << "velmora: " << backup.ErrorText() << "\nErro Na Restauração dos Arquivos!\n";
        return 1;
    }
    out << "Arquivos Restaurados Com Sucesso! " << backup.FilesDone() << " Arquivos de " << backup.FileCount()
        << " Restaurados\n";
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
    return "  velmora --backup ARQUIVO.bck [--data DIRETÓRIO] [--level fastest|none|default|max] "
           "[--max-size BYTES]\n"
           "      Copia os arquivos do diretório de dados para ARQUIVO.bck (com --max-size, em volumes\n"
           "      de até BYTES cada).\n"
           "  velmora --restore ARQUIVO.bck DIRETÓRIO [--mode "
           "all|no-overwrite|newer|existing|existing-newer]\n"
           "      Restaura em DIRETÓRIO os arquivos de uma cópia de segurança.\n"
           "  velmora --archive-info ARQUIVO.bck\n"
           "      Mostra o título, o número de arquivos e o tamanho de uma cópia de segurança.\n";
}

std::optional<int> runBackupCommand(const std::vector<std::string>& args, const fs::path& configuredDataDir,
                                    std::ostream& out, std::ostream& err,
                                    TBackupFile::FileSource fileSource) {
    if (std::none_of(args.begin(), args.end(),
                     [](const std::string& arg) { return kCommands.contains(arg); }))
        return std::nullopt;
    try {
        const Arguments parsed = parse(args);
        switch (parsed.command) {
            case Command::Backup:
                return backup(parsed, configuredDataDir, out, err, std::move(fileSource));
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
