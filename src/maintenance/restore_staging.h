#pragma once
// A restore writes each file beside its target under a temporary name and moves them all
// over their targets only after the whole archive has been read without error; a damaged
// archive or a stopped restore leaves the folder exactly as it was.
#include <deque>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "maintenance/background_writer.h"

namespace maintenance {

class RestoreStaging {
  public:
    RestoreStaging() = default;
    // Removes what was staged and the folders it created, unless everything was committed.
    ~RestoreStaging();
    RestoreStaging(const RestoreStaging&) = delete;
    RestoreStaging& operator=(const RestoreStaging&) = delete;

    // Starts the file for `target`, creating its folder with any missing parents; it gets
    // `date` when it is committed.
    void begin(const std::filesystem::path& target, std::filesystem::file_time_type date);
    // Space for `size` more bytes of the file, and how many of them were filled.
    std::span<std::uint8_t> room(std::size_t size);
    void filled(std::size_t size);
    void end();
    // Gives every staged file its date and moves it over its target, in archive order;
    // gives the number moved.
    int commit();

  private:
    struct Staged {
        // Set by the writer's thread when it creates the file; read only after a drain.
        std::filesystem::path staged;
        std::filesystem::path target;
        std::filesystem::file_time_type date;
    };

    void createFolder(const std::filesystem::path& folder);
    [[noreturn]] void targetFailed(std::size_t file) const;

    // A deque: the writer's thread holds on to an entry while later ones are added.
    std::deque<Staged> staged_;
    std::vector<std::filesystem::path> createdFolders_;
    std::size_t committed_ = 0;
    // Started with the first file: a restore that writes nothing needs no second thread.
    std::optional<BackgroundWriter> writer_;
};

}  // namespace maintenance
