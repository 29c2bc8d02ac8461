#pragma once
// The small expression language of report totals: a field reference "TbVirtual.COM",
// SUM(reference), and sums or differences of those, such as
// "SUM(TbServico.PGTotal) - SUM(TbServico.Saldo)".
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/currency.h"

namespace store {
class Table;
}

namespace reports {

// A layout that names an unknown table or field, or writes an expression outside the
// language. It is a defect of the report definition, found when the report is built.
class LayoutError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

// Finds a data-module table by its component name; throws for an unknown one.
using TableLookup = std::function<store::Table&(std::string_view name)>;

struct ExpressionTerm {
    bool negative = false;
    bool aggregate = false;  // SUM(...) rather than the current row's value
    store::Table* table = nullptr;
    int field = 0;
};

struct TotalExpression {
    std::string text;
    std::vector<ExpressionTerm> terms;
};

// Throws LayoutError naming what is wrong.
TotalExpression parseTotalExpression(std::string_view text, const TableLookup& tables);

// The running sums of one expression while a report runs: every run starts from zero.
class TotalAccumulator {
  public:
    explicit TotalAccumulator(const TotalExpression& expression);
    // Adds the current row of each aggregated field.
    void accumulate();
    // The aggregates so far plus the current values of the plain references.
    core::Currency value() const;

  private:
    const TotalExpression* expression_;
    std::vector<core::Currency> sums_;
};

}  // namespace reports
