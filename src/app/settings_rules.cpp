#include "app/settings_rules.h"

#include "core/text.h"
#include "data/dm.h"

namespace app {

bool toggleProtection(data::Tdm& dm) {
    store::Table& acesso = dm.TbAcesso;
    const bool protect = core::trimmed(acesso.field("Status").asString()).empty();
    acesso.edit();
    acesso.field("Status").setString(protect ? "X" : "");
    acesso.post();
    return protect;
}

bool grantCurrentArea(data::Tdm& dm) {
    store::Table& permitted = dm.TbItemAcesso;
    const std::int64_t employee = dm.TbSenha.field("CodFUN").asInteger();
    if (permitted.findKey({dm.TbAcesso.field("Codigo").asFloat(), employee})) return false;
    permitted.insert();  // the area comes from the link to TbAcesso
    permitted.field("Numero").setInteger(employee);
    permitted.field("Usuario").setString(dm.TbSenha.field("Usuario").asString());
    permitted.post();
    return true;
}

void saveSettings(data::Tdm& dm, bool automaticCommission, bool automaticValue,
                  const receipts::PrinterSettings& printer) {
    store::Table& config = dm.TbConfig;
    config.edit();
    config.field("COM").setString(automaticCommission ? "SIM" : "");
    config.field("VALOR").setString(automaticValue ? "SIM" : "");
    receipts::writePrinterSettings(config, printer);
    config.post();
}

}  // namespace app
