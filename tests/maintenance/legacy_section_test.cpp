// Legacy "ECS" data sections and their LZRW1-KH chunks.
#include <gtest/gtest.h>

#include "archive_test_support.h"
#include "lzrw1kh_compressor.h"
#include "maintenance/backup_file.h"
#include "maintenance/lzrw1kh.h"
#include "support/temp_dir.h"

namespace maintenance {
namespace {

using namespace archive_test;
namespace fs = std::filesystem;

std::optional<Bytes> decode(const Bytes& chunk) {
    std::vector<std::uint8_t> output(format::kLegacyChunkSize);
    const auto size = decodeLzrw1kh(chunk, LegacyChunkOutput(output.data(), output.size()));
    if (!size) return std::nullopt;
    output.resize(*size);
    return output;
}

TEST(Lzrw1kh, DecodesAHandAssembledBlock) {
    // Items, with their control bits from the highest: 'a' 'b' 'c' (0 0 0), a copy of 6 bytes
    // from 3 back (1: offset 003, length nibble 6 - 3), a run of 20 'z' (1: offset 0, count
    // 20 - 16 = 0x0004), 'd' (0). Control word 0001 1000 0000 0000 = 0x1800.
    const Bytes chunk{0x40, 0x18, 0x00, 'a', 'b', 'c', 0x00, 0x33, 0x00, 0x00, 0x04, 'z', 'd'};
    EXPECT_EQ(decode(chunk), bytesOf("abcabcabc" + std::string(20, 'z') + "d"));
}

TEST(Lzrw1kh, ReadsANewControlWordAfterSixteenItems) {
    // 16 literals under control word 0x0000, then a second word 0x8000 whose first item
    // copies 4 bytes from 16 back (offset 0x010, nibble 1).
    Bytes chunk{0x40, 0x00, 0x00};
    const std::string letters = "ABCDEFGHIJKLMNOP";
    chunk.insert(chunk.end(), letters.begin(), letters.end());
    chunk.insert(chunk.end(), {0x80, 0x00, 0x01, 0x01});
    EXPECT_EQ(decode(chunk), bytesOf(letters + "ABCD"));
}

TEST(Lzrw1kh, StoredBlockIsCopied) {
    EXPECT_EQ(decode(Bytes{0x80, 'x', 'y', 0x00}), (Bytes{'x', 'y', 0x00}));
    EXPECT_EQ(decode(Bytes{0x80}), Bytes{});
}

TEST(Lzrw1kh, RefusesMalformedBlocks) {
    const Bytes cases[] = {
        {},                                         // no flag byte
        {0x40, 0x00},                               // control word cut short
        {0x40, 0x80, 0x00, 0x00},                   // copy item cut short
        {0x40, 0x80, 0x00, 0x00, 0x00, 0x05},       // run item cut short
        {0x40, 0x40, 0x00, 'a', 0x00, 0x20},        // copy from 2 back after 1 byte
        {0x40, 0x80, 0x00, 0x00, 0x0F, 0xFF, 'r'},  // run of 4111 fits; see below
    };
    for (std::size_t i = 0; i + 1 < std::size(cases); ++i) EXPECT_FALSE(decode(cases[i])) << "case " << i;
    EXPECT_EQ(decode(cases[5]), Bytes(4111, 'r'));

    // Nine runs of 4111 bytes overflow the 32783-byte output.
    Bytes overflow{0x40, 0xFF, 0x80};
    for (int i = 0; i < 9; ++i) overflow.insert(overflow.end(), {0x00, 0x0F, 0xFF, 'r'});
    EXPECT_FALSE(decode(overflow));
    Bytes storedTooLong{0x80};
    storedTooLong.resize(format::kLegacyChunkSize + 2, 'x');
    EXPECT_FALSE(decode(storedTooLong));
}

TEST(Lzrw1kh, RoundTripsThroughTheTestCompressor) {
    Bytes runs(5000, 'a');
    runs.insert(runs.end(), 300, 'b');
    const Bytes inputs[] = {textBytes(32783, 1), runs, randomBytes(2000, 2), bytesOf("ab"), Bytes(16, 0)};
    for (const auto& input : inputs) {
        const Bytes chunk = compressLzrw1kh(input);
        EXPECT_LE(chunk.size(), input.size() + 1);
        EXPECT_EQ(decode(chunk), input);
    }
    EXPECT_EQ(compressLzrw1kh(randomBytes(100, 3))[0], 0x80) << "noise goes in stored";
    EXPECT_LT(compressLzrw1kh(textBytes(30000, 4)).size(), 15000u) << "text is really compressed";
}

TEST(LegacySection, RestoresTheDecodedChunks) {
    testsupport::TempDir dir;
    const Bytes first = textBytes(32783, 5);
    const Bytes second = randomBytes(900, 6);
    const Bytes chunks[] = {compressLzrw1kh(first), compressLzrw1kh(second)};
    ArchiveBytes archive;
    archive.header(static_cast<std::int32_t>(first.size() + second.size() + 4), 2)
        .entry("c:\\dados\\antigo.dat", dosDateTime(2009, 6, 1, 10, 0, 0))
        .raw("ECS")
        .raw(Bytes{0})
        .int32(static_cast<std::int32_t>(chunks[0].size() + chunks[1].size() + 8));
    for (const auto& chunk : chunks) archive.int32(static_cast<std::int32_t>(chunk.size())).raw(chunk);
    archive.entry("c:\\dados\\vazio.dat", dosDateTime(2009, 6, 1, 10, 0, 0))
        .raw("ECS")
        .raw(Bytes{0})
        .int32(0)
        .file("c:\\dados\\novo.dat", dosDateTime(2010, 2, 10, 9, 30, 0), bytesOf("novo"))
        .int32(0);
    archive.save(dir / "antigo.bck");

    TBackupFile restore;
    ASSERT_TRUE(restore.RestoreArchive(dir / "antigo.bck", dir / "out")) << restore.ErrorText();
    Bytes expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(readFile(dir / "out" / "antigo.dat"), expected);
    EXPECT_EQ(readFile(dir / "out" / "vazio.dat"), Bytes{});
    EXPECT_EQ(readFile(dir / "out" / "novo.dat"), bytesOf("novo"));
    EXPECT_EQ(fs::last_write_time(dir / "out" / "antigo.dat"), localTime(2009, 6, 1, 10, 0, 0));
}

}  // namespace
}  // namespace maintenance
