#pragma once
// Reports without a window:
//   velmora --pdf|--txt|--xlsx|--csv REPORT OUT [--data DIR | --servidor CONEXAO] [the report's own options]
// The tables are prepared exactly as the menu entry prepares them. Every report this can
// write is one entry of the table in report_command_line.cpp, with its options; the usage
// (and so `velmora --help`) is made from that table.
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "data/store/database.h"
#include "reports/engine/generator.h"

namespace reports {

// The --pdf, --txt, --xlsx and --csv forms as `velmora --help` lists them, with every report and its options.
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

// The options that each ask for a report in one format: "--pdf", "--txt"...
std::vector<std::string> reportOutputFlags();

// The names --pdf accepts, in the order the usage lists them.
std::vector<std::string> pdfReportNames();

// Nothing when `args` hold none of --pdf, --txt, --xlsx and --csv. Otherwise the exit status:
// 0 only once the file has been written, 1 when the data or the file failed, 2 for arguments
// it cannot use; what went wrong is written to `err`. `options` give the date and time the
// report prints. Starts an offscreen application object when the program has none yet.
std::optional<int> runReportCommandLine(const std::vector<std::string>& args,
                                        const store::Location& configuredDataSet, std::ostream& err,
                                        const GenerateOptions& options = {});

}  // namespace reports
