#pragma once
// Reports without a window:
//   velmora --pdf REPORT OUT.pdf [--data DIR] [--month N]
// REPORT is clientes, aniversariantes-dia, aniversariantes-mes (with --month 1..12),
// precos-servicos, precos-produtos or precos-todos. The tables are prepared exactly as
// the menu entry prepares them.
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace reports {

// Nothing when `args` hold no --pdf. Otherwise the exit status: 0 only once the PDF has
// been written, 1 when the data or the file failed, 2 for arguments it cannot use; what
// went wrong is written to `err`. Starts an offscreen application object when the
// program has none yet.
std::optional<int> runReportCommandLine(const std::vector<std::string>& args,
                                        const std::filesystem::path& configuredDataDir, std::ostream& err);

}  // namespace reports
