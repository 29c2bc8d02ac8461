#pragma once
// Error codes of the backup archive component and their fixed English messages.
#include <stdexcept>
#include <string>
#include <string_view>

namespace maintenance {

enum class BackupError {
    None = 0,
    CannotReadFile = 1,
    OverwritingFailed = 2,
    CannotReadArchive = 3,
    CannotWriteArchive = 4,
    InvalidArchive = 5,
    CompressionError = 6,
    CannotCreateTempFile = 7,
    // The header holds 32-bit sizes: 2 GiB of data or more cannot be described.
    DataTooLarge = 8,
    // Volumes are numbered with three digits and each must hold at least one block.
    VolumeSizeTooSmall = 9,
};

std::string_view errorMessage(BackupError code);
// What a screen asks, with OK and Cancel, before volume `disk` (2, 3, …).
std::string volumePrompt(int disk);

// Ends a backup or restore job with an error code; `detail` names the file involved.
class JobError : public std::runtime_error {
  public:
    JobError(BackupError code, std::string detail);
    BackupError code() const { return code_; }
    const std::string& detail() const { return detail_; }

  private:
    BackupError code_;
    std::string detail_;
};

// Ends a job that was stopped (StopJob, a progress handler or a cancelled volume prompt).
struct JobStopped {};

}  // namespace maintenance
