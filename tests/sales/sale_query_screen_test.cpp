// The sale query: it starts on the latest sale, finds by number while the number is typed
// (letters refused), restricts to a range of dates including both ends, and leaves TbServico
// on the sale shown, unrestricted; on a server it shows what another station stores.
#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "data/rows.h"
#include "sales/sale_query_screen.h"
#include "support/data_fixture.h"
#include "support/processes.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/date_box.h"
#include "ui/db_grid.h"
#include "ui/fresh_screens.h"

namespace {

class SaleQueryScreenTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        dm.TbServico.open();
        for (auto [number, day] :
             {std::pair{10, "2026-11-30"}, std::pair{12, "2026-12-01"}, std::pair{15, "2026-12-02"},
              std::pair{17, "2026-12-03"}, std::pair{20, "2026-12-04"}})
            data::addRow(dm.TbServico,
                         {{"Contador", std::int64_t{number}}, {"Data", day}, {"Cliente", "CARLA"}});
        dm.TbServico.close();
        query = std::make_unique<sales::TFmConsServico>(dm);
        query->show();
        QApplication::setActiveWindow(query.get());
    }
    std::int64_t shown() { return dm.TbServico.field("Contador").asInteger(); }
    QLineEdit* box(const char* name) { return query->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    std::vector<std::int64_t> listed() {
        std::vector<std::int64_t> numbers;
        for (dm.TbServico.first(); !dm.TbServico.eof(); dm.TbServico.next()) numbers.push_back(shown());
        return numbers;
    }

    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<sales::TFmConsServico> query;
};

TEST_F(SaleQueryScreenTest, StartsOnTheLatestSaleAndFindsByNumberAsItIsTyped) {
    EXPECT_EQ(shown(), 20);
    query->findChild<QRadioButton*>("RadioButton1")->click();
    EXPECT_EQ(QApplication::focusWidget(), box("Edit1"));
    struct Case {
        const char* typed;
        std::int64_t found;
    };
    for (const Case& c : {Case{"1", 10}, Case{"13", 15}, Case{"17", 17}}) {
        box("Edit1")->setText(QString::fromLatin1(c.typed));
        EXPECT_EQ(shown(), c.found) << c.typed;
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SaleQueryScreenTest, LettersInTheNumberAreRefusedAndTheSaleShownStays) {
    box("Edit1")->setText("12");
    QTest::keyClicks(box("Edit1"), "x");
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Digite Somente o Número do Lançamento!")});
    EXPECT_EQ(shown(), 12);
}

TEST_F(SaleQueryScreenTest, TheDateRangeIncludesBothEndDays) {
    query->findChild<ui::DateBox*>("MaskEdit1")->setDate({2026, 12, 1});
    query->findChild<ui::DateBox*>("MaskEdit2")->setDate({2026, 12, 3});
    query->findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_EQ(listed(), (std::vector<std::int64_t>{12, 15, 17}));
}

TEST_F(SaleQueryScreenTest, WithoutBothDatesNothingIsRestricted) {
    query->findChild<ui::DateBox*>("MaskEdit1")->setDate({2026, 12, 1});
    query->findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Digite as Datas Inicial e Final!")});
    EXPECT_EQ(listed().size(), 5u);
}

TEST_F(SaleQueryScreenTest, AnImpossibleDateIsToldAsSuchAndNothingIsRestricted) {
    query->findChild<ui::DateBox*>("MaskEdit1")->setDate({2026, 12, 1});
    auto* end = query->findChild<ui::DateBox*>("MaskEdit2");
    end->setFocus();
    QTest::keyClicks(end, "310225");
    query->findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("'31/02/25' não é uma data válida!")});
    EXPECT_EQ(QApplication::focusWidget(), end);
    EXPECT_EQ(listed().size(), 5u);
}

TEST_F(SaleQueryScreenTest, ClosingLeavesTheSaleShownCurrentWithoutTheRange) {
    query->findChild<ui::DateBox*>("MaskEdit1")->setDate({2026, 12, 2});
    query->findChild<ui::DateBox*>("MaskEdit2")->setDate({2026, 12, 3});
    query->findChild<QPushButton*>("BitBtn1")->click();
    dm.TbServico.first();
    EXPECT_EQ(shown(), 15);
    query.reset();
    EXPECT_EQ(shown(), 15);
    EXPECT_EQ(dm.TbServico.indexName(), "");
    EXPECT_EQ(listed().size(), 5u);
}

TEST_F(SaleQueryScreenTest, ADoubleClickChoosesTheSaleAndCloses) {
    auto* grid = query->findChild<ui::DbGrid*>("DBGrid1");
    const QRect second = grid->visualRect(grid->model()->index(1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(query->result(), QDialog::Accepted);
    EXPECT_FALSE(query->isVisible());
    query.reset();
    EXPECT_EQ(shown(), 12);
}

// Two stations on one server: a sale the other station stores shows in this one's open query
// within a second, and the user stays on the sale chosen.
using SaleQueryOnServer = testsupport::OnEveryBackend<SaleQueryScreenTest>;
INSTANTIATE_TEST_SUITE_P(Backends, SaleQueryOnServer, ::testing::Values(testsupport::Backend::Postgres),
                         testsupport::backendName);

TEST_P(SaleQueryOnServer, ASaleTheOtherStationStoresShowsWithinASecondWithoutMovingTheUser) {
    ui::FreshScreens freshScreens(dm.DbVelmora);
    auto* grid = query->findChild<ui::DbGrid*>("DBGrid1");
    ASSERT_EQ(grid->model()->rowCount(), 5);
    const QRect third = grid->visualRect(grid->model()->index(2, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, third.center());
    ASSERT_EQ(shown(), 15);

    const pid_t otherStation = testsupport::spawn([this] {
        testsupport::RecordingMessages quiet;
        data::Tdm station(dataSet(), quiet);
        station.TbServico.open();
        data::addRow(station.TbServico,
                     {{"Contador", std::int64_t{21}}, {"Data", "2026-12-05"}, {"Cliente", "DORA"}});
        return 0;
    });
    ASSERT_EQ(testsupport::exitCodeOf(otherStation), 0);
    QElapsedTimer waited;
    waited.start();
    while (grid->model()->rowCount() < 6 && waited.elapsed() < 1000) QTest::qWait(20);
    EXPECT_EQ(grid->model()->rowCount(), 6) << "after " << waited.elapsed() << " ms";
    EXPECT_EQ(shown(), 15);
    EXPECT_EQ(grid->currentIndex().row(), 2);
}

}  // namespace
