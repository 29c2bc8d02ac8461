#pragma once
// A test of the real program on a real desktop: the demo salon copied for the test, the main
// window with every screen wired and the production dialogs, and a user who logs in and works
// through keys and clicks sent to the X server. Waits poll what the user sees (the active
// window, its caption, the focus) and fail with it, and a screenshot, when it does not come.
#include <gtest/gtest.h>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <ostream>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "desktop/x_input.h"
#include "support/temp_dir.h"
#include "ui/qt_dialogs.h"

// Failures print texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << texts.join(QLatin1Char('|')).toStdString();
}

namespace app {
class TFmMenu;
}
namespace data {
class Tdm;
}

namespace desktop {

// The program's own dialogs, installed for the whole run as the program installs them.
class ProgramDialogs {
  public:
    ProgramDialogs();
    ~ProgramDialogs();
    ProgramDialogs(const ProgramDialogs&) = delete;
    ProgramDialogs& operator=(const ProgramDialogs&) = delete;
    static ui::QtDialogs& get();
};

// What the user sees at one moment.
struct Seen {
    QString active;  // objectName of the active window
    QString title;   // its caption
    QString focus;   // objectName of the focus widget
    QString text;    // the text of a message box or question in front, if one is
    std::string describe() const;
};

class DesktopTest : public testing::Test {
  protected:
    DesktopTest();
    ~DesktopTest() override;
    void SetUp() override;
    void TearDown() override;

    Seen seen();
    // Polls `condition` (run on the program's thread) until it holds; otherwise fails the
    // test saying `what` and what was seen, with a screenshot.
    bool waitFor(const std::function<bool()>& condition, const std::string& what, int milliseconds = 15000);
    // The same without failing: whether it came to hold in time.
    bool poll(const std::function<bool()>& condition, int milliseconds);
    bool waitForActive(const QString& window);
    bool waitForFocus(const QString& control);

    void key(KeySym symbol, unsigned modifiers = NoModifier) { x_.key(symbol, modifiers); }
    void type(std::string_view text) { x_.type(text); }
    void enter(std::string_view text) {
        x_.type(text);
        x_.key(XK_Return);
    }
    // A click in the middle of a control of the active window (a QAction: its button).
    void click(const QString& control);
    void clickAt(QPoint global) { x_.click(global.x(), global.y()); }
    // A click on the button of the active window that shows `caption` (a bar button has no name).
    void clickButton(const QString& caption);
    // A click on a cell of a grid (a QAbstractItemView) of the active window.
    void clickCell(const QString& grid, int row, int column = 0);

    // The message box or question in front says `text`; it is answered (Enter: "&Sim"/OK,
    // or "&Não" clicked).
    bool answer(const QString& text, bool yes = true);
    // The text a control of the active window shows (line edit, label, button, window).
    QString shown(const QString& control);

    void logIn();
    void openCash();
    // Presses a button of the active window by Alt and its underlined letter, as the user
    // does: where several buttons underline it, Alt moves the focus along them until it is on
    // this one, and Space presses it. True once a window other than `from` is active.
    bool pressByAlt(const QString& caption, const QString& from = QStringLiteral("FmMenu"));
    // Clicks through the menu bar: the menu title, then each item in its submenu.
    void chooseMenu(const QStringList& path);
    // Today's date as typed into a date box (ddmmyy).
    static std::string typedDate(int daysFromToday = 0);

    // A PNG of the whole X screen, under VELMORA_DESKTOP_SHOTS (or the temporary folder).
    void screenshot(const std::string& name);

    const std::filesystem::path& dataDir() const { return dir_.path(); }
    // Another data module on the data directory, on the test thread: what was stored.
    std::unique_ptr<data::Tdm> stored();

  private:
    void closeEveryWindow();
    // The middle of a control of the active window, once it shows.
    std::optional<QPoint> centreOf(const QString& control);

    testsupport::TempDir dir_{"velmora-desktop"};
    XInput x_;
    std::unique_ptr<data::Tdm> dm_;
    std::unique_ptr<app::TFmMenu> menu_;
};

}  // namespace desktop
