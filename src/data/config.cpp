#include "data/config.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>

#include <pwd.h>
#include <unistd.h>

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

namespace {

// An environment folder, when set to an absolute path (the XDG rule: a relative one is
// ignored).
std::optional<std::filesystem::path> absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    std::filesystem::path path(value);
    if (!path.is_absolute()) return std::nullopt;
    return path;
}

std::filesystem::path homeDirectory() {
    if (auto home = absoluteFromEnvironment("HOME")) return *home;
    if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr)
        return user->pw_dir;
    return {};
}

// $NAME, or HOME followed by `fallback`; empty when neither is known.
std::filesystem::path xdgDirectory(const char* name, const std::filesystem::path& fallback) {
    if (auto directory = absoluteFromEnvironment(name)) return *directory;
    const auto home = homeDirectory();
    return home.empty() ? home : home / fallback;
}

bool isInstalledCopy(const std::filesystem::path& programDirectory,
                     const std::filesystem::path& installedDirectory) {
    std::error_code error;
    return !installedDirectory.empty() &&
           std::filesystem::equivalent(programDirectory, installedDirectory, error) && !error;
}

}  // namespace

ConfigPlaces standardConfigPlaces(const std::filesystem::path& programDirectory,
                                  const std::filesystem::path& installedDirectory) {
    ConfigPlaces places{.programDirectory = programDirectory,
                        .systemConfigDirectory = "/etc/velmora",
                        .defaultDataDirectory = programDirectory / "Dados"};
    if (const auto config = xdgDirectory("XDG_CONFIG_HOME", ".config"); !config.empty())
        places.userConfigDirectory = config / "velmora";
    if (isInstalledCopy(programDirectory, installedDirectory)) {
        const auto dataHome = xdgDirectory("XDG_DATA_HOME", ".local/share");
        // Without any home a user has nowhere to keep data; the folder beside the program
        // at least names the problem when it cannot be created.
        if (!dataHome.empty()) places.defaultDataDirectory = dataHome / "velmora" / "Dados";
    }
    return places;
}

std::vector<std::filesystem::path> configSearchOrder(const ConfigPlaces& places) {
    std::vector<std::filesystem::path> files;
    for (const auto& directory :
         {places.programDirectory, places.userConfigDirectory, places.systemConfigDirectory})
        if (!directory.empty()) files.push_back(directory / "config.ini");
    return files;
}

DataLocation locateDataDirectory(const ConfigPlaces& places) {
    for (const auto& file : configSearchOrder(places)) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(file, error)) continue;
        const auto value = readIniValue(file, "Dados", "diretorio");
        auto server = readIniValue(file, "Servidor", "conexao");
        if (server && server->empty()) server.reset();
        return {file, value && !value->empty() ? std::filesystem::path(*value) : places.defaultDataDirectory,
                std::move(server)};
    }
    return {std::nullopt, places.defaultDataDirectory};
}

}  // namespace data
