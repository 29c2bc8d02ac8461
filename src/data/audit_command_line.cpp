#include "data/audit_command_line.h"

#include <exception>
#include <ostream>

#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/messages.h"

namespace data {

std::string auditCheckUsage() {
    return "  velmora --verificar-auditoria [--data DIRETÓRIO | --servidor CONEXAO]\n"
           "      Confere a trilha de auditoria registro a registro e mostra o primeiro que foi\n"
           "      removido ou alterado depois de gravado.\n";
}

int runAuditCheck(const std::vector<std::string>& args, const store::Location& dataSet, std::ostream& out,
                  std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--verificar-auditoria") continue;
        if ((args[i] == "--data" || args[i] == "--servidor") && i + 1 < args.size()) {
            ++i;
            continue;
        }
        err << "velmora: argumento desconhecido com --verificar-auditoria: " << args[i] << '\n'
            << "Uso:\n" << auditCheckUsage();
        return 2;
    }
    try {
        if (!holdsTables(dataSet)) {
            err << "velmora: " << dataSet.describe() << " não tem as tabelas do Velmora.\n";
            return 1;
        }
        FailOnMessage failOnMessage;
        Tdm dm(dataSet, failOnMessage);
        const AuditCheck check = checkAuditTrail(dm);
        if (check.brokenAt) {
            out << "Trilha de auditoria violada no registro " << *check.brokenAt << ": " << check.problem
                << ".\n";
            return 1;
        }
        out << "Trilha de auditoria íntegra: " << check.rows << (check.rows == 1 ? " registro" : " registros")
            << " conferidos.\n";
        return 0;
    } catch (const std::exception& error) {
        err << "velmora: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace data
