// Start-up on a data directory without the program's tables: named to the user, never
// filled without asking.
#include <gtest/gtest.h>

#include <fstream>

#include "app/startup.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/master_password.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"
#include "support/temp_dir.h"

namespace {

class DataSetAtStart : public ::testing::Test {
  protected:
    testsupport::TempDir home;
    testsupport::ScriptedDialogs dialogs;
};

TEST_F(DataSetAtStart, AMissingDirectoryIsNamedAndCreatedOnlyWhenAccepted) {
    const auto directory = home / "Dados";
    dialogs.answer(false);
    EXPECT_FALSE(app::ensureDataSet(directory, dialogs));
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions.front().contains(QString::fromStdString(directory.string())));
    EXPECT_TRUE(dialogs.questions.front().contains("não existe"));
    EXPECT_EQ(dialogs.messages.size(), 1) << "the user is told the program ends";
    EXPECT_FALSE(std::filesystem::exists(directory));

    dialogs.answer(true);
    EXPECT_TRUE(app::ensureDataSet(directory, dialogs));
    EXPECT_TRUE(data::holdsTables(directory));
}

TEST_F(DataSetAtStart, ADirectoryWithoutTablesIsOfferedAnInitialDataSet) {
    const auto directory = home / "Vazio";
    std::filesystem::create_directories(directory);
    std::ofstream(directory / "leia-me.txt") << "arquivo do usuário";
    dialogs.answer(true);
    EXPECT_TRUE(app::ensureDataSet(directory, dialogs));
    EXPECT_TRUE(dialogs.questions.front().contains("não contém as tabelas"));
    EXPECT_TRUE(data::holdsTables(directory));
    EXPECT_TRUE(std::filesystem::exists(directory / "leia-me.txt"));

    // The new data set's master password is shown once, and it is the one that opens it.
    ASSERT_EQ(dialogs.messages.size(), 1);
    const QString notice = dialogs.messages.front();
    const QString heading = QStringLiteral("Senha Master destes dados: ");
    ASSERT_TRUE(notice.startsWith(heading)) << notice.toStdString();
    EXPECT_TRUE(notice.contains("Guarde-a em lugar seguro"));
    const std::string password = notice.mid(heading.size(), 10).toStdString();
    testsupport::RecordingMessages said;
    data::Tdm dm(directory, said);
    EXPECT_EQ(data::checkMasterPassword(dm, password), data::MasterCheck::Right) << password;
}

TEST_F(DataSetAtStart, ADataSetInPlaceIsUsedWithoutAQuestion) {
    data::createInitialData(home.path(), false);
    EXPECT_TRUE(app::ensureDataSet(home.path(), dialogs));
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(DataSetAtStart, ADirectoryThatCannotBeCreatedIsReported) {
    const auto blocker = home / "arquivo";
    std::ofstream(blocker) << "não é diretório";
    dialogs.answer(true);
    EXPECT_FALSE(app::ensureDataSet(blocker / "Dados", dialogs));
    EXPECT_EQ(dialogs.errors.size(), 1);
}

}  // namespace
