// The screen check itself, on small screens built to break one rule each.
#include <gtest/gtest.h>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <functional>
#include <ostream>

#include "screens/screen_fit.h"
#include "support/data_fixture.h"
#include "ui/caption_width.h"
#include "ui/db_grid.h"
#include "ui/field_width.h"

namespace {

const QSize kDesktop(1000, 700);

QLineEdit* cpfField(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("EdCpf"));
    edit->setInputMask(QStringLiteral("000.000.000-00;_"));
    return edit;
}

// A plain grid "GrdNomes" of one row, its columns of the given widths, at (0,0) in a screen
// 400 × 300.
QTableView* plainGrid(QDialog& s, const QStringList& titles, const QStringList& row, int columnWidth) {
    s.setFixedSize(400, 300);
    auto* model = new QStandardItemModel(1, static_cast<int>(titles.size()), &s);
    model->setHorizontalHeaderLabels(titles);
    for (int column = 0; column < row.size(); ++column)
        model->setItem(0, column, new QStandardItem(row[column]));
    auto* grid = new QTableView(&s);
    grid->setObjectName(QStringLiteral("GrdNomes"));
    grid->setModel(model);
    grid->setGeometry(0, 0, 380, 280);
    for (int column = 0; column < model->columnCount(); ++column)
        grid->horizontalHeader()->resizeSection(column, columnWidth);
    return grid;
}

// The product grid "DBGrid2" (description and price) over the data module's products, 880 × 80 in a
// screen 900 × 300.
ui::DbGrid* productGrid(QDialog& s, data::Tdm& dm) {
    s.setFixedSize(900, 300);
    dm.TbProdutos.open();
    auto* grid = new ui::DbGrid(
        dm.TbProdutos, {{"Descricao", QStringLiteral("Descrição")}, {"Valor", QStringLiteral("Valor R$")}},
        &s);
    grid->setObjectName(QStringLiteral("DBGrid2"));
    grid->setGeometry(0, 0, 880, 80);
    return grid;
}

struct FitCase {
    const char* name;
    std::function<void(QDialog&, data::Tdm&)> build;
    const char* problem;  // part of the one line reported; empty when the screen is sound
    std::function<void(QDialog&)> shown = {};  // done once the screen shows
};

void PrintTo(const FitCase& c, std::ostream* out) {
    *out << c.name;
}

class ScreenFit : public ::testing::TestWithParam<FitCase> {
  protected:
    testsupport::InitialDataDirectory directory_;
    testsupport::RecordingMessages messages_;
    data::Tdm dm_{directory_.path(), messages_};
};

TEST_P(ScreenFit, ReportsEachFaultByTheControlsName) {
    const FitCase& c = GetParam();
    QDialog screen;
    c.build(screen, dm_);
    screen.show();
    if (c.shown) c.shown(screen);
    const QStringList problems = screencheck::fitProblems(screen, kDesktop);
    if (*c.problem == '\0') {
        EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    } else {
        ASSERT_EQ(problems.size(), 1) << problems.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(problems.front().contains(QString::fromUtf8(c.problem)))
            << problems.front().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenFit,
    ::testing::Values(
        FitCase{"FieldWideEnough",
                [](QDialog& s, data::Tdm&) {
                    QLineEdit* cpf = cpfField(&s);
                    cpf->setFixedWidth(ui::contentWidth(*cpf));
                },
                ""},
        FitCase{"MaskedFieldSqueezed", [](QDialog& s, data::Tdm&) { cpfField(&s)->setFixedWidth(40); },
                "QLineEdit EdCpf is 40 px wide; \"000.000.000-00\" needs"},
        FitCase{"SizedFieldSqueezed",
                [](QDialog& s, data::Tdm&) {
                    auto* edit = new QLineEdit(&s);
                    edit->setObjectName(QStringLiteral("EdFone"));
                    edit->setMaxLength(15);
                    edit->setFixedWidth(30);
                },
                "EdFone is 30 px wide"},
        FitCase{"UnboundedFieldIsLeftAlone",
                [](QDialog& s, data::Tdm&) { (new QLineEdit(&s))->setFixedWidth(20); }, ""},
        FitCase{"ButtonOutsideTheScreen",
                [](QDialog& s, data::Tdm&) {
                    s.setFixedSize(200, 100);
                    auto* button = new QPushButton(QStringLiteral("Fechar"), &s);
                    button->setObjectName(QStringLiteral("BtnFechar"));
                    button->setGeometry(150, 10, 80, 30);
                },
                "QPushButton BtnFechar at (150,10) 80×30 is cut off by QDialog"},
        FitCase{"ButtonSqueezedByItsLayout",
                [](QDialog& s, data::Tdm&) {
                    auto* bar = new QHBoxLayout(&s);
                    auto* button = new QPushButton(QStringLiteral("Consultar Histórico"));
                    button->setObjectName(QStringLiteral("BtnHistorico"));
                    button->setMaximumWidth(30);
                    bar->addWidget(button);
                },
                "QPushButton BtnHistorico is 30×"},
        FitCase{"ScreenLargerThanTheDesktop", [](QDialog& s, data::Tdm&) { s.setFixedSize(1200, 600); },
                "the screen is 1200×600, more than the desktop's 1000×700"},
        FitCase{"FieldSqueezedOnAPageNotShowing",
                [](QDialog& s, data::Tdm&) {
                    auto* layout = new QVBoxLayout(&s);
                    auto* tabs = new QTabWidget;
                    tabs->addTab(new QWidget, QStringLiteral("Criar"));
                    auto* page = new QWidget;
                    (new QVBoxLayout(page))->addWidget(cpfField(nullptr));
                    page->findChild<QLineEdit*>()->setMaximumWidth(40);
                    tabs->addTab(page, QStringLiteral("Restaurar"));
                    layout->addWidget(tabs);
                },
                "EdCpf is 40 px wide"},
        FitCase{"ScrolledContentMayBeLarger",
                [](QDialog& s, data::Tdm&) {
                    auto* layout = new QVBoxLayout(&s);
                    auto* area = new QScrollArea;
                    auto* content = new QWidget;
                    content->setFixedSize(900, 900);
                    area->setWidget(content);
                    layout->addWidget(area);
                    s.setFixedSize(300, 300);
                },
                ""},
        FitCase{"GridHeaderCut",
                [](QDialog& s, data::Tdm&) {
                    plainGrid(s, {QStringLiteral("Nome Fantasia do Fornecedor")}, {}, 40);
                },
                "QTableView GrdNomes column \"Nome Fantasia do Fornecedor\" is 40 px wide; its "
                "header needs"},
        FitCase{"GridNameCut",
                [](QDialog& s, data::Tdm&) {
                    plainGrid(s, {QStringLiteral("Nome")}, {QStringLiteral("ANA PAULA DE SOUZA MENDES")}, 60);
                },
                "QTableView GrdNomes column \"Nome\" is 60 px wide; \"ANA PAULA DE SOUZA MENDES\" "
                "needs"},
        FitCase{"GridNameCutAfterItsFortiethCharacter",
                [](QDialog& s, data::Tdm&) {
                    QTableView* grid =
                        plainGrid(s, {QStringLiteral("Nome")}, {QString(41, QLatin1Char('W'))}, 60);
                    grid->horizontalHeader()->resizeSection(
                        0, ui::cellWidthToShow(*grid, QString(40, QLatin1Char('W'))));
                    s.setFixedSize(1000, 300);
                    grid->setGeometry(0, 0, 980, 280);
                },
                ""},
        FitCase{"GridColumnsOutOfSightWhileTheDesktopHasRoom",
                [](QDialog& s, data::Tdm&) {
                    plainGrid(s, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, {}, 200);
                },
                "QTableView GrdNomes shows"},
        FitCase{"GridColumnsWiderThanTheDesktopScroll",
                [](QDialog& s, data::Tdm&) {
                    plainGrid(s, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, {}, 500);
                },
                ""},
        FitCase{"DataGridTextColumnNarrowerThanItsField", productGrid,
                "DBGrid2 column \"Descrição\" is 100 px wide; "
                "\"XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX\" needs",
                [](QDialog& s) { s.findChild<ui::DbGrid*>()->horizontalHeader()->resizeSection(0, 100); }},
        FitCase{"LookupShowingTooFewRows",
                [](QDialog& s, data::Tdm& dm) {
                    ui::DbGrid* grid = productGrid(s, dm);
                    QObject::connect(grid, &ui::DbGrid::chosen, &s, &QDialog::accept);
                },
                "ui::DbGrid DBGrid2 is a look-up showing"},
        FitCase{"GridNotChosenFromMayBeLow", productGrid, ""},
        FitCase{"CaptionCut",
                [](QDialog& s, data::Tdm&) {
                    s.setWindowTitle(QStringLiteral("::.. Consultar Produtos e Serviços"));
                    s.setFixedSize(200, 100);
                },
                "the screen is 200 px wide; its caption \"::.. Consultar Produtos e Serviços\" "
                "needs"},
        FitCase{"CaptionWhole",
                [](QDialog& s, data::Tdm&) {
                    s.setWindowTitle(QStringLiteral("::.. Consultar Produtos e Serviços"));
                    s.setFixedSize(ui::captionWidthToShow(s), 100);
                },
                ""}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

}  // namespace
