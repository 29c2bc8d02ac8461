#pragma once
// Where each stored file is restored, and whether it is written at all. Stored names are
// lower case while the files on disk are not ("clientes.dat" against "Clientes.DAT"), so an
// existing file whose name matches without regard to case is the one replaced and compared.
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace maintenance {

enum class TRestoreMode { rmAll, rmNoOverwrite, rmNewer, rmExisting, rmExistingNewer };

struct ExistingFile {
    bool regularFile = true;
    std::uint32_t dosDateTime = 0;
};

struct RestoreTarget {
    std::filesystem::path path;
    std::optional<ExistingFile> existing;
};

// Whether `mode` writes a file stored with `storedDateTime` over `existing` (nothing: no such file).
bool shouldRestore(TRestoreMode mode, const std::optional<ExistingFile>& existing,
                   std::uint32_t storedDateTime);

class RestoreTargets {
  public:
    // With a folder, every file goes into it under the file-name part of its stored name, so
    // no stored name can reach outside it. Without one, files go back to their stored
    // absolute paths.
    explicit RestoreTargets(std::filesystem::path folder);

    // Throws "Invalid archive type" for a name that names no file, and "Cannot read file" for
    // a stored path this system cannot take.
    RestoreTarget resolve(std::string_view storedName);
    // A file restored earlier in the same job counts as existing with its stored date.
    void noteRestored(const std::filesystem::path& target, std::uint32_t storedDateTime);

  private:
    struct Known {
        std::string name;
        std::optional<std::uint32_t> restoredDateTime;
    };
    using Folder = std::map<std::string, Known>;

    Folder& folder(const std::filesystem::path& path);
    // The name in `folder` that matches `name` without regard to case, if any.
    std::optional<std::string> match(const std::filesystem::path& folder, const std::string& name);
    std::filesystem::path storedPath(std::string_view storedName);

    std::filesystem::path folder_;
    std::map<std::filesystem::path, Folder> folders_;
};

}  // namespace maintenance
