#pragma once
// A period of days chosen on a report screen: the two dates, and the texts as the user typed
// them, which the reports print in their titles.
#include <string>

#include "core/date.h"

namespace core {

struct Period {
    Date start;
    Date end;
    std::string startText;
    std::string endText;
};

}  // namespace core
