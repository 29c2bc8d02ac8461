#pragma once
// Writes the pages of a generated report into a PDF file.
#include <filesystem>

#include "reports/engine/page_model.h"

namespace reports {

// Throws OutputError when the model has no page or the file cannot be written; the file
// is complete when this returns.
void writePdf(const PageModel& model, const std::filesystem::path& path);

}  // namespace reports
