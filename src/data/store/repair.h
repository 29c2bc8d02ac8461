#pragma once
// Checking and repairing a damaged table file.
#include <filesystem>
#include <functional>

namespace store {

struct RepairReport {
    bool wasDamaged = false;
    long rowsRecovered = 0;
    long rowsLost = 0;
};

// True when the file is a table of this store and every check passes.
bool checkTableFile(const std::filesystem::path& path);

// Rebuilds a damaged table file from every row that can still be read (indexes are made
// anew); an intact file is left as it is. `progress` receives 0..100. The damaged file is
// kept beside the repaired one with the suffix ".danificado". Throws store::Error when the
// file is not a table or cannot be read at all, and store::LockError while another program
// instance has the table open.
RepairReport repairTableFile(const std::filesystem::path& path,
                             const std::function<void(int percent)>& progress = {});

}  // namespace store
