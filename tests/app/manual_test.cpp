// "Manual do Programa...": which manual a copy of the program finds, and how it is opened
// when the system has an application for it and when it has none.
#include <gtest/gtest.h>
#include <QTextBrowser>

#include <fstream>
#include <iterator>

#include "app/about.h"
#include "support/qt_scripted_dialogs.h"
#include "support/temp_dir.h"

namespace {

using testsupport::TempDir;

QString qt(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

void writeManual(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "<html><body><h1>Manual do Velmora</h1><p>Abrir o caixa.</p></body></html>";
}

TEST(Manual, BesideTheProgramFirstThenWhereThePackageInstallsIt) {
    TempDir prefix{"velmora-prefix"};
    const auto bin = prefix / "bin";
    std::filesystem::create_directories(bin);
    EXPECT_TRUE(app::manualFile(qt(bin)).isEmpty()) << "no manual anywhere";

    const auto installed = prefix / "share" / "velmora" / "manual-velmora.html";
    writeManual(installed);
    EXPECT_EQ(app::manualFile(qt(bin)), qt(installed));

    writeManual(bin / "manual-velmora.html");
    EXPECT_EQ(app::manualFile(qt(bin)), qt(bin / "manual-velmora.html"));
}

TEST(Manual, TheSourceBuildFindsItsManual) {
    const auto program = std::filesystem::path(VELMORA_PROGRAM).parent_path();
    const QString manual = app::manualFile(qt(program));
    ASSERT_FALSE(manual.isEmpty()) << "no manual beside " << program;
    std::ifstream in(manual.toStdString());
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("<title>Manual do Velmora</title>"), std::string::npos);
}

class OpeningTheManual : public ::testing::Test {
  protected:
    TempDir folder_{"velmora-manual"};
    std::filesystem::path manual_ = folder_ / "manual-velmora.html";
    testsupport::ScriptedDialogs dialogs_;
    QList<QUrl> asked_;

    app::OpenDocument systemThatAnswers(bool started) {
        return [this, started](const QUrl& url) {
            asked_ << url;
            return started;
        };
    }
};

TEST_F(OpeningTheManual, TheSystemsApplicationOpensItWhenThereIsOne) {
    writeManual(manual_);
    app::openManualFile(qt(manual_), systemThatAnswers(true), nullptr);
    EXPECT_EQ(asked_, QList<QUrl>{QUrl::fromLocalFile(qt(manual_))});
    // No window of the program's own: the scripted dialogs fail on any screen not expected.
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(OpeningTheManual, WithoutAnApplicationTheProgramShowsItInItsOwnWindow) {
    writeManual(manual_);
    QString shown;
    bool maximised = false;
    dialogs_.expectScreen("TFmManual", [&](QDialog& screen) {
        maximised = screen.windowState().testFlag(Qt::WindowMaximized);
        if (auto* text = screen.findChild<QTextBrowser*>("Manual")) shown = text->toPlainText();
        return int(QDialog::Rejected);
    });
    app::openManualFile(qt(manual_), systemThatAnswers(false), nullptr);
    EXPECT_EQ(asked_.size(), 1);
    EXPECT_TRUE(shown.contains("Manual do Velmora")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Abrir o caixa.")) << shown.toStdString();
    EXPECT_TRUE(maximised);
}

TEST_F(OpeningTheManual, AMissingManualOpensNothingAndSaysSo) {
    app::openManualFile(app::manualFile(qt(folder_.path())), systemThatAnswers(false), nullptr);
    EXPECT_TRUE(asked_.isEmpty());
    EXPECT_EQ(dialogs_.messages,
              QStringList{"O Manual do Programa (manual-velmora.html) não foi encontrado junto ao programa."});
    EXPECT_TRUE(dialogs_.errors.isEmpty());
}

}  // namespace
