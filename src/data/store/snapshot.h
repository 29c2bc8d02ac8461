#pragma once
// Consistent copies of table files for backups: a table that another station is
// writing at that moment is copied as of one committed state, never half-written.
#include <filesystem>

namespace store {

// True when `source` is a table file of this store (then `copy` receives a consistent
// snapshot of it); false when it is some other file, which the caller may copy as bytes.
// Throws store::Error when the table cannot be read or the copy cannot be written.
bool snapshotTableFile(const std::filesystem::path& source, const std::filesystem::path& copy);

}  // namespace store
