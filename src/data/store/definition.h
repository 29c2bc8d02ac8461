#pragma once
// A table described as data: its file, its fields and its indexes.
#include <string>
#include <vector>

namespace store {

enum class FieldType { Integer, Float, Currency, Date, Time, Text, Memo, Graphic };

// Text and memo fields: compared with the text collations, and a null reads as "".
constexpr bool isTextType(FieldType type) {
    return type == FieldType::Text || type == FieldType::Memo;
}

struct FieldDef {
    std::string name;
    FieldType type = FieldType::Integer;
    int size = 0;               // maximum characters of a text field
    bool calculated = false;    // not stored: filled by the OnCalcFields hook
    std::string displayFormat;  // "0.0,0" for money, empty for plain
    std::string editMask;       // "!99/99/00;1;_" and the like, empty for none
    bool centred = false;       // shown centred on screens
};

struct IndexDef {
    std::string name;  // "siNome"
    std::vector<std::string> fields;
    bool caseInsensitive = false;
};

struct TableDef {
    std::string fileName;  // "Clientes.DAT"
    std::vector<FieldDef> fields;
    std::vector<std::string> primaryKey;  // unique, case-sensitive
    std::vector<IndexDef> indexes;        // secondary
    bool primaryCaseInsensitive = false;
    // Rows once written are never changed or removed: the backend itself refuses it, whoever
    // asks, so a trail kept in the table cannot be rewritten through the program or beside it.
    bool appendOnly = false;

    const FieldDef* findField(const std::string& name) const;
    const IndexDef* findIndex(const std::string& name) const;
};

}  // namespace store
