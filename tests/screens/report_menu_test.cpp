// The report entries of "&Relatórios" open the screens of their period reports.
#include <gtest/gtest.h>
#include <QAction>

#include "app/app_fixture.h"
#include "app/menu_entries.h"
#include "data/access_areas.h"
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
                          Case{app::entry::Auditoria, QStringLiteral("TFmAuditoria"),
                               QStringLiteral("::.. Relatório de Auditoria")},
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

TEST_F(ReportMenuTest, TheAuditReportIsGuardedByItsOwnArea) {
    const app::MenuEntry* auditoria = app::findMenuEntry(app::entry::Auditoria);
    ASSERT_NE(auditoria, nullptr);
    EXPECT_EQ(auditoria->area, data::area::kAuditoria);
    EXPECT_EQ(auditoria->menus, QStringList{QStringLiteral("&Relatórios")});
}

}  // namespace
