#include "data/plan_duplicate.h"

#include "data/messages.h"

namespace data {

void refuseDuplicatePlanCode(store::Table& plano, const store::Error& error, store::PostErrorAction& action,
                             Messages& messages) {
    if (dynamic_cast<const store::KeyViolation*>(&error) == nullptr) return;
    messages.inform(kPlanCodeTaken);
    plano.cancel();
    action = store::PostErrorAction::Abort;
}

}  // namespace data
