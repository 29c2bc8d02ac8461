#pragma once
// The least amount the salon takes, bills or splits into an installment: 0,10. Anything
// below it is taken for a slip of the keyboard and refused.
#include "core/currency.h"

namespace data {

inline constexpr core::Currency kLeastAmount = core::Currency::fromUnits(core::Currency::kScale / 10);

}  // namespace data
