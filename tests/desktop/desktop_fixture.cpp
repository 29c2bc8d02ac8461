#include "desktop/desktop_fixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QDate>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QToolBar>
#include <QWidget>

#include <chrono>
#include <optional>
#include <cstdlib>
#include <thread>

#include "app/main_window.h"
#include "app/own_password.h"
#include "core/date.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "demo/salon_history.h"
#include "desktop/on_gui.h"
#include "screen_wiring.h"
#include "support/data_fixture.h"

namespace desktop {

namespace {

ui::QtDialogs* installed = nullptr;

// The demo salon is made once per run (it takes a while); each test copies it.
const std::filesystem::path& demoSalon() {
    static testsupport::TempDir folder("velmora-desktop-demo");
    static const std::filesystem::path salon = [] {
        const std::filesystem::path directory = folder / "Dados";
        data::createInitialData(directory, true);
        testsupport::RecordingMessages quiet;
        data::Tdm dm(directory, quiet);
        demo::addSalonHistory(dm, core::Date::today());
        return directory;
    }();
    return salon;
}

// The text a box in front shows, for a message box or the program's own question.
QString boxText(const QWidget* window) {
    if (const auto* box = qobject_cast<const QMessageBox*>(window)) return box->text();
    if (window != nullptr && window->objectName() == QLatin1String("FmConfirma"))
        if (const auto* label = window->findChild<QLabel*>(QStringLiteral("Label1"))) return label->text();
    return {};
}

QWidget* controlOf(QWidget* window, const QString& name) {
    if (window == nullptr) return nullptr;
    if (auto* widget = window->findChild<QWidget*>(name)) return widget;
    // A toolbar action is clicked on its button.
    if (auto* action = window->findChild<QAction*>(name))
        for (auto* bar : window->findChildren<QToolBar*>())
            if (QWidget* button = bar->widgetForAction(action)) return button;
    return nullptr;
}

}  // namespace

ProgramDialogs::ProgramDialogs() {
    static ui::QtDialogs dialogs;
    installed = &dialogs;
    ui::Dialogs::install(&dialogs);
}

ProgramDialogs::~ProgramDialogs() {
    ui::Dialogs::install(nullptr);
}

ui::QtDialogs& ProgramDialogs::get() {
    return *installed;
}

std::string Seen::describe() const {
    return "active window '" + active.toStdString() + "' (\"" + title.toStdString() + "\"), focus on '" +
           focus.toStdString() + "'" + (text.isEmpty() ? "" : ", saying \"" + text.toStdString() + "\"");
}

DesktopTest::DesktopTest() = default;
DesktopTest::~DesktopTest() = default;

void DesktopTest::SetUp() {
    std::filesystem::copy(demoSalon(), dataDir(), std::filesystem::copy_options::recursive);
    onGui([this] {
        QApplication::setApplicationName(QStringLiteral("Velmora..."));
        // As the program starts: the window first, then the data module, then the screens.
        menu_ = std::make_unique<app::TFmMenu>();
        dm_ = std::make_unique<data::Tdm>(dataDir(), ProgramDialogs::get());
        menu_->attach(*dm_);
        wireScreens(*menu_, *dm_);
        menu_->showMaximized();
    });
}

void DesktopTest::TearDown() {
    if (HasFailure()) screenshot(testing::UnitTest::GetInstance()->current_test_info()->name());
    closeEveryWindow();
    onGui([this] {
        menu_.reset();
        dm_.reset();
    });
}

void DesktopTest::closeEveryWindow() {
    // Each window closed ends its own loop; what the program does next may show another.
    int quiet = 0;
    for (int round = 0; round < 400 && quiet < 5; ++round) {
        const bool closed = onGui([this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QDialog*>(window);
                if (dialog == nullptr || !dialog->isVisible()) continue;
                // Not the screens' own reject(): it may ask something.
                dialog->QDialog::done(QDialog::Rejected);
                return true;
            }
            return false;
        });
        quiet = closed ? 0 : quiet + 1;
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
}

Seen DesktopTest::seen() {
    return onGui([] {
        Seen now;
        if (QWidget* active = QApplication::activeWindow()) {
            now.active = active->objectName();
            now.title = active->windowTitle();
            now.text = boxText(active);
        }
        if (QWidget* focus = QApplication::focusWidget()) now.focus = focus->objectName();
        return now;
    });
}

bool DesktopTest::poll(const std::function<bool()>& condition, int milliseconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        if (onGui(condition)) return true;
        if (std::chrono::steady_clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
}

bool DesktopTest::waitFor(const std::function<bool()>& condition, const std::string& what, int milliseconds) {
    if (poll(condition, milliseconds)) return true;
    ADD_FAILURE() << "waited for " << what << "; " << seen().describe();
    return false;
}

bool DesktopTest::waitForActive(const QString& window) {
    return waitFor(
        [window] {
            const QWidget* active = QApplication::activeWindow();
            return active != nullptr && active->objectName() == window && active->isVisible();
        },
        "the window '" + window.toStdString() + "' to be active");
}

bool DesktopTest::waitForFocus(const QString& control) {
    return waitFor(
        [control] {
            const QWidget* focus = QApplication::focusWidget();
            return focus != nullptr && focus->objectName() == control;
        },
        "the focus on '" + control.toStdString() + "'");
}

std::optional<QPoint> DesktopTest::centreOf(const QString& control) {
    QPoint centre;
    if (!waitFor(
            [&] {
                QWidget* widget = controlOf(QApplication::activeWindow(), control);
                if (widget == nullptr || !widget->isVisible()) return false;
                centre = widget->mapToGlobal(widget->rect().center());
                return true;
            },
            "'" + control.toStdString() + "' on the active window"))
        return std::nullopt;
    return centre;
}

void DesktopTest::click(const QString& control) {
    if (const auto centre = centreOf(control)) x_.click(centre->x(), centre->y());
}

void DesktopTest::clickButton(const QString& caption) {
    QPoint centre;
    if (waitFor(
            [&] {
                if (QApplication::activeWindow() == nullptr) return false;
                for (auto* button : QApplication::activeWindow()->findChildren<QAbstractButton*>())
                    if (button->text() == caption && button->isVisible()) {
                        centre = button->mapToGlobal(button->rect().center());
                        return true;
                    }
                return false;
            },
            "a button \"" + caption.toStdString() + "\" on the active window"))
        x_.click(centre.x(), centre.y());
}

void DesktopTest::clickCell(const QString& grid, int row, int column) {
    QPoint centre;
    if (waitFor(
            [&] {
                auto* view = qobject_cast<QAbstractItemView*>(controlOf(QApplication::activeWindow(), grid));
                if (view == nullptr || view->model()->rowCount() <= row) return false;
                const QModelIndex cell = view->model()->index(row, column);
                view->scrollTo(cell);
                centre = view->viewport()->mapToGlobal(view->visualRect(cell).center());
                return true;
            },
            "row " + std::to_string(row) + " of '" + grid.toStdString() + "'"))
        x_.click(centre.x(), centre.y());
}

bool DesktopTest::answer(const QString& text, bool yes) {
    if (!waitFor([text] { return boxText(QApplication::activeWindow()) == text; },
                 "a box saying \"" + text.toStdString() + "\""))
        return false;
    if (yes)
        key(XK_Return);
    else
        click(QStringLiteral("BtnNao"));
    return waitFor([text] { return boxText(QApplication::activeWindow()) != text; },
                   "the box \"" + text.toStdString() + "\" to close");
}

QString DesktopTest::shown(const QString& control) {
    const std::optional<QString> text = onGui([control]() -> std::optional<QString> {
        QWidget* widget = controlOf(QApplication::activeWindow(), control);
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
        return std::nullopt;
    });
    if (!text) ADD_FAILURE() << "no text control '" << control.toStdString() << "'; " << seen().describe();
    return text.value_or(QString());
}

void DesktopTest::logIn() {
    // The start screen, its picture (any key), then user and password.
    ASSERT_TRUE(waitForActive(QStringLiteral("FmFigura")));
    key(XK_space);
    ASSERT_TRUE(waitForActive(QStringLiteral("FmAutorizacao")));
    ASSERT_TRUE(waitForFocus(QStringLiteral("EdSenha")));
    key(XK_Tab, Shift);
    ASSERT_TRUE(waitForFocus(QStringLiteral("CbUsuario")));
    key(XK_Down);
    key(XK_Tab);
    enter(data::kFirstPassword);
    ASSERT_TRUE(waitFor([this] { return menu_->loginDone(); }, "the login to hold"));
    // Still on the first password: his own some other time.
    ASSERT_TRUE(answer(app::kChooseOwnPassword, false));
    // A birthday today shows the day's list first, within the login's own call: once the
    // program answers again, that list is either up or done with.
    const bool birthdays = onGui([] {
        const QWidget* modal = QApplication::activeModalWidget();
        return modal != nullptr && modal->objectName() == QLatin1String("FmPreview");
    });
    if (birthdays) {
        ASSERT_TRUE(waitForActive(QStringLiteral("FmPreview")));
        key(XK_f, Alt);
    }
    ASSERT_TRUE(waitForActive(QStringLiteral("FmMenu")));
}

bool DesktopTest::pressByAlt(const QString& caption, const QString& from) {
    const int mark = caption.indexOf(QLatin1Char('&'));
    if (mark < 0 || mark + 1 >= caption.size()) {
        ADD_FAILURE() << "\"" << caption.toStdString() << "\" underlines no letter";
        return false;
    }
    const auto letter = static_cast<KeySym>(caption.at(mark + 1).toLower().unicode());
    const auto somethingElseActive = [from] {
        const QWidget* active = QApplication::activeWindow();
        return active != nullptr && active->objectName() != from;
    };
    const auto onTheButton = [caption] {
        const auto* focus = qobject_cast<const QAbstractButton*>(QApplication::focusWidget());
        return focus != nullptr && focus->text() == caption;
    };
    for (int tries = 0; tries < 4; ++tries) {
        key(letter, Alt);
        if (!poll([&] { return somethingElseActive() || onTheButton(); }, 3000)) continue;
        if (onGui(somethingElseActive)) return true;
        key(XK_space);
        return waitFor(somethingElseActive, "the window of \"" + caption.toStdString() + "\"");
    }
    ADD_FAILURE() << "Alt+" << static_cast<char>(letter) << " did not press \"" << caption.toStdString()
                  << "\"; " << seen().describe();
    return false;
}

void DesktopTest::chooseMenu(const QStringList& path) {
    for (int level = 0; level < path.size(); ++level) {
        const QString wanted = path[level];
        QPoint centre;
        const bool found = waitFor(
            [&] {
                const auto plain = [](QString text) { return text.remove(QLatin1Char('&')); };
                if (level == 0) {
                    auto* menu = qobject_cast<QMainWindow*>(QApplication::activeWindow());
                    if (menu == nullptr) return false;
                    for (QAction* action : menu->menuBar()->actions())
                        if (plain(action->text()) == plain(wanted)) {
                            const QRect area = menu->menuBar()->actionGeometry(action);
                            centre = menu->menuBar()->mapToGlobal(area.center());
                            return true;
                        }
                    return false;
                }
                auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (popup == nullptr) return false;
                for (QAction* action : popup->actions())
                    if (plain(action->text()) == plain(wanted)) {
                        centre = popup->mapToGlobal(popup->actionGeometry(action).center());
                        return true;
                    }
                return false;
            },
            "the menu item \"" + wanted.toStdString() + "\"");
        if (!found) return;
        x_.click(centre.x(), centre.y());
    }
}

std::string DesktopTest::typedDate(int daysFromToday) {
    const QDate day = QDate::currentDate().addDays(daysFromToday);
    return day.toString(QStringLiteral("ddMMyy")).toStdString();
}

void DesktopTest::openCash() {
    ASSERT_TRUE(pressByAlt(QStringLiteral("A&brir")));
    ASSERT_TRUE(waitForActive(QStringLiteral("FmAbrir")));
    click(QStringLiteral("BitBtn1"));  // ABRIR CAIXA
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit1")));
    click(QStringLiteral("BitBtn3"));  // CONFIRMAR
    ASSERT_TRUE(answer(QStringLiteral("Confirmar a Abertura?")));
    ASSERT_TRUE(answer(QStringLiteral("O Caixa Foi Aberto Corretamente!")));
    ASSERT_TRUE(waitForActive(QStringLiteral("FmMenu")));
}

void DesktopTest::screenshot(const std::string& name) {
    const char* folder = std::getenv("VELMORA_DESKTOP_SHOTS");
    const std::filesystem::path directory = folder ? folder : std::filesystem::temp_directory_path();
    std::filesystem::create_directories(directory);
    const QString path = QString::fromStdString((directory / (name + ".png")).string());
    onGui([path] { QGuiApplication::primaryScreen()->grabWindow(0).save(path); });
}

std::unique_ptr<data::Tdm> DesktopTest::stored() {
    static testsupport::RecordingMessages quiet;
    return std::make_unique<data::Tdm>(dataDir(), quiet);
}

}  // namespace desktop
