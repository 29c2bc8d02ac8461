#pragma once
// An archive stores its file names in lower case ("clientes.dat"). A file restored over an
// existing one keeps that one's name, but a table file restored where there was none must get
// the name the table store opens it by ("Clientes.DAT"), or, where names differ by case, the
// restored table would not be found.
#include <filesystem>

namespace maintenance {

// Gives each file of `folder` that is a table file of the data module under another case its
// proper name, unless a file of that name is there already.
void nameRestoredTableFiles(const std::filesystem::path& folder);

}  // namespace maintenance
