// The bytes an archive is made of: header, entries, data sections, blocks.
#include <gtest/gtest.h>

#include "archive_test_support.h"
#include "maintenance/backup_file.h"
#include "maintenance/file_names.h"
#include "support/temp_dir.h"

namespace maintenance {
namespace {

using namespace archive_test;
namespace fs = std::filesystem;

class ArchiveLayout : public ::testing::Test {
  protected:
    ArchiveLayout() { fs::create_directory(data()); }

    fs::path data() const { return dir_ / "Dados"; }
    fs::path archive() const { return dir_ / "backup.bck"; }

    Layout backup(TCompressionLevel level = TCompressionLevel::clFastest) {
        TBackupFile backup;
        backup.CompressionLevel = level;
        EXPECT_TRUE(backup.BackupFiles({(data() / "*.*").string()}, archive())) << backup.ErrorText();
        ratio_ = backup.CompressionRatio();
        return parseArchive(archive());
    }

    testsupport::TempDir dir_;
    int ratio_ = 0;
};

TEST_F(ArchiveLayout, ArchiveWithoutFilesIsSixteenBytesPlusTitle) {
    backup();
    EXPECT_EQ(readFile(archive()), Bytes(16, 0));

    TBackupFile titled;
    titled.BackupTitle = "Salão";
    ASSERT_TRUE(titled.BackupFiles({(data() / "*.*").string()}, archive()));
    EXPECT_EQ(readFile(archive()), ArchiveBytes().text("Salão").int32(0).int32(0).int32(0).bytes());
    EXPECT_EQ(titled.CompressionRatio(), 0) << "no bytes to compress";
}

TEST_F(ArchiveLayout, HeaderAndEntriesDescribeTheSelection) {
    writeFile(data() / "Produtos.db", textBytes(5000, 1));
    writeFile(data() / "Clientes.DAT", textBytes(70000, 2));
    fs::last_write_time(data() / "Clientes.DAT", localTime(2024, 3, 8, 17, 45, 30));
    fs::last_write_time(data() / "Produtos.db", localTime(1999, 12, 31, 23, 59, 58));

    const Layout layout = backup();

    EXPECT_EQ(layout.title, "");
    EXPECT_EQ(layout.totalSize, 75000);
    EXPECT_EQ(layout.fileCount, 2);
    ASSERT_EQ(layout.entries.size(), 2u);
    EXPECT_EQ(layout.entries[0].name, lowerCase((data() / "Clientes.DAT").string()));
    EXPECT_EQ(layout.entries[0].dosDateTime, dosDateTime(2024, 3, 8, 17, 45, 30));
    EXPECT_EQ(layout.entries[1].name, lowerCase((data() / "Produtos.db").string()));
    EXPECT_EQ(layout.entries[1].dosDateTime, dosDateTime(1999, 12, 31, 23, 59, 58));
    EXPECT_EQ(fileContent(layout.entries[0]), textBytes(70000, 2));
    EXPECT_EQ(fileContent(layout.entries[1]), textBytes(5000, 1));
    EXPECT_TRUE(layout.volumeBreaks.empty());
}

struct BlockCase {
    std::size_t fileSize;
    std::vector<std::size_t> blockSizes;
};

class BlockBoundaries : public ArchiveLayout, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(BlockBoundaries, EveryBlockButTheLastCarries16384Bytes) {
    const Bytes content = textBytes(GetParam().fileSize, 7);
    writeFile(data() / "Arquivo.DAT", content);

    const Layout layout = backup();

    ASSERT_EQ(layout.entries.size(), 1u);
    ASSERT_EQ(layout.entries[0].sections.size(), 1u);
    std::vector<std::size_t> sizes;
    for (const auto& block : layout.entries[0].sections[0]) {
        EXPECT_GT(block.length, 0) << "compressible text goes in as a zlib stream";
        sizes.push_back(blockContent(block).size());
    }
    EXPECT_EQ(sizes, GetParam().blockSizes);
    EXPECT_EQ(fileContent(layout.entries[0]), content);
}

INSTANTIATE_TEST_SUITE_P(Sizes, BlockBoundaries,
                         ::testing::Values(BlockCase{0, {}}, BlockCase{1, {1}}, BlockCase{16384, {16384}},
                                           BlockCase{16385, {16384, 1}},
                                           BlockCase{3 * 16384 + 10, {16384, 16384, 16384, 10}}));

TEST_F(ArchiveLayout, EmptyFileHasSignatureAndEndMarkerOnly) {
    writeFile(data() / "vazio.dat", {});
    backup();
    const std::string name = lowerCase((data() / "vazio.dat").string());
    Bytes expected = ArchiveBytes().header(0, 1).text(name).bytes();
    const Bytes tail = ArchiveBytes().signature().int32(0).int32(0).bytes();
    const Bytes actual = readFile(archive());
    ASSERT_EQ(actual.size(), expected.size() + 4 + tail.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), actual.begin()));
    EXPECT_TRUE(
        std::equal(tail.begin(), tail.end(), actual.end() - static_cast<std::ptrdiff_t>(tail.size())));
}

TEST_F(ArchiveLayout, NoneStoresFullBlocksAsTheyAreAndTheLastAsStoredDeflate) {
    const Bytes content = textBytes(2 * 16384 + 100, 3);
    writeFile(data() / "a.dat", content);

    const Layout layout = backup(TCompressionLevel::clNone);
    const auto& blocks = layout.entries.at(0).sections.at(0);

    ASSERT_EQ(blocks.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(blocks[i].length, -16384);
        EXPECT_TRUE(std::equal(blocks[i].bytes.begin(), blocks[i].bytes.end(), content.begin() + i * 16384));
    }
    ASSERT_GT(blocks[2].length, 100);
    EXPECT_EQ(blocks[2].bytes[0], 0x78);
    EXPECT_EQ(blocks[2].bytes[2] >> 1 & 3, 0) << "a deflate block of type 'stored'";
    EXPECT_EQ(blockContent(blocks[2]), Bytes(content.end() - 100, content.end()));
    EXPECT_LE(ratio_, 0) << "storing adds the lengths and the zlib wrapper";
}

TEST_F(ArchiveLayout, IncompressibleBlockIsStoredAsItIs) {
    const Bytes content = randomBytes(16384 + 500, 4);
    writeFile(data() / "foto.jpg", content);

    const Layout layout = backup(TCompressionLevel::clMax);
    const auto& blocks = layout.entries.at(0).sections.at(0);

    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].length, -16384);
    EXPECT_EQ(blocks[0].bytes, Bytes(content.begin(), content.begin() + 16384));
    // A short tail fits in the block's room even as a stream of stored deflate blocks.
    EXPECT_GT(blocks[1].length, 500);
    EXPECT_EQ(blockContent(blocks[1]), Bytes(content.begin() + 16384, content.end()));
}

struct LevelCase {
    TCompressionLevel level;
    int zlibLevelBits;  // FLEVEL of the zlib header: 0 fastest, 2 default, 3 maximum
};

class CompressionLevels : public ArchiveLayout, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(CompressionLevels, BlocksAreZlibStreamsAtTheChosenLevel) {
    writeFile(data() / "a.dat", textBytes(1000, 5));
    const Block block = backup(GetParam().level).entries.at(0).sections.at(0).at(0);
    ASSERT_GT(block.length, 0);
    EXPECT_EQ(block.bytes[0], 0x78) << "deflate with a 32 KiB window";
    EXPECT_EQ(block.bytes[1] >> 6, GetParam().zlibLevelBits);
}

INSTANTIATE_TEST_SUITE_P(Levels, CompressionLevels,
                         ::testing::Values(LevelCase{TCompressionLevel::clFastest, 0},
                                           LevelCase{TCompressionLevel::clNone, 0},
                                           LevelCase{TCompressionLevel::clDefault, 2},
                                           LevelCase{TCompressionLevel::clMax, 3}));

TEST_F(ArchiveLayout, CompressionRatioCountsSignaturesLengthsAndBlocks) {
    writeFile(data() / "a.dat", textBytes(40000, 6));
    writeFile(data() / "b.dat", randomBytes(3000, 6));
    const Layout layout = backup();
    std::int64_t written = 0;
    for (const auto& entry : layout.entries)
        for (const auto& section : entry.sections) {
            written += 4;
            for (const auto& block : section) written += 4 + static_cast<std::int64_t>(block.bytes.size());
        }
    EXPECT_EQ(ratio_, 100 - written * 100 / 43000);
    EXPECT_GT(ratio_, 30);
}

}  // namespace
}  // namespace maintenance
