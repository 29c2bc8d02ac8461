// A client's right to be forgotten: anonymising keeps every amount and leaves no trace of
// his name in the data directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/currency.h"
#include "data/refusal.h"
#include "registers/client_anonymise.h"
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
};

TEST_F(ClientPrivacyTest, AnonymisingKeepsEveryAmountAndErasesTheClientEverywhere) {
    const Totals before = totals();
    ASSERT_FALSE(filesHolding(kMaria).empty()) << "the scan must see the name before";
    registers::anonymiseClient(dm, MARIA);

    Totals after = before;
    after.photos = before.photos - 2;
    EXPECT_EQ(totals(), after);
    for (const std::string& trace : {kMaria, kMariaStreet, kMariaMail, std::string("ALERGIA A AMONIA")})
        EXPECT_EQ(filesHolding(trace), std::vector<std::string>{}) << trace;
    EXPECT_FALSE(filesHolding(kJoana).empty()) << "another client keeps his name";

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

TEST_F(ClientPrivacyTest, AClientGoneIsRefusedAndNothingIsWritten) {
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
    EXPECT_FALSE(filesHolding(kMaria).empty());
}

}  // namespace
