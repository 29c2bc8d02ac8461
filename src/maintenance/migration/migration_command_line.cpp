#include "maintenance/migration/migration_command_line.h"

#include <algorithm>
#include <exception>
#include <ostream>

#include "maintenance/migration/migration.h"

namespace migration {
namespace {

constexpr const char* kMigrate = "--migrar";
constexpr const char* kServer = "--servidor";

struct UsageError {
    std::string message;
};

// "--migrar A B": each side a directory or "--servidor CONEXAO", and nothing else.
std::vector<store::Location> sidesOf(const std::vector<std::string>& args) {
    if (args.empty() || args.front() != kMigrate)
        throw UsageError{std::string(kMigrate) + " vem primeiro, seguido da origem e do destino"};
    std::vector<store::Location> sides;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (sides.size() == 2) throw UsageError{"argumento a mais com --migrar: " + args[i]};
        if (args[i] == kServer) {
            if (i + 1 == args.size() || args[i + 1].starts_with("-"))
                throw UsageError{"falta a conexão de " + std::string(kServer)};
            sides.emplace_back(store::ServerConnection{args[++i]});
        } else if (args[i].starts_with("-")) {
            throw UsageError{"argumento desconhecido com --migrar: " + args[i]};
        } else {
            sides.emplace_back(std::filesystem::path(args[i]));
        }
    }
    if (sides.size() < 2) throw UsageError{"--migrar pede a origem e o destino"};
    return sides;
}

// Table by table on the terminal; the rows of a long table as they go.
class TerminalProgress final : public MigrationProgress {
  public:
    explicit TerminalProgress(std::ostream& out) : out_(out) {}

    void copying(const std::string& table, std::int64_t rows) override {
        out_ << table << ": copiando " << rows << (rows == 1 ? " registro" : " registros") << '\n';
    }
    void rowsCopied(const std::string& table, std::int64_t done, std::int64_t rows) override {
        if (done < rows) out_ << table << ":   " << done << " de " << rows << '\n';
    }
    void copied(const std::string&) override {}
    void checked(const std::string& table, std::int64_t rows) override {
        out_ << table << ": conferida, " << rows << (rows == 1 ? " registro igual" : " registros iguais")
             << " à origem\n";
    }
    void absent(const std::string& table) override {
        out_ << table << ": não existe na origem, não foi criada no destino\n";
    }

  private:
    std::ostream& out_;
};

}  // namespace

std::string migrationUsage() {
    return "  velmora --migrar ORIGEM DESTINO\n"
           "      Transfere todas as tabelas de um conjunto de dados para outro, vazio: cada lado é um\n"
           "      DIRETÓRIO ou --servidor CONEXAO (por exemplo --migrar DIRETÓRIO --servidor CONEXAO,\n"
           "      e de volta --migrar --servidor CONEXAO DIRETÓRIO). Nenhuma outra estação pode estar\n"
           "      usando a origem; cada tabela é conferida com a origem, e a origem fica marcada como\n"
           "      transferida, dizendo para onde.\n";
}

std::optional<int> runMigrationCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                           std::ostream& err) {
    if (std::find(args.begin(), args.end(), kMigrate) == args.end()) return std::nullopt;
    std::vector<store::Location> sides;
    try {
        sides = sidesOf(args);
    } catch (const UsageError& error) {
        err << "velmora: " << error.message << '\n' << "Uso:\n" << migrationUsage();
        return 2;
    }
    try {
        TerminalProgress progress(out);
        const MigrationSummary summary = migrate(sides[0], sides[1], progress);
        out << "Transferência concluída: " << summary.tables << " tabelas, " << summary.rows
            << " registros, conferidos. A origem ficou marcada como transferida.\n";
        return 0;
    } catch (const std::exception& error) {
        err << "velmora: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace migration
