// A backup as a job: progress, stopping, errors, and where the stored bytes come from.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "archive_test_support.h"
#include "maintenance/backup_file.h"
#include "support/temp_dir.h"

namespace maintenance {
namespace {

using namespace archive_test;
namespace fs = std::filesystem;

class BackupJob : public ::testing::Test {
  protected:
    BackupJob() {
        fs::create_directory(data());
        writeFile(data() / "A.dat", textBytes(50000, 1));
        writeFile(data() / "B.dat", randomBytes(20000, 2));
        writeFile(data() / "C.dat", {});
    }

    fs::path data() const { return dir_ / "Dados"; }
    fs::path archive() const { return dir_ / "b.bck"; }
    std::vector<std::string> masks() const { return {(data() / "*.*").string()}; }

    // Backs the data up and gives a folder to restore into that holds an older a.dat.
    fs::path backUpBesideAnOlderFile() {
        TBackupFile backup;
        EXPECT_TRUE(backup.BackupFiles(masks(), archive()));
        const fs::path folder = dir_ / "out";
        fs::create_directory(folder);
        writeFile(folder / "a.dat", bytesOf("antes"));
        return folder;
    }
    static std::map<std::string, Bytes> olderFileOnly() { return {{"a.dat", bytesOf("antes")}}; }

    testsupport::TempDir dir_;
};

TEST_F(BackupJob, ReportsProgressFromZeroToOneHundred) {
    struct Report {
        std::string name;
        int percent;
        bool busy;
    };
    std::vector<Report> reports;
    TBackupFile backup;
    backup.OnProgress = [&](const std::string& name, int percent) {
        reports.push_back({name, percent, backup.IsBusy()});
        return true;
    };
    ASSERT_TRUE(backup.BackupFiles(masks(), archive()));
    EXPECT_FALSE(backup.IsBusy());

    ASSERT_GE(reports.size(), 7u);  // start, 4 + 2 blocks, end
    EXPECT_EQ(reports.front().name, "");
    EXPECT_EQ(reports.front().percent, 0);
    EXPECT_EQ(reports.back().name, "");
    EXPECT_EQ(reports.back().percent, 100);
    EXPECT_EQ(reports[1].name, (data() / "A.dat").string());
    EXPECT_EQ(reports[1].percent, 16384 * 100 / 70000);
    EXPECT_EQ(reports[reports.size() - 2].percent, 100) << "every byte read";
    for (std::size_t i = 1; i < reports.size(); ++i) {
        EXPECT_GE(reports[i].percent, reports[i - 1].percent);
        EXPECT_TRUE(reports[i].busy);
    }

    std::vector<int> restorePercents;
    TBackupFile restore;
    restore.OnProgress = [&](const std::string&, int percent) {
        restorePercents.push_back(percent);
        return true;
    };
    ASSERT_TRUE(restore.RestoreArchive(archive(), dir_ / "out"));
    EXPECT_EQ(restorePercents.front(), 16384 * 100 / 70000);
    EXPECT_EQ(restorePercents.back(), 100);
}

TEST_F(BackupJob, StoppingKeepsTheEarlierArchiveAndLeavesNoPartialFile) {
    writeFile(archive(), bytesOf("backup de ontem"));
    for (bool fromHandler : {false, true}) {
        SCOPED_TRACE(fromHandler);
        TBackupFile backup;
        int blocks = 0;
        backup.OnProgress = [&](const std::string& name, int) {
            if (name.empty()) return true;
            if (++blocks < 3) return true;
            if (fromHandler) return false;
            backup.StopJob();
            return true;
        };
        EXPECT_FALSE(backup.BackupFiles(masks(), archive()));
        EXPECT_EQ(backup.ErrorCode(), BackupError::None);
        EXPECT_EQ(blocks, 3) << "stops after the current block";
        EXPECT_EQ(readFile(archive()), bytesOf("backup de ontem"));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 2)
            << "only the data folder and the earlier archive";
    }
}

TEST_F(BackupJob, StoppingARestoreLeavesTheFolderAsItWas) {
    const fs::path folder = backUpBesideAnOlderFile();
    TBackupFile restore;
    restore.OnProgress = [&](const std::string& name, int) {
        return name.find("b.dat") == std::string::npos;
    };
    EXPECT_FALSE(restore.RestoreArchive(archive(), folder));
    EXPECT_EQ(restore.ErrorCode(), BackupError::None);
    EXPECT_EQ(folderContents(folder), olderFileOnly());
}

TEST_F(BackupJob, AFullDiskDuringARestoreNamesTheFileAndLeavesTheFolderAsItWas) {
    const fs::path folder = backUpBesideAnOlderFile();
    // The restore runs in a child whose files may not grow past 30 000 bytes, so the
    // 50 000 bytes of a.dat cannot be written.
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{30000, 30000};
        setrlimit(RLIMIT_FSIZE, &limit);
        TBackupFile restore;
        const bool restored = restore.RestoreArchive(archive(), folder);
        const bool named = restore.ErrorText().find("a.dat") != std::string::npos;
        _exit(!restored && restore.ErrorCode() == BackupError::CannotReadFile && named ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "failed with the file's name";
    EXPECT_EQ(folderContents(folder), olderFileOnly()) << "nothing replaced, nothing staged left behind";
}

TEST_F(BackupJob, ErrorsAreReportedOnceWithCodeAndMessage) {
    struct Case {
        const char* what;
        std::function<void(TBackupFile&)> setUp;
        fs::path archive;
        BackupError code;
    };
    const Case cases[] = {
        {"archive folder missing", [](TBackupFile&) {}, dir_ / "nenhuma" / "b.bck",
         BackupError::CannotWriteArchive},
        {"file source fails",
         [](TBackupFile& b) {
             b.SourceOfFile = [](const fs::path&, const fs::path&) -> fs::path {
                 throw std::runtime_error("tabela bloqueada");
             };
         },
         archive(), BackupError::CannotReadFile},
        {"file source gives a missing copy",
         [](TBackupFile& b) {
             b.SourceOfFile = [](const fs::path&, const fs::path& scratch) { return scratch; };
         },
         archive(), BackupError::CannotReadFile},
        {"volumes too small", [](TBackupFile& b) { b.MaxSize = 20000; }, archive(),
         BackupError::VolumeSizeTooSmall},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<BackupError> reported;
        TBackupFile backup;
        backup.OnError = [&](BackupError code, const std::string& text) {
            reported.push_back(code);
            EXPECT_TRUE(text.starts_with(errorMessage(code))) << text;
        };
        c.setUp(backup);
        EXPECT_FALSE(backup.BackupFiles(masks(), c.archive));
        EXPECT_EQ(backup.ErrorCode(), c.code);
        EXPECT_EQ(reported, std::vector<BackupError>{c.code});
        EXPECT_FALSE(backup.IsBusy());
        EXPECT_FALSE(fs::exists(c.archive));
    }
}

TEST_F(BackupJob, DataOfTwoGibibytesIsRefusedBeforeAnythingIsWritten) {
    // Sparse: the size is there without the bytes.
    writeFile(data() / "enorme.dat", {});
    fs::resize_file(data() / "enorme.dat", std::uintmax_t{1} << 31);
    writeFile(archive(), bytesOf("backup de ontem"));
    TBackupFile backup;
    EXPECT_FALSE(backup.BackupFiles(masks(), archive()));
    EXPECT_EQ(backup.ErrorCode(), BackupError::DataTooLarge);
    EXPECT_NE(backup.ErrorText().find("2 GiB"), std::string::npos);
    EXPECT_EQ(readFile(archive()), bytesOf("backup de ontem"));
}

TEST_F(BackupJob, StoredBytesComeFromTheFileSource) {
    std::vector<fs::path> scratches;
    TBackupFile backup;
    backup.SourceOfFile = [&](const fs::path& file, const fs::path& scratch) {
        scratches.push_back(scratch);
        if (file.filename() != "A.dat") return file;
        writeFile(scratch, bytesOf("cópia consistente"));
        return scratch;
    };
    ASSERT_TRUE(backup.BackupFiles(masks(), archive())) << backup.ErrorText();
    const Layout layout = parseArchive(archive());
    ASSERT_EQ(layout.entries.size(), 3u);
    EXPECT_EQ(fileContent(layout.entries[0]), bytesOf("cópia consistente"));
    EXPECT_EQ(fileContent(layout.entries[1]), randomBytes(20000, 2));
    ASSERT_EQ(scratches.size(), 3u);
    EXPECT_FALSE(fs::exists(scratches[0].parent_path())) << "the copies are removed";
    EXPECT_FALSE(scratches[0].parent_path().string().starts_with(data().string()));
}

TEST_F(BackupJob, AFileGoneBeforeItsTurnIsLeftOut) {
    TBackupFile backup;
    backup.OnProgress = [&](const std::string& name, int) {
        if (!name.empty()) fs::remove(data() / "B.dat");
        return true;
    };
    ASSERT_TRUE(backup.BackupFiles(masks(), archive())) << backup.ErrorText();
    EXPECT_EQ(backup.FilesDone(), 2);
    const Layout layout = parseArchive(archive());
    EXPECT_EQ(layout.fileCount, 3) << "the count of the selection";
    EXPECT_EQ(layout.entries.size(), 2u);

    TBackupFile restore;
    ASSERT_TRUE(restore.RestoreArchive(archive(), dir_ / "out"));
    EXPECT_EQ(restore.FilesDone(), 2);
}

}  // namespace
}  // namespace maintenance
