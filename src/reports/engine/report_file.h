#pragma once
// The saved-report file of "Salvar Relatório" / "Abrir Relatório": a generated page model
// kept as it was printed, to be shown again later without the data it came from.
//
// Layout: the magic text "VELMORA-RELATORIO\n", a 32-bit format version, the 64-bit
// length of the body, the body (Qt data stream, big-endian) and the SHA-256 of the body.
// A file of another kind, of a newer version, cut short or altered is refused.
#include <filesystem>
#include <string>
#include <string_view>

#include "reports/engine/page_model.h"

namespace reports {

inline constexpr unsigned kReportFileVersion = 1;

std::string encodeReportFile(const PageModel& model);
// Throws OutputError with a message saying why the bytes are not a report it can show.
PageModel decodeReportFile(std::string_view bytes);

// Written to a temporary file and renamed, so a failed save never leaves half a report.
void saveReportFile(const PageModel& model, const std::filesystem::path& path);
PageModel loadReportFile(const std::filesystem::path& path);

}  // namespace reports
