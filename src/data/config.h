#pragma once
// config.ini beside the program: it names the data directory. Read once, never written.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace data {

// One value of an INI file. Section and key names match whatever their case; blanks around
// names and values are ignored, as are comment lines (";" or "#") and a UTF-8 mark at the
// start. Nothing when the file, the section or the key is missing.
std::optional<std::string> readIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key);

// The data directory for a program in `programDirectory`: section "Dados", key "diretorio"
// of its config.ini, taken as written; when the file, the section or the key is missing or
// the value is empty, the folder "Dados" beside the program.
std::filesystem::path configuredDataDirectory(const std::filesystem::path& programDirectory);

}  // namespace data
