#include "data/command_line.h"

#include <algorithm>
#include <exception>
#include <ostream>

#include "data/initial_data.h"

namespace data {

namespace {

bool hasOption(const std::vector<std::string>& args, const std::string& option) {
    return std::find(args.begin(), args.end(), option) != args.end();
}

// The word after `option`, unless it is missing or is another option.
std::optional<std::string> optionValue(const std::vector<std::string>& args, const std::string& option) {
    const auto it = std::find(args.begin(), args.end(), option);
    if (it == args.end() || std::next(it) == args.end() || std::next(it)->starts_with("--"))
        return std::nullopt;
    return *std::next(it);
}

}  // namespace

std::optional<int> runDataCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                      std::ostream& err) {
    if (!hasOption(args, "--init-data")) return std::nullopt;
    const auto directory = optionValue(args, "--init-data");
    if (!directory) {
        err << "Uso: velmora --init-data DIRETÓRIO [--demo]\n";
        return 2;
    }
    const bool demo = hasOption(args, "--demo");
    try {
        createInitialData(*directory, demo);
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 1;
    }
    out << (demo ? "Dados de demonstração criados em " : "Dados iniciais criados em ") << *directory << '\n';
    return 0;
}

}  // namespace data
