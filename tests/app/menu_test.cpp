// The main window's entries: cash preconditions, access areas, what is disabled or hidden,
// and what the window does around a screen and on closing.
#include <gtest/gtest.h>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <filesystem>
#include <set>

#include "app/access.h"
#include "app/cash_state.h"
#include "app/main_window.h"
#include "app/menu_entries.h"
#include "app_fixture.h"
#include "data/access_areas.h"

namespace {

using apptest::AppTest;
namespace entry = app::entry;

const QString kCloseReminder = QStringLiteral("Não Esqueça de Fechar o Caixa e Efetuar o Backup!");

class Menu : public AppTest {
  protected:
    void SetUp() override {
        menu.attach(dm);
        logIn(menu);
    }

    // Wires `id` to an action that counts its runs.
    void record(const QString& id) {
        menu.wire(id, [this, id] { ran << id; });
    }
    void trigger(const QString& id) { menu.entryAction(id)->trigger(); }

    void addCashPeriod(std::int64_t number, const std::string& status) {
        store::Table& t = dm.TbCaixa;
        const bool wasOpen = t.isOpen();
        if (!wasOpen) t.open();
        t.insert();
        t.field("Contador").setInteger(number);
        t.field("Status").setString(status);
        t.post();
        if (!wasOpen) t.close();
    }

    QAction* topMenu(const QString& title) {
        for (QAction* action : menu.menuBar()->actions())
            if (action->text() == title) return action;
        return nullptr;
    }

    app::TFmMenu menu;
    QStringList ran;
};

struct CashCase {
    const char* name;
    std::vector<const char*> periods;  // statuses of the cash records, oldest first
    QString entry;
    bool runs;
};

class CashButtons : public Menu, public ::testing::WithParamInterface<CashCase> {};

TEST_P(CashButtons, FollowTheLastCashRecord) {
    const CashCase& c = GetParam();
    std::int64_t number = 0;
    for (const char* status : c.periods) addCashPeriod(++number, status);
    record(c.entry);
    trigger(c.entry);

    EXPECT_EQ(ran.size(), c.runs ? 1 : 0);
    if (c.runs) {
        EXPECT_TRUE(dialogs.messages.isEmpty());
        if (app::findMenuEntry(c.entry)->cash != app::CashNeed::None) {
            EXPECT_TRUE(dm.TbCaixa.isOpen()) << "the screen goes on with the cash record";
        }
    } else {
        EXPECT_EQ(dialogs.messages,
                  QStringList{c.entry == entry::Abrir ? app::kCashAlreadyOpen : app::kCashNotOpen});
        EXPECT_FALSE(dm.TbCaixa.isOpen());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Menu, CashButtons,
    ::testing::Values(CashCase{"NeverOpenedAbrir", {}, entry::Abrir, true},
                      CashCase{"NeverOpenedCaixa", {}, entry::Caixa, true},
                      CashCase{"NeverOpenedFechar", {}, entry::Fechar, true},
                      CashCase{"NeverOpenedAcerto", {}, entry::Acerto, true},
                      CashCase{"NeverOpenedCredito", {}, entry::Credito, true},
                      CashCase{"OpenAbrir", {"FECHADO", "ABERTO"}, entry::Abrir, false},
                      CashCase{"OpenCaixa", {"FECHADO", "ABERTO"}, entry::Caixa, true},
                      CashCase{"OpenFechar", {"ABERTO"}, entry::Fechar, true},
                      CashCase{"ClosedAbrir", {"ABERTO", "FECHADO"}, entry::Abrir, true},
                      CashCase{"ClosedCaixa", {"ABERTO", "FECHADO"}, entry::Caixa, false},
                      CashCase{"ClosedFechar", {"FECHADO"}, entry::Fechar, false},
                      CashCase{"ClosedAcerto", {"FECHADO"}, entry::Acerto, false},
                      CashCase{"ClosedCredito", {"FECHADO"}, entry::Credito, false},
                      CashCase{"ClosedClientesUnaffected", {"FECHADO"}, entry::Clientes, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Menu, BarButtonsShowTheirLetterAndAnswerToAltWhereAMenuSharesIt) {
    for (const QString& id : {entry::Agenda, entry::Abrir, entry::Caixa, entry::Balancete, entry::Backup})
        record(id);
    menu.show();
    menu.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    auto* agenda = menu.findChild<QToolButton*>(entry::Agenda);
    ASSERT_NE(agenda, nullptr);
    EXPECT_EQ(agenda->text(), QStringLiteral("&Agenda"));

    // "&Arquivos" underlines the A too: the button takes it.
    QTest::keyClick(&menu, Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(&menu, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(ran, QStringList({entry::Agenda, entry::Caixa}));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // Three buttons underline the B: each Alt+B moves to the next one on the bar, Enter presses
    // it. A button the bar has no room for (the offscreen screen is narrow) is passed over.
    QStringList sharingB;
    for (const QString& id : {entry::Abrir, entry::Balancete, entry::Backup})
        if (menu.findChild<QToolButton*>(id)->isVisible()) sharingB << id;
    ASSERT_GE(sharingB.size(), 2);
    ran.clear();
    QTest::keyClick(&menu, Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), sharingB[0]);
    QTest::keyClick(&menu, Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), sharingB[1]);
    EXPECT_TRUE(ran.isEmpty());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(ran, QStringList{sharingB[1]});
    for (qsizetype i = 2; i < sharingB.size(); ++i) {
        QTest::keyClick(&menu, Qt::Key_B, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), sharingB[i]);
    }
    QTest::keyClick(&menu, Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), sharingB[0]) << "round again";
}

TEST_F(Menu, EveryGuardedEntryChecksExactlyItsOwnArea) {
    for (const data::AccessArea& area : data::accessAreas()) protect(area.code);
    for (const app::MenuEntry& e : app::menuEntries()) {
        if (!e.area) continue;
        SCOPED_TRACE(e.id.toStdString());
        record(e.id);
        ran.clear();

        // Every other area protected, this one open: it runs without a question.
        setStatus(*e.area, "");
        trigger(e.id);
        EXPECT_EQ(ran, QStringList{e.id});

        // This one protected: the authorization comes first, and a cancel stops it.
        protect(*e.area);
        dialogs.expectScreen("TFmAutorizacao", apptest::authorizeAs("", "", true));
        trigger(e.id);
        EXPECT_EQ(ran, QStringList{e.id});
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Menu, APermittedUserReachesTheEntryAndOthersAreTold) {
    addEmployee(2, "BRUNA");
    addUser(2, "BRUNA", "B2", 2);
    protect(17.01);
    permit(17.01, 1, "ADMINISTRADOR");
    record(entry::Vale);

    dialogs.expectScreen("TFmAutorizacao", apptest::authorizeAs("BRUNA", "B2"));
    trigger(entry::Vale);
    EXPECT_TRUE(ran.isEmpty());
    EXPECT_EQ(dialogs.messages, QStringList{app::kNotAuthorized});

    dialogs.expectScreen("TFmAutorizacao", apptest::authorizeAs("ADMINISTRADOR", "1234"));
    trigger(entry::Vale);
    EXPECT_EQ(ran, QStringList{entry::Vale});
}

TEST_F(Menu, ScreensStillToComeAreShownDisabledAndHiddenEntriesStayHidden) {
    const std::set<QString> ownScreens{entry::Senhas,    entry::Acesso,         entry::AcessoAlternativo,
                                       entry::Sair,      entry::Relatorios,     entry::OcultarRelatorios,
                                       entry::OPrograma, entry::GuiaReferencia, entry::Manual};
    const std::set<QString> hidden{entry::Relatorios, entry::Comanda, entry::ContasRecebidas,
                                   entry::OcultarRelatorios};
    for (const app::MenuEntry& e : app::menuEntries()) {
        SCOPED_TRACE(e.id.toStdString());
        QAction* action = menu.entryAction(e.id);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->isVisible(), !hidden.contains(e.id));
        // Qt disables whatever it hides; the hidden ones still run when triggered.
        if (!hidden.contains(e.id)) {
            EXPECT_EQ(action->isEnabled(), ownScreens.contains(e.id));
        }
    }
    record(entry::Clientes);
    EXPECT_TRUE(menu.entryAction(entry::Clientes)->isEnabled());
    EXPECT_THROW(menu.wire("BtNada", [] {}), std::invalid_argument);
}

TEST_F(Menu, ButtonsCarryTheirHints) {
    EXPECT_EQ(menu.entryAction(entry::Clientes)->toolTip(), "Cadastro de Clientes");
    EXPECT_EQ(menu.entryAction(entry::Backup)->toolTip(), "Cópia de Segurança");
    auto* bar = menu.findChild<QToolBar*>("BarraBotoes");
    ASSERT_NE(bar, nullptr);
    EXPECT_NE(bar->findChild<QWidget*>(entry::Credito), nullptr) << "buttons are found by their name";
}

TEST_F(Menu, AgendaAndCaixaHideTheButtonBarWhileOpen) {
    auto* bar = menu.findChild<QToolBar*>("BarraBotoes");
    for (const QString& id : {entry::Agenda, entry::Caixa}) {
        bool hiddenWhileOpen = false;
        menu.wire(id, [&] { hiddenWhileOpen = bar->isHidden(); });
        trigger(id);
        EXPECT_TRUE(hiddenWhileOpen) << id.toStdString();
        EXPECT_FALSE(bar->isHidden()) << id.toStdString();
    }
}

TEST_F(Menu, TheTicketScreenHidesTheBarAndTheMenusUntilItCloses) {
    auto* bar = menu.findChild<QToolBar*>("BarraBotoes");
    QAction* arquivos = topMenu("&Arquivos");
    QAction* manutencao = menu.entryAction(entry::Manutencao);
    QAction* sobre = topMenu("Sobre");
    ASSERT_TRUE(arquivos && sobre);
    std::vector<bool> visibleWhileOpen;
    menu.wire(entry::Comanda, [&] {
        visibleWhileOpen = {!bar->isHidden(), arquivos->isVisible(), manutencao->isVisible(),
                            sobre->isVisible(), topMenu("&Relatórios")->isVisible()};
    });
    trigger(entry::Comanda);
    EXPECT_EQ(visibleWhileOpen, (std::vector<bool>{false, false, false, false, true}));
    EXPECT_TRUE(!bar->isHidden() && arquivos->isVisible() && manutencao->isVisible() && sobre->isVisible());
}

TEST_F(Menu, TheBarComesBackWhenTheScreenFails) {
    auto* bar = menu.findChild<QToolBar*>("BarraBotoes");
    menu.wire(entry::Agenda, [] { throw store::Error("Agenda.DAT: falha de leitura."); });
    trigger(entry::Agenda);
    EXPECT_EQ(dialogs.errors, QStringList{"Agenda.DAT: falha de leitura."});
    EXPECT_FALSE(bar->isHidden());
}

TEST_F(Menu, TheReportsMenuIsHiddenAndShownAgain) {
    QAction* relatorios = topMenu("&Relatórios");
    ASSERT_NE(relatorios, nullptr);
    trigger(entry::OcultarRelatorios);
    EXPECT_FALSE(relatorios->isVisible());
    trigger(entry::Relatorios);
    EXPECT_TRUE(relatorios->isVisible());
}

TEST_F(Menu, TheSobreMenuOpensTheAboutAndHelpWindows) {
    dialogs.expectScreen("TFmSobre", apptest::closeWith(QDialog::Rejected));
    trigger(entry::OPrograma);
    dialogs.expectScreen("TFmAjuda", apptest::closeWith(QDialog::Rejected));
    trigger(entry::GuiaReferencia);
    trigger(entry::Manual);  // no manual beside the test program: said so
    EXPECT_EQ(dialogs.messages,
              QStringList{"O Manual do Programa (manual-velmora.html) não foi encontrado junto ao programa."});
}

TEST_F(Menu, EveryCloseRemindsOfTheCashAndTheBackup) {
    addCashPeriod(1, "ABERTO");
    menu.setAttribute(Qt::WA_ShowWithoutActivating);
    menu.show();
    trigger(entry::Sair);
    EXPECT_FALSE(menu.isVisible());
    menu.show();
    menu.close();
    EXPECT_FALSE(menu.isVisible()) << "the open cash does not stop the close";
    EXPECT_EQ(dialogs.messages, (QStringList{kCloseReminder, kCloseReminder}));
}

TEST_F(Menu, AStoreErrorEndsTheActionAndTheWindowStaysUsable) {
    std::filesystem::remove(dataDir() / "Caixa.DAT");
    record(entry::Abrir);
    record(entry::Clientes);
    trigger(entry::Abrir);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().contains("Caixa.DAT")) << dialogs.errors.front().toStdString();
    trigger(entry::Clientes);
    EXPECT_EQ(ran, QStringList{entry::Clientes});
}

}  // namespace
