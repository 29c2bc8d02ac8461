// Damaged and hostile archives: each ends with its error code and message, without a
// crash and without touching the restore folder.
#include <gtest/gtest.h>

#include <climits>

#include "archive_test_support.h"
#include "maintenance/backup_file.h"
#include "support/temp_dir.h"

namespace maintenance {
namespace {

using namespace archive_test;
namespace fs = std::filesystem;

constexpr std::uint32_t kDate = dosDateTime(2024, 3, 8, 12, 0, 0);

// A good first file, so that a restore writing as it reads would already have replaced it.
ArchiveBytes goodStart(std::int32_t count = 2) {
    return std::move(
        ArchiveBytes().header(100, count).file("c:\\dados\\clientes.dat", kDate, bytesOf("novo")));
}

struct BadCase {
    const char* what;
    Bytes archive;
    BackupError code;
};

std::vector<BadCase> badCases() {
    Bytes tooLong = textBytes(16385, 1);
    Bytes checksum = zlibStream(bytesOf("conteúdo"), 6);
    checksum.back() ^= 0xFF;
    Bytes trailing = zlibStream(bytesOf("conteúdo"), 6);
    trailing.push_back(0);
    return {
        {"empty file", {}, BackupError::CannotReadArchive},
        {"header cut short", ArchiveBytes().int32(0).int32(5).bytes(), BackupError::CannotReadArchive},
        {"negative title length", ArchiveBytes().int32(-1).int32(0).int32(0).int32(0).bytes(),
         BackupError::CannotReadArchive},
        {"title length past the end", ArchiveBytes().int32(INT_MAX).raw("abc").bytes(),
         BackupError::CannotReadArchive},
        {"negative file count", ArchiveBytes().header(0, -3).int32(0).bytes(),
         BackupError::CannotReadArchive},
        {"end marker missing", goodStart(1).bytes(), BackupError::CannotReadArchive},
        {"wrong section signature",
         goodStart().entry("x.dat", kDate).raw("XYZ").raw(Bytes{0}).int32(0).int32(0).bytes(),
         BackupError::InvalidArchive},
        {"name length past the end", goodStart().int32(1000).raw("abc").bytes(),
         BackupError::CannotReadArchive},
        {"absurd name length", goodStart().int32(INT_MAX).raw("abc").bytes(), BackupError::InvalidArchive},
        {"zero-length name followed by more entries",
         goodStart().int32(0).file("x.dat", kDate, bytesOf("x")).int32(0).bytes(),
         BackupError::InvalidArchive},
        {"block length past the end",
         goodStart().entry("x.dat", kDate).signature().int32(500).raw("abc").bytes(),
         BackupError::CannotReadArchive},
        {"block longer than a block",
         goodStart()
             .entry("x.dat", kDate)
             .signature()
             .int32(16385)
             .raw(Bytes(16385, 1))
             .int32(0)
             .int32(0)
             .bytes(),
         BackupError::InvalidArchive},
        {"stored block longer than a block",
         goodStart().entry("x.dat", kDate).signature().storedBlock(Bytes(20000, 1)).int32(0).int32(0).bytes(),
         BackupError::InvalidArchive},
        {"smallest negative block length",
         goodStart().entry("x.dat", kDate).signature().int32(INT_MIN).int32(0).int32(0).bytes(),
         BackupError::InvalidArchive},
        {"stream inflating past 16384 bytes",
         goodStart().entry("x.dat", kDate).signature().zlibBlock(tooLong).int32(0).int32(0).bytes(),
         BackupError::CompressionError},
        {"stream with a wrong checksum",
         goodStart()
             .entry("x.dat", kDate)
             .signature()
             .int32(static_cast<std::int32_t>(checksum.size()))
             .raw(checksum)
             .int32(0)
             .int32(0)
             .bytes(),
         BackupError::CompressionError},
        {"bytes after the stream inside its block",
         goodStart()
             .entry("x.dat", kDate)
             .signature()
             .int32(static_cast<std::int32_t>(trailing.size()))
             .raw(trailing)
             .int32(0)
             .int32(0)
             .bytes(),
         BackupError::CompressionError},
        {"garbage instead of a stream",
         goodStart().entry("x.dat", kDate).signature().int32(4).raw("junk").int32(0).int32(0).bytes(),
         BackupError::CompressionError},
        {"volume break to a missing volume", goodStart().text("NEXT:DISK002").bytes(),
         BackupError::CannotReadArchive},
        {"volume break out of order", goodStart().text("NEXT:DISK005").bytes(), BackupError::InvalidArchive},
        {"volume break without digits", goodStart().text("NEXT:DISKabc").bytes(),
         BackupError::InvalidArchive},
        {"volume break before any file", ArchiveBytes().header(0, 0).text("NEXT:DISK002").bytes(),
         BackupError::InvalidArchive},
        {"bytes after a volume break", goodStart().text("NEXT:DISK002").int32(0).bytes(),
         BackupError::InvalidArchive},
        {"name without a file name", goodStart().file("c:\\dados\\", kDate, bytesOf("x")).int32(0).bytes(),
         BackupError::InvalidArchive},
        {"name that is only '..'", goodStart().file("..", kDate, bytesOf("x")).int32(0).bytes(),
         BackupError::InvalidArchive},
        {"name of a restore's own staging file",
         goodStart().file("c:\\dados\\.velmora-restore-at", kDate, bytesOf("x")).int32(0).bytes(),
         BackupError::InvalidArchive},
        {"name with a NUL byte",
         goodStart().file(std::string_view("a\0b", 3), kDate, bytesOf("x")).int32(0).bytes(),
         BackupError::InvalidArchive},
        {"impossible date",
         goodStart().file("x.dat", dosDateTime(2024, 13, 40, 25, 0, 0), bytesOf("x")).int32(0).bytes(),
         BackupError::InvalidArchive},
        {"legacy chunk of length zero",
         goodStart().entry("x.dat", kDate).raw("ECS").raw(Bytes{0}).int32(4).int32(0).int32(0).bytes(),
         BackupError::InvalidArchive},
        {"legacy chunks longer than their count",
         goodStart()
             .entry("x.dat", kDate)
             .raw("ECS")
             .raw(Bytes{0})
             .int32(5)
             .int32(3)
             .raw(Bytes{128, 1, 2})
             .int32(0)
             .bytes(),
         BackupError::InvalidArchive},
        {"legacy chunk copying from before the start",
         goodStart()
             .entry("x.dat", kDate)
             .raw("ECS")
             .raw(Bytes{0})
             .int32(9)
             .int32(5)
             .raw(Bytes{0x40, 0x80, 0x00, 0x01, 0x00})
             .int32(0)
             .bytes(),
         BackupError::CompressionError},
    };
}

class BadInput : public ::testing::Test {
  protected:
    BadInput() {
        fs::create_directory(folder());
        writeFile(folder() / "Clientes.DAT", bytesOf("antigo"));
    }

    fs::path folder() const { return dir_ / "Dados"; }
    fs::path archive() const { return dir_ / "b.bck"; }

    testsupport::TempDir dir_;
};

TEST_F(BadInput, EachDamageEndsWithItsErrorAndLeavesTheFolderAsItWas) {
    const auto before = folderContents(folder());
    for (const auto& bad : badCases()) {
        SCOPED_TRACE(bad.what);
        writeFile(archive(), bad.archive);
        std::vector<std::pair<BackupError, std::string>> reported;
        TBackupFile restore;
        restore.OnError = [&](BackupError code, const std::string& text) {
            reported.emplace_back(code, text);
        };

        EXPECT_FALSE(restore.RestoreArchive(archive(), folder()));

        EXPECT_EQ(restore.ErrorCode(), bad.code);
        EXPECT_TRUE(restore.ErrorText().starts_with(errorMessage(bad.code))) << restore.ErrorText();
        ASSERT_EQ(reported.size(), 1u) << "reported once, at the end";
        EXPECT_EQ(reported[0].first, bad.code);
        EXPECT_FALSE(restore.IsBusy());
        EXPECT_EQ(folderContents(folder()), before);
    }
}

TEST_F(BadInput, EveryTruncationOfAGoodArchiveIsRefused) {
    ArchiveBytes good = goodStart(3);
    good.file("c:\\dados\\grande.dat", kDate, textBytes(40000, 2))
        .entry("c:\\dados\\foto.jpg", kDate)
        .signature()
        .storedBlock(randomBytes(700, 3))
        .int32(0)
        .int32(0);
    const Bytes bytes = good.bytes();
    const auto before = folderContents(folder());
    TBackupFile restore;
    for (std::size_t size = 0; size < bytes.size();
         size += (size < 200 || bytes.size() - size < 200) ? 1 : 97) {
        writeFile(archive(), Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)));
        ASSERT_FALSE(restore.RestoreArchive(archive(), folder())) << "cut at " << size;
        ASSERT_NE(restore.ErrorCode(), BackupError::None) << "cut at " << size;
        ASSERT_EQ(folderContents(folder()), before) << "cut at " << size;
    }
    writeFile(archive(), bytes);
    EXPECT_TRUE(restore.RestoreArchive(archive(), folder())) << restore.ErrorText();
    EXPECT_EQ(restore.FilesDone(), 3);
}

TEST_F(BadInput, MissingArchiveIsReported) {
    TBackupFile restore;
    EXPECT_FALSE(restore.RestoreArchive(dir_ / "nenhum.bck", folder()));
    EXPECT_EQ(restore.ErrorCode(), BackupError::CannotReadArchive);
    EXPECT_FALSE(restore.IsBusy());
}

TEST_F(BadInput, ArchiveInformationReportsUnreadableAndDamagedHeaders) {
    TBackupFile info;
    EXPECT_FALSE(info.ReadArchiveInfo(dir_ / "nenhum.bck"));
    EXPECT_EQ(info.ErrorCode(), BackupError::CannotReadArchive);

    writeFile(archive(), ArchiveBytes().int32(3).raw("ab").bytes());
    EXPECT_FALSE(info.ReadArchiveInfo(archive()));
    EXPECT_EQ(info.ErrorCode(), BackupError::InvalidArchive);

    writeFile(archive(), ArchiveBytes().header(123456, 7, "Salão Bela").int32(0).bytes());
    const auto header = info.ReadArchiveInfo(archive());
    ASSERT_TRUE(header);
    EXPECT_EQ(info.ErrorCode(), BackupError::None);
    EXPECT_EQ(header->title, "Salão Bela");
    EXPECT_EQ(header->totalSize, 123456);
    EXPECT_EQ(header->fileCount, 7);
    EXPECT_EQ(info.TotalBytes(), 123456);
    EXPECT_EQ(info.FileCount(), 7);
}

}  // namespace
}  // namespace maintenance
