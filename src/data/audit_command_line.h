#pragma once
// velmora --verificar-auditoria [--data DIR | --servidor CONEXAO]
//   checks the audit trail's chain of hashes and names the first row where it breaks.
#include <iosfwd>
#include <string>
#include <vector>

#include "data/store/database.h"

namespace data {

std::string auditCheckUsage();

// 0 when the whole trail holds, 1 when it breaks (or cannot be read), 2 for wrong arguments.
int runAuditCheck(const std::vector<std::string>& args, const store::Location& dataSet, std::ostream& out,
                  std::ostream& err);

}  // namespace data
