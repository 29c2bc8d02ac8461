#pragma once
// Reports without a window:
//   velmora --pdf REPORT OUT.pdf [--data DIR | --servidor CONEXAO] [the report's own options]
// The tables are prepared exactly as the menu entry prepares them. Every report this can
// write is one entry of the table in report_command_line.cpp, with its options; the usage
// (and so `velmora --help`) is made from that table.
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "data/store/database.h"

namespace reports {

// The --pdf form as `velmora --help` lists it, with every report and its options.
std::string pdfUsage();

// The --recibo form as `velmora --help` lists it:
//   velmora --recibo NAME OUT.bin [--data DIR | --servidor CONEXAO] [--largura 48|32] [the receipt's own
//   options]
std::string receiptUsage();

// Nothing when `args` hold no --recibo. Otherwise the exit status, as runReportCommandLine:
// the ESC/POS bytes of the receipt written to the file, laid out by the data set's receipt
// printer settings except where the options say otherwise.
std::optional<int> runReceiptCommandLine(const std::vector<std::string>& args,
                                         const store::Location& configuredDataSet, std::ostream& err);

// The names --pdf accepts, in the order the usage lists them.
std::vector<std::string> pdfReportNames();

// Nothing when `args` hold no --pdf. Otherwise the exit status: 0 only once the PDF has
// been written, 1 when the data or the file failed, 2 for arguments it cannot use; what
// went wrong is written to `err`. Starts an offscreen application object when the
// program has none yet.
std::optional<int> runReportCommandLine(const std::vector<std::string>& args,
                                        const store::Location& configuredDataSet, std::ostream& err);

}  // namespace reports
