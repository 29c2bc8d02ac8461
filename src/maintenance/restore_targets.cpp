#include "maintenance/restore_targets.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "maintenance/backup_errors.h"
#include "maintenance/dos_date_time.h"
#include "maintenance/file_names.h"

namespace maintenance {

namespace fs = std::filesystem;

bool shouldRestore(TRestoreMode mode, const std::optional<ExistingFile>& existing,
                   std::uint32_t storedDateTime) {
    const bool older = existing && existing->dosDateTime < storedDateTime;
    switch (mode) {
        case TRestoreMode::rmAll:
            return true;
        case TRestoreMode::rmNoOverwrite:
            return !existing;
        case TRestoreMode::rmNewer:
            return !existing || older;
        case TRestoreMode::rmExisting:
            return existing.has_value();
        case TRestoreMode::rmExistingNewer:
            return older;
    }
    return false;
}

RestoreTargets::RestoreTargets(fs::path folder) : folder_(std::move(folder)) {}

RestoreTargets::Folder& RestoreTargets::folder(const fs::path& path) {
    auto [it, added] = folders_.try_emplace(path);
    if (!added) return it->second;
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(path, error), end; !error && entry != end; entry.increment(error))
        names.push_back(entry->path().filename().string());
    // Of several names differing only in case, the first in byte order is taken, every time.
    std::sort(names.begin(), names.end());
    for (auto& name : names) it->second.try_emplace(lowerCase(name), Known{name, std::nullopt});
    return it->second;
}

std::optional<std::string> RestoreTargets::match(const fs::path& path, const std::string& name) {
    const Folder& known = folder(path);
    const auto found = known.find(lowerCase(name));
    if (found == known.end()) return std::nullopt;
    return found->second.name;
}

fs::path RestoreTargets::storedPath(std::string_view storedName) {
    std::string text(storedName);
    std::replace(text.begin(), text.end(), '\\', '/');
    if (!text.starts_with('/')) throw JobError(BackupError::CannotReadFile, std::string(storedName));
    // Each folder on the way is matched without regard to case, as the name was stored lower case.
    fs::path resolved = "/";
    for (const auto& part : fs::path(text).relative_path()) {
        const std::string name = part.string();
        if (!isPlainFileName(name)) throw JobError(BackupError::InvalidArchive, std::string(storedName));
        resolved /= match(resolved, name).value_or(name);
    }
    return resolved;
}

RestoreTarget RestoreTargets::resolve(std::string_view storedName) {
    fs::path path;
    if (folder_.empty()) {
        path = storedPath(storedName);
    } else {
        const std::string name(fileNamePart(storedName));
        if (!isPlainFileName(name)) throw JobError(BackupError::InvalidArchive, std::string(storedName));
        path = folder_ / match(folder_, name).value_or(name);
    }
    if (isRestoreLeftover(path.filename().string()))
        throw JobError(BackupError::InvalidArchive, std::string(storedName));
    RestoreTarget target{path, std::nullopt};
    const Folder& known = folder(path.parent_path());
    const auto found = known.find(lowerCase(path.filename().string()));
    if (found == known.end()) return target;
    if (found->second.restoredDateTime) {
        target.existing = ExistingFile{true, *found->second.restoredDateTime};
        return target;
    }
    std::error_code error;
    if (!fs::exists(fs::symlink_status(path, error))) return target;
    ExistingFile existing{fs::is_regular_file(fs::status(path, error)), 0};
    const auto written = fs::last_write_time(path, error);
    if (!error) existing.dosDateTime = toDosDateTime(written);
    target.existing = existing;
    return target;
}

void RestoreTargets::noteRestored(const fs::path& target, std::uint32_t storedDateTime) {
    Folder& known = folder(target.parent_path());
    const std::string name = target.filename().string();
    known.insert_or_assign(lowerCase(name), Known{name, storedDateTime});
}

}  // namespace maintenance
