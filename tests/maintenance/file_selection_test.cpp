// What a backup takes: masks, subfolders, the archive itself, changed files only.
#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <set>

#include "archive_test_support.h"
#include "maintenance/backup_file.h"
#include "maintenance/file_names.h"
#include "maintenance/file_selection.h"
#include "support/temp_dir.h"

namespace maintenance {
namespace {

using namespace archive_test;
namespace fs = std::filesystem;

TEST(MatchesMask, FollowsDosWildcards) {
    struct Case {
        const char* pattern;
        const char* name;
        bool matches;
    };
    const Case cases[] = {
        {"*.*", "Clientes.DAT", true},
        {"*.*", "LEIAME", true},
        {"*.*", ".oculto", true},
        {"*.dat", "Clientes.DAT", true},
        {"*.dat", "Clientes.db", false},
        {"*.dat", "dat", false},
        {"c?ientes.*", "Clientes.DAT", true},
        {"c?ientes.*", "Cientes.DAT", false},
        {"*s.d*", "caixas.db", true},
        {"clientes.dat", "CLIENTES.DAT", true},
        {"*a*b", "xaxxb", true},
        {"*a*b", "xaxxbc", false},
        {"*", "qualquer.coisa", true},
        {"", "x", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchesMask(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
}

class Selection : public ::testing::Test {
  protected:
    Selection() {
        fs::create_directories(data() / "Sub" / "Fundo");
        for (const char* name : {"Clientes.DAT", "Caixa.db", ".oculto", "LEIAME"})
            writeFile(data() / name, bytesOf(name));
        writeFile(data() / "Sub" / "Velho.DAT", bytesOf("velho"));
        writeFile(data() / "Sub" / "Fundo" / "Mais.dat", bytesOf("mais"));
    }

    fs::path data() const { return dir_ / "Dados"; }
    fs::path archive() const { return dir_ / "b.bck"; }

    std::vector<std::string> stored(const std::vector<std::string>& masks, const fs::path& archive) {
        std::vector<std::string> names;
        for (const auto& file : selectFiles(masks, archive, false).files) {
            EXPECT_EQ(file.storedName, lowerCase(file.path.string()));
            names.push_back(fs::relative(file.path, data()).string());
        }
        return names;
    }

    testsupport::TempDir dir_;
};

TEST_F(Selection, MasksTakeSubfoldersOnlyWhenAsked) {
    const std::string all = (data() / "*.*").string();
    EXPECT_EQ(stored({all}, archive()),
              (std::vector<std::string>{".oculto", "Caixa.db", "Clientes.DAT", "LEIAME"}));
    EXPECT_EQ(stored({(data() / "*.dat /s").string()}, archive()),
              (std::vector<std::string>{"Clientes.DAT", "Sub/Fundo/Mais.dat", "Sub/Velho.DAT"}));
    EXPECT_EQ(stored({(data() / "*.DAT /S").string(), all}, archive()),
              (std::vector<std::string>{"Clientes.DAT", "Sub/Fundo/Mais.dat", "Sub/Velho.DAT", ".oculto",
                                        "Caixa.db", "LEIAME"}))
        << "each file once, in mask order";
    EXPECT_TRUE(stored({(dir_ / "Nenhuma" / "*.*").string()}, archive()).empty());
}

TEST_F(Selection, TotalCountsEveryByte) {
    EXPECT_EQ(selectFiles({(data() / "*.* /s").string()}, archive(), false).totalBytes,
              std::string("Clientes.DATCaixa.db.ocultoLEIAMEvelhomais").size());
}

TEST_F(Selection, TheArchiveNeverContainsItselfNorItsVolumes) {
    const fs::path inside = data() / "Backup-1-12-2025.bck";
    writeFile(inside, bytesOf("backup anterior"));
    writeFile(data() / "Backup-1-12-2025.002", bytesOf("volume anterior"));
    writeFile(data() / "Backup-1-12-2025.txt", bytesOf("outro arquivo"));
    EXPECT_EQ(
        stored({(data() / "*.*").string()}, inside),
        (std::vector<std::string>{".oculto", "Backup-1-12-2025.txt", "Caixa.db", "Clientes.DAT", "LEIAME"}));

    TBackupFile backup;
    ASSERT_TRUE(backup.BackupFiles({(data() / "*.*").string()}, inside)) << backup.ErrorText();
    const Layout layout = parseArchive(inside);
    EXPECT_EQ(layout.entries.size(), 5u);
    for (const auto& entry : layout.entries)
        EXPECT_EQ(entry.name.find("backup-1-12-2025.bck"), std::string::npos);
}

TEST_F(Selection, TablesJournalFilesAreNeverArchived) {
    for (const char* name : {"Clientes.DAT-journal", "Caixa.db-wal", "Caixa.db-shm"})
        writeFile(data() / name, bytesOf("transitório"));
    writeFile(data() / "-journal", bytesOf("só o sufixo"));  // a name that is only the suffix is kept
    EXPECT_EQ(stored({(data() / "*.*").string()}, archive()),
              (std::vector<std::string>{"-journal", ".oculto", "Caixa.db", "Clientes.DAT", "LEIAME"}));
}

bool extendedAttributesWork(const fs::path& file) {
    return setxattr(file.c_str(), "user.velmora.probe", "1", 1, 0) == 0;
}

TEST_F(Selection, IncrementalBackupTakesOnlyFilesChangedSinceTheLastOne) {
    if (!extendedAttributesWork(data() / "LEIAME")) GTEST_SKIP() << "no extended attributes here";
    const std::string mask = (data() / "*.*").string();
    TBackupFile backup;
    backup.BackupMode = TBackupMode::bmIncremental;
    ASSERT_TRUE(backup.BackupFiles({mask}, archive()));
    EXPECT_EQ(backup.FilesDone(), 4);

    ASSERT_TRUE(backup.BackupFiles({mask}, archive()));
    EXPECT_EQ(backup.FilesDone(), 0) << "nothing changed";

    writeFile(data() / "Caixa.db", bytesOf("novo movimento"));
    fs::last_write_time(data() / "Caixa.db",
                        fs::last_write_time(data() / "Caixa.db") + std::chrono::seconds(5));
    ASSERT_TRUE(backup.BackupFiles({mask}, archive()));
    ASSERT_EQ(parseArchive(archive()).entries.size(), 1u);
    EXPECT_EQ(parseArchive(archive()).entries[0].name, lowerCase((data() / "Caixa.db").string()));

    TBackupFile full;
    ASSERT_TRUE(full.BackupFiles({mask}, archive()));
    EXPECT_EQ(full.FilesDone(), 4) << "a full backup takes everything";
}

TEST_F(Selection, AStoppedBackupLeavesFilesMarkedAsChanged) {
    if (!extendedAttributesWork(data() / "LEIAME")) GTEST_SKIP() << "no extended attributes here";
    const std::string mask = (data() / "*.*").string();
    TBackupFile backup;
    backup.BackupMode = TBackupMode::bmIncremental;
    // Stops while the third file is being stored, after two were stored completely.
    std::set<std::string> seen;
    backup.OnProgress = [&](const std::string& name, int) {
        if (!name.empty()) seen.insert(name);
        return seen.size() < 3;
    };
    EXPECT_FALSE(backup.BackupFiles({mask}, archive()));
    backup.OnProgress = nullptr;
    ASSERT_TRUE(backup.BackupFiles({mask}, archive()));
    EXPECT_EQ(backup.FilesDone(), 4);
}

}  // namespace
}  // namespace maintenance
