// Which files a restore writes, and where: modes, names without regard to case, and names
// that try to leave the restore folder.
#include <gtest/gtest.h>

#include "archive_test_support.h"
#include "maintenance/backup_file.h"
#include "maintenance/file_names.h"
#include "support/temp_dir.h"

namespace maintenance {
namespace {

using namespace archive_test;
namespace fs = std::filesystem;

TEST(ShouldRestore, FollowsTheModeTable) {
    const std::uint32_t stored = dosDateTime(2024, 3, 8, 12, 0, 0);
    const std::optional<ExistingFile> none;
    const std::optional<ExistingFile> older = ExistingFile{true, dosDateTime(2024, 3, 8, 11, 59, 58)};
    const std::optional<ExistingFile> same = ExistingFile{true, stored};
    const std::optional<ExistingFile> newer = ExistingFile{true, dosDateTime(2025, 1, 1, 0, 0, 0)};
    struct Case {
        TRestoreMode mode;
        bool none, older, same, newer;
    };
    const Case cases[] = {
        {TRestoreMode::rmAll, true, true, true, true},
        {TRestoreMode::rmNoOverwrite, true, false, false, false},
        {TRestoreMode::rmNewer, true, true, false, false},
        {TRestoreMode::rmExisting, false, true, true, true},
        {TRestoreMode::rmExistingNewer, false, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        EXPECT_EQ(shouldRestore(c.mode, none, stored), c.none);
        EXPECT_EQ(shouldRestore(c.mode, older, stored), c.older);
        EXPECT_EQ(shouldRestore(c.mode, same, stored), c.same);
        EXPECT_EQ(shouldRestore(c.mode, newer, stored), c.newer);
    }
}

class RestoreModes : public ::testing::Test {
  protected:
    static constexpr std::uint32_t kStored = dosDateTime(2024, 3, 8, 12, 0, 0);

    RestoreModes() {
        fs::create_directory(folder());
        // The tables as the program names them; the archive stores lower-case names.
        writeFile(folder() / "Clientes.DAT", bytesOf("clientes antigo"));
        fs::last_write_time(folder() / "Clientes.DAT", localTime(2024, 3, 1, 8, 0, 0));
        writeFile(folder() / "Produtos.DB", bytesOf("produtos mais novo"));
        fs::last_write_time(folder() / "Produtos.DB", localTime(2024, 4, 1, 8, 0, 0));
        ArchiveBytes()
            .header(30, 3)
            .file("c:\\qt-velmora\\dados\\clientes.dat", kStored, bytesOf("clientes novo"))
            .file("c:\\qt-velmora\\dados\\produtos.db", kStored, bytesOf("produtos velho"))
            .file("c:\\qt-velmora\\dados\\servicos.dat", kStored, bytesOf("servicos"))
            .int32(0)
            .save(archive());
    }

    fs::path folder() const { return dir_ / "Dados"; }
    fs::path archive() const { return dir_ / "b.bck"; }

    testsupport::TempDir dir_;
};

TEST_F(RestoreModes, CompareAndReplaceExistingFilesWithoutRegardToCase) {
    struct Case {
        TRestoreMode mode;
        bool clientes, produtos, servicos;
    };
    const Case cases[] = {
        {TRestoreMode::rmAll, true, true, true},
        {TRestoreMode::rmNoOverwrite, false, false, true},
        {TRestoreMode::rmNewer, true, false, true},
        {TRestoreMode::rmExisting, true, true, false},
        {TRestoreMode::rmExistingNewer, true, false, false},
    };
    const auto before = folderContents(folder());
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        fs::remove_all(folder());
        fs::create_directory(folder());
        for (const auto& [name, content] : before) writeFile(folder() / name, content);
        fs::last_write_time(folder() / "Clientes.DAT", localTime(2024, 3, 1, 8, 0, 0));
        fs::last_write_time(folder() / "Produtos.DB", localTime(2024, 4, 1, 8, 0, 0));

        TBackupFile restore;
        restore.RestoreMode = c.mode;
        ASSERT_TRUE(restore.RestoreArchive(archive(), folder())) << restore.ErrorText();

        EXPECT_EQ(restore.FilesDone(), c.clientes + c.produtos + c.servicos);
        EXPECT_EQ(readFile(folder() / "Clientes.DAT"),
                  bytesOf(c.clientes ? "clientes novo" : "clientes antigo"));
        EXPECT_EQ(readFile(folder() / "Produtos.DB"),
                  bytesOf(c.produtos ? "produtos velho" : "produtos mais novo"));
        EXPECT_EQ(fs::exists(folder() / "servicos.dat"), c.servicos);
        if (c.clientes) {
            EXPECT_EQ(fs::last_write_time(folder() / "Clientes.DAT"), localTime(2024, 3, 8, 12, 0, 0));
        }
        // Never a second, lower-case copy beside the table.
        EXPECT_FALSE(fs::exists(folder() / "clientes.dat"));
        EXPECT_FALSE(fs::exists(folder() / "produtos.db"));
        EXPECT_EQ(folderContents(folder()).size(), c.servicos ? 3u : 2u);
    }
}

TEST_F(RestoreModes, NoOverwriteOverACompleteFolderWritesNothingAndSucceeds) {
    writeFile(folder() / "SERVICOS.DAT", bytesOf("servicos atuais"));
    const auto before = folderContents(folder());
    TBackupFile restore;
    restore.RestoreMode = TRestoreMode::rmNoOverwrite;
    EXPECT_TRUE(restore.RestoreArchive(archive(), folder()));
    EXPECT_EQ(restore.FilesDone(), 0);
    EXPECT_EQ(restore.FileCount(), 3);
    EXPECT_EQ(folderContents(folder()), before);
}

TEST_F(RestoreModes, AFileRestoredEarlierInTheJobCountsAsExisting) {
    ArchiveBytes()
        .header(4, 2)
        .file("c:\\a\\novo.dat", kStored, bytesOf("um"))
        .file("c:\\b\\NOVO.DAT", kStored, bytesOf("dois"))
        .int32(0)
        .save(archive());
    TBackupFile restore;
    restore.RestoreMode = TRestoreMode::rmNoOverwrite;
    ASSERT_TRUE(restore.RestoreArchive(archive(), folder()));
    EXPECT_EQ(restore.FilesDone(), 1);
    EXPECT_EQ(readFile(folder() / "novo.dat"), bytesOf("um"));
    EXPECT_FALSE(fs::exists(folder() / "NOVO.DAT"));
}

TEST_F(RestoreModes, StoredNamesStayInsideTheRestoreFolder) {
    const std::string names[] = {"..\\..\\evil", "/etc/x", "sub/../../y", "c:\\windows\\..\\z"};
    ArchiveBytes bytes;
    bytes.header(4, 4);
    for (const auto& name : names) bytes.file(name, kStored, bytesOf(name));
    bytes.int32(0).save(archive());
    const auto outside = folderContents(dir_.path());

    TBackupFile restore;
    ASSERT_TRUE(restore.RestoreArchive(archive(), folder())) << restore.ErrorText();

    EXPECT_EQ(readFile(folder() / "evil"), bytesOf(names[0]));
    EXPECT_EQ(readFile(folder() / "x"), bytesOf(names[1]));
    EXPECT_EQ(readFile(folder() / "y"), bytesOf(names[2]));
    EXPECT_EQ(readFile(folder() / "z"), bytesOf(names[3]));
    auto after = folderContents(dir_.path());
    for (const char* name : {"Dados/evil", "Dados/x", "Dados/y", "Dados/z"}) after.erase(name);
    EXPECT_EQ(after, outside) << "nothing written outside the restore folder";
}

TEST_F(RestoreModes, WithoutAFolderFilesGoBackToTheirStoredPathsMatchedWithoutRegardToCase) {
    // The stored path is the lower-case form of the real one, folders included.
    const fs::path table = folder() / "Clientes.DAT";
    ArchiveBytes()
        .header(13, 2)
        .file(lowerCase(table.string()), kStored, bytesOf("clientes novo"))
        .file(lowerCase((dir_ / "Novos" / "Extra.dat").string()), kStored, bytesOf("extra"))
        .int32(0)
        .save(archive());
    TBackupFile restore;
    ASSERT_TRUE(restore.RestoreArchive(archive(), "")) << restore.ErrorText();
    EXPECT_EQ(readFile(table), bytesOf("clientes novo"));
    EXPECT_EQ(folderContents(folder()).size(), 2u);
    EXPECT_EQ(readFile(dir_ / "novos" / "extra.dat"), bytesOf("extra")) << "missing folders are created";

    ArchiveBytes()
        .header(1, 1)
        .file("c:\\qt-velmora\\dados\\x.dat", kStored, bytesOf("x"))
        .int32(0)
        .save(archive());
    EXPECT_FALSE(restore.RestoreArchive(archive(), ""));
    EXPECT_EQ(restore.ErrorCode(), BackupError::CannotReadFile) << "a drive path has no place here";
}

TEST_F(RestoreModes, BackupAndRestoreKeepTheTablesOwnNames) {
    TBackupFile backup;
    ASSERT_TRUE(backup.BackupFiles({(folder() / "*.*").string()}, archive()));
    writeFile(folder() / "Clientes.DAT", bytesOf("alterado depois"));
    TBackupFile restore;
    ASSERT_TRUE(restore.RestoreArchive(archive(), folder()));
    EXPECT_EQ(readFile(folder() / "Clientes.DAT"), bytesOf("clientes antigo"));
    EXPECT_EQ(folderContents(folder()).size(), 2u);
}

}  // namespace
}  // namespace maintenance
