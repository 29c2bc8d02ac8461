// Saved report files: what is saved opens again unchanged; anything else is refused
// with a message that says why.
#include <gtest/gtest.h>

#include "reports/engine/output_error.h"
#include "reports/engine/report_file.h"
#include "support/temp_dir.h"

namespace {

using namespace reports;

PageModel sampleModel() {
    PageModel model;
    model.landscape = true;
    model.images = {std::string("\x89PNG fake bytes\0with zero", 25)};
    model.pages.resize(2);
    model.pages[0].elements = {PageText{{5, 5, 40, 4.5}, "Relatório de Comissões", Align::Centre, {10, true}},
                               PageLine{5, 10, 205, 10, PenStyle::Dotted},
                               PageRect{{5, 12, 200, 6}, true, PenStyle::Solid},
                               PageImage{{5, 5, 32, 19}, 0}};
    model.pages[1].elements = {PageText{{150, 20, 45, 4}, "1.234,50", Align::Right, {8, false}}};
    return model;
}

std::string errorOf(const std::string& bytes) {
    try {
        decodeReportFile(bytes);
    } catch (const OutputError& error) {
        return error.what();
    }
    return "aceito";
}

TEST(ReportFileTest, SavedReportOpensAgainUnchanged) {
    testsupport::TempDir dir;
    const PageModel model = sampleModel();
    saveReportFile(model, dir / "relatorio.vrel");
    EXPECT_EQ(loadReportFile(dir / "relatorio.vrel"), model);
    EXPECT_EQ(decodeReportFile(encodeReportFile(PageModel{})), PageModel{});
}

TEST(ReportFileTest, RefusesFilesItCannotShow) {
    const std::string good = encodeReportFile(sampleModel());
    const std::string damaged = "O arquivo do relatório está danificado e não pode ser aberto.";
    const std::string foreign = "O arquivo escolhido não é um relatório salvo pelo Velmora.";
    auto flipped = [&](std::size_t at) {
        std::string bytes = good;
        bytes[at] = static_cast<char>(bytes[at] ^ 0x20);
        return bytes;
    };
    std::string newer = good;
    newer[18 + 3] = 2;  // the version's low byte, just after the magic text
    struct Case {
        const char* what;
        std::string bytes;
        std::string message;
    };
    for (const Case& c :
         {Case{"vazio", "", foreign}, Case{"PDF", "%PDF-1.4\n%âãÏÓ\n1 0 obj", foreign},
          Case{"cortado no corpo", good.substr(0, good.size() / 2), damaged},
          Case{"sem o resumo", good.substr(0, good.size() - 1), damaged},
          Case{"só o cabeçalho", good.substr(0, 20), damaged},
          Case{"byte trocado no corpo", flipped(good.size() / 2), damaged},
          Case{"byte trocado no resumo", flipped(good.size() - 3), damaged},
          Case{"bytes a mais", good + "x", damaged},
          Case{"versão mais nova", newer,
               "O relatório foi salvo por uma versão mais nova do programa e não pode ser aberto."}}) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(errorOf(c.bytes), c.message);
    }
}

TEST(ReportFileTest, SavingWhereItCannotWriteIsAnError) {
    testsupport::TempDir dir;
    EXPECT_THROW(saveReportFile(sampleModel(), dir / "nao-existe" / "r.vrel"), OutputError);
    EXPECT_THROW(loadReportFile(dir / "ausente.vrel"), OutputError);
}

}  // namespace
