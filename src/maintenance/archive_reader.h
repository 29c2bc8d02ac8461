#pragma once
// Reads an archive entry by entry, decoding every data section (current and legacy kind)
// and following volume breaks. Anything that does not fit the layout ends the job with
// its error code; nothing is trusted before it has been checked against its limits.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "maintenance/archive_io.h"
#include "maintenance/block_codec.h"

namespace maintenance {

struct ArchiveHeader {
    std::string title;
    std::int32_t totalSize = 0;
    std::int32_t fileCount = 0;
};

struct ArchiveEntry {
    std::string name;
    std::uint32_t dosDateTime = 0;
};

class ArchiveReader {
  public:
    // Makes sure the file of volume 2, 3, … is there before it is opened; throws to stop.
    using FindVolume = std::function<void(const std::filesystem::path& path, int volume)>;
    // Where a data section's bytes go, a block (or legacy chunk) at a time, in order: each is
    // decoded into `room(size)` when that is set, so that it need not be copied again, else
    // into the reader's own buffer; `take` then gets the decoded bytes.
    struct BlockSink {
        std::function<std::span<std::uint8_t>(std::size_t size)> room;
        std::function<void(std::span<const std::uint8_t>)> take;
    };

    ArchiveReader(const std::filesystem::path& firstVolume, FindVolume findVolume);

    ArchiveHeader readHeader();
    // The next file entry; nothing once the end marker has been read (and nothing follows it).
    std::optional<ArchiveEntry> nextEntry();
    // Decodes the data of the entry just returned, across as many volumes as it spans.
    void readData(const BlockSink& sink);

  private:
    struct End {};
    struct VolumeBreak {
        int volume;
    };
    using Item = std::variant<End, VolumeBreak, std::string>;

    Item readItem();
    void readSection(const BlockSink& sink);
    void readBlocks(const BlockSink& sink);
    void readLegacyChunks(const BlockSink& sink);
    std::span<std::uint8_t> room(const BlockSink& sink, std::size_t size);
    void openVolume(int volume);
    [[noreturn]] void invalid() const;

    std::filesystem::path firstVolume_;
    FindVolume findVolume_;
    std::optional<ArchiveInput> input_;
    int volume_ = 1;
    std::optional<Item> pending_;
    bool inData_ = false;
    BlockInflater inflater_;
    std::vector<std::uint8_t> stored_;
    std::vector<std::uint8_t> decoded_;
};

}  // namespace maintenance
