#include "maintenance/archive_reader.h"

#include <algorithm>

#include "maintenance/archive_format.h"
#include "maintenance/backup_errors.h"
#include "maintenance/lzrw1kh.h"

namespace maintenance {

ArchiveReader::ArchiveReader(const std::filesystem::path& firstVolume, FindVolume findVolume)
    : firstVolume_(firstVolume),
      findVolume_(std::move(findVolume)),
      stored_(format::kLegacyChunkSize),
      decoded_(format::kLegacyChunkSize) {
    input_.emplace(firstVolume_);
}

void ArchiveReader::invalid() const {
    throw JobError(BackupError::InvalidArchive, input_->path().string());
}

ArchiveHeader ArchiveReader::readHeader() {
    ArchiveHeader header;
    const std::int32_t titleLength = input_->readInt32();
    if (titleLength < 0 || titleLength > format::kMaxTitleLength)
        throw JobError(BackupError::CannotReadArchive, input_->path().string());
    header.title = input_->readText(titleLength);
    header.totalSize = input_->readInt32();
    header.fileCount = input_->readInt32();
    if (header.totalSize < 0 || header.fileCount < 0)
        throw JobError(BackupError::CannotReadArchive, input_->path().string());
    return header;
}

ArchiveReader::Item ArchiveReader::readItem() {
    std::int32_t length = input_->readInt32();
    while (length < 0) length = input_->readInt32();
    if (length == 0) return End{};
    if (length > format::kMaxNameLength) invalid();
    std::string name = input_->readText(length);
    if (!name.starts_with(format::kVolumeBreakPrefix)) return name;
    const std::optional<int> volume = format::volumeOfBreakName(name);
    if (!volume) invalid();
    return VolumeBreak{*volume};
}

std::optional<ArchiveEntry> ArchiveReader::nextEntry() {
    if (inData_) readData({.take = [](std::span<const std::uint8_t>) {}});
    Item item = pending_ ? std::move(*pending_) : readItem();
    pending_.reset();
    if (std::holds_alternative<End>(item)) {
        // The end marker is the last thing in the archive; more bytes mean a damaged entry.
        if (!input_->atEnd()) invalid();
        pending_ = End{};
        return std::nullopt;
    }
    // A break belongs after a data section; before any entry it continues nothing.
    if (std::holds_alternative<VolumeBreak>(item)) invalid();
    ArchiveEntry entry{std::move(std::get<std::string>(item)), 0};
    entry.dosDateTime = static_cast<std::uint32_t>(input_->readInt32());
    inData_ = true;
    return entry;
}

void ArchiveReader::readData(const BlockSink& sink) {
    if (!inData_) return;
    for (;;) {
        readSection(sink);
        Item item = readItem();
        if (auto* next = std::get_if<VolumeBreak>(&item)) {
            openVolume(next->volume);
            continue;
        }
        pending_ = std::move(item);
        break;
    }
    inData_ = false;
}

void ArchiveReader::openVolume(int volume) {
    // Volumes follow one another, and a break is the last thing in its volume.
    if (volume != volume_ + 1 || !input_->atEnd()) invalid();
    const std::filesystem::path path = format::volumePath(firstVolume_, volume);
    findVolume_(path, volume);
    input_.emplace(path);
    volume_ = volume;
}

void ArchiveReader::readSection(const BlockSink& sink) {
    std::array<std::uint8_t, 4> signature;
    input_->readBytes(signature);
    if (signature == format::kSignature)
        readBlocks(sink);
    else if (signature == format::kLegacySignature)
        readLegacyChunks(sink);
    else
        invalid();
}

std::span<std::uint8_t> ArchiveReader::room(const BlockSink& sink, std::size_t size) {
    return sink.room ? sink.room(size) : std::span<std::uint8_t>(decoded_).first(size);
}

void ArchiveReader::readBlocks(const BlockSink& sink) {
    for (;;) {
        const std::int32_t length = input_->readInt32();
        if (length == 0) return;
        // Widened first: the negation of the smallest 32-bit value does not fit in 32 bits.
        const std::int64_t size = length < 0 ? -static_cast<std::int64_t>(length) : length;
        if (size > format::kBlockSize) invalid();
        const std::span<std::uint8_t> output = room(sink, format::kBlockSize);
        std::size_t decoded = static_cast<std::size_t>(size);
        if (length > 0)
            decoded = inflater_.inflate(input_->viewBytes(decoded, stored_), output);
        else
            input_->readBytes(output.first(decoded));
        sink.take(output.first(decoded));
    }
}

void ArchiveReader::readLegacyChunks(const BlockSink& sink) {
    const std::int32_t total = input_->readInt32();
    if (total < 0) invalid();
    std::int64_t consumed = 0;
    while (consumed < total) {
        const std::int32_t length = input_->readInt32();
        if (length <= 0 || length > format::kLegacyChunkSize) invalid();
        consumed += length + 4;
        if (consumed > total) invalid();
        const auto chunk = input_->viewBytes(static_cast<std::size_t>(length), stored_);
        const LegacyChunkOutput output(room(sink, format::kLegacyChunkSize).data(), format::kLegacyChunkSize);
        const std::optional<std::size_t> size = decodeLzrw1kh(chunk, output);
        if (!size) throw JobError(BackupError::CompressionError, input_->path().string());
        sink.take(output.first(*size));
    }
}

}  // namespace maintenance
