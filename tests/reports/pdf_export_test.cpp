// PDF export read back with pdftotext.
#include <gtest/gtest.h>

#include "data/store/error.h"
#include "engine_fixture.h"
#include "page_text.h"
#include "reports/engine/output_error.h"
#include "reports/engine/pdf_export.h"
#include "support/temp_dir.h"

namespace {

using namespace reports;
using reportstest::EngineTest;
using reportstest::pdfText;

using PdfExportTest = EngineTest;

TEST_F(PdfExportTest, PdfHoldsTheTextOfEveryPage) {
    for (int i = 1; i <= 60; ++i) addEmployee(i, "FUNCIONÁRIA " + std::to_string(i), i);
    const PageModel model = generate(periodReport(), options);
    ASSERT_EQ(model.pages.size(), 2u);
    testsupport::TempDir dir;
    writePdf(model, dir / "comissoes.pdf");
    const std::string text = pdfText(dir / "comissoes.pdf");
    EXPECT_NE(text.find("Relatório de Comissões - Período de: 01/03/24 a 31/03/24 1"), std::string::npos)
        << text;
    EXPECT_NE(text.find("FUNCIONÁRIA 1 1,00 1,00"), std::string::npos);
    EXPECT_NE(text.find("FUNCIONÁRIA 60 1.830,00 60,00"), std::string::npos);
    EXPECT_NE(text.find("TOTAL...R$ 1.830,00"), std::string::npos);
    EXPECT_NE(text.find('\f'), std::string::npos);  // a second page
    EXPECT_LT(text.find("FUNCIONÁRIA 52 "), text.find("FUNCIONÁRIA 53 "));
}

// Written as it is generated, a page at a time, the file reads as the one made from the
// whole page model.
TEST_F(PdfExportTest, AReportWrittenAsItIsGeneratedReadsAsTheWholeModel) {
    for (int i = 1; i <= 130; ++i) addEmployee(i, "FUNCIONÁRIA " + std::to_string(i), i);
    testsupport::TempDir dir;
    writePdf(generate(periodReport(), options), dir / "inteiro.pdf");
    int handedOut = 0;
    GenerateOptions streamed = options;
    streamed.pageDone = [&](const PageModel& model, Page&& page) {
        ++handedOut;
        EXPECT_TRUE(model.pages.empty());  // nothing kept behind
        EXPECT_FALSE(page.elements.empty());
    };
    EXPECT_TRUE(generate(periodReport(), streamed).pages.empty());
    EXPECT_EQ(handedOut, 3);
    writePdf(periodReport(), dir / "por-pagina.pdf", options);
    EXPECT_EQ(pdfText(dir / "por-pagina.pdf"), pdfText(dir / "inteiro.pdf"));
}

// A report that fails half way leaves no file behind to be taken for the whole report.
TEST_F(PdfExportTest, AReportFailingHalfWayLeavesNoFile) {
    for (int i = 1; i <= 130; ++i) addEmployee(i, "FUNCIONÁRIA " + std::to_string(i), i);
    testsupport::TempDir dir;
    Report report = periodReport();
    int rows = 0;
    report.detail.beforePrint = [&rows] {
        if (++rows == 100) throw store::Error("Tabela ocupada.");
    };
    EXPECT_THROW(writePdf(report, dir / "metade.pdf", options), store::Error);
    EXPECT_FALSE(std::filesystem::exists(dir / "metade.pdf"));
}

TEST_F(PdfExportTest, RefusesAnEmptyReportAndAnUnwritablePlace) {
    testsupport::TempDir dir;
    EXPECT_THROW(writePdf(PageModel{}, dir / "vazio.pdf"), OutputError);
    EXPECT_FALSE(std::filesystem::exists(dir / "vazio.pdf"));
    const PageModel model = generate(periodReport(), options);
    EXPECT_THROW(writePdf(model, dir / "nao-existe" / "r.pdf"), OutputError);
}

}  // namespace
