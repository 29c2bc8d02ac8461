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
    ASSERT_GE(captions.size(), 10) << captions.join(QLatin1Char('|')).toStdString();
    for (const QString& caption : captions) {
        SCOPED_TRACE(caption.toStdString());
        ASSERT_TRUE(caption.contains(QLatin1Char('&'))) << "no underlined letter";
        ASSERT_TRUE(pressByAlt(caption));
        const Seen opened = seen();
        EXPECT_NE(opened.active, QStringLiteral("FmMenu"));
        EXPECT_TRUE(onGui([] { return QApplication::activeModalWidget() == QApplication::activeWindow(); }))
            << opened.describe() << " is not modal";
        backToTheMainWindow();
    }
    // The mouse too: a click on the bar's first button opens its screen.
    const QString first = captions.front();
    const QPoint centre = onGui([first] {
        auto* window = qobject_cast<QMainWindow*>(QApplication::activeWindow());
        for (QToolButton* button : window->findChildren<QToolButton*>())
            if (button->text() == first) return button->mapToGlobal(button->rect().center());
        return QPoint();
    });
    ASSERT_FALSE(centre.isNull());
    clickAt(centre);
    EXPECT_TRUE(waitFor([] { return QApplication::activeWindow() &&
                                    QApplication::activeWindow()->objectName() != QLatin1String("FmMenu"); },
                        "the screen of a clicked button"));
}

}  // namespace
}  // namespace desktop
