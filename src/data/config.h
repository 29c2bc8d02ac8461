#pragma once
// config.ini names the data directory. It is read once, never written, and looked for in
// three places, first found wins: beside the program (a portable copy carries its own),
// the user's configuration folder, then the machine's.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace data {

// One value of an INI file. Section and key names match whatever their case; blanks around
// names and values are ignored, as are comment lines (";" or "#") and a UTF-8 mark at the
// start. Nothing when the file, the section or the key is missing.
std::optional<std::string> readIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key);

// Where config.ini is looked for, in this order, and the data directory used when none
// names one. An empty folder is not looked in.
struct ConfigPlaces {
    std::filesystem::path programDirectory;
    std::filesystem::path userConfigDirectory;
    std::filesystem::path systemConfigDirectory;
    std::filesystem::path defaultDataDirectory;
};

// The places for a program running from `programDirectory`, read from the environment:
// the user's folder is $XDG_CONFIG_HOME/velmora (~/.config/velmora when that is unset or
// not absolute), the machine's /etc/velmora. Without config.ini an installed program (one
// running from `installedDirectory`, where it cannot write) keeps its data in
// $XDG_DATA_HOME/velmora/Dados (~/.local/share/velmora/Dados); any other copy, a source
// build or a portable folder, in "Dados" beside itself.
ConfigPlaces standardConfigPlaces(const std::filesystem::path& programDirectory,
                                  const std::filesystem::path& installedDirectory);

// The config.ini files looked for, in order.
std::vector<std::filesystem::path> configSearchOrder(const ConfigPlaces& places);

struct DataLocation {
    std::optional<std::filesystem::path> configFile;  // the config.ini read, when one exists
    std::filesystem::path dataDirectory;
    // The database server the data set is on instead, when config.ini names one.
    std::optional<std::string> server;
};

// The first config.ini that exists is the one read: its section "Dados", key "diretorio",
// taken as written. When no file exists, or the one found lacks the section or the key or
// leaves it empty, the default data directory. Its section "Servidor", key "conexao" (a libpq
// connection string or service name, never a password), puts the data set on that server.
DataLocation locateDataDirectory(const ConfigPlaces& places);

}  // namespace data
