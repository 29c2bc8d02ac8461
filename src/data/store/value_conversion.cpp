#include "data/store/value_conversion.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/currency.h"
#include "core/date.h"
#include "core/decimal_text.h"
#include "core/text.h"
#include "data/store/error.h"

namespace store {
namespace {

[[noreturn]] void refuse(const FieldDef& field, const std::string& text, const ErrorContext& context) {
    throw Error(context.describe() + ": '" + text + "' não é um valor válido para o campo " + field.name +
                ".");
}

std::optional<std::int64_t> parseInteger(const std::string& text) {
    std::int64_t result = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return result;
}

std::optional<double> parseNumber(const std::string& text) {
    if (auto amount = core::Currency::parse(text)) return amount->toDouble();
    std::string plain = text;
    for (char& c : plain)
        if (c == ',') c = '.';
    char* end = nullptr;
    double result = std::strtod(plain.c_str(), &end);
    if (plain.empty() || end != plain.c_str() + plain.size() || !std::isfinite(result)) return std::nullopt;
    return result;
}

Value fromText(const FieldDef& field, const std::string& raw, const ErrorContext& context) {
    const std::string text = core::trimmed(raw);
    switch (field.type) {
        case FieldType::Integer: {
            if (text.empty()) return std::monostate{};
            if (auto number = parseInteger(text)) return *number;
            refuse(field, raw, context);
        }
        case FieldType::Float:
        case FieldType::Currency: {
            if (text.empty()) return std::monostate{};
            if (auto number = parseNumber(text)) return *number;
            refuse(field, raw, context);
        }
        case FieldType::Date: {
            if (auto iso = core::Date::fromIso(text)) return iso->isNull() ? Value{} : Value{iso->toIso()};
            try {
                core::Date date = core::parseDate(raw);
                return date.isNull() ? Value{} : Value{date.toIso()};
            } catch (const core::DateError&) {
                refuse(field, raw, context);
            }
        }
        case FieldType::Time: {
            auto time = core::Time::parse(raw);
            if (!time) refuse(field, raw, context);
            return time->isNull() ? Value{} : Value{time->toIso()};
        }
        case FieldType::Text:
            return field.size > 0 ? core::leftCharacters(raw, static_cast<std::size_t>(field.size)) : raw;
        case FieldType::Memo:
        case FieldType::Graphic:
            return raw;
    }
    return raw;
}

}  // namespace

Value convertForField(const FieldDef& field, const Value& value, const ErrorContext& context) {
    if (isNull(value)) return value;
    if (auto text = std::get_if<std::string>(&value)) return fromText(field, *text, context);
    const bool isInteger = std::holds_alternative<std::int64_t>(value);
    const double number =
        isInteger ? static_cast<double>(std::get<std::int64_t>(value)) : std::get<double>(value);
    switch (field.type) {
        case FieldType::Integer:
            return isInteger ? value : Value{static_cast<std::int64_t>(std::llround(number))};
        case FieldType::Float:
        case FieldType::Currency:
            return number;
        case FieldType::Text:
        case FieldType::Memo:
            return fromText(
                field, isInteger ? std::to_string(std::get<std::int64_t>(value)) : core::decimalText(number),
                context);
        default:
            refuse(field,
                   isInteger ? std::to_string(std::get<std::int64_t>(value)) : core::decimalText(number),
                   context);
    }
}

}  // namespace store
