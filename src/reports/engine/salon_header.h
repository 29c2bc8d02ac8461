#pragma once
// Building blocks of the page headers most reports share: the salon's logo and name from
// the settings table, the issue date, the page number, the shaded strip of column
// captions, and the period titles.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/engine/report.h"

namespace reports {

inline constexpr double kLogoWidthMm = 32;
inline constexpr double kLogoHeightMm = 19;
inline constexpr double kLineHeightMm = 4.5;

// TbConfig.Logotipo stretched to a 32 x 19 mm box with its top-left corner at (x, y).
ImageItem salonLogo(store::Table& config, double x = 0, double y = 0);
// TbConfig.Nome as a data field.
TextItem salonName(store::Table& config, RectMm box, TextStyle style);
// "Data Emissão:" and the system date, the pair ending at `right`.
void addIssueDate(Band& band, double right, double y);
// `caption` ("Pág." or "Pág.:") and the page number, the pair ending at `right`.
void addPageNumber(Band& band, std::string caption, double right, double y);

struct ColumnCaption {
    double x;  // left edge, or right edge for a right-aligned caption
    std::string text;
    Align align = Align::Left;
};
// A light-grey filled rectangle across `width` holding the captions in bold.
void addCaptionStrip(Band& band, double y, double width, const std::vector<ColumnCaption>& captions);

// `title` + " - Período de: " + start + joiner + end, the dates exactly as typed.
std::string periodTitle(std::string_view title, std::string_view start, std::string_view end,
                        std::string_view joiner = " a ");

// The usual header of a period report: logo, salon name beside it, the title its
// handler returns, issue date and page number (after `pageCaption`) at the top right, and the
// caption strip.
Band salonHeader(const PageSetup& page, store::Table& config, std::function<std::string()> title,
                 const std::vector<ColumnCaption>& captions, std::string pageCaption = "Pág.");

}  // namespace reports
