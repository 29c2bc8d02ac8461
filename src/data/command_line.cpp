#include "data/command_line.h"

#include <algorithm>
#include <exception>
#include <ostream>

#include "data/dm.h"
#include "data/initial_data.h"
#include "data/master_password.h"
#include "data/messages.h"

namespace data {

namespace {

constexpr const char* kInitData = "--init-data";
constexpr const char* kNewMasterPassword = "--senha-master";
constexpr const char* kDemo = "--demo";
constexpr const char* kServer = "--servidor";

struct UsageError {
    std::string message;
};

bool has(const std::vector<std::string>& args, const std::string& option) {
    return std::find(args.begin(), args.end(), option) != args.end();
}

// The data set after `command`: a directory, or "--servidor CONEXAO"; every other argument
// must be one of `flags`.
store::Location dataSetOf(const std::vector<std::string>& args, const std::string& command,
                          const std::vector<std::string>& flags) {
    std::optional<store::Location> dataSet;
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (*it == command) {
            if (std::next(it) != args.end() && *std::next(it) == kServer) {
                ++it;
                if (std::next(it) == args.end() || std::next(it)->starts_with("-"))
                    throw UsageError{"falta a conexão de " + std::string(kServer)};
                dataSet = store::Location(store::ServerConnection{*++it});
                continue;
            }
            if (std::next(it) == args.end() || std::next(it)->starts_with("-"))
                throw UsageError{"falta o diretório de " + command};
            dataSet = store::Location(std::filesystem::path(*++it));
        } else if (std::find(flags.begin(), flags.end(), *it) == flags.end()) {
            throw UsageError{"argumento desconhecido com " + command + ": " + *it};
        }
    }
    return *dataSet;
}

std::string named(const store::Location& dataSet) {
    return dataSet.onServer() ? "no servidor " + dataSet.server->connection
                              : "em " + dataSet.directory.string();
}

int initData(const std::vector<std::string>& args, std::ostream& out) {
    const store::Location dataSet = dataSetOf(args, kInitData, {kDemo});
    const bool demo = has(args, kDemo);
    const std::string password = createDataSet(dataSet, demo);
    out << (demo ? "Dados de demonstração criados " : "Dados iniciais criados ") << named(dataSet) << '\n'
        << masterPasswordNotice(password) << '\n';
    return 0;
}

int newMasterPassword(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const store::Location dataSet = dataSetOf(args, kNewMasterPassword, {});
    if (!holdsTables(dataSet)) {
        err << "velmora: " << dataSet.describe() << " não tem as tabelas do Velmora.\n";
        return 1;
    }
    FailOnMessage failOnMessage;
    Tdm dm(dataSet, failOnMessage);
    out << "Nova Senha Master para os dados " << named(dataSet) << ". A anterior não vale mais.\n"
        << masterPasswordNotice(renewMasterPassword(dm)) << '\n';
    return 0;
}

}  // namespace

std::string dataCommandUsage() {
    return "  velmora --init-data DIRETÓRIO [--demo]\n"
           "      Cria um novo conjunto de dados em DIRETÓRIO (com --demo, um salão de demonstração)\n"
           "      e mostra, uma única vez, a sua Senha Master.\n"
           "  velmora --init-data --servidor CONEXAO [--demo]\n"
           "      O mesmo num banco de dados vazio de um servidor PostgreSQL (o usuário da conexão\n"
           "      precisa poder criar tabelas nele).\n"
           "  velmora --senha-master DIRETÓRIO\n"
           "      Troca a Senha Master dos dados em DIRETÓRIO (ou, com --servidor CONEXAO, dos dados\n"
           "      do servidor) e mostra a nova, uma única vez.\n";
}

std::optional<store::Location> initDataSet(const std::vector<std::string>& args) {
    if (!has(args, kInitData)) return std::nullopt;
    try {
        return dataSetOf(args, kInitData, {kDemo});
    } catch (const UsageError&) {
        return std::nullopt;
    }
}

std::optional<int> runDataCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                      std::ostream& err) {
    const bool init = has(args, kInitData);
    const bool renew = has(args, kNewMasterPassword);
    if (!init && !renew) return std::nullopt;
    try {
        if (init && renew) throw UsageError{"use --init-data ou --senha-master, não os dois"};
        return init ? initData(args, out) : newMasterPassword(args, out, err);
    } catch (const UsageError& error) {
        err << "velmora: " << error.message << '\n' << "Uso:\n" << dataCommandUsage();
        return 2;
    } catch (const std::exception& error) {
        err << "velmora: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace data
