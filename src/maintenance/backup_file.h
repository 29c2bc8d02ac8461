#pragma once
// TBackupFile: the backup archive component. It stores every file named by a list of path
// masks in one archive (".bck") of independent 16 KiB zlib blocks, optionally split over
// volumes of limited size, and restores such an archive into a folder. Prompts, progress
// and errors go through the handlers below, so a screen or a test answers them.
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "maintenance/archive_reader.h"
#include "maintenance/backup_errors.h"
#include "maintenance/restore_targets.h"

namespace maintenance {

class ArchiveWriter;
class BlockCompressor;
struct SelectedFile;

enum class TBackupMode { bmAll, bmIncremental };
enum class TCompressionLevel { clFastest, clNone, clDefault, clMax };

class TBackupFile {
  public:
    // File name (empty at the start and the end of a job) and whole percent 0..100;
    // false stops the job after the current block. The screen lets its events through here.
    using ProgressHandler = std::function<bool(const std::string& fileName, int percent)>;
    // Asks for volume `disk` (2, 3, …); false cancels the job.
    using NeedDiskHandler = std::function<bool(int disk)>;
    // Reported once at the end of a failed job.
    using ErrorHandler = std::function<void(BackupError code, const std::string& message)>;
    // Gives the file the bytes of `file` are read from: `file` itself, or a consistent copy
    // it wrote to `scratch`. Throwing stops the backup with "Cannot read file".
    using FileSource = std::function<std::filesystem::path(const std::filesystem::path& file,
                                                           const std::filesystem::path& scratch)>;

    static constexpr std::string_view Version = "3.00";

    std::string BackupTitle;
    // bmIncremental takes only files changed since they were last stored, and always marks
    // the stored files as such.
    TBackupMode BackupMode = TBackupMode::bmAll;
    TCompressionLevel CompressionLevel = TCompressionLevel::clDefault;
    TRestoreMode RestoreMode = TRestoreMode::rmAll;
    // Largest size of one volume in bytes; 0 writes one volume of any size.
    std::int64_t MaxSize = 0;
    // Marks each stored file as archived, once the whole archive has been written.
    bool SetArchiveFlag = false;
    ProgressHandler OnProgress;
    // Unset: a backup goes on to the next volume file at once, and a restore expects every
    // volume beside the first.
    NeedDiskHandler OnNeedDisk;
    ErrorHandler OnError;
    // Unset: files are read as they are.
    FileSource SourceOfFile;

    // True once the whole archive, end marker included, has been written.
    bool BackupFiles(const std::vector<std::string>& masks, const std::filesystem::path& archive);
    // Empty folder: back to the stored paths. The archive is read completely before the first
    // file is replaced; true when nothing failed and the job was not stopped.
    bool RestoreArchive(const std::filesystem::path& archive, const std::filesystem::path& restoreFolder);
    // The header of an archive; nothing (with the error code set) when it cannot be read.
    std::optional<ArchiveHeader> ReadArchiveInfo(const std::filesystem::path& archive);

    // Percent saved by the last backup: 100 - (bytes in data sections * 100 / total bytes);
    // 0 when the files held no bytes.
    int CompressionRatio() const;
    bool IsBusy() const { return busy_; }
    // The running job stops after its current block.
    void StopJob() { continue_ = false; }

    BackupError ErrorCode() const { return error_; }
    // The error's message and the file it concerns.
    const std::string& ErrorText() const { return errorText_; }
    // Bytes of the selection (backup) or of the header (restore, information).
    std::int64_t TotalBytes() const { return totalBytes_; }
    // Files of the selection (backup) or of the header (restore, information).
    std::int64_t FileCount() const { return fileCount_; }
    // Files stored by the last backup, or written by the last restore.
    int FilesDone() const { return filesDone_; }

  private:
    class ScratchFile;

    // Stores one selected file; gives the write time it had, or nothing when it is gone.
    std::optional<std::filesystem::file_time_type> storeFile(ArchiveWriter& writer,
                                                             BlockCompressor& compressor,
                                                             const SelectedFile& file, ScratchFile& scratch,
                                                             std::int64_t& bytesRead);
    void findVolume(const std::filesystem::path& path, int volume);
    void reportProgress(const std::string& fileName, std::int64_t done);
    void beginJob();
    // Progress at 100 %, the error reported once; gives the job's result.
    bool endJob();
    void fail(const JobError& error);

    std::atomic<bool> busy_ = false;
    std::atomic<bool> continue_ = false;
    BackupError error_ = BackupError::None;
    std::string errorText_;
    std::int64_t totalBytes_ = 0;
    std::int64_t fileCount_ = 0;
    std::int64_t sectionBytes_ = 0;
    int filesDone_ = 0;
};

}  // namespace maintenance
