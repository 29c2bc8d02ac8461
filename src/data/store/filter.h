#pragma once
// Filters of the form  Field = value  or  Field <> value , the value a number or a quoted
// text ('SERVIÇO'). A null field counts as 0 or '' for <>, as it reads.
#include <string>
#include <utility>

#include "data/store/definition.h"
#include "data/store/error.h"
#include "data/store/value.h"

namespace store {

struct FilterCondition {
    int field = 0;
    bool different = false;  // <> rather than =
    Value value;
};

// Throws store::Error for any other form.
FilterCondition parseFilter(const std::string& filter, const TableDef& def, const ErrorContext& context);

}  // namespace store
