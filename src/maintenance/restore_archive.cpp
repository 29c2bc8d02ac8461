// Reading an archive: TBackupFile::RestoreArchive and TBackupFile::ReadArchiveInfo.
#include <system_error>

#include "maintenance/archive_format.h"
#include "maintenance/backup_file.h"
#include "maintenance/dos_date_time.h"
#include "maintenance/restore_staging.h"

namespace maintenance {

namespace fs = std::filesystem;

void TBackupFile::findVolume(const fs::path& path, int volume) {
    std::error_code error;
    while (!fs::exists(path, error)) {
        if (!OnNeedDisk) throw JobError(BackupError::CannotReadArchive, path.string());
        if (!OnNeedDisk(volume)) throw JobStopped{};
    }
}

bool TBackupFile::RestoreArchive(const fs::path& archive, const fs::path& restoreFolder) {
    beginJob();
    try {
        std::error_code error;
        if (!fs::is_regular_file(archive, error))
            throw JobError(BackupError::CannotReadArchive, archive.string());
        ArchiveReader reader(archive, [this](const fs::path& path, int volume) { findVolume(path, volume); });
        const ArchiveHeader header = reader.readHeader();
        totalBytes_ = header.totalSize;
        fileCount_ = header.fileCount;

        RestoreTargets targets(restoreFolder);
        RestoreStaging staging;
        std::int64_t bytesWritten = 0;
        while (const auto entry = reader.nextEntry()) {
            if (entry->name == format::kFileListName) {
                reader.readData({.take = [&](auto) { reportProgress(entry->name, bytesWritten); }});
                continue;
            }
            const auto date = fromDosDateTime(entry->dosDateTime);
            if (!date) throw JobError(BackupError::InvalidArchive, entry->name);
            const RestoreTarget target = targets.resolve(entry->name);
            const std::string shownName = target.path.string();
            if (!shouldRestore(RestoreMode, target.existing, entry->dosDateTime)) {
                // Read all the same: a damaged block anywhere refuses the whole archive.
                reader.readData({.take = [&](auto) { reportProgress(shownName, bytesWritten); }});
                continue;
            }
            if (target.existing && !target.existing->regularFile)
                throw JobError(BackupError::CannotReadFile, shownName);
            staging.begin(target.path, *date);
            reader.readData({.room = [&](std::size_t size) { return staging.room(size); },
                             .take =
                                 [&](std::span<const std::uint8_t> bytes) {
                                     staging.filled(bytes.size());
                                     bytesWritten += static_cast<std::int64_t>(bytes.size());
                                     reportProgress(shownName, bytesWritten);
                                 }});
            staging.end();
            targets.noteRestored(target.path, entry->dosDateTime);
        }
        filesDone_ = staging.commit();
    } catch (const JobError& error) {
        fail(error);
    } catch (const JobStopped&) {
        continue_ = false;
    } catch (const std::exception& error) {
        fail(JobError(BackupError::CannotReadFile, error.what()));
    }
    return endJob();
}

std::optional<ArchiveHeader> TBackupFile::ReadArchiveInfo(const fs::path& archive) {
    error_ = BackupError::None;
    errorText_.clear();
    try {
        std::error_code error;
        if (!fs::is_regular_file(archive, error))
            throw JobError(BackupError::CannotReadArchive, archive.string());
        ArchiveReader reader(archive, {});
        try {
            const ArchiveHeader header = reader.readHeader();
            totalBytes_ = header.totalSize;
            fileCount_ = header.fileCount;
            return header;
        } catch (const JobError&) {
            throw JobError(BackupError::InvalidArchive, archive.string());
        }
    } catch (const JobError& error) {
        error_ = error.code();
        errorText_ = error.what();
        if (OnError) OnError(error_, errorText_);
    }
    return std::nullopt;
}

}  // namespace maintenance
