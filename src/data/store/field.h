#pragma once
// A handle on one field of a table's current record. Reads follow the record as the
// table moves; writes need the table in insert or edit state.
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include "core/currency.h"
#include "core/date.h"
#include "data/store/definition.h"
#include "data/store/value.h"

namespace store {

class Table;

class Field {
  public:
    Field(Table& table, int index) : table_(&table), index_(index) {}

    const FieldDef& def() const;
    const std::string& name() const { return def().name; }
    FieldType type() const { return def().type; }
    int index() const { return index_; }
    Table& table() const { return *table_; }

    bool isNull() const;
    const Value& value() const;
    // Text as a person reads it: numbers with a decimal comma, dates "05/03/2004",
    // times "09:30:00"; null reads as "".
    std::string asString() const;
    std::int64_t asInteger() const;  // null reads 0
    double asFloat() const;          // null reads 0
    core::Currency asCurrency() const;
    core::Date asDate() const;  // null reads as the null date
    core::Time asTime() const;
    const std::string& asBlob() const;

    void setValue(Value value);
    // Converts what a person typed: "12,50", "05/03/2004", "09:30". Text longer than the
    // field is cut to its size. Throws store::Error for text that does not convert.
    void setString(std::string_view text);
    void setInteger(std::int64_t value);
    void setFloat(double value);
    void setCurrency(core::Currency value);
    void setDate(const core::Date& value);  // the null date clears the field
    void setTime(const core::Time& value);
    void setBlob(std::string bytes);
    void clear();

    void loadFromFile(const std::filesystem::path& path);
    void saveToStream(std::ostream& out) const;

  private:
    Table* table_;
    int index_;
};

}  // namespace store
