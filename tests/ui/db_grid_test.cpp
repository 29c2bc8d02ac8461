// The grid and the table keep one current record between them, both ways; its columns show
// what their fields hold, and a look-up shows enough rows to choose from.
#include <gtest/gtest.h>
#include <QDialog>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "ui/db_edit.h"
#include "ui/db_grid.h"
#include "ui/field_width.h"
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

// Each column's own width: its widest content or its header, whichever is wider.
int ownWidth(const ui::DbGrid& grid, int column, const QString& widest) {
    return std::max(ui::cellWidthToShow(grid, widest), grid.horizontalHeader()->sectionSizeHint(column));
}

TEST_F(DbGridTest, ColumnsShowTheirFieldsAndTheRoomLeftGoesToTheName) {
    // The price first: the room left must not go to the last column either.
    ui::DbGrid grid(produtos(), {{"Valor", QStringLiteral("Valor R$")},
                                 {"Descricao", QStringLiteral("Descrição")},
                                 {"Codigo", QStringLiteral("Código do Produto no Estoque")}});
    grid.resize(1200, 300);
    grid.show();
    const QHeaderView& header = *grid.horizontalHeader();
    EXPECT_EQ(header.sectionSize(0), ownWidth(grid, 0, QStringLiteral("-99.999.999,99")));
    EXPECT_EQ(header.sectionSize(2), header.sectionSizeHint(2));  // the header is wider than the code
    EXPECT_GT(header.sectionSize(1), ownWidth(grid, 1, QString(40, QLatin1Char('X'))));
    EXPECT_EQ(header.length(), grid.viewport()->width());

    grid.resize(200, 300);
    QApplication::processEvents();
    EXPECT_EQ(header.sectionSize(1), ownWidth(grid, 1, QString(40, QLatin1Char('X'))));
    EXPECT_GT(grid.horizontalScrollBar()->maximum(), 0) << "a narrow grid scrolls its columns";
}

TEST_F(DbGridTest, AScreenIsAsWideAsItsGridsColumnsAndALookupShowsEightRows) {
    for (int code = 4; code <= 20; ++code) addProduct(code, "PRODUTO " + std::to_string(code), code);
    for (const bool lookup : {false, true}) {
        QDialog screen;
        auto* grid = new ui::DbGrid(produtos(), columns());
        if (lookup) QObject::connect(grid, &ui::DbGrid::chosen, &screen, &QDialog::accept);
        (new QVBoxLayout(&screen))->addWidget(grid);
        screen.resize(10, 10);
        screen.show();
        QApplication::processEvents();
        EXPECT_EQ(grid->isLookup(), lookup);
        EXPECT_GE(grid->viewport()->width(), grid->horizontalHeader()->length());
        const int rows = grid->viewport()->height() / grid->verticalHeader()->defaultSectionSize();
        if (lookup)
            EXPECT_GE(rows, ui::DbGrid::kLookupRows);
        else
            EXPECT_LT(rows, ui::DbGrid::kLookupRows) << "only a look-up asks for the rows";
    }
}

}  // namespace
