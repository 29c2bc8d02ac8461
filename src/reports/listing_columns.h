#pragma once
// The plain listing most money reports are: a few text columns, the value at the right
// edge, and under it all "TOTAL...R$" with the value's sum.
#include <vector>

#include "reports/engine/report.h"

namespace data {
class Tdm;
}

namespace store {
class Table;
}

namespace reports {

struct ListingColumn {
    double x;             // left edge, mm
    const char* caption;  // over the column
    const char* field;    // of the listed table
};

// The detail line (each column up to the next, then `Valor` money-masked at the right) and
// the summary with the total of `Valor`.
void addListingLines(Report& report, data::Tdm& dm, store::Table& table,
                     const std::vector<ListingColumn>& columns);

}  // namespace reports
