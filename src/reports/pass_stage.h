#pragma once
// A stage of a period walk over a prepared table: the gauge starts from the rows in its
// range. Counting costs a pass of its own, so it is done only when someone watches.
#include "core/pass_progress.h"

namespace store {
class Table;
}

namespace reports {

void startStage(core::PassProgress& progress, store::Table& table);

}  // namespace reports
