// Velmora: management of a beauty salon.
//
// Without options the program opens its windows on the configured data directory.
// Options for work without anyone at the desk (each ends the run with its exit status):
//   --init-data DIR [--demo]                     a new data directory (with a demo salon)
//   --backup / --restore / --archive-info ...    the backup archive
//   --pdf REPORT OUT.pdf [--month N]             a report written to PDF
//   --data DIR                                   this run uses DIR instead of config.ini's
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/startup.h"
#include "data/command_line.h"
#include "data/config.h"
#include "maintenance/backup_command_line.h"
#include "reports/report_command_line.h"
#include "screen_wiring.h"

namespace {

std::filesystem::path programDirectory(const char* argv0) {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv0);
    return self.parent_path();
}

// The --data option, or config.ini's directory.
std::filesystem::path dataDirectory(const std::vector<std::string>& args, const std::filesystem::path& home) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "--data") return args[i + 1];
    return data::configuredDataDirectory(home);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto home = programDirectory(argv[0]);
    const auto dataDir = dataDirectory(args, home);

    if (auto status = data::runDataCommandLine(args, std::cout, std::cerr)) return *status;
    if (auto status = maintenance::runBackupCommandLine(args, dataDir, std::cout, std::cerr)) return *status;
    if (auto status = reports::runReportCommandLine(args, dataDir, std::cerr)) return *status;
    return app::runProgram(argc, argv, dataDir, wireScreens);
}
