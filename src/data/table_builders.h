#pragma once
// Short builders for the table catalogue, so each table reads as a list of fields rather
// than a wall of braces.
#include <string>
#include <vector>

#include "data/store/definition.h"
#include "data/tables.h"

namespace data::builders {

inline constexpr const char* kMoneyFormat = "0.0,0";
inline constexpr const char* kShortDateMask = "!99/99/00;1;_";
inline constexpr const char* kLongDateMask = "!99/99/0099;1;_";
inline constexpr const char* kTimeMask = "!90:00;1;_";
inline constexpr const char* kCepMask = R"(99\.999\-999;1;_)";

inline store::FieldDef field(std::string name, store::FieldType type, int size = 0, std::string format = {},
                             std::string mask = {}) {
    store::FieldDef def;
    def.name = std::move(name);
    def.type = type;
    def.size = size;
    def.displayFormat = std::move(format);
    def.editMask = std::move(mask);
    return def;
}

inline store::FieldDef integer(std::string name) {
    return field(std::move(name), store::FieldType::Integer);
}
inline store::FieldDef floating(std::string name, std::string format = {}) {
    return field(std::move(name), store::FieldType::Float, 0, std::move(format));
}
// A currency amount shown as a plain number.
inline store::FieldDef currency(std::string name) {
    return field(std::move(name), store::FieldType::Currency);
}
// A currency amount shown with the money format.
inline store::FieldDef money(std::string name) {
    return field(std::move(name), store::FieldType::Currency, 0, kMoneyFormat);
}
inline store::FieldDef text(std::string name, int size, std::string mask = {}) {
    return field(std::move(name), store::FieldType::Text, size, {}, std::move(mask));
}
inline store::FieldDef memo(std::string name) {
    return field(std::move(name), store::FieldType::Memo);
}
inline store::FieldDef graphic(std::string name) {
    return field(std::move(name), store::FieldType::Graphic);
}
inline store::FieldDef date(std::string name, std::string mask = {}) {
    return field(std::move(name), store::FieldType::Date, 0, {}, std::move(mask));
}
inline store::FieldDef shortDate(std::string name) {
    return date(std::move(name), kShortDateMask);
}
inline store::FieldDef longDate(std::string name) {
    return date(std::move(name), kLongDateMask);
}
inline store::FieldDef time(std::string name) {
    return field(std::move(name), store::FieldType::Time, 0, {}, kTimeMask);
}
inline store::FieldDef centred(store::FieldDef def) {
    def.centred = true;
    return def;
}
// Not stored: filled by the table's OnCalcFields hook each time a record is read.
inline store::FieldDef calculated(store::FieldDef def) {
    def.calculated = true;
    return def;
}

inline store::IndexDef index(std::string name, std::vector<std::string> fields,
                             bool caseInsensitive = false) {
    store::IndexDef def;
    def.name = std::move(name);
    def.fields = std::move(fields);
    def.caseInsensitive = caseInsensitive;
    return def;
}
inline store::IndexDef indexCi(std::string name, std::vector<std::string> fields) {
    return index(std::move(name), std::move(fields), true);
}

inline store::TableDef tableDef(std::string fileName, std::vector<store::FieldDef> fields,
                                std::vector<std::string> primaryKey = {},
                                std::vector<store::IndexDef> indexes = {}) {
    store::TableDef def;
    def.fileName = std::move(fileName);
    def.fields = std::move(fields);
    def.primaryKey = std::move(primaryKey);
    def.indexes = std::move(indexes);
    return def;
}

inline TableEntry entry(std::string component, store::TableDef definition,
                        Placement placement = Placement::Shared) {
    TableEntry result;
    result.component = std::move(component);
    result.definition = std::move(definition);
    result.placement = placement;
    return result;
}

}  // namespace data::builders
