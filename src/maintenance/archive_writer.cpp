#include "maintenance/archive_writer.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>
#include <vector>

#include "maintenance/archive_format.h"
#include "maintenance/backup_errors.h"

namespace maintenance {

namespace fs = std::filesystem;

namespace {

// Volumes smaller than this could not take the largest entry plus one block.
constexpr std::int64_t kMinimumVolumeSize = 2 * format::kBlockSize;

std::int64_t minimumVolumeSize(std::string_view title) {
    const std::int64_t header = 4 + static_cast<std::int64_t>(title.size()) + 4 + 4;
    return std::max(kMinimumVolumeSize,
                    header + format::entrySize(format::kMaxNameLength) + 4 + 4 + format::kVolumeBreakSize);
}

fs::path createStagingFile(const fs::path& archive) {
    const fs::path pattern = archive.parent_path() / ("." + archive.filename().string() + ".partial-XXXXXX");
    std::string name = pattern.string();
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    const int fd = mkstemp(buffer.data());
    if (fd < 0) throw JobError(BackupError::CannotWriteArchive, archive.string());
    ::close(fd);
    return fs::path(buffer.data());
}

}  // namespace

ArchiveWriter::ArchiveWriter(const fs::path& archive, std::int64_t maxSize, std::string_view title,
                             NextVolume nextVolume)
    : archive_(archive), maxSize_(maxSize), nextVolume_(std::move(nextVolume)) {
    if (title.size() > static_cast<std::size_t>(format::kMaxTitleLength))
        throw JobError(BackupError::CannotWriteArchive, "title too long");
    if (maxSize_ < 0 || (maxSize_ > 0 && maxSize_ < minimumVolumeSize(title)))
        throw JobError(BackupError::VolumeSizeTooSmall, std::to_string(maxSize_));
    if (maxSize_ == 0) staging_ = createStagingFile(archive_);
    output_.emplace(staging_.value_or(archive_));
}

ArchiveWriter::~ArchiveWriter() {
    if (!staging_) return;
    output_.reset();
    std::error_code ignored;
    fs::remove(*staging_, ignored);
}

void ArchiveWriter::writeHeader(std::string_view title, std::int32_t totalSize, std::int32_t fileCount) {
    output_->writeText(title);
    output_->writeInt32(totalSize);
    output_->writeInt32(fileCount);
}

bool ArchiveWriter::full(std::int64_t bytesStillNeeded) const {
    return maxSize_ > 0 && output_->position() + bytesStillNeeded > maxSize_;
}

void ArchiveWriter::beginFile(std::string_view storedName, std::uint32_t dosDateTime) {
    if (storedName.empty() || storedName.size() > static_cast<std::size_t>(format::kMaxNameLength))
        throw JobError(BackupError::CannotWriteArchive, std::string(storedName));
    // An entry must leave room for its own empty section and a break; otherwise the previous
    // file continues on the next volume with an empty section and the entry goes there.
    if (sectionInVolume_ && full(format::entrySize(storedName.size()) + 4 + 4 + format::kVolumeBreakSize)) {
        breakVolume();
        endSection();
    }
    output_->writeText(storedName);
    output_->writeInt32(static_cast<std::int32_t>(dosDateTime));
    beginSection();
}

void ArchiveWriter::writeBlock(const EncodedBlock& block) {
    if (maxSize_ > 0 && output_->position() >= maxSize_ - format::kVolumeReserve) {
        endSection();
        breakVolume();
    }
    output_->writeInt32(block.length);
    output_->writeBytes(block.bytes);
    sectionBytes_ += 4 + static_cast<std::int64_t>(block.bytes.size());
}

void ArchiveWriter::endFile() {
    endSection();
}

void ArchiveWriter::finish() {
    output_->writeInt32(0);
    output_->close();
    if (!staging_) return;
    std::error_code error;
    fs::rename(*staging_, archive_, error);
    if (error) throw JobError(BackupError::CannotWriteArchive, archive_.string());
    staging_.reset();
}

void ArchiveWriter::beginSection() {
    output_->writeBytes(format::kSignature);
    sectionBytes_ += static_cast<std::int64_t>(format::kSignature.size());
    sectionInVolume_ = true;
}

void ArchiveWriter::endSection() {
    output_->writeInt32(0);
}

void ArchiveWriter::breakVolume() {
    if (volume_ + 1 > format::kMaxVolumes) throw JobError(BackupError::VolumeSizeTooSmall, archive_.string());
    ++volume_;
    output_->writeText(format::volumeBreakName(volume_));
    output_->close();
    output_.reset();
    if (nextVolume_ && !nextVolume_(volume_)) throw JobStopped{};
    output_.emplace(format::volumePath(archive_, volume_));
    sectionInVolume_ = false;
    beginSection();
}

}  // namespace maintenance
