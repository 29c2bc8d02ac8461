// Backing up and restoring whole folders, over one volume or several.
#include <gtest/gtest.h>

#include "archive_test_support.h"
#include "maintenance/backup_file.h"
#include "support/temp_dir.h"

namespace maintenance {
namespace {

using namespace archive_test;
namespace fs = std::filesystem;

constexpr std::int64_t kVolumeSize = 40000;

class RoundTrip : public ::testing::Test {
  protected:
    RoundTrip() {
        fs::create_directory(data());
        fs::create_directory(restored());
    }

    fs::path data() const { return dir_ / "Dados"; }
    fs::path restored() const { return dir_ / "Restaurados"; }
    fs::path archive() const { return dir_ / "Backup-8-3-2024.bck"; }
    std::string mask() const { return (data() / "*.*").string(); }

    // Files of every kind: compressible, incompressible, empty, exactly one block; each
    // dated to the even second, which is what the archive keeps.
    std::map<std::string, Bytes> makeFiles(int count) {
        std::map<std::string, Bytes> files;
        for (int i = 0; i < count; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "Arquivo%02d.DAT", i);
            Bytes content = i % 7 == 0   ? Bytes{}
                            : i % 5 == 0 ? textBytes(16384, i)
                            : i % 3 == 0 ? randomBytes(400 + 60 * i, i)
                                         : textBytes(1000 + 400 * i, i);
            writeFile(data() / name, content);
            fs::last_write_time(data() / name,
                                localTime(2023, 1 + i % 12, 1 + i % 28, i % 24, i, 2 * (i % 30)));
            files[name] = std::move(content);
        }
        return files;
    }

    // Restored names are the stored, lower-case ones when the folder did not hold the file.
    void expectRestored(const std::map<std::string, Bytes>& files) {
        for (const auto& [name, content] : files) {
            std::string lower = name;
            std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
            const fs::path path = restored() / lower;
            ASSERT_TRUE(fs::exists(path)) << path;
            EXPECT_EQ(readFile(path), content) << name;
            EXPECT_EQ(fs::last_write_time(path), fs::last_write_time(data() / name)) << name;
        }
        EXPECT_EQ(folderContents(restored()).size(), files.size()) << "nothing else is left in the folder";
    }

    testsupport::TempDir dir_;
};

TEST_F(RoundTrip, OneVolumeGivesEveryFileBackWithItsDate) {
    const auto files = makeFiles(12);
    TBackupFile backup;
    backup.CompressionLevel = TCompressionLevel::clDefault;
    ASSERT_TRUE(backup.BackupFiles({mask()}, archive())) << backup.ErrorText();
    EXPECT_EQ(backup.FilesDone(), 12);

    TBackupFile restore;
    ASSERT_TRUE(restore.RestoreArchive(archive(), restored())) << restore.ErrorText();
    EXPECT_EQ(restore.FilesDone(), 12);
    EXPECT_EQ(restore.FileCount(), 12);
    expectRestored(files);
}

TEST_F(RoundTrip, ManyFilesOverThreeVolumes) {
    const auto files = makeFiles(40);
    std::vector<int> disksAsked;
    TBackupFile backup;
    backup.MaxSize = kVolumeSize;
    backup.CompressionLevel = TCompressionLevel::clFastest;
    backup.OnNeedDisk = [&](int disk) {
        disksAsked.push_back(disk);
        return true;
    };
    ASSERT_TRUE(backup.BackupFiles({mask()}, archive())) << backup.ErrorText();

    EXPECT_EQ(disksAsked, (std::vector<int>{2, 3}));
    EXPECT_EQ(volumePrompt(3), "Please insert disk 3 and click OK to continue.");
    const fs::path second = dir_ / "Backup-8-3-2024.002";
    const fs::path third = dir_ / "Backup-8-3-2024.003";
    ASSERT_TRUE(fs::exists(second));
    ASSERT_TRUE(fs::exists(third));
    EXPECT_FALSE(fs::exists(dir_ / "Backup-8-3-2024.004"));
    for (const auto& volume : {archive(), second, third})
        EXPECT_LE(static_cast<std::int64_t>(fs::file_size(volume)), kVolumeSize) << volume;
    for (const auto& volume : {second, third}) {
        const Bytes bytes = readFile(volume);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes{0x45, 0x43, 0x32, 0x00})) << "no header";
    }
    const Layout layout = parseArchive(archive());
    EXPECT_EQ(layout.volumeBreaks, (std::vector<std::string>{"NEXT:DISK002", "NEXT:DISK003"}));
    EXPECT_EQ(layout.entries.size(), files.size());

    TBackupFile restore;
    ASSERT_TRUE(restore.RestoreArchive(archive(), restored())) << restore.ErrorText();
    EXPECT_EQ(restore.FilesDone(), 40);
    expectRestored(files);
}

TEST_F(RoundTrip, FilesOfSeveralMegabytesComeBackWholeInOneVolumeOrMany) {
    // Larger than the buffers used to read the archive and to write the files, and of odd
    // sizes, so blocks, lengths and files end anywhere within them.
    const std::map<std::string, Bytes> files = {
        {"a.dat", textBytes(3 * 1024 * 1024 + 5, 1)},
        {"b.dat", randomBytes(2 * 1024 * 1024 + 3, 2)},
        {"c.dat", {}},
        {"d.dat", randomBytes(17 * 16384, 4)},
        {"e.dat", textBytes(700001, 5)},
    };
    for (const auto& [name, content] : files) writeFile(data() / name, content);
    for (const std::int64_t maxSize : {std::int64_t{0}, std::int64_t{1500000}}) {
        SCOPED_TRACE(maxSize);
        fs::remove_all(restored());
        TBackupFile backup;
        backup.MaxSize = maxSize;
        backup.OnNeedDisk = [](int) { return true; };
        ASSERT_TRUE(backup.BackupFiles({mask()}, archive())) << backup.ErrorText();
        TBackupFile restore;
        ASSERT_TRUE(restore.RestoreArchive(archive(), restored())) << restore.ErrorText();
        EXPECT_EQ(folderContents(restored()), files);
    }
}

TEST_F(RoundTrip, VolumesNeverExceedTheirSizeEvenWithLongNamesAndEmptyFiles) {
    std::map<std::string, Bytes> files;
    for (int i = 0; i < 60; ++i) {
        const std::string name = std::string(180, 'x') + std::to_string(i);
        files[name] = i % 4 == 0 ? randomBytes(9000, i) : Bytes{};
        writeFile(data() / name, files[name]);
    }
    const std::int64_t volumeSize = 32768;
    TBackupFile backup;
    backup.MaxSize = volumeSize;
    ASSERT_TRUE(backup.BackupFiles({mask()}, archive())) << backup.ErrorText();

    int volumes = 1;
    EXPECT_LE(static_cast<std::int64_t>(fs::file_size(archive())), volumeSize);
    for (int volume = 2; fs::exists(dir_ / ("Backup-8-3-2024.00" + std::to_string(volume)));
         ++volume, ++volumes)
        EXPECT_LE(
            static_cast<std::int64_t>(fs::file_size(dir_ / ("Backup-8-3-2024.00" + std::to_string(volume)))),
            volumeSize);
    EXPECT_GE(volumes, 5);

    TBackupFile restore;
    ASSERT_TRUE(restore.RestoreArchive(archive(), restored())) << restore.ErrorText();
    for (const auto& [name, content] : files) EXPECT_EQ(readFile(restored() / name), content) << name;
}

TEST_F(RoundTrip, RestoreAsksForAMissingVolumeUntilItIsThere) {
    makeFiles(40);
    TBackupFile backup;
    backup.MaxSize = kVolumeSize;
    ASSERT_TRUE(backup.BackupFiles({mask()}, archive()));
    const fs::path third = dir_ / "Backup-8-3-2024.003";
    const fs::path away = dir_ / "disk3";
    fs::rename(third, away);

    std::vector<int> disksAsked;
    TBackupFile restore;
    restore.OnNeedDisk = [&](int disk) {
        disksAsked.push_back(disk);
        if (disksAsked.size() == 2) fs::rename(away, third);  // the user inserts the disk the second time
        return true;
    };
    ASSERT_TRUE(restore.RestoreArchive(archive(), restored())) << restore.ErrorText();
    EXPECT_EQ(disksAsked, (std::vector<int>{3, 3}));
    EXPECT_EQ(restore.FilesDone(), 40);
}

TEST_F(RoundTrip, CancellingTheVolumePromptStopsWithoutError) {
    makeFiles(40);
    TBackupFile backup;
    backup.MaxSize = kVolumeSize;
    backup.OnNeedDisk = [](int) { return false; };
    EXPECT_FALSE(backup.BackupFiles({mask()}, archive()));
    EXPECT_EQ(backup.ErrorCode(), BackupError::None);
    EXPECT_FALSE(fs::exists(dir_ / "Backup-8-3-2024.002"));

    // A restore cancelled at its volume prompt writes nothing.
    TBackupFile complete;
    complete.MaxSize = kVolumeSize;
    ASSERT_TRUE(complete.BackupFiles({mask()}, archive()));
    fs::remove(dir_ / "Backup-8-3-2024.002");
    TBackupFile restore;
    restore.OnNeedDisk = [](int) { return false; };
    EXPECT_FALSE(restore.RestoreArchive(archive(), restored()));
    EXPECT_EQ(restore.ErrorCode(), BackupError::None);
    EXPECT_TRUE(folderContents(restored()).empty());
}

}  // namespace
}  // namespace maintenance
