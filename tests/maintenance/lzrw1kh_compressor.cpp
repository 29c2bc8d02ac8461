#include "lzrw1kh_compressor.h"

#include <algorithm>

namespace archive_test {

namespace {

constexpr std::uint8_t kCompressedFlag = 0x40;
constexpr std::uint8_t kStoredFlag = 0x80;
constexpr std::size_t kMaxOffset = 4095;
constexpr std::size_t kMinMatch = 3, kMaxMatch = 18;
constexpr std::size_t kMinRun = 16, kMaxRun = 4111;

class ItemWriter {
  public:
    ItemWriter() : out_{kCompressedFlag} {}

    void literal(std::uint8_t byte) {
        control(false);
        out_.push_back(byte);
    }
    void copy(std::size_t offset, std::size_t length) {
        control(true);
        out_.push_back(static_cast<std::uint8_t>(offset >> 4));
        out_.push_back(static_cast<std::uint8_t>((offset & 0x0F) << 4 | (length - kMinMatch)));
    }
    void run(std::uint8_t byte, std::size_t length) {
        control(true);
        const std::size_t count = length - kMinRun;
        out_.insert(out_.end(),
                    {0, static_cast<std::uint8_t>(count >> 8), static_cast<std::uint8_t>(count), byte});
    }
    Bytes take() { return std::move(out_); }

  private:
    // A control word is reserved before the first of every 16 items; its bits are filled
    // from the highest as the items are written.
    void control(bool copyItem) {
        if (items_ % 16 == 0) {
            word_ = out_.size();
            out_.insert(out_.end(), {0, 0});
        }
        if (copyItem) {
            const int bit = 15 - items_ % 16;
            out_[word_ + (bit >= 8 ? 0 : 1)] |= static_cast<std::uint8_t>(1 << (bit % 8));
        }
        ++items_;
    }

    Bytes out_;
    std::size_t word_ = 0;
    int items_ = 0;
};

}  // namespace

Bytes compressLzrw1kh(const Bytes& input) {
    ItemWriter writer;
    std::size_t at = 0;
    while (at < input.size()) {
        std::size_t run = 1;
        while (at + run < input.size() && run < kMaxRun && input[at + run] == input[at]) ++run;
        if (run >= kMinRun) {
            writer.run(input[at], run);
            at += run;
            continue;
        }
        std::size_t bestLength = 0, bestOffset = 0;
        for (std::size_t offset = 1; offset <= std::min(at, kMaxOffset); ++offset) {
            std::size_t length = 0;
            while (length < kMaxMatch && at + length < input.size() &&
                   input[at + length] == input[at - offset + length])
                ++length;
            if (length > bestLength) bestLength = length, bestOffset = offset;
        }
        if (bestLength >= kMinMatch) {
            writer.copy(bestOffset, bestLength);
            at += bestLength;
        } else {
            writer.literal(input[at++]);
        }
    }
    Bytes compressed = writer.take();
    if (compressed.size() <= input.size()) return compressed;
    Bytes stored{kStoredFlag};
    stored.insert(stored.end(), input.begin(), input.end());
    return stored;
}

}  // namespace archive_test
