#pragma once
// The receipt of a sale (QrServico, printed by TFmImpServico): the salon, "SERVIÇOS PRESTADOS",
// "RECIBO" and the sale's date; one line per item, its description led by dots to its value;
// then the client, the sale's total and a line for the signature.
#include <cstdint>
#include <functional>

#include "reports/engine/preview.h"
#include "reports/engine/report.h"

namespace data {
class Tdm;
}

namespace reports {

// The layout over the current TbServico record and its items (TbItensServico through its
// master link). It has no data set of its own: the header and the summary print once.
Report saleReceiptReport(data::Tdm& dm);

// Opens TbServico on sale `saleNumber` (its items through the master link), runs `use` and
// closes the tables again. A sale that does not exist is refused (data::Refusal
// "Lançamento Não Encontrado!"). Every layout of the receipt is printed this way.
void withSale(data::Tdm& dm, std::int64_t saleNumber, const std::function<void()>& use);

// The A4 receipt of sale `saleNumber`, through withSale, handed to `output`.
void printSaleReceipt(data::Tdm& dm, std::int64_t saleNumber, const ReportOutput& output);

}  // namespace reports
