#pragma once
// The data a new data directory starts with: every shared table file, the settings and
// counter records, one access row per protected area, the protected chart-of-accounts
// heading for employee advances, and the first employee and user (ADMINISTRADOR, password
// 1234). The demo set adds a small salon to try the program with.
#include <filesystem>

namespace data {

inline constexpr const char* kFirstUser = "ADMINISTRADOR";
inline constexpr const char* kFirstPassword = "1234";

// True when the directory holds at least one of the program's shared table files.
bool holdsTables(const std::filesystem::path& directory);

// Creates the directory if needed and fills it. Refuses, with std::runtime_error and a
// Portuguese message, a directory that already holds tables: existing data is never touched.
void createInitialData(const std::filesystem::path& directory, bool demo);

}  // namespace data
