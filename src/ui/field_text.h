#pragma once
// How a field's value reads on screens and in grids: money with the field's display
// format ("0.0,0" gives 1.234,50), dates dd/mm/yyyy, times hh:mm:ss, numbers with a
// decimal comma. Null reads as empty text.
#include <QString>

#include "data/store/definition.h"
#include "data/store/value.h"

namespace ui {

QString valueDisplayText(const store::FieldDef& field, const store::Value& value);

}  // namespace ui
