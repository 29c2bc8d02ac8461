// The chart of accounts refuses a code that is already taken.
#include <gtest/gtest.h>

#include "data/plan_duplicate.h"
#include "data/rows.h"
#include "support/data_fixture.h"

namespace {

using testsupport::DataTest;

class PlanDuplicateTest : public DataTest {
  protected:
    void SetUp() override {
        dm.TbPlano.open();
        data::addRow(dm.TbPlano, {{"Codigo", "7"}, {"Descricao", "Material de Limpeza"}});
    }
    std::string descriptionOf(const std::string& code) {
        store::Table reader(dm.DbVelmora, dm.TbPlano.definition(), "TbPlano");
        reader.open();
        return reader.findKey({code}) ? reader.field("Descricao").asString() : "(sem registro)";
    }
};

TEST_F(PlanDuplicateTest, NewRecordWithATakenCodeIsRefusedOnceAndDropped) {
    const int before = dm.TbPlano.recordCount();
    dm.TbPlano.insert();
    dm.TbPlano.field("Codigo").setString("7");
    dm.TbPlano.field("Descricao").setString("Outra Descrição");
    EXPECT_THROW(dm.TbPlano.post(), store::Aborted);

    EXPECT_EQ(messages.said, std::vector<std::string>{data::kPlanCodeTaken});
    EXPECT_EQ(dm.TbPlano.state(), store::TableState::Browse);
    EXPECT_EQ(dm.TbPlano.recordCount(), before);
    EXPECT_EQ(descriptionOf("7"), "Material de Limpeza");
}

TEST_F(PlanDuplicateTest, ChangingACodeToATakenOneIsRefusedAndTheRecordKeepsItsValues) {
    data::addRow(dm.TbPlano, {{"Codigo", "8"}, {"Descricao", "Cursos"}});
    ASSERT_TRUE(dm.TbPlano.findKey({"8"}));
    dm.TbPlano.edit();
    dm.TbPlano.field("Codigo").setString("7");
    dm.TbPlano.field("Descricao").setString("Alterado");
    EXPECT_THROW(dm.TbPlano.post(), store::Aborted);

    EXPECT_EQ(messages.said.size(), 1u);
    EXPECT_EQ(dm.TbPlano.state(), store::TableState::Browse);
    EXPECT_EQ(descriptionOf("8"), "Cursos");
    EXPECT_EQ(descriptionOf("7"), "Material de Limpeza");
    // the record is free again for the next action
    dm.TbPlano.edit();
    dm.TbPlano.cancel();
}

TEST_F(PlanDuplicateTest, OtherPostErrorsAreLeftToTheCaller) {
    dm.TbPlano.insert();
    store::PostErrorAction action = store::PostErrorAction::Fail;
    data::refuseDuplicatePlanCode(dm.TbPlano, store::LockError("bloqueado"), action, messages);
    EXPECT_EQ(action, store::PostErrorAction::Fail);
    EXPECT_TRUE(messages.said.empty());
    EXPECT_EQ(dm.TbPlano.state(), store::TableState::Insert);
}

}  // namespace
