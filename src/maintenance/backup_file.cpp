#include "maintenance/backup_file.h"

#include <algorithm>

namespace maintenance {

int TBackupFile::CompressionRatio() const {
    if (totalBytes_ <= 0) return 0;
    return static_cast<int>(100 - sectionBytes_ * 100 / totalBytes_);
}

void TBackupFile::beginJob() {
    busy_ = true;
    continue_ = true;
    error_ = BackupError::None;
    errorText_.clear();
    totalBytes_ = 0;
    fileCount_ = 0;
    sectionBytes_ = 0;
    filesDone_ = 0;
}

bool TBackupFile::endJob() {
    if (OnProgress) OnProgress("", 100);
    busy_ = false;
    if (error_ != BackupError::None && OnError) OnError(error_, errorText_);
    return error_ == BackupError::None && continue_;
}

void TBackupFile::fail(const JobError& error) {
    error_ = error.code();
    errorText_ = error.what();
    continue_ = false;
}

void TBackupFile::reportProgress(const std::string& fileName, std::int64_t done) {
    // 64-bit arithmetic: exact for any size, never past 100 when a file grew meanwhile.
    const int percent =
        totalBytes_ > 0 ? static_cast<int>(std::min<std::int64_t>(100, done * 100 / totalBytes_)) : 0;
    if (OnProgress && !OnProgress(fileName, percent)) continue_ = false;
    if (!continue_) throw JobStopped{};
}

}  // namespace maintenance
