#pragma once
// A client's consent to be sent appointment reminders and offers: each is a mark on
// TbCliente ("SIM" when given) with the day it was given, so the salon can say since when
// it may write to the client.
#include <string>

#include "core/date.h"

namespace store {
class Table;
}

namespace data {

inline constexpr const char* kConsentGiven = "SIM";

struct ConsentMark {
    const char* field;      // "Lembretes"
    const char* dateField;  // "DataLembretes"
};

inline constexpr ConsentMark kReminderConsent{"Lembretes", "DataLembretes"};
inline constexpr ConsentMark kOfferConsent{"Ofertas", "DataOfertas"};

// TbCliente in insert or edit: a mark given now takes `today` as its day, a mark given
// before keeps its day, a mark withdrawn loses it.
void applyConsentDates(store::Table& cliente, const core::Date& today);

// Whether the current client of `cliente` has given the mark.
bool hasConsent(store::Table& cliente, const ConsentMark& mark);

}  // namespace data
