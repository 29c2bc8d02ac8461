#pragma once
// The sale receipt, the IOU settlement receipt and the cash closing summary laid out for a
// thermal receipt printer's narrow paper, from the same records as their A4 documents and
// prepared the same way (withSale, withClientNotes, withCashPeriod).
#include <cstdint>
#include <optional>
#include <string>

#include "core/currency.h"
#include "core/date.h"
#include "receipts/printer_settings.h"
#include "receipts/receipt_document.h"

namespace data {
class Tdm;
}

namespace reports {

// When the receipt was printed, as it says at its foot.
struct PrintedAt {
    core::Date date;
    core::Time time;
    static PrintedAt now() { return {core::Date::today(), core::Time::now()}; }
};

// The current TbServico record and its items. `handedOver` is the amount the client handed
// over, known only at the payment: with it the receipt shows "VALOR PAGO" and "TROCO".
receipts::ReceiptDocument narrowSaleReceipt(data::Tdm& dm, int columns, const PrintedAt& printed,
                                            std::optional<core::Currency> handedOver = std::nullopt);

// The current TbCliente record and its notes in TbReceber as restricted.
receipts::ReceiptDocument narrowClientNotes(data::Tdm& dm, int columns, const PrintedAt& printed);

// The current TbCaixa record and its sales in TbServico as restricted.
receipts::ReceiptDocument narrowCashClosing(data::Tdm& dm, int columns, const PrintedAt& printed);

// Each receipt with its tables prepared as its A4 document's (withSale, withClientNotes,
// withCashPeriod), laid out and encoded as `printer` says; the drawer pulse only when
// `drawer`. Refusals as those functions refuse.
std::string saleReceiptBytes(data::Tdm& dm, std::int64_t saleNumber, const receipts::PrinterSettings& printer,
                             bool drawer, std::optional<core::Currency> handedOver, const PrintedAt& printed);
std::string clientNotesBytes(data::Tdm& dm, std::int64_t clientCode, const receipts::PrinterSettings& printer,
                             bool drawer, const PrintedAt& printed);
std::string cashClosingBytes(data::Tdm& dm, std::optional<std::int64_t> number,
                             const receipts::PrinterSettings& printer, bool drawer, const PrintedAt& printed);

}  // namespace reports
