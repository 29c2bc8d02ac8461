#include "reports/engine/pdf_export.h"

#include <QPainter>
#include <QPdfWriter>

#include "reports/engine/output_error.h"
#include "reports/engine/page_painter.h"

namespace reports {

namespace {

constexpr int kPdfDpi = 600;

}  // namespace

void writePdf(const PageModel& model, const std::filesystem::path& path) {
    if (model.pages.empty()) throw OutputError("O relatório não tem páginas para exportar.");
    const QString fileName = QString::fromStdString(path.string());
    {
        QPdfWriter writer(fileName);
        writer.setResolution(kPdfDpi);
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setPageLayout(pageLayoutOf(model));
        QPainter painter;
        if (!painter.begin(&writer))
            throw OutputError("Não foi possível gravar o arquivo PDF " + path.string() + ".");
        PagePainter pages(painter, model);
        for (std::size_t i = 0; i < model.pages.size(); ++i) {
            if (i > 0) writer.newPage();
            pages.paint(model.pages[i]);
        }
        if (!painter.end()) throw OutputError("Não foi possível gravar o arquivo PDF " + path.string() + ".");
    }
    std::error_code error;
    if (std::filesystem::file_size(path, error) == 0 || error)
        throw OutputError("Não foi possível gravar o arquivo PDF " + path.string() + ".");
}

}  // namespace reports
