#pragma once
// A directory private to this program instance for its work tables: made the first time it
// is needed, under the system's temporary folder, and removed with everything in it when
// the owner goes away.
#include <filesystem>
#include <optional>

namespace data {

class ScratchDirectory {
  public:
    ScratchDirectory() = default;
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    // Creates the directory on the first call. Throws std::filesystem::filesystem_error.
    const std::filesystem::path& path();
    bool exists() const { return path_.has_value(); }

  private:
    std::optional<std::filesystem::path> path_;
};

}  // namespace data
