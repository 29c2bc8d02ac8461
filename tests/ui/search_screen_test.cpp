// The search-screen pattern: type-ahead positioning with the grid following, choosing a
// row, and the primary index back when the screen goes.
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "support/qt_modal.h"
#include "ui/search_screen.h"
#include "ui_fixture.h"

namespace {

class SearchScreenTest : public uitest::UiTest {
  protected:
    void SetUp() override {
        addProduct(1, "TINTURA", 80);
        addProduct(2, "ESCOVA", 40);
        addProduct(3, "TESOURA", 30);
        addProduct(4, "CORTE", 30);
        produtos().first();
    }
    store::Table& produtos() { return dm.TbProdutos; }
    ui::SearchSetup setup() {
        return {.caption = QStringLiteral("::.. Consultar Produtos e Serviços"),
                .radioCaption = QStringLiteral("Descrição:"),
                .indexName = "siDescricao",
                .columns = {{"Descricao", QStringLiteral("Descrição dos Produtos e Serviços")},
                            {"Valor", QStringLiteral("Valor R$")}},
                .upperCase = true};
    }
    std::string current() { return produtos().field("Descricao").asString(); }
};

TEST_F(SearchScreenTest, TypingPositionsOnTheNearestKeyAndTheGridFollows) {
    ui::SearchScreen screen(produtos(), setup());
    uitest::showActive(screen);
    EXPECT_EQ(produtos().indexName(), "siDescricao");
    screen.searchEdit()->setFocus();
    QTest::keyClicks(screen.searchEdit(), "te");
    EXPECT_EQ(screen.searchEdit()->text(), QStringLiteral("TE"));
    EXPECT_EQ(current(), "TESOURA");
    QTest::keyClicks(screen.searchEdit(), "z");
    EXPECT_EQ(current(), "TINTURA");  // the first at or after TEZ
    EXPECT_EQ(screen.grid()->currentIndex().row(), 3);
    EXPECT_EQ(screen.grid()->currentIndex().data().toString(), QStringLiteral("TINTURA"));
    screen.searchEdit()->selectAll();
    QTest::keyClick(screen.searchEdit(), Qt::Key_Backspace);
    EXPECT_EQ(current(), "CORTE");
    EXPECT_EQ(screen.grid()->currentIndex().row(), 0);
}

TEST_F(SearchScreenTest, DoubleClickChoosesTheRowAndClosesTheScreen) {
    bool accepted = false;
    testsupport::onNextModal([&](QWidget& modal) {
        auto& screen = static_cast<ui::SearchScreen&>(modal);
        const QRect row = screen.grid()->visualRect(screen.grid()->model()->index(1, 0));
        QTest::mouseClick(screen.grid()->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(screen.grid()->viewport(), Qt::LeftButton, {}, row.center());
    });
    {
        ui::SearchScreen screen(produtos(), setup());
        accepted = screen.exec() == QDialog::Accepted;
    }
    EXPECT_TRUE(accepted);
    EXPECT_EQ(current(), "ESCOVA");
    // The table stays open for the caller, back on its primary index.
    EXPECT_TRUE(produtos().isOpen());
    EXPECT_EQ(produtos().indexName(), "");
}

TEST_F(SearchScreenTest, TheCloseButtonLeavesTheSearchedRowCurrent) {
    ui::SearchScreen screen(produtos(), setup());
    uitest::showActive(screen);
    QTest::keyClicks(screen.searchEdit(), "ES");
    screen.closeButton()->click();
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_EQ(current(), "ESCOVA");
}

TEST_F(SearchScreenTest, LeavingTheEditFocusesTheGridWhereTheScreenSaysSo) {
    auto withGrid = setup();
    withGrid.gridOnLeave = true;
    ui::SearchScreen screen(produtos(), withGrid);
    uitest::showActive(screen);
    screen.searchEdit()->setFocus();
    // Backwards would reach the radio button; the grid takes the focus instead.
    QTest::keyClick(screen.searchEdit(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCoreApplication::processEvents();
    EXPECT_TRUE(screen.grid()->hasFocus());
    screen.radio()->click();
    EXPECT_TRUE(screen.searchEdit()->hasFocus());
}

}  // namespace
