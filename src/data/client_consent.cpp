#include "data/client_consent.h"

#include "data/store/table.h"

namespace data {

bool hasConsent(store::Table& cliente, const ConsentMark& mark) {
    return cliente.field(mark.field).asString() == kConsentGiven;
}

void applyConsentDates(store::Table& cliente, const core::Date& today) {
    for (const ConsentMark& mark : {kReminderConsent, kOfferConsent}) {
        store::Field day = cliente.field(mark.dateField);
        if (!hasConsent(cliente, mark))
            day.clear();
        else if (day.isNull())
            day.setDate(today);
    }
}

}  // namespace data
