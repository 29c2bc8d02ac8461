// PDF export read back with pdftotext.
#include <gtest/gtest.h>

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

TEST_F(PdfExportTest, RefusesAnEmptyReportAndAnUnwritablePlace) {
    testsupport::TempDir dir;
    EXPECT_THROW(writePdf(PageModel{}, dir / "vazio.pdf"), OutputError);
    EXPECT_FALSE(std::filesystem::exists(dir / "vazio.pdf"));
    const PageModel model = generate(periodReport(), options);
    EXPECT_THROW(writePdf(model, dir / "nao-existe" / "r.pdf"), OutputError);
}

}  // namespace
