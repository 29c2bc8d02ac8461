// A client's right to be forgotten: anonymising keeps every amount and leaves no trace of
// his name in the data directory.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/currency.h"
#include "data/access_areas.h"
#include "data/refusal.h"
#include "registers/client_anonymise.h"
#include "registers/client_screen.h"
#include "support/temp_dir.h"
#include "ui/ui_fixture.h"

namespace {

using core::Currency;

constexpr std::int64_t MARIA = 7, JOANA = 8;
const std::string kMaria = "MARIANA QUITERIA VASCONCELOS";
const std::string kMariaStreet = "RUA DOS GIRASSOIS AZUIS 1234";
const std::string kMariaMail = "mariana.quiteria@exemplo.com.br";
const std::string kJoana = "JOANA DARC";

class ClientPrivacyTest : public uitest::UiTest {
  protected:
    void SetUp() override {
        dm.loggedIn = {1, "ADMINISTRADOR"};
        addClient(MARIA, kMaria, kMariaStreet, kMariaMail, "ALERGIA A AMONIA");
        addClient(JOANA, kJoana, "AV CENTRAL 5", "joana@exemplo.com.br", "PREFERE TARDE");
        addRow(dm.TbFoto, {{"Codigo", MARIA}, {"Ordem", 1}});
        addRow(dm.TbFoto, {{"Codigo", MARIA}, {"Ordem", 2}});
        addRow(dm.TbFoto, {{"Codigo", JOANA}, {"Ordem", 1}});
        int counter = 1;
        for (auto [code, name, total] : {std::tuple{MARIA, kMaria, 80.0}, std::tuple{JOANA, kJoana, 45.5},
                                         std::tuple{MARIA, kMaria, 12.25}}) {
            addRow(dm.TbServico, {{"Contador", counter}, {"CodCliente", code}, {"Cliente", name}},
                   {{"Total", total}});
            addRow(dm.TbItensServico,
                   {{"Contador", counter}, {"Ordem", 1}, {"CodCli", code}, {"Cliente", name}},
                   {{"Total", total}});
            addRow(dm.TbReceber, {{"Contador", counter}, {"CodCliente", code}, {"Cliente", name}},
                   {{"Valor", total}});
            addRow(dm.TbBaixaR, {{"Contador", counter}, {"CodCliente", code}, {"Cliente", name}},
                   {{"Valor", total}});
            ++counter;
        }
        // A settled note written without the client's code is his by the name.
        addRow(dm.TbBaixaR, {{"Contador", counter}, {"Cliente", kMaria}}, {{"Valor", 3.0}});
        addRow(dm.TbAgenda, {{"Codigo", 1}, {"Data", "2026-12-14"}, {"Hora", "09:00"}, {"Cliente", kMaria}});
        addRow(dm.TbAgenda, {{"Codigo", 1}, {"Data", "2026-12-14"}, {"Hora", "10:00"}, {"Cliente", kJoana}});
        for (store::Table* t : {&dm.TbCliente, &dm.TbFoto, &dm.TbServico, &dm.TbItensServico, &dm.TbReceber,
                                &dm.TbBaixaR, &dm.TbAgenda})
            t->close();
        dm.TbFoto.setIndexFieldNames("Codigo");
        dm.TbFoto.setMasterSource(&dm.TbCliente, "Codigo");
        dm.TbItensServico.setIndexFieldNames("Contador");
        dm.TbItensServico.setMasterSource(&dm.TbServico, "Contador");
    }

    struct Text {
        const char* field;
        store::Value value;
    };
    struct Money {
        const char* field;
        double value;
    };
    void addRow(store::Table& t, std::vector<Text> texts, std::vector<Money> amounts = {}) {
        // Rows of a detail table are written as they stand, not through their master.
        if (&t == &dm.TbItensServico || &t == &dm.TbFoto) t.setMasterSource(nullptr, {});
        if (!t.isOpen()) t.open();
        t.insert();
        for (const Text& text : texts) t.field(text.field).setValue(text.value);
        for (const Money& amount : amounts)
            t.field(amount.field).setCurrency(Currency::fromDouble(amount.value));
        t.post();
    }
    void addClient(std::int64_t code, const std::string& nome, const std::string& street,
                   const std::string& mail, const std::string& obs) {
        addRow(dm.TbCliente,
               {{"Codigo", code},
                {"Nome", nome},
                {"Endereco", street},
                {"Bairro", "JARDIM DAS FLORES"},
                {"Fone", "(11) 3456-7890"},
                {"Email", mail},
                {"Aniversario", "12/03"},
                {"Obs", obs}},
               {{"Saldo", 15.0}});
    }

    // Every amount the books hold for these clients, as another station reads them.
    struct Totals {
        Currency sales, items, notes, settled, credit;
        int photos = 0;
        bool operator==(const Totals&) const = default;
    };
    Totals totals() {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataSet(), quiet);
        fresh.TbItensServico.setMasterSource(nullptr, {});
        fresh.TbFoto.setMasterSource(nullptr, {});
        Totals seen;
        for (auto [table, field, sum] : {std::tuple{&fresh.TbServico, "Total", &seen.sales},
                                         std::tuple{&fresh.TbItensServico, "Total", &seen.items},
                                         std::tuple{&fresh.TbReceber, "Valor", &seen.notes},
                                         std::tuple{&fresh.TbBaixaR, "Valor", &seen.settled},
                                         std::tuple{&fresh.TbCliente, "Saldo", &seen.credit}}) {
            table->open();
            for (table->first(); !table->eof(); table->next()) *sum = *sum + table->field(field).asCurrency();
        }
        fresh.TbFoto.open();
        seen.photos = static_cast<int>(fresh.TbFoto.recordCount());
        return seen;
    }

    // The data directory's files that hold `text` anywhere in their bytes.
    std::vector<std::string> filesHolding(const std::string& text) {
        std::vector<std::string> found;
        for (const auto& file : std::filesystem::recursive_directory_iterator(dataDir())) {
            if (!file.is_regular_file()) continue;
            std::ifstream in(file.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), {}};
            if (bytes.find(text) != std::string::npos) found.push_back(file.path().filename().string());
        }
        return found;
    }

    std::string field(store::Table& t, const std::string& name) { return t.field(name).asString(); }

    // How many rows of the tables that copy a client's name hold `name`, read afresh.
    int rowsNamed(const std::string& name) {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataSet(), quiet);
        fresh.TbItensServico.setMasterSource(nullptr, {});
        int rows = 0;
        for (store::Table* t :
             {&fresh.TbServico, &fresh.TbItensServico, &fresh.TbReceber, &fresh.TbBaixaR, &fresh.TbAgenda}) {
            t->open();
            for (t->first(); !t->eof(); t->next()) rows += field(*t, "Cliente") == name;
        }
        return rows;
    }
};

// On a data directory and on a server alike; only the first has table files to scan.
using ClientPrivacyBackendsTest = testsupport::OnEveryBackend<ClientPrivacyTest>;
DATA_ON_EVERY_BACKEND(ClientPrivacyBackendsTest);

TEST_P(ClientPrivacyBackendsTest, AnonymisingKeepsEveryAmountAndErasesTheClientEverywhere) {
    const Totals before = totals();
    ASSERT_EQ(rowsNamed(kMaria), 10);
    if (!onServer()) ASSERT_FALSE(filesHolding(kMaria).empty()) << "the scan must see the name before";
    registers::anonymiseClient(dm, MARIA);

    Totals after = before;
    after.photos = before.photos - 2;
    EXPECT_EQ(totals(), after);
    EXPECT_EQ(rowsNamed(kMaria), 0);
    EXPECT_EQ(rowsNamed(kJoana), 5) << "another client keeps his name";
    if (!onServer()) {
        for (const std::string& trace : {kMaria, kMariaStreet, kMariaMail, std::string("ALERGIA A AMONIA")})
            EXPECT_EQ(filesHolding(trace), std::vector<std::string>{}) << trace;
    }

    testsupport::RecordingMessages quiet;
    data::Tdm fresh(dataSet(), quiet);
    fresh.TbCliente.open();
    ASSERT_TRUE(fresh.TbCliente.findKey({MARIA}));
    EXPECT_EQ(field(fresh.TbCliente, "Nome"), "CLIENTE ANONIMIZADO nº 7");
    for (const char* blank : {"Endereco", "Bairro", "Fone", "Email", "Aniversario", "Obs"})
        EXPECT_EQ(field(fresh.TbCliente, blank), "") << blank;
    EXPECT_EQ(fresh.TbCliente.field("Saldo").asCurrency(), Currency::fromDouble(15.0)) << "his credit stays";
    ASSERT_TRUE(fresh.TbCliente.findKey({JOANA}));
    EXPECT_EQ(field(fresh.TbCliente, "Endereco"), "AV CENTRAL 5");

    fresh.TbAgenda.open();
    std::vector<std::string> booked;
    for (fresh.TbAgenda.first(); !fresh.TbAgenda.eof(); fresh.TbAgenda.next())
        booked.push_back(field(fresh.TbAgenda, "Cliente"));
    EXPECT_EQ(booked, (std::vector<std::string>{"CLIENTE ANONIMIZADO nº 7", kJoana}));

    const auto trail = testsupport::auditTrail(dataSet());
    ASSERT_EQ(trail.size(), 1u);
    EXPECT_EQ(trail[0].acao, "Anonimização de Cliente");
    EXPECT_EQ(trail[0].chave, "7");
    EXPECT_EQ(trail[0].usuario, "ADMINISTRADOR");
    EXPECT_EQ(trail[0].resumo.find("MARIANA"), std::string::npos);
}

TEST_P(ClientPrivacyBackendsTest, AClientGoneIsRefusedAndNothingIsWritten) {
    const Totals before = totals();
    std::string refusal;
    try {
        registers::anonymiseClient(dm, 99);
    } catch (const data::Refusal& r) {
        refusal = r.what();
    }
    EXPECT_EQ(refusal, "Não Existe Cliente Com Este Código!");
    EXPECT_EQ(totals(), before);
    EXPECT_TRUE(testsupport::auditTrail(dataSet()).empty());
    EXPECT_EQ(rowsNamed(kMaria), 10);
}

// The register with Maria on screen.
class ClientPrivacyScreenTest : public ClientPrivacyTest {
  protected:
    void SetUp() override {
        ClientPrivacyTest::SetUp();
        screen = std::make_unique<registers::TFmClientes>(dm);
        uitest::showActive(*screen);
        ASSERT_TRUE(dm.TbCliente.findKey({MARIA}));
    }
    void protectClientDeletion() {
        ASSERT_TRUE(dm.TbAcesso.findKey({data::area::kExcluirCliente}));
        dm.TbAcesso.edit();
        dm.TbAcesso.field("Status").setString("X");
        dm.TbAcesso.post();
    }
    // The PDF as pdftotext reads it.
    static std::string pdfText(const std::filesystem::path& pdf) {
        std::string text;
        FILE* out = popen(("pdftotext -layout '" + pdf.string() + "' -").c_str(), "r");
        if (!out) return text;
        char chunk[4096];
        for (std::size_t n; (n = fread(chunk, 1, sizeof chunk, out)) > 0;) text.append(chunk, n);
        pclose(out);
        return text;
    }
    static std::string bytesOf(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::unique_ptr<registers::TFmClientes> screen;
};

const QString kAnonymiseQuestion = QStringLiteral(
    "Deseja Anonimizar Este Cliente? Nome, Endereço, Telefones, E-mail e Fotografias Serão Apagados "
    "Definitivamente.");

TEST_F(ClientPrivacyScreenTest, AnonimizarAsksThenErasesTheClientOnScreen) {
    dialogs.answer(false);
    screen->anonimizarButton()->click();
    EXPECT_EQ(dialogs.questions, QStringList{kAnonymiseQuestion});
    EXPECT_EQ(screen->nome()->text().toStdString(), kMaria) << "Não leaves him as he was";
    EXPECT_TRUE(testsupport::auditTrail(dataSet()).empty());

    dialogs.answer(true);
    screen->anonimizarButton()->click();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("O Cliente Foi Anonimizado!")});
    EXPECT_EQ(screen->nome()->text(), QStringLiteral("CLIENTE ANONIMIZADO nº 7"));
    EXPECT_EQ(filesHolding(kMaria), std::vector<std::string>{});
    EXPECT_EQ(testsupport::auditTrail(dataSet()).size(), 1u);
}

TEST_F(ClientPrivacyScreenTest, AnonimizarIsGuardedByTheClientDeletionArea) {
    protectClientDeletion();
    dialogs.expectScreen(QStringLiteral("TFmAutorizacao"), [](QDialog&) { return int(QDialog::Rejected); });
    screen->anonimizarButton()->click();
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "a user not authorized is not even asked";
    EXPECT_FALSE(filesHolding(kMaria).empty());
}

TEST_F(ClientPrivacyScreenTest, NeitherActionRunsWhileTheClientIsBeingEdited) {
    dialogs.answer(true);  // "Alterar Dados do Cliente?"
    screen->allButtons().alterar->click();
    ASSERT_TRUE(screen->isEditing());
    screen->anonimizarButton()->click();
    screen->exportarButton()->click();
    EXPECT_EQ(dialogs.messages, QStringList(2, registers::kClientEditingRefusal));
    EXPECT_EQ(dialogs.questions.size(), 1) << "only Alterar's own question";
}

TEST_F(ClientPrivacyScreenTest, ExportarWritesTheClientsOwnDataAsCsvInTheFolderChosen) {
    testsupport::TempDir folder("velmora-export");
    dialogs.answerDirectory(QString());  // cancelled: nothing is written
    screen->exportarButton()->click();
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    dialogs.answerDirectory(QString::fromStdString(folder.path().string()));
    screen->exportarButton()->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Dados do Cliente Gravados em ")));

    const std::string record = bytesOf(folder / "Cliente.csv");
    EXPECT_EQ(record.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(record.substr(3, record.find("\r\n") - 3),
              "Código;Nome;Endereço;Bairro;Cidade;CEP;Fone;Celular;E-mail;Aniversário;Nascimento;Crédito R$;"
              "Aceita lembretes;Desde;Aceita ofertas;Desde;Observações");
    EXPECT_NE(record.find("\r\n7;" + kMaria + ";" + kMariaStreet + ";JARDIM DAS FLORES;"), std::string::npos);
    EXPECT_NE(record.find(";15,00;"), std::string::npos) << record;

    // Only his rows, one line each after the captions.
    const struct {
        const char* file;
        std::size_t lines;
    } expected[] = {
        {"Historico.csv", 2}, {"Notinhas.csv", 2}, {"NotinhasAcertadas.csv", 2}, {"Agenda.csv", 1}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.file);
        const std::string bytes = bytesOf(folder / e.file);
        std::size_t lines = 0;
        for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
            ++lines;
        EXPECT_EQ(lines, e.lines + 1);
        EXPECT_EQ(bytes.find("JOANA"), std::string::npos);
    }
    EXPECT_NE(bytesOf(folder / "Historico.csv").find(";80,00\r\n"), std::string::npos);
    EXPECT_NE(bytesOf(folder / "Agenda.csv").find("14/12/2026;09:00;"), std::string::npos);

    // The same in one PDF, section by section.
    const std::string pdf = pdfText(folder / "DadosDoCliente.pdf");
    std::size_t at = 0;
    for (const std::string& next :
         {"DADOS DO CLIENTE: " + kMaria, std::string("CADASTRO"), kMariaStreet, std::string("15,00"),
          std::string("HISTÓRICO"), std::string("80,00"), std::string("NOTINHAS EM ABERTO"),
          std::string("NOTINHAS ACERTADAS"), std::string("AGENDA"), std::string("09:00")}) {
        at = pdf.find(next, at);
        ASSERT_NE(at, std::string::npos) << next << " in order in\n" << pdf;
    }
    EXPECT_EQ(pdf.find("JOANA"), std::string::npos);
}

}  // namespace
