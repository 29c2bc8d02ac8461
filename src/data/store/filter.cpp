#include "data/store/filter.h"

#include <regex>

#include "data/store/error.h"
#include "data/store/value_conversion.h"

namespace store {

FilterCondition parseFilter(const std::string& filter, const TableDef& def, const ErrorContext& context) {
    static const std::regex form(
        R"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s*(=|<>)\s*('(?:[^']|'')*'|[-+]?[0-9]+(?:[.,][0-9]+)?)\s*$)");
    std::smatch match;
    if (!std::regex_match(filter, match, form))
        throw Error(context.describe() + ": filtro inválido \"" + filter + "\".");
    const std::string name = match[1];
    int index = -1;
    for (std::size_t i = 0; i < def.fields.size(); ++i)
        if (def.fields[i].name == name) index = static_cast<int>(i);
    if (index < 0) throw Error(context.describe() + ": o filtro usa o campo " + name + ", que não existe.");

    std::string literal = match[3];
    Value value;
    if (literal.front() == '\'') {
        std::string text;
        for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
            text += literal[i];
            if (literal[i] == '\'') ++i;  // '' stands for one quote
        }
        value = text;
    } else {
        value = literal;  // converted by the field's own rules below
    }
    return {index, match[2] == "<>", convertForField(def.fields[index], value, context)};
}

}  // namespace store
