// The table repair screen.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <fstream>

#include "maintenance/screens/repair_screen.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"

using namespace testsupport;

namespace {

class RepairScreen : public DataTest {
  protected:
    ScriptedDialogs dialogs;
    maintenance::TFmReparador screen{dm};

    QString panel() { return screen.findChild<QLabel*>("Panel2")->text(); }
    void repair(const QStringList& files) {
        dialogs.answerOpenFiles(files);
        screen.findChild<QPushButton*>("BitBtn1")->click();
    }
    QString path(const char* file) { return QString::fromStdString((dataDir() / file).string()); }
};

}  // namespace

TEST_F(RepairScreen, CancellingTheDialogRepairsNothing) {
    repair({});
    // The chooser starts where the tables are, for table files.
    EXPECT_EQ(dialogs.openFilesFolder, QString::fromStdString(dataDir().string()));
    EXPECT_EQ(dialogs.openFilesSuffix, QStringLiteral("DAT"));
    EXPECT_EQ(panel(), "REPARADOR DE ARQUIVOS");
    EXPECT_FALSE(screen.findChild<QProgressBar*>("ProgressGauge")->isVisibleTo(&screen));
}

TEST_F(RepairScreen, AnIntactTableIsReportedRepaired) {
    repair({path("Clientes.DAT")});
    EXPECT_EQ(panel(), "Arquivo Reparado Corretamente!");
    EXPECT_TRUE(dialogs.errors.isEmpty());
    auto* gauge = screen.findChild<QProgressBar*>("ProgressGauge");
    EXPECT_TRUE(gauge->isVisibleTo(&screen));
    EXPECT_EQ(gauge->value(), 100);
    const auto trail = testsupport::auditTrail(dataSet());
    ASSERT_EQ(trail.size(), 1u);
    EXPECT_EQ(trail[0].acao, "Reparo de Arquivo");
    EXPECT_EQ(trail[0].resumo, "Clientes.DAT");
}

TEST_F(RepairScreen, AFileThatIsNotATableStopsTheRunWithTheStoresMessage) {
    std::ofstream(dataDir() / "Estranho.DAT") << std::string(300, 'x');
    repair({path("Estranho.DAT"), path("Clientes.DAT")});
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains("Estranho.DAT")) << dialogs.errors[0].toStdString();
    EXPECT_EQ(panel(), "O Arquivo está sendo reparado! Aguarde...");
    EXPECT_TRUE(testsupport::auditTrail(dataSet()).empty()) << "nothing was repaired";
}

namespace {

class RepairScreenOnServer : private BackendOfTheCase, public DataTest {
  protected:
    RepairScreenOnServer() : BackendOfTheCase(Backend::Postgres) {}
};

}  // namespace

TEST_F(RepairScreenOnServer, SaysTheServerKeepsItsTablesAndOpensNothing) {
    ScriptedDialogs dialogs;
    maintenance::TFmReparador screen(dm);
    const QString panel = screen.findChild<QLabel*>("Panel2")->text();
    EXPECT_TRUE(panel.contains(QStringLiteral("mantidas pelo próprio servidor"))) << panel.toStdString();
    EXPECT_TRUE(panel.contains(QString::fromStdString(dm.DbVelmora.location()))) << panel.toStdString();
    auto* repair = screen.findChild<QPushButton*>("BitBtn1");
    EXPECT_FALSE(repair->isEnabled());
    repair->click();
    // No file chooser was shown, nothing was repaired and nothing was said.
    EXPECT_TRUE(dialogs.openFilesFolder.isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(screen.findChild<QProgressBar*>("ProgressGauge")->isVisibleTo(&screen));
}
