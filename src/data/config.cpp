#include "data/config.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "core/text.h"

namespace data {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::string_view withoutByteOrderMark(std::string_view line) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    return line.starts_with(bom) ? line.substr(bom.size()) : line;
}

}  // namespace

std::optional<std::string> readIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    bool inSection = false;
    bool firstLine = true;
    for (std::string raw; std::getline(in, raw); firstLine = false) {
        std::string line = core::trimmed(firstLine ? withoutByteOrderMark(raw) : std::string_view(raw));
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            inSection =
                close != std::string::npos && sameName(core::trimmed(line.substr(1, close - 1)), section);
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || equals == std::string::npos) continue;
        if (sameName(core::trimmed(line.substr(0, equals)), key))
            return core::trimmed(line.substr(equals + 1));
    }
    return std::nullopt;
}

std::filesystem::path configuredDataDirectory(const std::filesystem::path& programDirectory) {
    const auto value = readIniValue(programDirectory / "config.ini", "Dados", "diretorio");
    if (value && !value->empty()) return std::filesystem::path(*value);
    return programDirectory / "Dados";
}

}  // namespace data
