// Generating reports: empty periods, print-if-empty, masks, cut text, page breaks,
// sub-details, events, pictures and system data.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QImage>

#include <algorithm>

#include "core/format.h"
#include "engine_fixture.h"
#include "page_text.h"
#include "reports/engine/text_measure.h"

namespace {

using namespace reports;
using reportstest::EngineTest;
using reportstest::pageLines;
using Lines = std::vector<std::string>;

const std::string kTitleLine = "Relatório de Comissões - Período de: 01/03/24 a 31/03/24";

using GeneratorTest = EngineTest;

TEST_F(GeneratorTest, EmptyPeriodPrintsHeaderOneEmptyLineAndZeroTotals) {
    const PageModel model = generate(periodReport(), options);
    ASSERT_EQ(model.pages.size(), 1u);
    EXPECT_EQ(pageLines(model.pages[0]),
              (Lines{kTitleLine + " | 1", "FUNCIONÁRIO | COMISSÃO", "0,00 | 0,00", "TOTAL...R$ | 0,00"}));
}

TEST_F(GeneratorTest, RowsAddToRunningAndSummaryTotals) {
    addEmployee(1, "ANA", 10);
    addEmployee(2, "BIA", 20.5);
    addEmployee(3, "CARLA", -0.5);
    const PageModel model = generate(periodReport(), options);
    ASSERT_EQ(model.pages.size(), 1u);
    EXPECT_EQ(pageLines(model.pages[0]),
              (Lines{kTitleLine + " | 1", "FUNCIONÁRIO | COMISSÃO", "ANA | 10,00 | 10,00",
                     "BIA | 30,50 | 20,50", "CARLA | 30,00 | -0,50", "TOTAL...R$ | 30,00"}));
}

TEST_F(GeneratorTest, WithoutPrintIfEmptyAnEmptyTablePrintsNothing) {
    Report report = periodReport();
    report.printIfEmpty = false;
    int runs = 0;
    report.beforePrint = [&] { ++runs; };
    EXPECT_TRUE(generate(report, options).pages.empty());
    EXPECT_EQ(runs, 1);

    addEmployee(1, "ANA", 10);
    const PageModel model = generate(report, options);
    ASSERT_EQ(model.pages.size(), 1u);
    EXPECT_EQ(pageLines(model.pages[0]).back(), "TOTAL...R$ | 10,00");
}

TEST_F(GeneratorTest, MasksPrintFieldsAndTotalsWithBrazilianSeparators) {
    struct Case {
        double value;
        std::string mask;
        std::string expected;
    };
    for (const Case& c :
         {Case{0, "0.0,0", "0,00"}, Case{1000000, "0.0,0", "1.000.000,00"}, Case{-12.5, "0.0,0", "-12,50"},
          Case{1234.5, "0.0,0", "1.234,50"}, Case{1234.5, "0.0", "1234,5"},
          Case{1234.5, "0.00 %", "1234,50 %"}, Case{1234.5, "###,##0.00", "1.234,50"}}) {
        SCOPED_TRACE(c.mask + " " + c.expected);
        dm.TbVirtual.emptyTable();
        addEmployee(1, "ANA", c.value);
        Report report;
        report.mainTable = &dm.TbVirtual;
        report.detail.heightMm = 5;
        report.detail.add(dataField({0, 0, 50, 4}, dm.TbVirtual, "COM", {}, c.mask));
        report.detail.add(totalField({100, 0, 50, 4}, expression("SUM(TbVirtual.COM)"), c.mask));
        EXPECT_EQ(pageLines(generate(report, options).pages.at(0)), (Lines{c.expected + " | " + c.expected}));
    }
}

TEST_F(GeneratorTest, FieldsWithoutMaskUseTheirOwnFormatAndEmptyPrintsNothing) {
    data::addRow(dm.TbVirtual, {{"Codigo", std::int64_t{7}}, {"COM", 1234.5}});
    Report report;
    report.mainTable = &dm.TbVirtual;
    report.detail.heightMm = 5;
    report.detail.add(dataField({0, 0, 20, 4}, dm.TbVirtual, "Codigo"));
    report.detail.add(dataField({30, 0, 40, 4}, dm.TbVirtual, "COM"));   // money format of the field
    report.detail.add(dataField({80, 0, 40, 4}, dm.TbVirtual, "Vale"));  // null: nothing
    report.detail.add(dataField({130, 0, 40, 4}, dm.TbVirtual, "Funcionario"));
    EXPECT_EQ(pageLines(generate(report, options).pages.at(0)), (Lines{"7 | 1.234,50"}));
}

TEST_F(GeneratorTest, LongTextIsCutAtTheFixedBoxWithoutDisturbingTheNextLine) {
    const std::string longName = "MARIA DA CONCEIÇÃO APARECIDA DOS SANTOS FERREIRA DE ALBUQUERQUE";
    addEmployee(1, longName, 1);
    addEmployee(2, "ANA", 2);
    Report report = periodReport();
    const PageModel model = generate(report, options);
    std::vector<PageText> names;
    for (const auto& element : model.pages.at(0).elements)
        if (const auto* text = std::get_if<PageText>(&element);
            text && text->box.x == 5.0 && text->box.y > 14)
            names.push_back(*text);
    ASSERT_EQ(names.size(), 2u);
    const PageText& cut = names[0];
    EXPECT_FALSE(cut.text.empty());
    EXPECT_LT(cut.text.size(), longName.size());
    EXPECT_TRUE(longName.starts_with(cut.text)) << cut.text;
    EXPECT_EQ(cut.box.width, 60);
    TextMeasure measure;
    EXPECT_LE(measure.widthMm(cut.text, cut.font), 60.0);
    // One more character would not have fitted.
    const QString whole = QString::fromStdString(longName);
    const auto oneMore = whole.left(QString::fromStdString(cut.text).size() + 1).toStdString();
    EXPECT_GT(measure.widthMm(oneMore, cut.font), 60.0);
    EXPECT_EQ(names[1].text, "ANA");
    EXPECT_DOUBLE_EQ(names[1].box.y - cut.box.y, report.detail.heightMm);
    EXPECT_EQ(pageLines(model.pages[0])[3], "ANA | 3,00 | 2,00");
}

TEST(TextMeasureTest, FitKeepsTheSideItsAlignmentNames) {
    const std::string text = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const TextFont font{8, false};
    TextMeasure measure;
    struct Case {
        Align align;
        std::function<bool(const std::string&)> keeps;
    };
    for (const Case& c : {Case{Align::Left, [&](const std::string& s) { return text.starts_with(s); }},
                          Case{Align::Right, [&](const std::string& s) { return text.ends_with(s); }},
                          Case{Align::Centre, [&](const std::string& s) {
                                   return text.find(s) != std::string::npos && !text.starts_with(s) &&
                                          !text.ends_with(s);
                               }}}) {
        const std::string kept = measure.fit(text, font, 20, c.align);
        SCOPED_TRACE(kept);
        EXPECT_GT(kept.size(), 3u);
        EXPECT_LT(kept.size(), text.size());
        EXPECT_TRUE(c.keeps(kept));
        EXPECT_LE(measure.widthMm(kept, font), 20.0);
    }
    EXPECT_EQ(measure.fit("AÇÃO", font, 100, Align::Left), "AÇÃO");
    EXPECT_EQ(measure.fit("AÇÃO", font, 0.1, Align::Left), "");
}

TEST_F(GeneratorTest, PageBreaksRepeatHeaderAndFooterAndKeepTotals) {
    constexpr int kRows = 150;
    for (int i = 1; i <= kRows; ++i) addEmployee(i, "F" + std::to_string(1000 + i), i);
    Report report = periodReport();
    Band footer;
    footer.heightMm = 6;
    footer.add(label({0, 1, 50, 4.5}, "rodapé"));
    report.pageFooter = footer;
    const PageModel model = generate(report, options);

    ASSERT_GE(model.pages.size(), 3u);
    const double footerTop = 297 - 21 - 6;
    std::vector<std::string> details;
    for (std::size_t p = 0; p < model.pages.size(); ++p) {
        SCOPED_TRACE(p);
        const auto lines = pageLines(model.pages[p]);
        EXPECT_EQ(lines.front(), kTitleLine + " | " + std::to_string(p + 1));
        EXPECT_EQ(lines[1], "FUNCIONÁRIO | COMISSÃO");
        EXPECT_EQ(lines.back(), "rodapé");
        for (const auto& line : lines)
            if (line.starts_with("F1")) details.push_back(line);
        for (const auto& element : model.pages[p].elements)
            if (const auto* text = std::get_if<PageText>(&element); text && text->text != "rodapé") {
                EXPECT_LE(text->box.bottom(), footerTop + 1e-9) << text->text;
            } else if (text) {
                EXPECT_DOUBLE_EQ(text->box.y, footerTop + 1);
            }
    }
    ASSERT_EQ(details.size(), static_cast<std::size_t>(kRows));
    long running = 0;
    for (int i = 1; i <= kRows; ++i) {
        running += i;
        const std::string money = core::formatMoney(core::Currency::fromReais(running));
        EXPECT_EQ(details[i - 1], "F" + std::to_string(1000 + i) + " | " + money + " | " +
                                      core::formatMoney(core::Currency::fromReais(i)));
    }
    const auto last = pageLines(model.pages.back());
    EXPECT_EQ(last[last.size() - 2], "TOTAL...R$ | 11.325,00");
}

TEST_F(GeneratorTest, SubDetailsPrintUnderEachDetailWithFootersAndTheirOwnTotals) {
    addEmployee(1, "ANA", 1);
    addEmployee(2, "BIA", 2);
    dm.openWorkTable(dm.TbVirtualR);
    dm.TbVirtualR.emptyTable();
    for (const auto& [descricao, total] : {std::pair{"A", 1.0}, std::pair{"B", 2.0}, std::pair{"C", 3.5}})
        data::addRow(dm.TbVirtualR, {{"Descricao", descricao}, {"Total", total}});

    Report report;
    report.mainTable = &dm.TbVirtual;
    int reportEvents = 0, detailBefore = 0, detailAfter = 0;
    report.beforePrint = [&] { ++reportEvents; };
    Band title;
    title.heightMm = 5;
    title.add(label({0, 0, 40, 4}, "TÍTULO"));
    report.title = title;
    report.detail.heightMm = 5;
    report.detail.beforePrint = [&] { ++detailBefore; };
    report.detail.afterPrint = [&] { ++detailAfter; };
    report.detail.add(dataField({0, 0, 40, 4}, dm.TbVirtual, "Funcionario"));
    SubDetail sub{&dm.TbVirtualR, {}, Band{}};
    sub.band.heightMm = 5;
    sub.band.add(dataField({10, 0, 20, 4}, dm.TbVirtualR, "Descricao"));
    sub.band.add(totalField({50, 0, 30, 4}, expression("SUM(TbVirtualR.Total)"), "0.0,0", {}, 0));
    sub.footer->heightMm = 5;
    sub.footer->add(label({10, 0, 20, 4}, "SOMA"));
    sub.footer->add(totalField({50, 0, 30, 4}, expression("SUM(TbVirtualR.Total)"), "0.0,0", {}, 0));
    report.subDetails.push_back(sub);
    Band summary;
    summary.heightMm = 5;
    // Mastered by the detail band: the sub-detail rows do not feed it.
    summary.add(totalField({50, 0, 30, 4}, expression("SUM(TbVirtual.COM)"), "0.0,0"));
    report.summary = summary;

    const PageModel model = generate(report, options);
    ASSERT_EQ(model.pages.size(), 1u);
    EXPECT_EQ(pageLines(model.pages[0]),
              (Lines{"TÍTULO", "ANA", "A | 1,00", "B | 3,00", "C | 6,50", "SOMA | 6,50", "BIA", "A | 7,50",
                     "B | 9,50", "C | 13,00", "SOMA | 13,00", "3,00"}));
    EXPECT_EQ(reportEvents, 1);
    EXPECT_EQ(detailBefore, 2);
    EXPECT_EQ(detailAfter, 2);
}

TEST_F(GeneratorTest, HeldRowsPrintInOrderAcrossPagesAndAnEmptyListStillPrintsItsFooter) {
    for (const std::size_t count : {std::size_t{0}, std::size_t{70}}) {
        SCOPED_TRACE(count);
        std::vector<std::string> names;
        for (std::size_t i = 0; i < count; ++i) names.push_back("LINHA " + std::to_string(i + 1));
        std::size_t current = 0;
        Report report;
        SubDetail held;
        held.held = {names.size(), [&current](std::size_t row) { current = row; }};
        held.band.heightMm = 5;
        held.band.add(computedLabel({0, 0, 60, 4}, [&] { return names.at(current); }));
        held.footer = Band{};
        held.footer->heightMm = 5;
        held.footer->add(label({0, 0, 40, 4}, "FIM"));
        report.subDetails.push_back(held);

        const PageModel model = generate(report, options);
        Lines expected;
        for (const std::string& name : names) expected.push_back(name);
        expected.push_back("FIM");
        EXPECT_EQ(reportstest::allLines(model), expected);
        EXPECT_EQ(model.pages.size(), count == 0 ? 1u : 2u);  // 70 lines of 5 mm overflow a page
    }
}

TEST_F(GeneratorTest, WithoutMainTableTheDetailPrintsOnce) {
    addEmployee(1, "ANA", 5);
    Report report;
    report.detail.heightMm = 5;
    report.detail.add(dataField({0, 0, 40, 4}, dm.TbVirtual, "Funcionario"));
    report.detail.add(systemData({50, 0, 30, 4}, SystemData::Date));
    report.detail.add(systemData({90, 0, 30, 4}, SystemData::Time));
    report.detail.add(systemData({130, 0, 30, 4}, SystemData::PageNumber));
    const PageModel model = generate(report, options);
    ASSERT_EQ(model.pages.size(), 1u);
    EXPECT_EQ(pageLines(model.pages[0]), (Lines{"ANA | 08/03/2024 | 09:30:00 | 1"}));
}

TEST_F(GeneratorTest, ABandTallerThanThePagePrintsOnPagesOfItsOwn) {
    addEmployee(1, "ANA", 1);
    addEmployee(2, "BIA", 2);
    Report report = periodReport();
    report.detail.heightMm = 400;
    const PageModel model = generate(report, options);
    ASSERT_EQ(model.pages.size(), 3u);  // each row on its own page, the summary after them
    EXPECT_EQ(pageLines(model.pages[0])[2], "ANA | 1,00 | 1,00");
    EXPECT_EQ(pageLines(model.pages[1])[2], "BIA | 3,00 | 2,00");
}

TEST_F(GeneratorTest, GrowingBoxesExtendFromTheSideOfTheirAlignment) {
    Report report;
    report.detail.heightMm = 15;
    report.detail.add(label({100, 0, 50, 4}, "DIREITA", {.align = Align::Right}));
    report.detail.add(label({100, 5, 50, 4}, "CENTRO", {.align = Align::Centre}));
    report.detail.add(label({100, 10, 50, 4}, "ESQUERDA"));
    const PageModel model = generate(report, options);
    const auto& elements = model.pages.at(0).elements;
    ASSERT_EQ(elements.size(), 3u);
    const auto& right = std::get<PageText>(elements[0]).box;
    const auto& centre = std::get<PageText>(elements[1]).box;
    const auto& left = std::get<PageText>(elements[2]).box;
    EXPECT_NEAR(right.right(), 5 + 150, 1e-9);
    EXPECT_NEAR(centre.x + centre.width / 2, 5 + 125, 1e-9);
    EXPECT_NEAR(left.x, 5 + 100, 1e-9);
    for (const auto* box : {&right, &centre, &left}) EXPECT_GT(box->width, 5);
}

QByteArray pngBytes() {
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TEST_F(GeneratorTest, LogoPrintsOncePerPageAndAnUndecodableOnePrintsNothing) {
    for (int i = 1; i <= 80; ++i) addEmployee(i, "F" + std::to_string(i), 1);
    Report report = periodReport();
    report.pageHeader->add(salonLogo(dm.TbConfig, 0, 0));
    auto setLogo = [&](const std::string& bytes) {
        dm.TbConfig.first();
        dm.TbConfig.edit();
        dm.TbConfig.field("Logotipo").setBlob(bytes);
        dm.TbConfig.post();
    };

    setLogo("isto não é uma imagem");
    PageModel model = generate(report, options);
    ASSERT_EQ(model.pages.size(), 2u);
    EXPECT_TRUE(model.images.empty());
    for (const auto& page : model.pages)
        EXPECT_TRUE(std::ranges::none_of(page.elements,
                                         [](const auto& e) { return std::holds_alternative<PageImage>(e); }));

    const QByteArray png = pngBytes();
    setLogo(png.toStdString());
    model = generate(report, options);
    ASSERT_EQ(model.images.size(), 1u);  // kept once for both pages
    for (const auto& page : model.pages) {
        const auto image = std::ranges::find_if(
            page.elements, [](const auto& e) { return std::holds_alternative<PageImage>(e); });
        ASSERT_NE(image, page.elements.end());
        EXPECT_EQ(std::get<PageImage>(*image).box, (RectMm{5, 5, kLogoWidthMm, kLogoHeightMm}));
    }
}

TEST_F(GeneratorTest, ProgressCountsRowsAndCanStopTheRun) {
    for (int i = 1; i <= 10; ++i) addEmployee(i, "F", 1);
    Report report = periodReport();
    std::vector<int> seen;
    options.progress = [&](int percent) {
        seen.push_back(percent);
        return true;
    };
    generate(report, options);
    EXPECT_EQ(seen, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    options.progress = [](int percent) { return percent < 50; };
    EXPECT_THROW(generate(report, options), GenerationCancelled);
}

}  // namespace
