// The audit trail's report: the rows of a period, of one user, of one action, each with who,
// who authorized, what, where and why; and its form on the command line.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include <fstream>
#include <sstream>

#include "core/date.h"
#include "data/audit_trail.h"
#include "data/rows.h"
#include "payables/bill_entry.h"
#include "payables/settlement.h"
#include "reports/audit_report.h"
#include "reports/audit_screen.h"
#include "reports/report_command_line.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/date_box.h"

namespace {

using core::Date;

class AuditReportTest : public testsupport::DataTest {
  protected:
    enum { ADMINISTRADOR = 1, BRUNA = 2, CARLOS = 3 };

    // Three users' actions of today: BRUNA's withdrawal authorized by CARLOS, a sale deleted by
    // ADMINISTRADOR with a reason, and BRUNA's login.
    void SetUp() override {
        data::addRow(dm.TbSenha, {{"Codigo", std::int64_t{BRUNA}}, {"Usuario", "BRUNA"}});
        data::addRow(dm.TbSenha, {{"Codigo", std::int64_t{CARLOS}}, {"Usuario", "CARLOS"}});
        dm.loggedIn = {BRUNA, "BRUNA"};
        ASSERT_TRUE(dm.TbSenha.findKey({std::int64_t{CARLOS}}));
        data::auditAlone(dm, {.acao = "Retirada do Caixa",
                              .tabela = "TbCaixa",
                              .chave = "4",
                              .resumo = "R$ 50,00",
                              .motivo = "troco"});
        dm.loggedIn = {ADMINISTRADOR, "ADMINISTRADOR"};
        ASSERT_TRUE(dm.TbSenha.findKey({std::int64_t{ADMINISTRADOR}}));
        data::auditAlone(dm, {.acao = "Exclusão de Venda",
                              .tabela = "TbServico",
                              .chave = "17",
                              .resumo = "Total R$ 77,50\nDINHEIRO\n3 SHAMPOO",
                              .motivo = "venda em dobro"});
        dm.loggedIn = {BRUNA, "BRUNA"};
        ASSERT_TRUE(dm.TbSenha.findKey({std::int64_t{BRUNA}}));
        data::auditAlone(dm, {.acao = "Entrada no Sistema", .tabela = "TbSenha", .chave = "2"});
    }

    static reports::AuditSelection selection(const Date& from, const Date& to, std::int64_t user = 0,
                                             std::string action = {}) {
        return {{from, to, core::shortDate(from), core::shortDate(to)}, user, std::move(action)};
    }

    const Date today = Date::today();
};

TEST_F(AuditReportTest, EachRowSaysWhenWhereWhoWhatAndWhy) {
    const auto lines = reports::gatherAudit(dm, selection(today, today));
    ASSERT_EQ(lines.size(), 3u);
    const reports::AuditLine& withdrawal = lines[0];
    EXPECT_EQ(withdrawal.data, core::shortDate(today));
    EXPECT_EQ(withdrawal.hora.size(), 8u) << withdrawal.hora;
    EXPECT_FALSE(withdrawal.estacao.empty());
    EXPECT_EQ(withdrawal.usuario, "BRUNA");
    EXPECT_EQ(withdrawal.autorizou, "CARLOS");
    EXPECT_EQ(withdrawal.acao, "Retirada do Caixa");
    EXPECT_EQ(withdrawal.tabelaChave, "TbCaixa 4");
    EXPECT_EQ(withdrawal.resumo, "R$ 50,00");
    EXPECT_EQ(withdrawal.motivo, "troco");

    const reports::AuditLine& deletion = lines[1];
    EXPECT_EQ(deletion.usuario, "ADMINISTRADOR");
    EXPECT_EQ(deletion.autorizou, "") << "the user himself: nobody else authorized it";
    EXPECT_EQ(deletion.resumo, "Total R$ 77,50; DINHEIRO; 3 SHAMPOO") << "one printed line";
    EXPECT_EQ(deletion.motivo, "venda em dobro");
    EXPECT_EQ(lines[2].acao, "Entrada no Sistema");
    EXPECT_FALSE(dm.TbAuditoria.isOpen()) << "put back closed, as it was found";
}

TEST_F(AuditReportTest, TheSelectionKeepsThePeriodTheUserAndTheAction) {
    const struct {
        const char* why;
        reports::AuditSelection selection;
        std::vector<std::string> actions;
    } cases[] = {
        {"one user", selection(today, today, BRUNA), {"Retirada do Caixa", "Entrada no Sistema"}},
        {"one action", selection(today, today, 0, "Exclusão de Venda"), {"Exclusão de Venda"}},
        {"user and action", selection(today, today, BRUNA, "Entrada no Sistema"), {"Entrada no Sistema"}},
        {"an action of another user", selection(today, today, CARLOS, "Exclusão de Venda"), {}},
        {"a period before", selection(today.addDays(-30), today.addDays(-1)), {}},
        {"a period around",
         selection(today.addDays(-1), today.addDays(1)),
         {"Retirada do Caixa", "Exclusão de Venda", "Entrada no Sistema"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::vector<std::string> actions;
        for (const reports::AuditLine& line : reports::gatherAudit(dm, c.selection))
            actions.push_back(line.acao);
        EXPECT_EQ(actions, c.actions);
    }
}

// A row written by the program's own posting, with the summary it made.
TEST_F(AuditReportTest, APaidBillDeletedThroughItsPostingIsListedWithWhatItWas) {
    payables::BillEntry bill;
    bill.bill = payables::startBill(dm, today, false);
    bill.dataLan = bill.dataVen = today;
    bill.valor = core::Currency::fromDouble(120.0);
    bill.descricao = "LUZ";
    bill.formaPG = "BOLETO";
    ASSERT_FALSE(payables::saveBill(dm, bill, today)) << "left to pay";
    const std::int64_t paid = payables::settleBill(dm, {bill.bill, "BOLETO", "", "", today}, today);
    payables::deletePaidBill(dm, paid);

    const auto lines = reports::gatherAudit(dm, selection(today, today, BRUNA, "Exclusão de Conta Paga"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].tabelaChave, "TbBaixaP " + std::to_string(paid));
    EXPECT_NE(lines[0].resumo.find("LUZ"), std::string::npos) << lines[0].resumo;
    EXPECT_NE(lines[0].resumo.find("R$ 120,00"), std::string::npos) << lines[0].resumo;
    EXPECT_EQ(
        reports::gatherAudit(dm, selection(today, today, ADMINISTRADOR, "Exclusão de Conta Paga")).size(), 0u)
        << "BRUNA, logged in, deleted it";
}

TEST_F(AuditReportTest, TheActionsToChooseFromAreThoseOfTheTrailOnceEach) {
    data::auditAlone(dm, {.acao = "Entrada no Sistema"});
    EXPECT_EQ(reports::auditActions(dm),
              (std::vector<std::string>{"Entrada no Sistema", "Exclusão de Venda", "Retirada do Caixa"}));
}

TEST_F(AuditReportTest, TheCommandLineWritesTheReportOfOneUser) {
    testsupport::TempDir out;
    const std::string file = (out / "a.txt").string(), day = core::shortDate(today);
    std::ostringstream err;
    const auto run = [&](std::vector<std::string> options) {
        std::vector<std::string> args{"--txt", "auditoria", file, "--de", day, "--ate", day};
        args.insert(args.end(), options.begin(), options.end());
        return reports::runReportCommandLine(args, dataSet(), err);
    };
    const auto text = [&] {
        std::ifstream in(file);
        std::ostringstream read;
        read << in.rdbuf();
        return read.str();
    };
    ASSERT_EQ(run({}), 0) << err.str();
    EXPECT_NE(text().find("Relatório de AUDITORIA - Período de: " + day + " a " + day), std::string::npos);
    EXPECT_NE(text().find("venda em dobro"), std::string::npos);
    EXPECT_NE(text().find("TOTAL DE REGISTROS: 3"), std::string::npos) << text();

    ASSERT_EQ(run({"--usuario", "2"}), 0) << err.str();
    EXPECT_EQ(text().find("Exclusão de Venda"), std::string::npos) << text();
    EXPECT_NE(text().find("Retirada do Caixa"), std::string::npos);
    EXPECT_NE(text().find("TOTAL DE REGISTROS: 2"), std::string::npos);

    EXPECT_EQ(run({"--usuario", "dois"}), 2);
    EXPECT_NE(err.str().find("número inválido: dois"), std::string::npos) << err.str();
}

// The screen: the period, a user and an action chosen in its boxes, "Imprimir" handing the
// report of that selection to the preview; without dates nothing is printed.
TEST_F(AuditReportTest, TheScreenPrintsTheSelectionChosenInItsBoxes) {
    testsupport::ScriptedDialogs dialogs;
    std::vector<std::size_t> printed;  // rows of each report handed over
    reports::TFmAuditoria screen(dm, [&](const reports::Report& report) {
        EXPECT_EQ(report.name, "QrAuditoria");
        printed.push_back(report.subDetails.at(0).held.count);
    });
    auto* usuario = screen.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    auto* acao = screen.findChild<QComboBox*>(QStringLiteral("ComboBox2"));
    ASSERT_TRUE(usuario && acao);
    EXPECT_EQ(usuario->itemText(0), QStringLiteral("Todos os Usuários"));
    EXPECT_EQ(usuario->findText(QStringLiteral("2 - BRUNA")), 2) << "every user, by code";
    EXPECT_EQ(acao->count(), 4) << "every action of the trail, once, after \"Todas\"";
    QPushButton* imprimir = screen.findChild<QPushButton*>(QStringLiteral("BitBtn1"));

    imprimir->click();
    EXPECT_TRUE(printed.empty());
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Digite as Datas Inicial e Final!")});

    screen.findChild<ui::DateBox*>(QStringLiteral("MaskEdit1"))->setDate(today);
    screen.findChild<ui::DateBox*>(QStringLiteral("MaskEdit2"))->setDate(today);
    imprimir->click();
    usuario->setCurrentIndex(usuario->findText(QStringLiteral("2 - BRUNA")));
    imprimir->click();
    acao->setCurrentIndex(acao->findText(QStringLiteral("Entrada no Sistema")));
    imprimir->click();
    usuario->setCurrentIndex(0);
    acao->setCurrentIndex(acao->findText(QStringLiteral("Exclusão de Venda")));
    imprimir->click();
    EXPECT_EQ(printed, (std::vector<std::size_t>{3, 2, 1, 1}));

    ASSERT_TRUE(dm.TbSenha.findKey({std::int64_t{BRUNA}}));
    reports::TFmAuditoria again(dm, [](const reports::Report&) {});
    EXPECT_EQ(dm.TbSenha.field("Codigo").asInteger(), BRUNA)
        << "listing the users leaves the current one, who may be authorizing";
}

}  // namespace
