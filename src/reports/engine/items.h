#pragma once
// Short builders for report items, so a layout reads as a list of what it prints.
// Unknown fields are layout defects and throw LayoutError when the report is built.
#include <functional>
#include <string>
#include <string_view>

#include "reports/engine/report.h"

namespace reports {

TextItem label(RectMm box, std::string caption, TextStyle style = {});
// A label whose print handler returns the text each time it prints.
TextItem computedLabel(RectMm box, std::function<std::string()> onPrint, TextStyle style = {});
TextItem dataField(RectMm box, store::Table& table, std::string_view field, TextStyle style = {},
                   std::string mask = {});
TextItem totalField(RectMm box, TotalExpression expression, std::string mask, TextStyle style = {},
                    int master = kDetailBand);
TextItem systemData(RectMm box, SystemData what, TextStyle style = {});
ShapeItem horizontalLine(double x, double y, double width, PenStyle pen = PenStyle::Solid);
ShapeItem rectangle(RectMm box, bool filled, PenStyle pen = PenStyle::Solid);
ImageItem imageField(RectMm box, store::Table& table, std::string_view field);

}  // namespace reports
