#pragma once
// Writes an archive: header, file entries with their data sections, volume breaks when a
// maximum volume size is set, and the end marker.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "maintenance/archive_io.h"
#include "maintenance/block_codec.h"

namespace maintenance {

class ArchiveWriter {
  public:
    // Called before volume 2, 3, … is created; false stops the job.
    using NextVolume = std::function<bool(int volume)>;

    // `maxSize` 0 writes one volume of any size. A single volume is written under a temporary
    // name and only takes the archive's name when it is complete, so a failed or stopped
    // backup never destroys an earlier archive of the same name.
    ArchiveWriter(const std::filesystem::path& archive, std::int64_t maxSize, std::string_view title,
                  NextVolume nextVolume);
    ~ArchiveWriter();
    ArchiveWriter(const ArchiveWriter&) = delete;
    ArchiveWriter& operator=(const ArchiveWriter&) = delete;

    void writeHeader(std::string_view title, std::int32_t totalSize, std::int32_t fileCount);
    // The entry and the signature of its data section.
    void beginFile(std::string_view storedName, std::uint32_t dosDateTime);
    void writeBlock(const EncodedBlock& block);
    void endFile();
    // The end-of-archive marker; the archive is complete only after this.
    void finish();

    // Signatures, block lengths and block bytes written so far: what the compression ratio counts.
    std::int64_t sectionBytes() const { return sectionBytes_; }

  private:
    void beginSection();
    void endSection();
    // Ends the current volume after a finished data section and opens the next one with a new
    // data section, which continues the same file.
    void breakVolume();
    bool full(std::int64_t bytesStillNeeded) const;

    std::filesystem::path archive_;
    std::int64_t maxSize_;
    NextVolume nextVolume_;
    std::optional<std::filesystem::path> staging_;
    std::optional<ArchiveOutput> output_;
    int volume_ = 1;
    bool sectionInVolume_ = false;
    std::int64_t sectionBytes_ = 0;
};

}  // namespace maintenance
