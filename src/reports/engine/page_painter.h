#pragma once
// Draws pages of a page model with QPainter on any device: the preview's picture, a
// printer, a PDF. Millimetres become device pixels through the device's own resolution.
#include "reports/engine/page_model.h"

#include <QPageLayout>

class QPainter;
class QImage;

namespace reports {

// Draws `page` with the sheet's top-left corner at the painter's origin. Pictures that do
// not decode are left out.
void paintPage(QPainter& painter, const PageModel& model, const Page& page);

// The sheet of the model, without margins: positions in the model are from the sheet's edge.
QPageLayout pageLayoutOf(const PageModel& model);

// The page as a picture at `dpi`, white sheet included (for the preview).
QImage pageImage(const PageModel& model, const Page& page, double dpi);

}  // namespace reports
