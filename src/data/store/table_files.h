#pragma once
// Table repair and the file-by-file backup and restore work on the table files of a data
// directory. A data set on a server has no such files: its own tools copy it.
#include <string>

namespace store {

class Database;

// Throws store::Error naming `work` ("O reparador de arquivos") when `database` keeps no
// table files.
void requireTableFiles(const Database& database, const std::string& work);

}  // namespace store
