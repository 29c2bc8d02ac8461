#include "reports/engine/items.h"

#include "data/store/table.h"

namespace reports {

namespace {

int fieldIndex(store::Table& table, std::string_view field) {
    const auto found = table.findField(std::string(field));
    if (!found)
        throw LayoutError("A tabela " + table.name() + " não tem o campo " + std::string(field) + ".");
    return found->index();
}

}  // namespace

TextItem label(RectMm box, std::string caption, TextStyle style) {
    return TextItem{box, LabelText{std::move(caption), {}}, style};
}

TextItem computedLabel(RectMm box, std::function<std::string()> onPrint, TextStyle style) {
    return TextItem{box, LabelText{{}, std::move(onPrint)}, style};
}

TextItem dataField(RectMm box, store::Table& table, std::string_view field, TextStyle style,
                   std::string mask) {
    return TextItem{box, FieldText{&table, fieldIndex(table, field), std::move(mask)}, style};
}

TextItem totalField(RectMm box, TotalExpression expression, std::string mask, TextStyle style, int master) {
    return TextItem{box, TotalText{std::move(expression), std::move(mask), master}, style};
}

TextItem systemData(RectMm box, SystemData what, TextStyle style) {
    return TextItem{box, what, style};
}

ShapeItem horizontalLine(double x, double y, double width, PenStyle pen) {
    return ShapeItem{ShapeItem::Kind::HorizontalLine, {x, y, width, 0}, false, pen};
}

ShapeItem rectangle(RectMm box, bool filled, PenStyle pen) {
    return ShapeItem{ShapeItem::Kind::Rectangle, box, filled, pen};
}

ImageItem imageField(RectMm box, store::Table& table, std::string_view field) {
    return ImageItem{box, &table, fieldIndex(table, field)};
}

}  // namespace reports
