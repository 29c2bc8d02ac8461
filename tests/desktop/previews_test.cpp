// Previews in real windows: each comes up in front of the screen that asked for it, modal to
// it, with its whole toolbar in view; it pages and closes, and the screen is usable again.
#include <QAction>
#include <QApplication>
#include <QToolBar>

#include "desktop/desktop_fixture.h"
#include "desktop/on_gui.h"

namespace desktop {
namespace {

class PreviewsTest : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        logIn();
    }

    // The preview in front of `screen`: checked, paged to its end and closed.
    void previewOver(const QString& screen, const std::string& shot = {}) {
        ASSERT_TRUE(waitForActive(QStringLiteral("FmPreview")));
        EXPECT_TRUE(onGui([] { return QApplication::activeModalWidget() == QApplication::activeWindow(); }))
            << "the preview is not the modal window in front";
        EXPECT_TRUE(onGui([screen] {
            QWidget* preview = QApplication::activeWindow();
            return preview->parentWidget() && preview->parentWidget()->window()->objectName() == screen;
        })) << "the preview does not belong to "
            << screen.toStdString();
        // Every button in view at this desktop's width, none behind an overflow arrow.
        const QStringList hidden = onGui([] {
            QStringList names;
            for (QToolBar* bar : QApplication::activeWindow()->findChildren<QToolBar*>())
                for (QAction* action : bar->actions())
                    if (!action->isSeparator() && !bar->widgetForAction(action)->isVisible())
                        names << action->objectName();
            return names;
        });
        EXPECT_TRUE(hidden.isEmpty()) << hidden.join(QLatin1Char(',')).toStdString();
        ASSERT_TRUE(waitFor([] { return QApplication::activeWindow()
                                     ->findChild<QWidget*>(QStringLiteral("LbPagina"))
                                     ->property("text")
                                     .toString()
                                     .startsWith(QStringLiteral("Página 1 de")); },
                            "the first page shown"));
        if (!shot.empty()) screenshot(shot);
        click(QStringLiteral("BtnUltima"));
        const QString last = shown(QStringLiteral("LbPagina"));
        const QString count = last.section(QLatin1Char(' '), -1);
        EXPECT_EQ(last, QStringLiteral("Página %1 de %1").arg(count));
        key('f', Alt);  // "&Fechar"
        ASSERT_TRUE(waitForActive(screen));
    }

    void typePeriod(int daysBack) {
        click(QStringLiteral("MaskEdit1"));
        key(XK_Home);
        enter(typedDate(-daysBack));
        ASSERT_TRUE(waitForFocus(QStringLiteral("MaskEdit2")));
        key(XK_Home);
        type(typedDate());
    }
};

TEST_F(PreviewsTest, PeriodReportsPreviewInFrontOfTheirScreensAndGiveThemBack) {
    const struct {
        QStringList menu;
        QString screen;
    } cases[] = {
        {{QStringLiteral("Relatórios"), QStringLiteral("Produtos e Serviços"), QStringLiteral("Por Período...")},
         QStringLiteral("TFmDataServico")},
        {{QStringLiteral("Relatórios"), QStringLiteral("Produtos e Serviços"),
          QStringLiteral("Comissões de Funcionários...")},
         QStringLiteral("TFmDataServico2")},
        {{QStringLiteral("Relatórios"), QStringLiteral("Contas a Pagar"), QStringLiteral("Por Período...")},
         QStringLiteral("TFmDataPagar")},
        {{QStringLiteral("Relatórios"), QStringLiteral("Vales...")}, QStringLiteral("TFmDataVale")},
        {{QStringLiteral("Relatórios"), QStringLiteral("Conferência de Caixa...")}, QStringLiteral("TFmDataCONF")},
        {{QStringLiteral("Relatórios"), QStringLiteral("Fechamentos de Caixa...")}, QStringLiteral("TFmDataCaixa")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen.toStdString());
        chooseMenu(c.menu);
        ASSERT_TRUE(waitForActive(c.screen));
        typePeriod(30);
        click(QStringLiteral("BitBtn1"));  // Imprimir
        previewOver(c.screen, c.screen == QLatin1String("TFmDataServico") ? "preview-over-its-screen" : "");
        // The screen takes the mouse again: its print button prints a second time.
        click(QStringLiteral("BitBtn1"));
        ASSERT_TRUE(waitForActive(QStringLiteral("FmPreview")));
        key('f', Alt);
        ASSERT_TRUE(waitForActive(c.screen));
        click(QStringLiteral("BitBtn2"));  // Fechar
        ASSERT_TRUE(waitForActive(QStringLiteral("FmMenu")));
    }
}

}  // namespace
}  // namespace desktop
