// The grid and the table keep one current record between them, both ways.
#include <gtest/gtest.h>
#include <QSignalSpy>

#include "ui/db_edit.h"
#include "ui/db_grid.h"
#include "ui_fixture.h"

namespace {

class DbGridTest : public uitest::UiTest {
  protected:
    void SetUp() override {
        addProduct(1, "CORTE", 30);
        addProduct(2, "ESCOVA", 1234.5);
        addProduct(3, "TINTURA", 80);
        produtos().first();
    }
    store::Table& produtos() { return dm.TbProdutos; }
    std::vector<ui::GridColumn> columns() {
        return {{"Descricao", QStringLiteral("Descrição")}, {"Valor", QStringLiteral("Valor R$")}};
    }
    static QString cell(const ui::DbGrid& grid, int row, int column) {
        return grid.model()->index(row, column).data().toString();
    }
};

TEST_F(DbGridTest, ShowsTheVisibleRowsWithTitlesAndMoneyFormatted) {
    ui::DbGrid grid(produtos(), columns());
    ASSERT_EQ(grid.model()->rowCount(), 3);
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Valor R$"));
    EXPECT_EQ(cell(grid, 1, 0), QStringLiteral("ESCOVA"));
    EXPECT_EQ(cell(grid, 1, 1), QStringLiteral("1.234,50"));
    produtos().setIndexName("siDescricao");
    produtos().setRange({store::Value{"E"}}, {store::Value{"EZ"}});
    ASSERT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(cell(grid, 0, 0), QStringLiteral("ESCOVA"));
}

TEST_F(DbGridTest, AClickedRowBecomesTheCurrentRecord) {
    ui::DbGrid grid(produtos(), columns());
    uitest::showActive(grid);
    EXPECT_EQ(grid.currentIndex().row(), 0);
    const QRect third = grid.visualRect(grid.model()->index(2, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(produtos().field("Descricao").asString(), "TINTURA");
}

TEST_F(DbGridTest, TheSelectedRowFollowsTheTable) {
    ui::DbGrid grid(produtos(), columns());
    produtos().next();
    EXPECT_EQ(grid.currentIndex().row(), 1);
    produtos().last();
    EXPECT_EQ(grid.currentIndex().row(), 2);
    ASSERT_TRUE(produtos().findKey({store::Value{std::int64_t{1}}}));
    EXPECT_EQ(grid.currentIndex().row(), 0);
}

TEST_F(DbGridTest, APostedRecordAppearsAndStaysSelected) {
    ui::DbGrid grid(produtos(), columns());
    addProduct(4, "BARBA", 25);
    ASSERT_EQ(grid.model()->rowCount(), 4);
    EXPECT_EQ(cell(grid, 3, 0), QStringLiteral("BARBA"));
    EXPECT_EQ(grid.currentIndex().row(), 3);
    produtos().deleteRecord();
    EXPECT_EQ(grid.model()->rowCount(), 3);
}

TEST_F(DbGridTest, MovingAwayPostsWhatWasTypedInTheFields) {
    QWidget screen;
    auto* grid = new ui::DbGrid(produtos(), columns(), &screen);
    auto* edit = new ui::DbEdit(dm.DsProdutos, "Descricao", &screen);
    grid->move(0, 40);
    uitest::showActive(screen);
    edit->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, " CURTO");
    grid->setCurrentIndex(grid->model()->index(1, 0));
    EXPECT_EQ(produtos().field("Descricao").asString(), "ESCOVA");
    EXPECT_EQ(cell(*grid, 0, 0), QStringLiteral("CORTE CURTO"));
}

TEST_F(DbGridTest, AMoveTheStoreRefusesIsReportedAndTheGridStaysOnTheRecord) {
    QWidget screen;
    auto* grid = new ui::DbGrid(produtos(), columns(), &screen);
    auto* valor = new ui::DbEdit(dm.DsProdutos, "Valor", &screen);
    uitest::showActive(screen);
    valor->setFocus();
    valor->end(false);
    QTest::keyClicks(valor, "x");
    grid->setCurrentIndex(grid->model()->index(2, 0));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().contains(QStringLiteral("Valor")));
    EXPECT_EQ(produtos().field("Descricao").asString(), "CORTE");
    EXPECT_EQ(grid->currentIndex().row(), 0);
    // Still usable: corrected, the move goes through.
    valor->clear();
    QTest::keyClicks(valor, "31");
    grid->setCurrentIndex(grid->model()->index(2, 0));
    EXPECT_EQ(produtos().field("Descricao").asString(), "TINTURA");
    EXPECT_EQ(cell(*grid, 0, 1), QStringLiteral("31,00"));
}

TEST_F(DbGridTest, DoubleClickChoosesTheRow) {
    ui::DbGrid grid(produtos(), columns());
    uitest::showActive(grid);
    QSignalSpy chosen(&grid, &ui::DbGrid::chosen);
    const QRect second = grid.visualRect(grid.model()->index(1, 0));
    // A double click arrives after the press of its first click.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(produtos().field("Codigo").asInteger(), 2);
}

}  // namespace
