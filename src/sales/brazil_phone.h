#pragma once
// Phone numbers as typed in the client register, made into Brazil's full international
// form for a WhatsApp link: 55, the two-digit area code (DDD) and the 8-digit landline or
// 9-digit mobile number. What cannot be made so comes back with the reason, to be shown
// beside the client instead of a link.
#include <string>
#include <string_view>

namespace sales {

struct NormalisedPhone {
    std::string number;  // "5511987654321"; empty when it could not be normalised
    std::string reason;  // why not, in Portuguese; empty when normalised

    bool ok() const { return !number.empty(); }
};

// `typed` may carry any punctuation ("(11) 98765-4321", "+55 11 ..."), the trunk prefix 0
// and a carrier code ("0 21 11 ..."). A local number takes `salonAreaCode` (two digits, or
// empty when the salon has none). A mobile written with the 8 digits of before the extra 9
// gets its 9.
NormalisedPhone normaliseBrazilPhone(std::string_view typed, std::string_view salonAreaCode);

}  // namespace sales
