#pragma once
// Draws pages of a page model with QPainter on any device: the preview's picture, a
// printer, a PDF. Millimetres become device pixels through the device's own resolution.
#include <QFont>
#include <QImage>
#include <QPageLayout>

#include <map>
#include <utility>
#include <vector>

#include "reports/engine/page_model.h"

class QPainter;

namespace reports {

// Fonts and decoded pictures are kept from page to page: a long report draws its logo
// on every page from one decoding.
class PagePainter {
  public:
    PagePainter(QPainter& painter, const PageModel& model);
    // Draws `page` with the sheet's top-left corner at the painter's origin. Pictures that
    // do not decode are left out.
    void paint(const Page& page);

    void operator()(const PageText& text);
    void operator()(const PageLine& line);
    void operator()(const PageRect& shape);
    void operator()(const PageImage& picture);

  private:
    QRectF rect(const RectMm& box) const;
    QPen pen(PenStyle style) const;
    const QFont& font(const TextFont& font);

    QPainter& painter_;
    const PageModel& model_;
    double scale_;
    std::map<std::pair<double, bool>, QFont> fonts_;
    std::vector<std::optional<QImage>> images_;
};

// The sheet of the model, without margins: positions in the model are from the sheet's edge.
QPageLayout pageLayoutOf(const PageModel& model);

// The page as a picture at `dpi`, white sheet included (for the preview).
QImage pageImage(const PageModel& model, const Page& page, double dpi);

}  // namespace reports
