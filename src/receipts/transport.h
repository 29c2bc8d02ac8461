#pragma once
// Sends a receipt's bytes where the settings say: a network printer (raw TCP, port 9100 by
// default), a device file such as /dev/usb/lp0, or a CUPS queue set up as raw (through the
// `lp` command of cups-client, so the program links no printing library).
#include <stdexcept>
#include <string>
#include <string_view>

#include "receipts/printer_settings.h"

namespace receipts {

// What went wrong, in Portuguese, as far as the transport can tell (refused, unreachable,
// no permission, the device not taking the data).
class PrinterError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Every byte delivered, or PrinterError. Nothing is sent for Transport::None.
void sendToPrinter(const PrinterSettings& settings, std::string_view bytes);

}  // namespace receipts
