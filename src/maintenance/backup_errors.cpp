#include "maintenance/backup_errors.h"

namespace maintenance {

std::string_view errorMessage(BackupError code) {
    switch (code) {
        case BackupError::None:
            return "";
        case BackupError::CannotReadFile:
            return "Cannot read file";
        case BackupError::OverwritingFailed:
            return "Overwriting file failed";
        case BackupError::CannotReadArchive:
            return "Cannot read archive";
        case BackupError::CannotWriteArchive:
            return "Cannot write to archive";
        case BackupError::InvalidArchive:
            return "Invalid archive type";
        case BackupError::CompressionError:
            return "Compression error";
        case BackupError::CannotCreateTempFile:
            return "Cannot create temporary file to save the file IDs";
        case BackupError::DataTooLarge:
            return "The files hold 2 GiB or more, which an archive cannot describe";
        case BackupError::VolumeSizeTooSmall:
            return "The volume size is too small for this archive";
    }
    return "";
}

std::string volumePrompt(int disk) {
    return "Please insert disk " + std::to_string(disk) + " and click OK to continue.";
}

JobError::JobError(BackupError code, std::string detail)
    : std::runtime_error(std::string(errorMessage(code)) + (detail.empty() ? "" : ": " + detail)),
      code_(code),
      detail_(std::move(detail)) {}

}  // namespace maintenance
