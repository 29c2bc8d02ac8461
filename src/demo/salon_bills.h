#pragma once
// The demo salon's bills, entered and paid through the payables' own functions: the monthly
// rent paid from the current account, the power bill debited there too, the water and phone
// paid by slip, the accountant's fee still to pay, each delivery of products bought in three
// monthly installments (those due paid by cheque from the current account, the rest open),
// and the small cash withdrawals of a working day.
#include <cstdint>
#include <random>
#include <string>

#include "core/currency.h"
#include "core/date.h"

namespace data {
class Tdm;
}

namespace demo {

// The salon's current account.
inline const std::string kCurrentAccount = "12345-6";
// The supplier of the products the salon sells (his code in the demo register).
inline constexpr std::int64_t kCosmeticsDistributor = 1;

void payTheRent(data::Tdm& dm, const core::Date& day);
// The month's power, water and phone bills and the accountant's fee, entered on `day`; those
// due before `today` are paid on their due date.
void enterTheMonthsBills(data::Tdm& dm, const core::Date& day, const core::Date& today);
// A delivery of `total` bought in three monthly installments from the first month after it.
void buyInInstallments(data::Tdm& dm, const core::Date& day, const std::string& note, core::Currency total,
                       const core::Date& today);
// Now and then some cash leaves the open drawer for a small expense of the day.
void withdrawForTheDay(data::Tdm& dm, std::mt19937& random, const core::Date& day);

}  // namespace demo
