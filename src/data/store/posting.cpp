#include "data/store/posting.h"

#include "data/store/scope.h"

namespace store {

Posting::Posting(const std::vector<Table*>& tables)
    : scope_(std::make_unique<Scope>(tables, Scope::Mode::Write)) {}

Posting::~Posting() = default;

void Posting::commit() {
    scope_->commit();
}

void post(const std::vector<Table*>& tables, const std::function<void()>& work) {
    Posting posting(tables);
    work();
    posting.commit();
}

ConsistentRead::ConsistentRead(const std::vector<Table*>& tables)
    : scope_(std::make_unique<Scope>(tables, Scope::Mode::Read)) {}

ConsistentRead::~ConsistentRead() = default;

}  // namespace store
