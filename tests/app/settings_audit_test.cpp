// Changing who may enter an area, and the settings, each leave their row of the audit trail.
#include <gtest/gtest.h>

#include "app/settings_rules.h"
#include "app_fixture.h"
#include "data/access_areas.h"
#include "receipts/printer_settings.h"

namespace {

class SettingsAudit : public apptest::AppTest {};

TEST_F(SettingsAudit, ProtectingGrantingRemovingAndSavingAreEachOneRow) {
    addEmployee(2, "BRUNA");
    addUser(2, "BRUNA", "ABC", 2);
    dm.loggedIn = {1, "ADMINISTRADOR"};
    ASSERT_TRUE(dm.TbAcesso.findKey({data::area::kBackup}));
    EXPECT_TRUE(app::toggleProtection(dm));
    makeCurrentUser(2);
    EXPECT_TRUE(app::grantCurrentArea(dm));
    EXPECT_FALSE(app::grantCurrentArea(dm)) << "already permitted: nothing to record";
    app::removeCurrentPermission(dm);
    dm.TbConfig.first();
    dm.TbConfig.edit();
    dm.TbConfig.field("Nome").setString("Salão Bela Vista");
    app::saveSettings(dm, true, false, receipts::PrinterSettings{});

    const auto trail = testsupport::auditTrail(dataSet());
    std::vector<std::string> actions;
    for (const auto& row : trail) actions.push_back(row.acao);
    EXPECT_EQ(actions, (std::vector<std::string>{"Área Protegida", "Usuário Habilitado na Área",
                                                 "Usuário Retirado da Área", "Configurações Alteradas"}));
    ASSERT_EQ(trail.size(), 4u);
    EXPECT_NE(trail[1].resumo.find("BRUNA"), std::string::npos) << trail[1].resumo;
    EXPECT_EQ(trail[1].autorizou, "") << "the user given the area authorized nothing";
    EXPECT_NE(trail[3].resumo.find("Salão Bela Vista"), std::string::npos) << trail[3].resumo;
    dm.TbConfig.refresh();
    EXPECT_EQ(dm.TbConfig.field("COM").asString(), "SIM");
}

}  // namespace
