#pragma once
// Where receipts go and how they are laid out, as the settings screen records them in
// TbConfig: no receipt printer (the system printer gets the A4 receipts), a network printer,
// a device file or a CUPS queue set up as raw; the paper width, the character table and
// whether a cash payment opens the drawer.
#include <string>

#include "receipts/escpos.h"

namespace store {
class Table;
}

namespace receipts {

enum class Transport { None, Network, Device, Cups };

inline constexpr int kWideColumns = 48;    // 80 mm paper
inline constexpr int kNarrowColumns = 32;  // 58 mm paper
inline constexpr int kDefaultPort = 9100;

struct PrinterSettings {
    Transport transport = Transport::None;
    std::string host;
    int port = kDefaultPort;
    std::string device = "/dev/usb/lp0";
    std::string queue;
    int columns = kWideColumns;
    CodePage codePage = CodePage::PC860;
    bool openDrawer = false;

    bool operator==(const PrinterSettings&) const = default;
};

// The settings on TbConfig's record; a data set from before they existed reads the defaults.
PrinterSettings readPrinterSettings(store::Table& config);

// Writes them into TbConfig's record, which must be in edit state; the caller posts.
void writePrinterSettings(store::Table& config, const PrinterSettings& settings);

}  // namespace receipts
