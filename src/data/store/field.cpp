#include "data/store/field.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <ostream>

#include "core/decimal_text.h"
#include "data/store/error.h"
#include "data/store/table.h"

namespace store {
namespace {

double toNumber(const Value& value) {
    if (auto i = std::get_if<std::int64_t>(&value)) return static_cast<double>(*i);
    if (auto d = std::get_if<double>(&value)) return *d;
    if (auto s = std::get_if<std::string>(&value)) {
        if (auto amount = core::Currency::parse(*s)) return amount->toDouble();
    }
    return 0;
}

}  // namespace

const FieldDef& Field::def() const {
    return table_->definition().fields[index_];
}
const Value& Field::value() const {
    return table_->readField(index_);
}
bool Field::isNull() const {
    return store::isNull(value());
}

std::string Field::asString() const {
    const Value& v = value();
    if (store::isNull(v)) return {};
    switch (type()) {
        case FieldType::Date:
            return core::shortDate(asDate());
        case FieldType::Time:
            return asTime().toIso();
        case FieldType::Float:
        case FieldType::Currency:
            return core::decimalText(asFloat());
        case FieldType::Integer:
            return std::to_string(asInteger());
        default:
            if (auto s = std::get_if<std::string>(&v)) return *s;
            return core::decimalText(toNumber(v));
    }
}

std::int64_t Field::asInteger() const {
    const Value& v = value();
    if (auto i = std::get_if<std::int64_t>(&v)) return *i;
    return static_cast<std::int64_t>(std::llround(toNumber(v)));
}

double Field::asFloat() const {
    return toNumber(value());
}

core::Currency Field::asCurrency() const {
    return core::Currency::fromDouble(asFloat());
}

core::Date Field::asDate() const {
    if (auto s = std::get_if<std::string>(&value()))
        if (auto date = core::Date::fromIso(*s)) return *date;
    return {};
}

core::Time Field::asTime() const {
    if (auto s = std::get_if<std::string>(&value()))
        if (auto time = core::Time::parse(*s)) return *time;
    return {};
}

const std::string& Field::asBlob() const {
    static const std::string empty;
    if (auto s = std::get_if<std::string>(&value())) return *s;
    return empty;
}

void Field::setValue(Value value) {
    table_->writeField(index_, std::move(value));
}
void Field::setString(std::string_view text) {
    setValue(std::string(text));
}
void Field::setInteger(std::int64_t value) {
    setValue(value);
}
void Field::setFloat(double value) {
    setValue(value);
}
void Field::setCurrency(core::Currency value) {
    setValue(value.toDouble());
}
void Field::setDate(const core::Date& value) {
    setValue(value.isNull() ? Value{} : Value{value.toIso()});
}
void Field::setTime(const core::Time& value) {
    setValue(value.isNull() ? Value{} : Value{value.toIso()});
}
void Field::setBlob(std::string bytes) {
    setValue(std::move(bytes));
}
void Field::clear() {
    setValue(std::monostate{});
}

void Field::loadFromFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error("Não foi possível ler o arquivo " + path.string() + ".");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw Error("Não foi possível ler o arquivo " + path.string() + ".");
    setBlob(std::move(bytes));
}

void Field::saveToStream(std::ostream& out) const {
    const std::string& bytes = asBlob();
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace store
