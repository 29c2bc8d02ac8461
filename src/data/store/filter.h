#pragma once
// Filters of the form  Field = value , the value a number or a quoted text ('SERVIÇO').
#include <string>
#include <utility>

#include "data/store/connection.h"
#include "data/store/definition.h"
#include "data/store/value.h"

namespace store {

// The field's index and the value it must hold. Throws store::Error for any other form.
std::pair<int, Value> parseFilter(const std::string& filter, const TableDef& def,
                                  const ErrorContext& context);

}  // namespace store
