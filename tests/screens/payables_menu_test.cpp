// The payables items of "&Relatórios", wired as the program wires them, open their screens.
#include <gtest/gtest.h>
#include <QAction>

#include "app/app_fixture.h"
#include "app/menu_entries.h"
#include "screen_wiring.h"

namespace {

class PayablesMenu : public apptest::AppTest {
  protected:
    void SetUp() override {
        menu.attach(dm);
        logIn(menu);
        wireScreens(menu, dm);
    }
    app::TFmMenu menu;
};

TEST_F(PayablesMenu, EachItemOpensItsScreen) {
    namespace entry = app::entry;
    for (const auto& [id, screen] : {std::pair{entry::PagarPeriodo, QStringLiteral("TFmDataPagar")},
                                     {entry::PagarFornecedor, QStringLiteral("TFmDataFor")},
                                     {entry::BaixadasPeriodo, QStringLiteral("TFmConsBaixaPagar")},
                                     {entry::BaixadasFornecedor, QStringLiteral("TFmDataForBaixado")}}) {
        SCOPED_TRACE(id.toStdString());
        bool shown = false;
        dialogs.expectScreen(screen, [&shown](QDialog&) {
            shown = true;
            return int(QDialog::Rejected);
        });
        menu.entryAction(id)->trigger();
        EXPECT_TRUE(shown);
    }
}

}  // namespace
