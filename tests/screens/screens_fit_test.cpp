// Every screen the program has (the screenshot tool's list) on the demo salon: fields show
// what is typed in them, nothing is cut off, and the screen fits the salon's desktop.
#include <gtest/gtest.h>

#include "data/dm.h"
#include "screen_catalogue.h"
#include "screens/screen_fit.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"

namespace {

TEST(EveryScreen, ShowsWhatIsTypedUncutOnTheDesktop) {
    testsupport::InitialDataDirectory demo(true);
    testsupport::RecordingMessages messages;
    data::Tdm dm(demo.path(), messages);
    testsupport::ScriptedDialogs dialogs;
    QStringList seen;
    forEachScreen(dm, [&seen](QWidget& screen, const QString& name) {
        seen << name;
        const QStringList problems = screencheck::fitProblems(screen, ui::kDesktopArea);
        EXPECT_TRUE(problems.isEmpty())
            << name.toStdString() << ":\n  " << problems.join(QStringLiteral("\n  ")).toStdString();
    });
    EXPECT_TRUE(seen.contains(QStringLiteral("TFmFuncionario")) &&
                seen.contains(QStringLiteral("TFmClientes")))
        << seen.join(QStringLiteral(", ")).toStdString();
}

}  // namespace
