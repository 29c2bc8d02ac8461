#pragma once
// Bringing a value to the form its field stores: numbers for numeric fields, ISO text for
// dates and times, text cut to the field's size. Text typed by a person converts too
// ("12,50", "05/03/2004", "09:30").
#include "data/store/definition.h"
#include "data/store/error.h"
#include "data/store/value.h"

namespace store {

Value convertForField(const FieldDef& field, const Value& value, const ErrorContext& context);

}  // namespace store
