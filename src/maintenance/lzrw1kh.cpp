#include "maintenance/lzrw1kh.h"

#include <algorithm>

namespace maintenance {

namespace {

// First byte of a block whose remaining bytes are stored as they are.
constexpr std::uint8_t kStoredFlag = 128;
constexpr int kItemsPerControlWord = 16;
// A copy item with offset zero is a run of one byte, at least this long.
constexpr std::size_t kShortestRun = 16;
constexpr std::size_t kShortestCopy = 3;

}  // namespace

std::optional<std::size_t> decodeLzrw1kh(std::span<const std::uint8_t> block, LegacyChunkOutput output) {
    if (block.empty()) return std::nullopt;
    if (block[0] == kStoredFlag) {
        if (block.size() - 1 > output.size()) return std::nullopt;
        std::copy(block.begin() + 1, block.end(), output.begin());
        return block.size() - 1;
    }
    const std::size_t size = block.size();
    std::size_t in = 1;
    std::size_t out = 0;
    std::uint16_t control = 0;
    int itemsLeft = 0;
    auto room = [&](std::size_t count) { return count <= output.size() - out; };
    while (in < size) {
        if (itemsLeft == 0) {
            if (in + 2 > size) return std::nullopt;
            control = static_cast<std::uint16_t>(block[in] << 8 | block[in + 1]);
            in += 2;
            itemsLeft = kItemsPerControlWord;
            // A control word may close the block when its items ended exactly at a group boundary.
            if (in == size) break;
        }
        const bool literal = (control & 0x8000) == 0;
        control = static_cast<std::uint16_t>(control << 1);
        --itemsLeft;
        if (literal) {
            if (!room(1)) return std::nullopt;
            output[out++] = block[in++];
            continue;
        }
        if (in + 2 > size) return std::nullopt;
        const std::size_t offset = static_cast<std::size_t>(block[in]) << 4 | block[in + 1] >> 4;
        if (offset == 0) {
            if (in + 4 > size) return std::nullopt;
            const std::size_t count =
                (static_cast<std::size_t>(block[in + 1]) << 8 | block[in + 2]) + kShortestRun;
            if (!room(count)) return std::nullopt;
            std::fill_n(output.begin() + static_cast<std::ptrdiff_t>(out), count, block[in + 3]);
            out += count;
            in += 4;
        } else {
            const std::size_t count = (block[in + 1] & 0x0F) + kShortestCopy;
            if (offset > out || !room(count)) return std::nullopt;
            // Byte by byte: a copy may overlap the bytes it produces.
            for (std::size_t k = 0; k < count; ++k, ++out) output[out] = output[out - offset];
            in += 2;
        }
    }
    return out;
}

}  // namespace maintenance
