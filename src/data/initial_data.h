#pragma once
// The data a new data directory starts with: every shared table file, the settings and
// counter records, one access row per protected area, the protected chart-of-accounts
// heading for employee advances, and the first employee and user (ADMINISTRADOR, password
// 1234). The demo set adds a small salon to try the program with. The data set's master
// password is a step of its own, as hashing it is slow on purpose.
#include <filesystem>
#include <string>

#include "data/store/database.h"

namespace data {

inline constexpr const char* kFirstUser = "ADMINISTRADOR";
inline constexpr const char* kFirstPassword = "1234";

// True when the data set (a directory, or a database on a server) holds at least one of the
// program's shared tables.
bool holdsTables(const store::Location& dataSet);

// Creates the directory if needed and fills it (or the server's database), without a master
// password. Refuses, with std::runtime_error and a Portuguese message, a data set that already
// holds tables: existing data is never touched.
void createInitialData(const store::Location& dataSet, bool demo);

// A new data set as the program hands it out: the initial data and a master password of
// its own, returned to be shown once (only its hash is stored).
std::string createDataSet(const store::Location& dataSet, bool demo);

}  // namespace data
