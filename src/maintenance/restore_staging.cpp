#include "maintenance/restore_staging.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>
#include <system_error>

#include "maintenance/backup_errors.h"
#include "maintenance/file_names.h"

namespace maintenance {

namespace fs = std::filesystem;

namespace {

constexpr int kNameAttempts = 100;

// A new file under an unused hidden name beside `target`, created with the usual permissions
// (0666 less the umask) rather than mkstemp's owner-only ones; a replaced file keeps its own.
// Runs on the writer's thread, so it throws nothing.
int createStagedFile(const fs::path& target, fs::path& created) noexcept {
    try {
        thread_local std::mt19937_64 names{std::random_device{}()};
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            created = target.parent_path() / (std::string(kRestoreStagingPrefix) + std::to_string(names()));
            const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno == EEXIST) continue;
            if (fd < 0) break;
            std::error_code error;
            const auto existing = fs::status(target, error);
            if (fs::is_regular_file(existing)) ::fchmod(fd, static_cast<mode_t>(existing.permissions()));
            return fd;
        }
    } catch (const std::exception&) {
    }
    created.clear();
    return -1;
}

}  // namespace

RestoreStaging::~RestoreStaging() {
    writer_.reset();
    if (committed_ == staged_.size()) return;
    std::error_code ignored;
    for (std::size_t i = committed_; i < staged_.size(); ++i)
        if (!staged_[i].staged.empty()) fs::remove(staged_[i].staged, ignored);
    // Deepest first; a folder that is not empty stays.
    for (auto it = createdFolders_.rbegin(); it != createdFolders_.rend(); ++it) fs::remove(*it, ignored);
}

void RestoreStaging::targetFailed(std::size_t file) const {
    throw JobError(BackupError::CannotReadFile, staged_.at(file).target.string());
}

void RestoreStaging::createFolder(const fs::path& folder) {
    std::vector<fs::path> missing;
    std::error_code error;
    for (fs::path path = folder; !path.empty() && !fs::exists(fs::symlink_status(path, error));
         path = path.parent_path())
        missing.push_back(path);
    for (auto it = missing.rbegin(); it != missing.rend(); ++it)
        if (fs::create_directory(*it, error)) createdFolders_.push_back(*it);
}

void RestoreStaging::begin(const fs::path& target, fs::file_time_type date) {
    if (!writer_) writer_.emplace();
    // A file that could not be written ends the job at the next file, not only at the end.
    if (const auto failed = writer_->failure()) targetFailed(*failed);
    Staged& file = staged_.emplace_back(Staged{{}, target, date});
    createFolder(target.parent_path());
    writer_->open(staged_.size() - 1, [&file] { return createStagedFile(file.target, file.staged); });
}

std::span<std::uint8_t> RestoreStaging::room(std::size_t size) {
    return writer_->room(size);
}

void RestoreStaging::filled(std::size_t size) {
    writer_->filled(size);
}

void RestoreStaging::end() {
    writer_->close();
}

int RestoreStaging::commit() {
    if (const auto failed = writer_ ? writer_->drain() : std::nullopt) targetFailed(*failed);
    for (const auto& file : staged_) {
        std::error_code error;
        fs::last_write_time(file.staged, file.date, error);
        if (error) throw JobError(BackupError::CannotReadFile, file.target.string());
    }
    for (; committed_ < staged_.size(); ++committed_) {
        std::error_code error;
        fs::rename(staged_[committed_].staged, staged_[committed_].target, error);
        if (error) throw JobError(BackupError::OverwritingFailed, staged_[committed_].target.string());
    }
    return static_cast<int>(committed_);
}

}  // namespace maintenance
