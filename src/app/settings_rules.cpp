#include "app/settings_rules.h"

#include "core/text.h"
#include "data/audit_trail.h"
#include "data/dm.h"

namespace app {

namespace {

std::string areaOf(data::Tdm& dm) {
    return dm.TbAcesso.field("Codigo").asString() + " " + dm.TbAcesso.field("Local").asString();
}

}  // namespace

bool toggleProtection(data::Tdm& dm) {
    store::Table& acesso = dm.TbAcesso;
    const bool protect = core::trimmed(acesso.field("Status").asString()).empty();
    data::postAudited(dm, {&acesso}, [&] {
        acesso.edit();
        acesso.field("Status").setString(protect ? "X" : "");
        acesso.post();
        return data::AuditEntry{.acao = protect ? "Área Protegida" : "Área Liberada",
                                .tabela = acesso.name(),
                                .chave = acesso.field("Codigo").asString(),
                                .resumo = areaOf(dm)};
    });
    return protect;
}

bool grantCurrentArea(data::Tdm& dm) {
    store::Table& permitted = dm.TbItemAcesso;
    const std::int64_t employee = dm.TbSenha.field("CodFUN").asInteger();
    if (permitted.findKey({dm.TbAcesso.field("Codigo").asFloat(), employee})) return false;
    data::postAudited(dm, {&permitted}, [&] {
        permitted.insert();  // the area comes from the link to TbAcesso
        permitted.field("Numero").setInteger(employee);
        permitted.field("Usuario").setString(dm.TbSenha.field("Usuario").asString());
        permitted.post();
        // The current TbSenha record is the user given the area, not one who authorized it.
        return data::AuditEntry{.acao = "Usuário Habilitado na Área",
                                .tabela = permitted.name(),
                                .chave = dm.TbAcesso.field("Codigo").asString(),
                                .resumo = areaOf(dm) + ": " + dm.TbSenha.field("Usuario").asString(),
                                .noAuthorizer = true};
    });
    return true;
}

void removeCurrentPermission(data::Tdm& dm) {
    store::Table& permitted = dm.TbItemAcesso;
    data::postAudited(dm, {&permitted}, [&] {
        const data::AuditEntry audited{.acao = "Usuário Retirado da Área",
                                       .tabela = permitted.name(),
                                       .chave = dm.TbAcesso.field("Codigo").asString(),
                                       .resumo = areaOf(dm) + ": " + permitted.field("Usuario").asString()};
        permitted.deleteRecord();
        return audited;
    });
}

void saveSettings(data::Tdm& dm, bool automaticCommission, bool automaticValue,
                  const receipts::PrinterSettings& printer) {
    store::Table& config = dm.TbConfig;
    if (!config.isEditing()) config.edit();
    data::postAudited(dm, {&config}, [&] {
        config.field("COM").setString(automaticCommission ? "SIM" : "");
        config.field("VALOR").setString(automaticValue ? "SIM" : "");
        receipts::writePrinterSettings(config, printer);
        config.post();
        return data::AuditEntry{.acao = "Configurações Alteradas",
                                .tabela = config.name(),
                                .resumo = "Salão " + config.field("Nome").asString() + "; comissão automática " +
                                          (automaticCommission ? "sim" : "não") + ", valor travado " +
                                          (automaticValue ? "sim" : "não")};
    });
}

}  // namespace app
