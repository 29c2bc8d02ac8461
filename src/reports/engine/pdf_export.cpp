#include "reports/engine/pdf_export.h"

#include <QPainter>
#include <QPdfWriter>

#include <optional>

#include "reports/engine/output_error.h"
#include "reports/engine/page_painter.h"

namespace reports {

namespace {

constexpr int kPdfDpi = 600;

// The file being written, opened with the first page's sheet.
class PdfFile {
  public:
    explicit PdfFile(const std::filesystem::path& path) : path_(path) {}
    // A report that failed half way leaves no file: half a report read as a whole one is worse.
    ~PdfFile() {
        if (!writer_) return;
        pages_.reset();
        painter_.end();
        writer_.reset();
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    void add(const PageModel& model, const Page& page) {
        if (!writer_) {
            writer_.emplace(QString::fromStdString(path_.string()));
            writer_->setResolution(kPdfDpi);
            writer_->setCreator(QStringLiteral("Velmora"));
            writer_->setPageLayout(pageLayoutOf(model));
            if (!painter_.begin(&*writer_)) fail();
            pages_.emplace(painter_, model);
        } else {
            writer_->newPage();
        }
        pages_->paint(page);
    }

    void finish() {
        if (!writer_) throw OutputError("O relatório não tem páginas para exportar.");
        pages_.reset();
        if (!painter_.end()) fail();
        writer_.reset();
        std::error_code error;
        if (std::filesystem::file_size(path_, error) == 0 || error) fail();
    }

  private:
    [[noreturn]] void fail() const {
        throw OutputError("Não foi possível gravar o arquivo PDF " + path_.string() + ".");
    }

    std::filesystem::path path_;
    std::optional<QPdfWriter> writer_;
    QPainter painter_;
    std::optional<PagePainter> pages_;  // keeps the pictures decoded from page to page
};

}  // namespace

void writePdf(const PageModel& model, const std::filesystem::path& path) {
    PdfFile file(path);
    for (const Page& page : model.pages) file.add(model, page);
    file.finish();
}

void writePdf(const Report& report, const std::filesystem::path& path, GenerateOptions options) {
    PdfFile file(path);
    options.pageDone = [&file](const PageModel& model, Page&& page) { file.add(model, page); };
    generate(report, options);
    file.finish();
}

}  // namespace reports
