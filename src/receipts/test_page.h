#pragma once
// "Imprimir Teste" of the settings screen: a short receipt that shows whether the printer is
// reached, the width is right (a ruler across the paper) and the accents print.
#include <string>

#include "receipts/printer_settings.h"
#include "receipts/receipt_document.h"

namespace receipts {

ReceiptDocument testPage(const PrinterSettings& settings, const std::string& salonName);

// The test page's bytes, with the drawer pulse when the settings open the drawer.
std::string testPageBytes(const PrinterSettings& settings, const std::string& salonName);

}  // namespace receipts
