#include "reports/engine/report.h"

namespace reports {

void Band::add(Item item) {
    items.push_back(std::move(item));
}

}  // namespace reports
