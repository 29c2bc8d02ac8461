#include "ui/table_subscription.h"

namespace ui {

TableSubscription::TableSubscription(store::Table& table, std::function<void(store::TableEvent)> observer)
    : table_(table), alive_(std::make_shared<bool>(true)) {
    id_ = table.subscribe(
        [alive = std::weak_ptr<bool>(alive_), observer = std::move(observer)](store::TableEvent event) {
            if (!alive.expired()) observer(event);
        });
}

TableSubscription::~TableSubscription() {
    alive_.reset();
    table_.unsubscribe(id_);
}

}  // namespace ui
