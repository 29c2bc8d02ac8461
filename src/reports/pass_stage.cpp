#include "reports/pass_stage.h"

#include "data/store/table.h"

namespace reports {

void startStage(core::PassProgress& progress, store::Table& table) {
    progress.start(progress.watched() ? static_cast<std::size_t>(table.recordCount()) : 0);
}

}  // namespace reports
