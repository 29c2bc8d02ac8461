#include "maintenance/file_selection.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "maintenance/archive_attribute.h"
#include "maintenance/file_names.h"

namespace maintenance {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kRecurseSuffix = " /s";

bool matchesFrom(std::string_view pattern, std::string_view name) {
    // Iterative wildcard match with one backtrack point: linear enough for file names.
    std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || lowerCase(pattern[p]) == lowerCase(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

// A table's transient companion ("Clientes.DAT-journal"): tables are archived through a
// consistent copy, and a stale journal restored beside that copy would be played back
// over it, so such files are never archived.
bool isTableSideFile(const fs::path& path) {
    const std::string name = path.filename().string();
    for (std::string_view suffix : {"-journal", "-wal", "-shm"})
        if (name.size() > suffix.size() && name.ends_with(suffix)) return true;
    return false;
}

// Recognises the archive and the volumes that follow it (same folder and stem, extension .NNN).
class ArchiveFiles {
  public:
    explicit ArchiveFiles(const fs::path& archive) : first_(canonicalOf(archive)) {}

    bool contains(const fs::path& file) const {
        const fs::path candidate = canonicalOf(file);
        if (candidate == first_) return true;
        if (candidate.parent_path() != first_.parent_path() || candidate.stem() != first_.stem())
            return false;
        const std::string extension = candidate.extension().string();
        return extension.size() == 4 && std::all_of(extension.begin() + 1, extension.end(),
                                                    [](char c) { return c >= '0' && c <= '9'; });
    }

  private:
    static fs::path canonicalOf(const fs::path& path) {
        std::error_code error;
        fs::path result = fs::weakly_canonical(path, error);
        return error ? fs::absolute(path).lexically_normal() : result;
    }

    fs::path first_;
};

class Selector {
  public:
    Selector(const fs::path& archive, bool onlyChanged) : archive_(archive), onlyChanged_(onlyChanged) {}

    void addMask(std::string_view mask) {
        bool recurse = mask.size() >= kRecurseSuffix.size() &&
                       equalIgnoringCase(mask.substr(mask.size() - kRecurseSuffix.size()), kRecurseSuffix);
        if (recurse) mask.remove_suffix(kRecurseSuffix.size());
        const fs::path maskPath = fs::absolute(fs::path(mask)).lexically_normal();
        addFolder(maskPath.parent_path(), maskPath.filename().string(), recurse);
    }

    Selection take() { return std::move(selection_); }

  private:
    void addFolder(const fs::path& folder, const std::string& pattern, bool recurse) {
        std::error_code error;
        std::vector<fs::directory_entry> entries;
        for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
             !error && it != end; it.increment(error))
            entries.push_back(*it);
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
        for (const auto& entry : entries) {
            // Folders reached through links are not followed, so a link cycle cannot recurse forever.
            if (entry.is_directory(error) && !entry.is_symlink(error)) {
                if (recurse) addFolder(entry.path(), pattern, recurse);
            } else if (entry.is_regular_file(error) &&
                       matchesMask(pattern, entry.path().filename().string())) {
                addFile(entry.path());
            }
        }
    }

    void addFile(const fs::path& path) {
        if (!seen_.insert(path.string()).second || archive_.contains(path) || isTableSideFile(path) ||
            isRestoreLeftover(path.filename().string()))
            return;
        if (onlyChanged_ && !archiveAttributeSet(path)) return;
        std::error_code error;
        const auto size = fs::file_size(path, error);
        if (!error) selection_.totalBytes += size;
        selection_.files.push_back({path, lowerCase(path.string())});
    }

    ArchiveFiles archive_;
    bool onlyChanged_;
    std::set<std::string> seen_;
    Selection selection_;
};

}  // namespace

bool matchesMask(std::string_view pattern, std::string_view name) {
    if (matchesFrom(pattern, name)) return true;
    return pattern.ends_with(".*") && name.find('.') == std::string_view::npos &&
           matchesFrom(pattern.substr(0, pattern.size() - 2), name);
}

Selection selectFiles(const std::vector<std::string>& masks, const fs::path& archive, bool onlyChanged) {
    Selector selector(archive, onlyChanged);
    for (const auto& mask : masks) selector.addMask(mask);
    return selector.take();
}

}  // namespace maintenance
