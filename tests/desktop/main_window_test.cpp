// The main window in real windows: every button of the bar answers to Alt and its underlined
// letter, and after each screen closes the window takes keys and clicks again.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

#include "desktop/desktop_fixture.h"
#include "desktop/on_gui.h"

namespace desktop {
namespace {

class MainWindowTest : public DesktopTest {
  protected:
    // The captions of the bar's buttons the window shows, in bar order.
    QStringList barCaptions() {
        return onGui([] {
            QStringList captions;
            auto* window = qobject_cast<QMainWindow*>(QApplication::activeWindow());
            if (window == nullptr) return captions;
            for (QToolBar* bar : window->findChildren<QToolBar*>())
                for (QAction* action : bar->actions())
                    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
                        button != nullptr && button->isVisible() && button->isEnabled())
                        captions << button->text();
            return captions;
        });
    }

    // Closes whatever the button opened, down to the main window, as Esc and "Fechar" would.
    void backToTheMainWindow() {
        for (int round = 0; round < 10 && seen().active != QLatin1String("FmMenu"); ++round) {
            onGui([] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                    dialog->QDialog::done(QDialog::Rejected);
            });
            poll([] { return QApplication::activeWindow() &&
                             QApplication::activeWindow()->objectName() == QLatin1String("FmMenu"); },
                 1000);
        }
        ASSERT_TRUE(waitForActive(QStringLiteral("FmMenu")));
    }
};

TEST_F(MainWindowTest, EveryBarButtonOpensByItsAltKeyAndTheWindowAnswersAfterwards) {
    logIn();
    openCash();
    const QStringList captions = barCaptions();
    // The buttons that underline a letter ("&Caixa", "A&brir"…); "Clientes", "Vale" and
    // the like underline none and are clicked.
    const QStringList underlined = captions.filter(QStringLiteral("&"));
    ASSERT_GE(underlined.size(), 7) << captions.join(QLatin1Char('|')).toStdString();
    QStringList windows;
    for (const QString& caption : underlined) {
        SCOPED_TRACE(caption.toStdString());
        ASSERT_TRUE(pressByAlt(caption));
        const Seen opened = seen();
        EXPECT_NE(opened.active, QStringLiteral("FmMenu"));
        // Each button its own window (a screen, or the message its cash check shows).
        const QString what = opened.active + QLatin1Char('/') + opened.title + QLatin1Char('/') + opened.text;
        EXPECT_FALSE(windows.contains(what)) << what.toStdString() << " opened twice";
        windows << what;
        EXPECT_TRUE(onGui([] { return QApplication::activeModalWidget() == QApplication::activeWindow(); }))
            << opened.describe() << " is not modal";
        backToTheMainWindow();
    }
    // The mouse too, after all that: a click on "Clientes" opens its screen.
    clickButton(QStringLiteral("Clientes"));
    EXPECT_TRUE(waitFor([] { return QApplication::activeWindow() &&
                                    QApplication::activeWindow()->objectName() != QLatin1String("FmMenu"); },
                        "the screen of a clicked button"));
}

}  // namespace
}  // namespace desktop
