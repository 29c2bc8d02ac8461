// The report entries of "&Relatórios" open the screens of their period reports.
#include <gtest/gtest.h>
#include <QAction>

#include "app/app_fixture.h"
#include "app/menu_entries.h"
#include "screen_wiring.h"

namespace {

class ReportMenuTest : public apptest::AppTest {};

TEST_F(ReportMenuTest, PeriodReportEntriesOpenTheirScreens) {
    app::TFmMenu menu;
    menu.attach(dm);
    wireScreens(menu, dm);
    logIn(menu);
    struct Case {
        QString entry;
        QString screen;
        QString title;
    };
    for (const Case& c : {Case{app::entry::ServicosPeriodo, QStringLiteral("TFmDataServico"),
                               QStringLiteral("::.. Relatório de Serviços")},
                          Case{app::entry::Comissoes, QStringLiteral("TFmDataServico2"),
                               QStringLiteral("::.. Relatório de Comissões")},
                          Case{app::entry::ContasRecebidas, QStringLiteral("TConsBaixaReceber"),
                               QStringLiteral("Contas Recebidas.")}}) {
        SCOPED_TRACE(c.screen.toStdString());
        QString shown;
        dialogs.expectScreen(c.screen, [&](QDialog& screen) {
            shown = screen.windowTitle();
            return 0;
        });
        menu.entryAction(c.entry)->trigger();
        EXPECT_EQ(shown, c.title);
    }
}

}  // namespace
