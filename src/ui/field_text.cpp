#include "ui/field_text.h"

#include "core/currency.h"
#include "core/date.h"
#include "core/decimal_text.h"
#include "core/format.h"

namespace ui {
namespace {

double numberOf(const store::Value& value) {
    if (auto i = std::get_if<std::int64_t>(&value)) return static_cast<double>(*i);
    if (auto d = std::get_if<double>(&value)) return *d;
    return 0;
}

QString textOf(const store::Value& value) {
    if (auto s = std::get_if<std::string>(&value)) return QString::fromStdString(*s);
    return {};
}

}  // namespace

QString valueDisplayText(const store::FieldDef& field, const store::Value& value) {
    if (store::isNull(value)) return {};
    switch (field.type) {
        case store::FieldType::Integer:
            if (auto i = std::get_if<std::int64_t>(&value)) return QString::number(*i);
            return QString::fromStdString(core::decimalText(numberOf(value)));
        case store::FieldType::Currency:
            if (!field.displayFormat.empty())
                return QString::fromStdString(
                    core::formatMask(core::Currency::fromDouble(numberOf(value)), field.displayFormat));
            return QString::fromStdString(core::decimalText(numberOf(value)));
        case store::FieldType::Float:
            if (!field.displayFormat.empty())
                return QString::fromStdString(core::formatMask(numberOf(value), field.displayFormat));
            return QString::fromStdString(core::decimalText(numberOf(value)));
        case store::FieldType::Date:
            if (auto s = std::get_if<std::string>(&value))
                if (auto date = core::Date::fromIso(*s))
                    return QString::fromStdString(core::shortDate(*date));
            return textOf(value);
        case store::FieldType::Time:
        case store::FieldType::Text:
        case store::FieldType::Memo:
            return textOf(value);
        case store::FieldType::Graphic:
            return {};
    }
    return {};
}

}  // namespace ui
