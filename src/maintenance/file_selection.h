#pragma once
// Choosing what goes into an archive: every file named by a list of path masks
// ("/salao/dados/*.*", optionally followed by " /s" to take subfolders too).
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace maintenance {

struct SelectedFile {
    std::filesystem::path path;
    // The name written into the archive: the full path in lower case.
    std::string storedName;
};

struct Selection {
    std::vector<SelectedFile> files;
    // Sum of the sizes of the selected files, counted in full so that an oversized total shows.
    std::uint64_t totalBytes = 0;
};

// DOS wildcard match without regard to case: "*" any run, "?" one character, and a
// trailing ".*" also takes names without an extension, so "*.*" takes every file.
bool matchesMask(std::string_view pattern, std::string_view name);

// Regular files only, each once, in mask order and by name within a folder; the archive
// and its further volumes, and tables' journal files, are never selected. With `onlyChanged`, files whose archive
// attribute is clear are left out.
Selection selectFiles(const std::vector<std::string>& masks, const std::filesystem::path& archive,
                      bool onlyChanged);

}  // namespace maintenance
