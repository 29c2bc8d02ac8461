// The access check by area and the level check: who is asked, who passes, what is said.
#include <gtest/gtest.h>

#include "app/access.h"
#include "app_fixture.h"
#include "data/access_areas.h"

namespace {

using apptest::AppTest;

class AccessCheck : public AppTest {
  protected:
    void SetUp() override {
        addEmployee(2, "BRUNA");
        addEmployee(3, "CARLA");
        addUser(2, "BRUNA", "B2", 2);
        addUser(3, "CARLA", "C3", 3);
        addUser(4, "BRUNA RECEPCAO", "B4", 2);  // a second user of employee 2
    }

    // Runs the check with an authorization that picks `user` (0: cancels) and counts asks.
    bool check(double area, std::int64_t user) {
        return app::accessCheck(dm, area, dialogs, [&] {
            ++asked;
            if (user == 0) return false;
            makeCurrentUser(user);
            return true;
        });
    }

    int asked = 0;
};

TEST_F(AccessCheck, AnOpenAreaLetsEveryoneThroughWithoutAsking) {
    EXPECT_TRUE(check(3, 3));
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(AccessCheck, AProtectedAreaAdmitsOnlyItsPermittedEmployees) {
    protect(3);
    permit(3, 2, "BRUNA");

    EXPECT_TRUE(check(3, 2));
    EXPECT_TRUE(check(3, 4)) << "a user of the same employee shares the permission";
    EXPECT_TRUE(dialogs.messages.isEmpty());

    EXPECT_FALSE(check(3, 3));
    EXPECT_EQ(dialogs.messages, QStringList{app::kNotAuthorized});
    EXPECT_EQ(asked, 3);
}

TEST_F(AccessCheck, ACancelledAuthorizationStopsSilently) {
    protect(3);
    permit(3, 2, "BRUNA");
    EXPECT_FALSE(check(3, 0));
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(AccessCheck, AProtectedAreaWithoutPermittedUsersRefusesEveryone) {
    protect(1);
    for (std::int64_t user : {1, 2, 3}) EXPECT_FALSE(check(1, user)) << user;
    EXPECT_EQ(dialogs.messages.size(), 3);
}

TEST_F(AccessCheck, AreasAreToldApartAsNumbers) {
    // 17.01 (advances) and 17.1 (deleting a sale) are different areas.
    protect(17.01);
    protect(17.1);
    permit(17.1, 2, "BRUNA");
    EXPECT_TRUE(check(17.1, 2));
    EXPECT_FALSE(check(17.01, 2));
    EXPECT_EQ(dialogs.messages, QStringList{app::kNotAuthorized});
}

TEST_F(AccessCheck, AnAreaWithoutARowIsOpenWhateverAreaWasCurrent) {
    // The lookup fails while a protected area is current: that area must not decide.
    protect(3);
    ASSERT_TRUE(dm.TbAcesso.findKey({3.0}));
    EXPECT_TRUE(check(25, 3));
    EXPECT_EQ(asked, 0);
}

TEST_F(AccessCheck, TheRealDialogLeavesTheChosenUserCurrent) {
    protect(21);
    permit(21, 3, "CARLA");
    dialogs.expectScreen("TFmAutorizacao", apptest::authorizeAs("CARLA", "C3"));
    EXPECT_TRUE(app::accessCheck(dm, 21));
    EXPECT_EQ(currentUser(), "CARLA");

    // The next check starts from that user: pressing OK without choosing checks CARLA.
    protect(24);
    dialogs.expectScreen("TFmAutorizacao", apptest::authorizeAs("", "C3"));
    EXPECT_FALSE(app::accessCheck(dm, 24));
    EXPECT_EQ(dialogs.messages, QStringList{app::kNotAuthorized});
}

struct LevelCase {
    const char* name;
    app::LevelField field;
    const char* required;
    const char* userLevel;
    bool asks;
    bool passes;
};

class LevelCheck : public AppTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(LevelCheck, AdmitsTheRequiredLevelAndLevelOne) {
    const LevelCase& c = GetParam();
    addEmployee(2, "BRUNA");
    addUser(2, "BRUNA", "B2", 2, c.userLevel);
    dm.TbConfig.edit();
    dm.TbConfig.field(c.field == app::LevelField::AltPagar ? "AltPagar" : "Servico").setString(c.required);
    dm.TbConfig.post();

    int asked = 0;
    const bool passed = app::levelCheck(dm, c.field, dialogs, [&] {
        ++asked;
        makeCurrentUser(2);
        return true;
    });
    EXPECT_EQ(asked, c.asks ? 1 : 0);
    EXPECT_EQ(passed, c.passes);
    EXPECT_EQ(dialogs.messages, c.passes ? QStringList{} : QStringList{app::kNotAuthorized});
}

using app::LevelField;
INSTANTIATE_TEST_SUITE_P(
    Access, LevelCheck,
    ::testing::Values(
        LevelCase{"EmptyServicoAsksNothing", LevelField::Servico, "", "", false, true},
        LevelCase{"EmptyAltPagarAsksNothing", LevelField::AltPagar, "", "Nível - 3", false, true},
        LevelCase{"SameLevel", LevelField::Servico, "Nível - 2", "Nível - 2", true, true},
        LevelCase{"LevelOneAlways", LevelField::Servico, "Nível - 2", "Nível - 1", true, true},
        LevelCase{"LowerLevelRefused", LevelField::Servico, "Nível - 2", "Nível - 3", true, false},
        LevelCase{"NoLevelRefused", LevelField::AltPagar, "Nível - 3", "", true, false},
        LevelCase{"AnyLevelAltPagar", LevelField::AltPagar, "Qualquer Nível", "", true, true},
        LevelCase{"AnyLevelServico", LevelField::Servico, "Qualquer Nível", "Nível - 3", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AppTest, ACancelledLevelAuthorizationStopsSilently) {
    dm.TbConfig.edit();
    dm.TbConfig.field("AltPagar").setString("Nível - 1");
    dm.TbConfig.post();
    EXPECT_FALSE(app::levelCheck(dm, app::LevelField::AltPagar, dialogs, [] { return false; }));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace

// A data set made before the audit report had no area for it: opening it adds the area,
// unprotected, and leaves the areas the administrator set as they were.
TEST_F(AccessCheck, AnOlderDataSetGetsTheAreasItLacksWhenOpened) {
    protect(data::area::kAgenda);
    ASSERT_TRUE(dm.TbAcesso.findKey({data::area::kAuditoria})) << "the initial data has it";
    dm.TbAcesso.deleteRecord();
    const int before = dm.TbAcesso.recordCount();

    testsupport::RecordingMessages quiet;
    data::Tdm reopened(dataSet(), quiet);
    EXPECT_TRUE(quiet.said.empty());
    EXPECT_EQ(reopened.TbAcesso.recordCount(), before + 1);
    EXPECT_EQ(reopened.TbAcesso.recordCount(), static_cast<int>(data::accessAreas().size()));
    ASSERT_TRUE(reopened.TbAcesso.findKey({data::area::kAuditoria}));
    EXPECT_EQ(reopened.TbAcesso.field("Local").asString(), "Auditoria");
    EXPECT_EQ(reopened.TbAcesso.field("Status").asString(), "");
    ASSERT_TRUE(reopened.TbAcesso.findKey({data::area::kAgenda}));
    EXPECT_EQ(reopened.TbAcesso.field("Status").asString(), "X") << "left as the administrator set it";
}
