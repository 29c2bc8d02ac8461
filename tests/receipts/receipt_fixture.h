#pragma once
// A worked morning at a salon, made through the till's own functions: sale 1 with five items
// (accents in their names, one charged below its catalogue price), part paid from the client's
// credit and the rest in cash with change; two IOU notes of the same client; the cash record
// holding them. Dates are fixed so that receipts printed from it never change.
#include <cstdint>
#include <optional>
#include <string>

#include "core/currency.h"
#include "core/date.h"
#include "reports/narrow_receipts.h"
#include "support/data_fixture.h"

namespace receiptstest {

inline core::Currency reais(const char* text) {
    return *core::Currency::parse(text);
}

inline const core::Date kDay{2026, 3, 14};
inline const reports::PrintedAt kPrinted{kDay, {18, 5, 0}};

class ReceiptDataTest : public testsupport::DataTest {
  protected:
    static constexpr std::int64_t kMaria = 7;  // client with 20,00 of credit
    static constexpr std::int64_t kCash = 3;   // the cash record of the day

    ReceiptDataTest();

    struct Line {
        std::int64_t employee;
        std::int64_t item;
        int quantity = 1;
        const char* value = nullptr;  // charged instead of the catalogue price
    };
    // Starts a sale on kDay for kMaria and adds the lines, ready for the payment screen.
    void prepareSale(std::initializer_list<Line> lines);
    // prepareSale, then the payment registered; returns the sale's number.
    std::int64_t sell(std::initializer_list<Line> lines, int code, core::Currency creditUsed = {},
                      core::Currency handedOver = {});

    // The cash sale of five items, paid with 20,00 of credit and 250,00 handed over.
    std::int64_t fiveItemSale();
    // Two IOU notes of kMaria.
    void twoNotes();
    // The day's cash record closed at 19:30.
    void closeCash();
};

}  // namespace receiptstest
