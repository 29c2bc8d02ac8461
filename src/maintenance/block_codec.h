#pragma once
// One archive block at a time: each block is an independent zlib stream of at most
// 16384 bytes of the file, or the bytes as they are when compressing would not shrink them.
#include <array>
#include <cstdint>
#include <span>

#include <zlib.h>

#include "maintenance/archive_format.h"

namespace maintenance {

// A block as it goes into the archive: the signed length (negative: stored as is) and its bytes.
struct EncodedBlock {
    std::int32_t length;
    std::span<const std::uint8_t> bytes;
};

class BlockCompressor {
  public:
    // `level` is the zlib level: 0..9 or Z_DEFAULT_COMPRESSION.
    explicit BlockCompressor(int level);
    ~BlockCompressor();
    BlockCompressor(const BlockCompressor&) = delete;
    BlockCompressor& operator=(const BlockCompressor&) = delete;

    // `block` holds at most kBlockSize bytes; the result stays valid until the next call.
    EncodedBlock compress(std::span<const std::uint8_t> block);

  private:
    z_stream stream_{};
    std::array<std::uint8_t, format::kBlockSize> output_;
};

class BlockInflater {
  public:
    BlockInflater();
    ~BlockInflater();
    BlockInflater(const BlockInflater&) = delete;
    BlockInflater& operator=(const BlockInflater&) = delete;

    // Inflates one complete zlib stream into `output` and gives the inflated size; the stream
    // must fit `output` and be used up, anything else is a compression error.
    std::size_t inflate(std::span<const std::uint8_t> stream, std::span<std::uint8_t> output);

  private:
    z_stream stream_{};
};

}  // namespace maintenance
