#include "reports/engine/page_painter.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>

#include "reports/engine/text_measure.h"

namespace reports {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPenMm = 0.2;
const QColor kLightGrey(220, 220, 220);

class PagePainter {
  public:
    PagePainter(QPainter& painter, const PageModel& model)
        : painter_(painter), model_(model), scale_(painter.device()->logicalDpiX() / kMmPerInch) {}

    void operator()(const PageText& text) {
        painter_.setFont(reportFont(text.font));
        painter_.setPen(pen(PenStyle::Solid));
        const int horizontal = text.align == Align::Left    ? Qt::AlignLeft
                               : text.align == Align::Right ? Qt::AlignRight
                                                            : Qt::AlignHCenter;
        // The text was already cut to its box; drawing without a clip keeps the last
        // glyph whole when the device rounds a little differently from the measure.
        painter_.drawText(rect(text.box),
                          horizontal | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                          QString::fromStdString(text.text));
    }

    void operator()(const PageLine& line) {
        painter_.setPen(pen(line.pen));
        painter_.drawLine(QPointF(line.x1 * scale_, line.y1 * scale_),
                          QPointF(line.x2 * scale_, line.y2 * scale_));
    }

    void operator()(const PageRect& shape) {
        painter_.setPen(pen(shape.pen));
        painter_.setBrush(shape.filled ? QBrush(kLightGrey) : QBrush(Qt::NoBrush));
        painter_.drawRect(rect(shape.box));
        painter_.setBrush(Qt::NoBrush);
    }

    void operator()(const PageImage& picture) {
        if (picture.image < 0 || picture.image >= static_cast<int>(model_.images.size())) return;
        const std::string& bytes = model_.images[static_cast<std::size_t>(picture.image)];
        const QImage image =
            QImage::fromData(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
        if (!image.isNull()) painter_.drawImage(rect(picture.box), image);
    }

  private:
    QRectF rect(const RectMm& box) const {
        return QRectF(box.x * scale_, box.y * scale_, box.width * scale_, box.height * scale_);
    }

    QPen pen(PenStyle style) const {
        QPen result(Qt::black);
        result.setWidthF(kPenMm * scale_);
        result.setStyle(style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
        return result;
    }

    QPainter& painter_;
    const PageModel& model_;
    double scale_;
};

}  // namespace

void paintPage(QPainter& painter, const PageModel& model, const Page& page) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PagePainter draw(painter, model);
    for (const PageElement& element : page.elements) std::visit(draw, element);
    painter.restore();
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
    paintPage(painter, model, page);
    return image;
}

}  // namespace reports
