#include "data/demo_salon.h"

#include <array>
#include <cstdint>
#include <string>

#include "data/client_consent.h"
#include "data/dm.h"
#include "data/register_rules.h"
#include "data/rows.h"

namespace data {

namespace {

struct Client {
    const char* nome;
    const char* endereco;
    const char* bairro;
    const char* celular;
    const char* email;
    double credito;
};

constexpr std::array kClients = {
    Client{"ADRIANA FERREIRA", "Rua das Acácias, 120", "Jardim América", "(31) 98811-2040",
           "adriana.f@email.com", 0},
    Client{"BEATRIZ CARVALHO", "Av. Brasil, 1450", "Centro", "(31) 99702-3311", "bia.carvalho@email.com", 50},
    Client{"CAMILA ROCHA", "Rua Ouro Preto, 88", "Santo Agostinho", "(31) 98455-9087", "", 0},
    Client{"DANIELA SANTOS", "Rua Padre Eustáquio, 302", "Carlos Prates", "(31) 99120-4478",
           "dani.santos@email.com", 0},
    Client{"ELAINE MOREIRA", "Rua Pernambuco, 915", "Savassi", "(31) 98877-1200", "", 25.5},
    Client{"FERNANDA OLIVEIRA", "Rua Tupis, 47", "Centro", "(31) 99334-6521", "fe.oliveira@email.com", 0},
    Client{"GABRIELA MARTINS", "Av. Amazonas, 2200", "Barro Preto", "(31) 98210-7754", "", 0},
    Client{"HELENA COSTA", "Rua Itapecerica, 610", "Lagoinha", "(31) 99981-0032", "helena.costa@email.com",
           100},
    Client{"ISABELA RIBEIRO", "Rua Grão Mogol, 205", "Carmo", "(31) 98640-3318", "", 0},
    Client{"JULIANA ALMEIDA", "Rua Alagoas, 1110", "Funcionários", "(31) 99455-8806", "ju.almeida@email.com",
           0},
    Client{"LARISSA PEREIRA", "Rua Jacuí, 39", "Floresta", "(31) 98302-5567", "", 0},
    Client{"MARIANA GOMES", "Rua Sergipe, 770", "Funcionários", "(31) 99218-4490", "mari.gomes@email.com", 0},
};

// Birthdays relative to today: the first two clients today, two more later this month
// (other days), the rest spread over other months.
std::pair<int, int> birthdayOf(std::size_t client, const core::Date& today) {
    if (client < 2) return {today.day, today.month};
    if (client == 2) return {today.day % 28 + 1, today.month};
    if (client == 3) return {(today.day + 9) % 28 + 1, today.month};
    return {static_cast<int>(client) * 2 + 3, (today.month + static_cast<int>(client) - 4) % 12 + 1};
}

void addClients(Tdm& dm, const core::Date& today) {
    dm.TbCliente.open();
    for (std::size_t i = 0; i < kClients.size(); ++i) {
        const Client& c = kClients[i];
        const auto [day, month] = birthdayOf(i, today);
        dm.TbCliente.insert();
        for (const auto& [name, value] : Cells{{"Codigo", static_cast<std::int64_t>(i + 1)},
                                               {"Nome", c.nome},
                                               {"Endereco", c.endereco},
                                               {"Bairro", c.bairro},
                                               {"Cidade", "Belo Horizonte"},
                                               {"CEP", "30.140-000"},
                                               {"Celular", c.celular},
                                               {"Email", c.email},
                                               {"Saldo", c.credito},
                                               {"Dia", std::int64_t{day}},
                                               {"Mes", std::int64_t{month}}})
            dm.TbCliente.field(name).setValue(value);
        applyBirthdayKey(dm.TbCliente);
        // Most accept reminders, every other one offers too, all given a month ago.
        if (i % 4 != 3) dm.TbCliente.field(kReminderConsent.field).setString(kConsentGiven);
        if (i % 2 == 0) dm.TbCliente.field(kOfferConsent.field).setString(kConsentGiven);
        applyConsentDates(dm.TbCliente, today.addDays(-30));
        dm.TbCliente.post();
    }
    dm.TbCliente.close();
}

struct Employee {
    const char* nome;
    const char* cargo;
    double comissao;
    const char* senhaComandas;
};

constexpr std::array kEmployees = {
    Employee{"ANA PAULA SOUZA", "Cabeleireira", 40, "1111"},
    Employee{"BRUNO LIMA", "Barbeiro", 35, "2222"},
    Employee{"CARLA MENDES", "Manicure", 50, "3333"},
    Employee{"DÉBORA ROCHA", "Esteticista", 45, "4444"},
};

void addEmployees(Tdm& dm, const core::Date& today) {
    dm.TbFuncionario.open();
    dm.TbHora.open();
    std::int64_t codigo = 2;  // 1 is the administrator
    for (const Employee& e : kEmployees) {
        addRow(dm.TbFuncionario, {{"Codigo", codigo},
                                  {"Nome", e.nome},
                                  {"Cargo", e.cargo},
                                  {"Comissao", e.comissao},
                                  {"Salario", 1412.0},
                                  {"Horario", "09:00 às 18:00"},
                                  {"SobreNome", e.senhaComandas},
                                  {"Cidade", "Belo Horizonte"},
                                  {"UF", "MG"},
                                  {"Admissao", today.addDays(-365 * codigo).toIso()}});
        // TbHora follows the employee just posted; its hook numbers every slot.
        for (int hour = 9; hour <= 17; ++hour) {
            const std::string slot = (hour < 10 ? "0" : "") + std::to_string(hour) + ":00";
            addRow(dm.TbHora, {{"Codigo", codigo}, {"Hora", slot}});
        }
        ++codigo;
    }
    dm.TbHora.close();
    dm.TbFuncionario.close();
}

struct Item {
    const char* descricao;
    bool servico;
    double valor;
    double promocao;  // 0: not on promotion
    double desconto;
    double estoque;
    std::int64_t comissao;  // 0: the employee's own
};

constexpr std::array kItems = {
    Item{"CORTE FEMININO", true, 60, 0, 5, 0, 0},
    Item{"CORTE MASCULINO", true, 35, 0, 5, 0, 0},
    Item{"ESCOVA", true, 40, 35, 5, 0, 0},
    Item{"HIDRATAÇÃO CAPILAR", true, 70, 0, 10, 0, 40},
    Item{"COLORAÇÃO", true, 150, 0, 15, 0, 0},
    Item{"MECHAS", true, 220, 199, 20, 0, 0},
    Item{"ESCOVA PROGRESSIVA", true, 280, 0, 30, 0, 30},
    Item{"MANICURE", true, 25, 0, 0, 0, 0},
    Item{"PEDICURE", true, 30, 0, 0, 0, 0},
    Item{"DESIGN DE SOBRANCELHA", true, 30, 25, 0, 0, 0},
    Item{"DEPILAÇÃO PERNAS", true, 55, 0, 5, 0, 50},
    Item{"LIMPEZA DE PELE", true, 90, 0, 10, 0, 0},
    Item{"SHAMPOO 300ML", false, 32.9, 0, 2, 24, 10},
    Item{"CONDICIONADOR 300ML", false, 34.9, 0, 2, 18, 10},
    Item{"MÁSCARA HIDRATANTE 250G", false, 49.9, 44.9, 3, 12, 10},
    Item{"ÓLEO CAPILAR 60ML", false, 39.9, 0, 3, 9, 10},
    Item{"PROTETOR TÉRMICO 150ML", false, 45, 0, 3, 6, 10},
    Item{"ESMALTE 8ML", false, 7.5, 6, 0, 60, 5},
    Item{"ACETONA 100ML", false, 6, 0, 0, 30, 5},
    Item{"TINTURA 45G", false, 19.9, 0, 1, 40, 10},
};

void addCatalogue(Tdm& dm) {
    dm.TbProdutos.open();
    dm.TbDuplicado.open();
    std::int64_t codigo = 1;
    for (const Item& item : kItems) {
        addRow(dm.TbProdutos, {{"Codigo", codigo},
                               {"Descricao", item.descricao},
                               {"Tipo", item.servico ? "SERVIÇO" : "PRODUTO"},
                               {"Valor", item.valor},
                               {"Custo", item.promocao},
                               {"Grupo", item.promocao > 0 ? "SIM" : ""},
                               {"Saida", item.desconto},
                               {"Estoque", item.estoque},
                               {"CodFor", item.comissao}});
        rememberProductCode(dm.TbDuplicado, codigo);
        ++codigo;
    }
    dm.TbDuplicado.close();
    dm.TbProdutos.close();
}

void addBankAccounts(Tdm& dm) {
    dm.TbConta.open();
    addRow(dm.TbConta, {{"Conta", "12345-6"},
                        {"Agencia", "1234-5"},
                        {"Banco", "001"},
                        {"Nome", "Banco do Brasil"},
                        {"Titular", "Studio Bella Forma Ltda"},
                        {"Limite", 2000.0},
                        {"Credito", 5000.0}});
    addRow(dm.TbConta, {{"Conta", "98765-4"},
                        {"Agencia", "0321"},
                        {"Banco", "237"},
                        {"Nome", "Bradesco"},
                        {"Titular", "Studio Bella Forma Ltda"},
                        {"Limite", 1000.0},
                        {"Credito", 3000.0}});
    dm.TbConta.close();
}

void addHeadings(Tdm& dm) {
    dm.TbPlano.open();
    for (const auto& [codigo, descricao] :
         {std::pair{"1", "Despesas Administrativas"}, std::pair{"1.1", "Aluguel"},
          std::pair{"1.2", "Energia Elétrica"}, std::pair{"1.3", "Água e Telefone"},
          std::pair{"2", "Compra de Produtos"}, std::pair{"3", "Impostos e Taxas"},
          std::pair{"4", "Salários e Encargos"}})
        addRow(dm.TbPlano, {{"Codigo", codigo}, {"Descricao", descricao}, {"SubCodigo", codigo}});
    dm.TbPlano.close();
}

// The firms the salon buys from, each with the heading its bills are booked under.
void addSuppliers(Tdm& dm) {
    struct Supplier {
        const char* nome;
        const char* fantasia;
        const char* plano;
        const char* descricao;
    };
    dm.TbFornec.open();
    std::int64_t codigo = 1;
    for (const Supplier& supplier :
         {Supplier{"Distribuidora Bela Cosméticos Ltda", "BELA COSMÉTICOS", "2", "Compra de Produtos"},
          Supplier{"Companhia Paulista de Energia S.A.", "CIA DE ENERGIA", "1.2", "Energia Elétrica"},
          Supplier{"Saneamento e Telefonia Municipal", "ÁGUA E TELEFONE", "1.3", "Água e Telefone"},
          Supplier{"Escritório Contábil Silva & Filhos", "CONTÁBIL SILVA", "1", "Despesas Administrativas"}})
        addRow(dm.TbFornec, {{"Codigo", codigo++},
                             {"Nome", supplier.nome},
                             {"NomeFantasia", supplier.fantasia},
                             {"Cidade", "São Paulo"},
                             {"Estado", "SP"},
                             {"CodPlano", supplier.plano},
                             {"Plano", supplier.descricao}});
    dm.TbFornec.close();
}

void nameTheSalon(Tdm& dm) {
    dm.TbConfig.first();
    dm.TbConfig.edit();
    dm.TbConfig.field("Nome").setValue("Studio Bella Forma");
    dm.TbConfig.field("Manutencao").setFloat(5);
    dm.TbConfig.field("COM").setValue("SIM");
    dm.TbConfig.post();
}

}  // namespace

void addDemoSalon(Tdm& dm, const core::Date& today) {
    nameTheSalon(dm);
    addClients(dm, today);
    addEmployees(dm, today);
    addCatalogue(dm);
    addBankAccounts(dm);
    addHeadings(dm);
    addSuppliers(dm);
}

}  // namespace data
