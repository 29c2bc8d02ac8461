#include "reports/engine/page_painter.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

#include "reports/engine/text_measure.h"

namespace reports {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPenMm = 0.2;
const QColor kLightGrey(220, 220, 220);

}  // namespace

PagePainter::PagePainter(QPainter& painter, const PageModel& model)
    : painter_(painter),
      model_(model),
      scale_(painter.device()->logicalDpiX() / kMmPerInch),
      images_(model.images.size()) {}

void PagePainter::paint(const Page& page) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    for (const PageElement& element : page.elements) std::visit(*this, element);
    painter_.restore();
}

void PagePainter::operator()(const PageText& text) {
    painter_.setFont(font(text.font));
    painter_.setPen(pen(PenStyle::Solid));
    const int horizontal = text.align == Align::Left    ? Qt::AlignLeft
                           : text.align == Align::Right ? Qt::AlignRight
                                                        : Qt::AlignHCenter;
    // The text was already cut to its box; drawing without a clip keeps the last glyph
    // whole when the device rounds a little differently from the measure.
    painter_.drawText(rect(text.box), horizontal | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                      QString::fromStdString(text.text));
}

void PagePainter::operator()(const PageLine& line) {
    painter_.setPen(pen(line.pen));
    painter_.drawLine(QPointF(line.x1 * scale_, line.y1 * scale_),
                      QPointF(line.x2 * scale_, line.y2 * scale_));
}

void PagePainter::operator()(const PageRect& shape) {
    painter_.setPen(pen(shape.pen));
    painter_.setBrush(shape.filled ? QBrush(kLightGrey) : QBrush(Qt::NoBrush));
    painter_.drawRect(rect(shape.box));
    painter_.setBrush(Qt::NoBrush);
}

void PagePainter::operator()(const PageImage& picture) {
    if (picture.image < 0 || picture.image >= static_cast<int>(model_.images.size())) return;
    // A report written as it is generated meets its pictures as it goes.
    if (images_.size() < model_.images.size()) images_.resize(model_.images.size());
    auto& image = images_[static_cast<std::size_t>(picture.image)];
    if (!image) {
        const std::string& bytes = model_.images[static_cast<std::size_t>(picture.image)];
        image = QImage::fromData(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
    if (!image->isNull()) painter_.drawImage(rect(picture.box), *image);
}

QRectF PagePainter::rect(const RectMm& box) const {
    return QRectF(box.x * scale_, box.y * scale_, box.width * scale_, box.height * scale_);
}

QPen PagePainter::pen(PenStyle style) const {
    QPen result(Qt::black);
    result.setWidthF(kPenMm * scale_);
    result.setStyle(style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    return result;
}

const QFont& PagePainter::font(const TextFont& font) {
    auto [it, added] = fonts_.try_emplace({font.points, font.bold});
    if (added) it->second = reportFont(font);
    return it->second;
}

QPageLayout pageLayoutOf(const PageModel& model) {
    return QPageLayout(QPageSize(QSizeF(model.paperWidthMm, model.paperHeightMm), QPageSize::Millimeter),
                       model.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

QImage pageImage(const PageModel& model, const Page& page, double dpi) {
    const double pixelsPerMm = dpi / kMmPerInch;
    QImage image(std::max(1, static_cast<int>(model.widthMm() * pixelsPerMm + 0.5)),
                 std::max(1, static_cast<int>(model.heightMm() * pixelsPerMm + 0.5)), QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(pixelsPerMm * 1000 + 0.5);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    PagePainter(painter, model).paint(page);
    return image;
}

}  // namespace reports
