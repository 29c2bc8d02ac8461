#pragma once
// The receipt printer at the till: the narrow receipt of the sale just paid (with the change,
// and the drawer pulse for a cash payment when the settings ask) and again from the receipt
// panel. A printer that fails never undoes the sale: the payment is posted before anything
// is sent, the user is told why, and the receipt can be printed again later.
#include <optional>
#include <string>

#include "core/currency.h"
#include "receipts/printer_settings.h"

namespace data {
class Tdm;
}

namespace sales {

// True when TbConfig names a receipt printer; without one the A4 receipt goes to the system
// printer as before.
bool receiptPrinterSet(data::Tdm& dm);

// The bytes of the current TbServico sale's narrow receipt as `settings` lay it out;
// `payment` puts the drawer pulse in when the settings ask for it and the sale was paid in
// "DINHEIRO".
std::string currentSaleReceipt(data::Tdm& dm, const receipts::PrinterSettings& settings,
                               std::optional<core::Currency> handedOver, bool payment);

// Sends the current sale's receipt to the receipt printer TbConfig names, telling the user
// when it fails. False when nothing was printed.
bool printSaleOnReceiptPrinter(data::Tdm& dm, std::optional<core::Currency> handedOver, bool payment);

}  // namespace sales
