#include "receipts/printer_settings.h"

#include "core/text.h"
#include "data/store/table.h"

namespace receipts {

namespace {

// How each transport is recorded in TbConfig.ImpTransporte.
struct TransportWord {
    Transport transport;
    const char* word;
};
constexpr TransportWord kTransportWords[] = {{Transport::None, ""},
                                             {Transport::Network, "REDE"},
                                             {Transport::Device, "ARQUIVO"},
                                             {Transport::Cups, "CUPS"}};

Transport transportOf(const std::string& word) {
    for (const TransportWord& entry : kTransportWords)
        if (word == entry.word) return entry.transport;
    return Transport::None;
}

const char* wordOf(Transport transport) {
    for (const TransportWord& entry : kTransportWords)
        if (transport == entry.transport) return entry.word;
    return "";
}

}  // namespace

PrinterSettings readPrinterSettings(store::Table& config) {
    PrinterSettings settings;
    const auto text = [&config](const char* name) { return core::trimmed(config.field(name).asString()); };
    settings.transport = transportOf(text("ImpTransporte"));
    settings.host = text("ImpHost");
    if (const auto port = config.field("ImpPorta").asInteger(); port > 0 && port < 65536)
        settings.port = static_cast<int>(port);
    if (const std::string device = text("ImpDispositivo"); !device.empty()) settings.device = device;
    settings.queue = text("ImpFila");
    if (config.field("ImpLargura").asInteger() == kNarrowColumns) settings.columns = kNarrowColumns;
    if (text("ImpCodigo") == "WPC1252") settings.codePage = CodePage::WPC1252;
    settings.openDrawer = text("ImpGaveta") == "SIM";
    return settings;
}

void writePrinterSettings(store::Table& config, const PrinterSettings& settings) {
    config.field("ImpTransporte").setString(wordOf(settings.transport));
    config.field("ImpHost").setString(settings.host);
    config.field("ImpPorta").setInteger(settings.port);
    config.field("ImpDispositivo").setString(settings.device);
    config.field("ImpFila").setString(settings.queue);
    config.field("ImpLargura").setInteger(settings.columns);
    config.field("ImpCodigo").setString(settings.codePage == CodePage::WPC1252 ? "WPC1252" : "PC860");
    config.field("ImpGaveta").setString(settings.openDrawer ? "SIM" : "");
}

}  // namespace receipts
