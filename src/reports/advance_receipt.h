#pragma once
// The receipt of an employee advance (QrRECFolha): the same receipt twice on one A4 page,
// the amount in figures and in words, whom it was paid to, and how.
#include <cstdint>
#include <string>

#include "core/currency.h"
#include "core/date.h"
#include "reports/engine/preview.h"
#include "reports/engine/report.h"

namespace data {
class Tdm;
}

namespace reports {

// What a receipt prints, captured when it is asked for: the screen behind the preview may
// change its tables while the preview is open.
struct AdvanceReceipt {
    std::string employee;
    core::Currency value;
    bool byCheque = false;
    std::string cheque;
    core::Date day;
};

// "Adiantamento (VALE) Pago Com Cheque Nº 123" or "Adiantamento (VALE) Pago em Dinheiro.".
std::string advanceReference(const AdvanceReceipt& receipt);

// The layout, with the salon's logo and name from TbConfig.
Report advanceReceiptReport(data::Tdm& dm, const AdvanceReceipt& receipt);

// The receipt of the saved advance whose TbBaixaP number is `number`; an advance that does
// not exist is refused (data::Refusal) before anything is printed.
void printAdvanceReceipt(data::Tdm& dm, std::int64_t number, const ReportOutput& output);

}  // namespace reports
