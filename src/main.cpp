// Velmora: management of a beauty salon.
//
// Without options the program opens its windows on the configured data set (or the one of
// --data DIR or --servidor CONEXAO). Every other form of the command line (`velmora --help`
// lists them) does its work without a window and ends the run with its exit status.
#include <filesystem>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "app/startup.h"
#include "command_line.h"
#include "data/config.h"
#include "screen_wiring.h"

namespace {

std::filesystem::path programDirectory(const char* argv0) {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv0);
    return self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto places = data::standardConfigPlaces(programDirectory(argv[0]), VELMORA_INSTALLED_BINDIR);
    const auto outcome = runCommandLine(args, places, std::cout, std::cerr);
    if (const int* status = std::get_if<int>(&outcome)) return *status;
    return app::runProgram(argc, argv, std::get<store::Location>(outcome), wireScreens);
}
