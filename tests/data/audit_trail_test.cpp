// The audit trail: written inside the action's own posting, append-only, and chained by
// hashes so that a row removed or altered beside the program is found.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <sstream>

#include "data/audit_command_line.h"
#include "data/audit_trail.h"
#include "data/refusal.h"
#include "data/rows.h"
#include "support/data_fixture.h"

namespace {

using testsupport::DataTest;

class AuditTrail : public DataTest {
  protected:
    void record(const std::string& acao, const std::string& resumo = {}) {
        data::auditAlone(dm, {.acao = acao, .tabela = "TbCaixa", .chave = "1", .resumo = resumo});
    }

    // What the command prints and returns for this data set.
    std::pair<int, std::string> verify() {
        std::ostringstream out, err;
        const int status = data::runAuditCheck({"--verificar-auditoria"}, dataSet(), out, err);
        return {status, out.str() + err.str()};
    }

    // The same client without dropping anything: the file itself refuses.
    int plainClient(const std::string& statement) {
        dm.TbAuditoria.close();
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open((dataDir() / "Auditoria.DAT").c_str(), &db), SQLITE_OK);
        const int status = sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return status;
    }
};

TEST_F(AuditTrail, RowsCarryWhoWhatAndAChainThatHolds) {
    dm.loggedIn = {1, "ADMINISTRADOR"};
    ASSERT_TRUE(dm.TbSenha.findKey({std::int64_t{1}}));
    record("Abertura do Caixa", "R$ 100,00");
    data::addRow(dm.TbSenha, {{"Codigo", std::int64_t{2}}, {"Usuario", "BRUNA"}});
    record("Retirada do Caixa");

    const auto trail = testsupport::auditTrail(dataSet());
    ASSERT_EQ(trail.size(), 2u);
    EXPECT_EQ(trail[0].usuario, "ADMINISTRADOR");
    EXPECT_EQ(trail[0].autorizou, "") << "the user himself: nobody else authorized it";
    EXPECT_EQ(trail[0].resumo, "R$ 100,00");
    EXPECT_EQ(trail[1].autorizou, "BRUNA");
    EXPECT_EQ(verify(), (std::pair<int, std::string>{0, "Trilha de auditoria íntegra: 2 registros conferidos.\n"}));
}

TEST_F(AuditTrail, APostingThatFailsWritesNoRow) {
    dm.TbCaixa.open();
    EXPECT_THROW(data::postAudited(dm, {&dm.TbCaixa},
                                   [&]() -> data::AuditEntry {
                                       dm.TbCaixa.insert();
                                       dm.TbCaixa.field("Contador").setInteger(1);
                                       dm.TbCaixa.post();
                                       throw data::Refusal("O Caixa Não Está Aberto!!!");
                                   }),
                 data::Refusal);
    EXPECT_TRUE(testsupport::auditTrail(dataSet()).empty());
    EXPECT_EQ(dm.TbCaixa.recordCount(), 0) << "nor anything of the action";
}

TEST_F(AuditTrail, APlainClientCannotChangeOrRemoveARow) {
    record("Entrada no Sistema");
    EXPECT_NE(plainClient("UPDATE registros SET Resumo = 'nada'"), SQLITE_OK);
    EXPECT_NE(plainClient("DELETE FROM registros"), SQLITE_OK);
    EXPECT_EQ(testsupport::auditTrail(dataSet()).size(), 1u);
}

TEST_F(AuditTrail, ARowAlteredOrRemovedInTheMiddleIsNamed) {
    const struct {
        const char* what;
        std::string statement;
        std::string said;
    } cases[] = {
        {"altered", "UPDATE registros SET Resumo = 'R$ 1,00' WHERE Codigo = 2",
         "Trilha de auditoria violada no registro 2: o conteúdo foi alterado depois de gravado.\n"},
        {"removed", "DELETE FROM registros WHERE Codigo = 2",
         "Trilha de auditoria violada no registro 3: falta o registro 2 antes dele (removido).\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::InitialDataSet fresh(testsupport::Backend::Sqlite);
        testsupport::RecordingMessages quiet;
        {
            data::Tdm station(fresh.location(), quiet);
            for (const char* acao : {"Abertura do Caixa", "Retirada do Caixa", "Fechamento do Caixa"})
                data::auditAlone(station, {.acao = acao, .resumo = "R$ 50,00"});
        }
        // A plain SQLite client, as someone covering his tracks would use it: guards dropped first.
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((fresh.location().directory / "Auditoria.DAT").c_str(), &db), SQLITE_OK);
        const std::string sql = "DROP TRIGGER \"velmora_recusa_UPDATE\"; DROP TRIGGER \"velmora_recusa_DELETE\"; " +
                                c.statement;
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);

        std::ostringstream out, err;
        EXPECT_EQ(data::runAuditCheck({"--verificar-auditoria"}, fresh.location(), out, err), 1);
        EXPECT_EQ(out.str(), c.said);
    }
}

TEST_F(AuditTrail, ADataSetMadeBeforeTheTrailStartsOneWhenOpened) {
    dm.TbAuditoria.close();
    std::filesystem::remove(dataDir() / "Auditoria.DAT");
    testsupport::RecordingMessages quiet;
    data::Tdm reopened(dataSet(), quiet);
    EXPECT_TRUE(reopened.TbAuditoria.fileExists());
    EXPECT_TRUE(quiet.said.empty());
    data::auditAlone(reopened, {.acao = "Entrada no Sistema"});
    EXPECT_EQ(testsupport::auditTrail(dataSet()).size(), 1u);
}

}  // namespace
