#include "maintenance/block_codec.h"

#include "maintenance/backup_errors.h"

namespace maintenance {

namespace {

constexpr int kWindowBits = 15;
constexpr int kMemoryLevel = 8;

[[noreturn]] void compressionError() {
    throw JobError(BackupError::CompressionError, "");
}

// zlib's interface takes non-const input pointers although it never writes through them.
Bytef* input(std::span<const std::uint8_t> bytes) {
    return const_cast<Bytef*>(bytes.data());
}

}  // namespace

BlockCompressor::BlockCompressor(int level) {
    if (deflateInit2(&stream_, level, Z_DEFLATED, kWindowBits, kMemoryLevel, Z_DEFAULT_STRATEGY) != Z_OK)
        compressionError();
}

BlockCompressor::~BlockCompressor() {
    deflateEnd(&stream_);
}

EncodedBlock BlockCompressor::compress(std::span<const std::uint8_t> block) {
    if (deflateReset(&stream_) != Z_OK) compressionError();
    stream_.next_in = input(block);
    stream_.avail_in = static_cast<uInt>(block.size());
    stream_.next_out = output_.data();
    stream_.avail_out = static_cast<uInt>(output_.size());
    int result = deflate(&stream_, Z_FINISH);
    if (result == Z_STREAM_END) {
        auto length = static_cast<std::int32_t>(stream_.total_out);
        return {length, {output_.data(), static_cast<std::size_t>(length)}};
    }
    // The stream did not finish inside one block's room: the bytes go in as they are.
    if (result == Z_OK || result == Z_BUF_ERROR) return {-static_cast<std::int32_t>(block.size()), block};
    compressionError();
}

BlockInflater::BlockInflater() {
    if (inflateInit2(&stream_, kWindowBits) != Z_OK) compressionError();
}

BlockInflater::~BlockInflater() {
    inflateEnd(&stream_);
}

std::size_t BlockInflater::inflate(std::span<const std::uint8_t> stream, std::span<std::uint8_t> output) {
    if (inflateReset(&stream_) != Z_OK) compressionError();
    stream_.next_in = input(stream);
    stream_.avail_in = static_cast<uInt>(stream.size());
    stream_.next_out = output.data();
    stream_.avail_out = static_cast<uInt>(output.size());
    if (::inflate(&stream_, Z_FINISH) != Z_STREAM_END || stream_.avail_in != 0) compressionError();
    return static_cast<std::size_t>(stream_.total_out);
}

}  // namespace maintenance
