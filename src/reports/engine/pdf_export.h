#pragma once
// Writes the pages of a generated report into a PDF file.
#include <filesystem>

#include "reports/engine/generator.h"
#include "reports/engine/page_model.h"

namespace reports {

// Throws OutputError when the model has no page or the file cannot be written; the file
// is complete when this returns.
void writePdf(const PageModel& model, const std::filesystem::path& path);
// Generates `report` straight into the file, a page at a time, so that a long report needs
// no more memory than a short one. Same refusals as above.
void writePdf(const Report& report, const std::filesystem::path& path, GenerateOptions options = {});

}  // namespace reports
