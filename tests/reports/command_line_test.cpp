// Reports without a window: `--pdf REPORT OUT.pdf`, read back with pdftotext.
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "data/rows.h"
#include "page_text.h"
#include "reports/report_command_line.h"
#include "support/data_fixture.h"

namespace {

using reportstest::pdfText;

class ReportCommandLineTest : public ::testing::Test {
  protected:
    std::optional<int> run(std::vector<std::string> args) {
        err.str({});
        return reports::runReportCommandLine(args, demo.path(), err);
    }
    std::string pdf(const std::string& name) { return (out / name).string(); }

    testsupport::InitialDataDirectory demo{true};
    testsupport::TempDir out;
    std::ostringstream err;
};

TEST_F(ReportCommandLineTest, WithoutPdfItIsNotItsTurn) {
    EXPECT_EQ(run({"--data", "/tmp"}), std::nullopt);
    EXPECT_EQ(run({}), std::nullopt);
}

TEST_F(ReportCommandLineTest, WritesTheClientListingInNameOrder) {
    ASSERT_EQ(run({"--pdf", "clientes", pdf("clientes.pdf")}), 0) << err.str();
    const std::string text = pdfText(out / "clientes.pdf");
    EXPECT_NE(text.find("LISTAGEM DE CLIENTES"), std::string::npos) << text;
    EXPECT_NE(text.find("Endereço: Rua das Acácias, 120 - Bairro: Jardim América Cidade: Belo Horizonte"),
              std::string::npos);
    std::size_t at = 0;
    for (const char* name : {"ADRIANA FERREIRA", "BEATRIZ CARVALHO", "HELENA COSTA", "MARIANA GOMES"}) {
        const auto found = text.find(name, at);
        ASSERT_NE(found, std::string::npos) << name;
        at = found;
    }
}

TEST_F(ReportCommandLineTest, WritesEachReportWithItsOwnSelection) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const std::string month = std::string(core::monthName(core::Date::today().month));
    for (const Case& c : {
             Case{{"--pdf", "precos-servicos", pdf("s.pdf")},
                  {"TABELA DE PREÇO SERVIÇOS", "CÓD. DESCRIÇÃO VALOR R$", "1 CORTE FEMININO 60,00"},
                  {"SHAMPOO"}},
             Case{{"--pdf", "precos-produtos", pdf("p.pdf")},
                  {"TABELA DE PREÇO PRODUTOS", "ESTOQUE", "13 SHAMPOO 300ML 24 32,90"},
                  {"CORTE FEMININO"}},
             Case{{"--pdf", "precos-todos", pdf("t.pdf")},
                  {"TABELA DE PREÇO PRODUTOS E SERVIÇOS", "SHAMPOO 300ML", "CORTE FEMININO"},
                  {"ESTOQUE"}},
             Case{{"--pdf", "aniversariantes-dia", pdf("d.pdf")},
                  {"RELAÇÃO DE ANIVERSARIANTE DO DIA", "ADRIANA FERREIRA", "BEATRIZ CARVALHO"},
                  {"MARIANA GOMES"}},
             Case{{"--mes", std::to_string(core::Date::today().month), "--pdf", "aniversariantes-mes",
                   pdf("m.pdf")},
                  {"RELAÇÃO DE ANIVERSARIANTE MÊS: " + month, "ADRIANA FERREIRA", "CAMILA ROCHA",
                   "DANIELA SANTOS"},
                  {"MARIANA GOMES"}},
         }) {
        SCOPED_TRACE(c.args[c.args.size() - 2]);
        ASSERT_EQ(run(c.args), 0) << err.str();
        const std::string text = pdfText(c.args.back());
        for (const auto& wanted : c.present)
            EXPECT_NE(text.find(wanted), std::string::npos) << wanted << "\n" << text;
        for (const auto& unwanted : c.absent) EXPECT_EQ(text.find(unwanted), std::string::npos) << unwanted;
    }
}

TEST_F(ReportCommandLineTest, WritesTheClosingOfTheCashPeriodAskedForOrOfTheLastOne) {
    {
        testsupport::RecordingMessages quiet;
        data::Tdm dm(demo.path(), quiet);
        dm.TbCaixa.open();
        for (std::int64_t number : {1, 2})
            data::addRow(dm.TbCaixa, {{"Contador", number},
                                      {"Status", number == 1 ? "FECHADO" : "ABERTO"},
                                      {"Funcionario", number == 1 ? "ANA PAULA" : "JOANA"},
                                      {"Repasse", number == 1 ? 100.0 : 0.0}});
        dm.TbServico.open();
        data::addRow(dm.TbServico, {{"Cliente", "CARLA SOUZA"},
                                    {"TipoPG", "DINHEIRO"},
                                    {"PGTotal", 55.0},
                                    {"Caixa", std::int64_t{1}}});
    }
    ASSERT_EQ(run({"--pdf", "fechamento-caixa", pdf("1.pdf"), "--numero", "1"}), 0) << err.str();
    const std::string first = pdfText(out / "1.pdf");
    for (const char* wanted :
         {"Relatório de Fechamento de Caixa - ANA PAULA", "CARLA SOUZA DINHEIRO 55,00", "REPASSAR R$ 100,00"})
        EXPECT_NE(first.find(wanted), std::string::npos) << wanted << "\n" << first;
    ASSERT_EQ(run({"--pdf", "fechamento-caixa", pdf("last.pdf")}), 0) << err.str();
    const std::string last = pdfText(out / "last.pdf");
    EXPECT_NE(last.find("Relatório de Fechamento de Caixa - JOANA"), std::string::npos) << last;
    EXPECT_EQ(last.find("CARLA SOUZA"), std::string::npos);
}

TEST_F(ReportCommandLineTest, WritesTheDaysBookAndAnEmployeesServicesOfToday) {
    {
        testsupport::RecordingMessages quiet;
        data::Tdm dm(demo.path(), quiet);
        dm.TbAgenda.open();
        for (const auto& [code, nome, hora, cliente] :
             {std::tuple{std::int64_t{2}, "ANA PAULA SOUZA", "10:00", "HELENA COSTA"},
              std::tuple{std::int64_t{3}, "BRUNO LIMA", "09:00", ""}})
            data::addRow(dm.TbAgenda, {{"Codigo", code},
                                       {"Data", "2026-12-14"},
                                       {"Hora", hora},
                                       {"Funcionario", nome},
                                       {"Cliente", cliente}});
        dm.TbHistorico.open();
        data::addRow(dm.TbHistorico, {{"Ordem", std::int64_t{1}},
                                      {"Codigo", std::int64_t{1}},
                                      {"Servico", "CORTE FEMININO"},
                                      {"Valor", 60.0},
                                      {"COM", 40.0},
                                      {"CodFUN", std::int64_t{2}},
                                      {"Data", core::Date::today().toIso()}});
    }
    ASSERT_EQ(run({"--pdf", "agenda", pdf("a.pdf"), "--data-agenda", "14/12/2026"}), 0) << err.str();
    const std::string all = pdfText(out / "a.pdf");
    for (const char* wanted :
         {"AGENDA DIÁRIA DE SERVIÇOS", "09:00 BRUNO LIMA", "10:00 ANA PAULA SOUZA HELENA COSTA"})
        EXPECT_NE(all.find(wanted), std::string::npos) << wanted << "\n" << all;
    EXPECT_LT(all.find("09:00 BRUNO"), all.find("10:00 ANA"));
    ASSERT_EQ(run({"--pdf", "agenda", pdf("b.pdf"), "--data-agenda", "14/12/26", "--funcionario", "2"}), 0)
        << err.str();
    EXPECT_EQ(pdfText(out / "b.pdf").find("BRUNO"), std::string::npos);

    ASSERT_EQ(run({"--pdf", "comanda", pdf("c.pdf"), "--funcionario", "2"}), 0) << err.str();
    const std::string services = pdfText(out / "c.pdf");
    // 60,00 at 40 % less the demo's 5 % fee
    for (const char* wanted :
         {"Funcionário: ANA PAULA SOUZA", "CORTE FEMININO", "TOTAL COMISSÕES...R$ 21,00"})
        EXPECT_NE(services.find(wanted), std::string::npos) << wanted << "\n" << services;
}

TEST_F(ReportCommandLineTest, UsesTheDataDirectoryGivenOverTheConfiguredOne) {
    testsupport::InitialDataDirectory empty{false};
    ASSERT_EQ(reports::runReportCommandLine(
                  {"--pdf", "clientes", pdf("c.pdf"), "--data", empty.path().string()}, demo.path(), err),
              0);
    EXPECT_EQ(pdfText(out / "c.pdf").find("ADRIANA"), std::string::npos);
}

TEST_F(ReportCommandLineTest, RefusesWhatItCannotDoWithoutWritingAFile) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string says;
    };
    for (const Case& c :
         {Case{{"--pdf"}, 2, "falta o relatório"},
          Case{{"--pdf", "clientes"}, 2, "falta o relatório"},
          Case{{"--pdf", "fornecedores", pdf("x.pdf")}, 2, "relatório desconhecido: fornecedores"},
          Case{{"--pdf", "aniversariantes-mes", pdf("x.pdf")}, 2, "pede --mes"},
          Case{{"--pdf", "aniversariantes-mes", pdf("x.pdf"), "--mes", "13"}, 2, "mês inválido: 13"},
          Case{{"--pdf", "aniversariantes-mes", pdf("x.pdf"), "--mes", "3x"}, 2, "mês inválido"},
          Case{{"--pdf", "clientes", pdf("x.pdf"), "--data"}, 2, "falta o valor de --data"},
          Case{{"--pdf", "fechamento-caixa", pdf("x.pdf"), "--numero", "0"}, 2, "número inválido: 0"},
          Case{{"--pdf", "fechamento-caixa", pdf("x.pdf"), "--numero", "2a"}, 2, "número inválido: 2a"},
          Case{{"--pdf", "fechamento-caixa", pdf("x.pdf")}, 1, "Nenhum caixa foi aberto até agora."},
          Case{{"--pdf", "fechamento-caixa", pdf("x.pdf"), "--numero", "4"},
               1,
               "O caixa número 4 não existe."},
          Case{{"--pdf", "agenda", pdf("x.pdf")}, 2, "pede --data-agenda"},
          Case{{"--pdf", "agenda", pdf("x.pdf"), "--data-agenda", "31/02/2026"},
               2,
               "data inválida em --data-agenda: 31/02/2026"},
          Case{{"--pdf", "comanda", pdf("x.pdf")}, 2, "pede --funcionario"},
          Case{{"--pdf", "comanda", pdf("x.pdf"), "--funcionario", "99"},
               1,
               "O funcionário número 99 não existe."},
          Case{{"--pdf", "recibo-venda", pdf("x.pdf")}, 2, "pede --numero"},
          Case{{"--pdf", "recibo-venda", pdf("x.pdf"), "--numero", "999"}, 1, "Lançamento Não Encontrado!"},
          Case{{"--pdf", "recebidas-cliente", pdf("x.pdf"), "--cliente", "999", "--de", "01/05/2025", "--ate",
                "31/05/2025"},
               1,
               "Não Existe Cliente Com Este Código!"},
          Case{{"--pdf", "extrato", pdf("x.pdf"), "--conta", "", "--de", "01/05/2025", "--ate", "31/05/2025"},
               2,
               "conta inválida: ''"},
          Case{{"--pdf", "extrato", pdf("x.pdf"), "--conta", " 12345-6", "--de", "01/05/2025", "--ate",
                "31/05/2025"},
               2,
               "conta inválida: ' 12345-6'"},
          Case{{"--pdf", "extrato", pdf("x.pdf"), "--conta", "12345-67890", "--de", "01/05/2025", "--ate",
                "31/05/2025"},
               2,
               "conta inválida: '12345-67890'"},
          Case{{"--pdf", "extrato", pdf("x.pdf"), "--conta", "99999-9", "--de", "01/05/2025", "--ate",
                "31/05/2025"},
               1,
               "Conta Bancária Inexistente!"},
          Case{{"--pdf", "clientes", pdf("x.pdf"), "--mes", "3"},
               2,
               "argumento desconhecido para o relatório clientes: --mes"},
          Case{{"--pdf", "clientes", pdf("x.pdf"), "extra"},
               2,
               "argumento desconhecido para o relatório clientes: extra"},
          Case{{"--pdf", "clientes", pdf("x.pdf"), "--data", out.path().string()}, 1, "não tem as tabelas"},
          Case{{"--pdf", "clientes", (out / "nao-existe" / "x.pdf").string()},
               1,
               "Não foi possível gravar o arquivo PDF"},
          Case{{"--txt", "clientes", pdf("x.pdf"), "--pdf", "precos-todos", pdf("y.pdf")},
               2,
               "use um formato só"},
          Case{{"--txt", "clientes"}, 2, "falta o relatório ou o arquivo de texto"},
          Case{{"--txt", "fechamento-caixa", pdf("x.pdf")}, 1, "Nenhum caixa foi aberto até agora."},
          Case{{"--txt", "clientes", (out / "nao-existe" / "x.txt").string()},
               1,
               "Não foi possível gravar o arquivo de texto"}}) {
        SCOPED_TRACE(c.says);
        EXPECT_EQ(run(c.args), c.status);
        EXPECT_NE(err.str().find(c.says), std::string::npos) << err.str();
        EXPECT_FALSE(std::filesystem::exists(out / "x.pdf"));
    }
}

}  // namespace
