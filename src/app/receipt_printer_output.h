#pragma once
// The screens' way to the receipt printer: lay the receipt out, send it, and when the printer
// fails tell the user why, in Portuguese, without undoing anything already recorded.
#include <QString>

#include <functional>
#include <string>

#include "receipts/printer_settings.h"

namespace data {
class Tdm;
}

namespace app {

// The receipt printer TbConfig names; Transport::None when receipts go to the system printer.
receipts::PrinterSettings receiptPrinter(data::Tdm& dm);

// Runs `bytes` (guarded as any screen action: a refusal or store error is shown and nothing is
// sent) and sends what it made as `settings` say. A printer failure shows "O recibo não foi
// impresso: " with the reason, then `afterFailure`. True when the printer took the receipt.
bool printOnReceiptPrinter(const receipts::PrinterSettings& settings, const std::function<std::string()>& bytes,
                           const QString& afterFailure = {});

}  // namespace app
