#pragma once
// A restore writes each file beside its target under a temporary name and moves them all
// over their targets only after the whole archive has been read without error; a damaged
// archive or a stopped restore leaves the folder exactly as it was.
#include <filesystem>
#include <span>
#include <vector>

#include "maintenance/archive_io.h"

namespace maintenance {

class RestoreStaging {
  public:
    RestoreStaging() = default;
    // Removes what was staged and the folders it created, unless everything was committed.
    ~RestoreStaging();
    RestoreStaging(const RestoreStaging&) = delete;
    RestoreStaging& operator=(const RestoreStaging&) = delete;

    // Starts the file for `target`, creating its folder with any missing parents.
    void begin(const std::filesystem::path& target, std::filesystem::file_time_type date);
    void write(std::span<const std::uint8_t> bytes);
    // Closes the file and gives it its stored date.
    void end();
    // Moves every staged file over its target, in archive order; gives the number moved.
    int commit();

  private:
    struct Staged {
        std::filesystem::path staged;
        std::filesystem::path target;
    };

    void createFolder(const std::filesystem::path& folder);
    [[noreturn]] void targetFailed() const;

    std::vector<Staged> staged_;
    std::vector<std::filesystem::path> createdFolders_;
    FileHandle current_;
    std::filesystem::file_time_type currentDate_;
    std::size_t committed_ = 0;
};

}  // namespace maintenance
