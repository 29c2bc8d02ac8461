#include "reports/engine/salon_header.h"

#include "reports/engine/items.h"

namespace reports {

namespace {

constexpr double kCaptionStripMm = 6;

}  // namespace

ImageItem salonLogo(store::Table& config, double x, double y) {
    return imageField({x, y, kLogoWidthMm, kLogoHeightMm}, config, "Logotipo");
}

TextItem salonName(store::Table& config, RectMm box, TextStyle style) {
    return dataField(box, config, "Nome", style);
}

void addIssueDate(Band& band, double right, double y) {
    band.add(label({right - 50, y, 30, kLineHeightMm}, "Data Emissão:", {.align = Align::Right}));
    band.add(systemData({right - 19, y, 19, kLineHeightMm}, SystemData::Date, {.align = Align::Right}));
}

void addPageNumber(Band& band, std::string caption, double right, double y) {
    band.add(label({right - 40, y, 28, kLineHeightMm}, std::move(caption), {.align = Align::Right}));
    band.add(systemData({right - 11, y, 11, kLineHeightMm}, SystemData::PageNumber, {.align = Align::Right}));
}

void addCaptionStrip(Band& band, double y, double width, const std::vector<ColumnCaption>& captions) {
    band.add(rectangle({0, y, width, kCaptionStripMm}, true));
    for (const ColumnCaption& caption : captions) {
        const double textY = y + (kCaptionStripMm - kLineHeightMm) / 2;
        const RectMm box = caption.align == Align::Right ? RectMm{caption.x - 40, textY, 40, kLineHeightMm}
                                                         : RectMm{caption.x, textY, 40, kLineHeightMm};
        band.add(label(box, caption.text, {.align = caption.align, .bold = true}));
    }
}

std::string periodTitle(std::string_view title, std::string_view start, std::string_view end,
                        std::string_view joiner) {
    std::string text(title);
    text += " - Período de: ";
    text += start;
    text += joiner;
    text += end;
    return text;
}

Band salonHeader(const PageSetup& page, store::Table& config, std::function<std::string()> title,
                 const std::vector<ColumnCaption>& captions, std::string pageCaption) {
    const double width = page.printableWidthMm();
    Band band;
    band.heightMm = kLogoHeightMm + 2 + kCaptionStripMm + 1;
    band.add(salonLogo(config));
    band.add(salonName(config, {kLogoWidthMm + 3, 1, width - kLogoWidthMm - 55, 6},
                       {.bold = true, .points = 12, .sizing = Sizing::Fixed}));
    band.add(computedLabel({kLogoWidthMm + 3, 10, width - kLogoWidthMm - 3, kLineHeightMm}, std::move(title),
                           {.bold = true, .points = 10, .sizing = Sizing::Fixed}));
    addPageNumber(band, std::move(pageCaption), width, 0);
    addIssueDate(band, width, kLineHeightMm);
    addCaptionStrip(band, kLogoHeightMm + 2, width, captions);
    return band;
}

}  // namespace reports
