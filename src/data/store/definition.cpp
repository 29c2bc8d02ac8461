#include "data/store/definition.h"

#include <algorithm>

namespace store {

const FieldDef* TableDef::findField(const std::string& name) const {
    auto it = std::find_if(fields.begin(), fields.end(), [&](const FieldDef& f) { return f.name == name; });
    return it == fields.end() ? nullptr : &*it;
}

const IndexDef* TableDef::findIndex(const std::string& name) const {
    auto it = std::find_if(indexes.begin(), indexes.end(), [&](const IndexDef& i) { return i.name == name; });
    return it == indexes.end() ? nullptr : &*it;
}

}  // namespace store
