// "Transferir Dados...": the salon's data moved from the program, into a data directory or
// onto the server, with the copier's refusals shown and the station's own tables let go of
// for the copy and taken back when nothing was moved.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "data/initial_data.h"
#include "maintenance/screens/migration_screen.h"
#include "migration_fixture.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"

namespace migrationtest {
namespace {

using testsupport::TempDir;

class MigrationScreenTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        screen = std::make_unique<maintenance::TFmTransferir>(dm, [this] { ++moved; });
        screen->show();
        QApplication::setActiveWindow(screen.get());
    }
    template <typename Widget>
    Widget* find(const char* name) {
        return screen->findChild<Widget*>(QString::fromLatin1(name));
    }
    // Types the destination as the user does and presses "Transferir".
    void transferTo(const store::Location& destination) {
        if (destination.onServer()) {
            find<QRadioButton>("RadioServidor")->click();
            QTest::keyClicks(find<QLineEdit>("EditConexao"),
                             QString::fromStdString(destination.server->connection));
        } else {
            QTest::keyClicks(find<QLineEdit>("EditDiretorio"),
                             QString::fromStdString(destination.directory.string()));
        }
        find<QPushButton>("BitBtn1")->click();
    }

    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<maintenance::TFmTransferir> screen;
    int moved = 0;
    TempDir destinationDir;
};

class MigrationScreenTo : public MigrationScreenTest, public ::testing::WithParamInterface<const Side*> {};
INSTANTIATE_TEST_SUITE_P(Backends, MigrationScreenTo, ::testing::ValuesIn(everySide()), sideName);

TEST_P(MigrationScreenTo, MovesTheDataAfterTheQuestionAndEndsTheProgram) {
    const store::Location destination = GetParam()->locate(destinationDir.path());
    dialogs.answer(true);
    transferTo(destination);
    ASSERT_EQ(dialogs.errors, QStringList{});
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions.front().contains(QString::fromStdString(destination.describe())))
        << dialogs.questions.front().toStdString();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().startsWith(QStringLiteral("Os dados foram transferidos:")))
        << dialogs.messages.front().toStdString();
    EXPECT_EQ(moved, 1);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(refusalOnOpen(destination), "");
    EXPECT_NE(refusalOnOpen(dataSet()).find("não são mais usados aqui"), std::string::npos);
}

TEST_F(MigrationScreenTest, WithoutADestinationOrAConfirmationNothingIsCopied) {
    find<QPushButton>("BitBtn1")->click();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Informe o diretório de destino!")});
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>("EditDiretorio"));
    EXPECT_TRUE(dialogs.questions.isEmpty());

    const store::Location destination(destinationDir / "Dados");
    dialogs.answer(false);
    transferTo(destination);
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_FALSE(data::holdsTables(destination));
    EXPECT_EQ(moved, 0);
    EXPECT_TRUE(dm.TbConfig.isOpen());
}

TEST_F(MigrationScreenTest, ARefusedCopyIsShownAndTheStationGetsItsTablesBack) {
    const store::Location destination(destinationDir / "Dados");
    data::createInitialData(destination, false);
    dialogs.answer(true);
    transferTo(destination);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().contains(QStringLiteral("já contém a tabela")))
        << dialogs.errors.front().toStdString();
    EXPECT_EQ(moved, 0);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(dm.TbConfig.isOpen());
    EXPECT_TRUE(dm.TbSenha.isOpen());
    EXPECT_EQ(refusalOnOpen(dataSet()), "");
}

}  // namespace
}  // namespace migrationtest
