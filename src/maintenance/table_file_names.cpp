#include "maintenance/table_file_names.h"

#include <map>
#include <system_error>
#include <utility>
#include <vector>

#include "data/tables.h"
#include "maintenance/file_names.h"

namespace maintenance {

namespace fs = std::filesystem;

void nameRestoredTableFiles(const fs::path& folder) {
    std::map<std::string, std::string> proper;  // by lower-case name
    for (const auto& entry : data::tableCatalogue())
        if (entry.placement == data::Placement::Shared)
            proper.emplace(lowerCase(entry.definition.fileName), entry.definition.fileName);
    std::vector<std::pair<fs::path, fs::path>> renames;
    std::error_code error;
    for (const auto& file : fs::directory_iterator(folder, error)) {
        const std::string name = file.path().filename().string();
        const auto found = proper.find(lowerCase(name));
        if (found == proper.end() || found->second == name || !file.is_regular_file(error)) continue;
        if (!fs::exists(folder / found->second, error))
            renames.emplace_back(file.path(), folder / found->second);
    }
    for (const auto& [from, to] : renames) fs::rename(from, to);
}

}  // namespace maintenance
