#include "sales/sale_items.h"

#include "core/format.h"
#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/least_amount.h"
#include "data/store/posting.h"
#include "sales/sale_payment.h"

namespace sales {

namespace {

std::optional<EntryProblem> problem(EntryBox box, std::string message) {
    return EntryProblem{box, std::move(message)};
}

bool switchOn(store::Table& config, const char* field) {
    return !config.field(field).asString().empty();
}

void clearWorkingFields(store::Table& sale) {
    for (const char* field : {"Codigo", "Descricao", "COM", "Valor", "CodTipo"}) sale.field(field).clear();
}

}  // namespace

EntrySwitches entrySwitches(data::Tdm& dm) {
    store::Table& config = dm.TbConfig;
    if (!config.isOpen()) config.open();
    config.first();
    return {.lockedValue = switchOn(config, "VALOR"),
            .lockedCommission = switchOn(config, "COM"),
            .promotion = switchOn(config, "PROMOCAO")};
}

std::optional<EntryProblem> lookUpEmployee(data::Tdm& dm) {
    store::Table& sale = dm.TbServico;
    const std::int64_t code = sale.field("CodFun").asInteger();
    if (code < 1) return std::nullopt;
    store::Table& employees = dm.TbFuncionario;
    if (!employees.isOpen()) employees.open();
    employees.setIndexName("");
    if (!employees.findKey({store::Value{code}}))
        return problem(EntryBox::Employee, "Não Existe Funcionário Com Este Código!");
    sale.field("Funcioario").setString(employees.field("Nome").asString());
    return std::nullopt;
}

ItemLookupResult lookUpItem(data::Tdm& dm, bool promotion) {
    store::Table& sale = dm.TbServico;
    const std::int64_t code = sale.field("Codigo").asInteger();
    store::Table& products = dm.TbProdutos;
    if (!products.isOpen()) products.open();
    products.setIndexName("");
    if (!products.findKey({store::Value{code}}))
        return {.problem = problem(EntryBox::ItemCode, "Não Existe Produto ou Serviço Com Este Código!")};

    ItemLookup item{.code = code,
                    .employeeCode = sale.field("CodFun").asInteger(),
                    .descricao = products.field("Descricao").asString(),
                    .tipo = products.field("Tipo").asString(),
                    .price = products.field(promotion ? "Custo" : "Valor").asCurrency(),
                    .maxDiscount = core::Currency::fromDouble(products.field("Saida").asFloat())};
    if (item.tipo == "SERVIÇO" && item.employeeCode < 1)
        return {.problem =
                    problem(EntryBox::Employee, "Para Serviços é Obrigatório Selecionar o Funcionário!")};

    double commission = static_cast<double>(products.field("CodFor").asInteger());
    if (commission <= 0) {
        commission = 0;
        store::Table& employees = dm.TbFuncionario;
        if (!employees.isOpen()) employees.open();
        employees.setIndexName("");
        if (item.employeeCode > 0 && employees.findKey({store::Value{item.employeeCode}}))
            commission = employees.field("Comissao").asFloat();
    }
    sale.field("Descricao").setString(item.descricao);
    sale.field("CodTipo").setInteger(1);
    sale.field("Valor").setCurrency(item.price);
    sale.field("COM").setFloat(commission);
    return {.item = std::move(item)};
}

bool lookupIsStale(data::Tdm& dm, const ItemLookup& item) {
    store::Table& sale = dm.TbServico;
    return sale.field("Codigo").asInteger() != item.code ||
           sale.field("CodFun").asInteger() != item.employeeCode;
}

std::optional<EntryProblem> checkItem(data::Tdm& dm, const ItemLookup& item) {
    store::Table& sale = dm.TbServico;
    const core::Currency value = sale.field("Valor").asCurrency();
    if (value < data::kLeastAmount) return problem(EntryBox::Value, "Digite o Valor do Serviço Prestado!");
    if (sale.field("CodTipo").asInteger() < 1)
        return problem(EntryBox::Quantity, "Digite a Quantidade do Produto ou Serviço!");
    if (sale.field("COM").asFloat() < 0.10)
        return problem(EntryBox::Commission, "Indique o Porcentagem da Comissão!");
    if (item.price - value > item.maxDiscount)
        return problem(EntryBox::Value, "O Desconto Está Acima do Permitido! Desconto Máximo de R$ " +
                                            core::formatMask(item.maxDiscount, core::kCaptionMoneyMask));
    return std::nullopt;
}

std::optional<EntryProblem> addItem(data::Tdm& dm, const ItemLookup& item, bool valueUnlocked) {
    if (auto refused = checkItem(dm, item)) return refused;
    store::Table& sale = dm.TbServico;
    store::Table& items = dm.TbItensServico;
    const std::int64_t quantity = sale.field("CodTipo").asInteger();
    const core::Currency total = sale.field("Valor").asCurrency().times(static_cast<double>(quantity));
    const std::string client = sale.field("Cliente").asString();

    const auto insertItem = [&] {
        items.insert();
        items.field("Codigo").setInteger(item.code);
        items.field("Descricao").setString(item.descricao);
        items.field("CodFun").setInteger(item.employeeCode);
        items.field("Data").setDate(sale.field("Data").asDate());
        items.field("CodCli").setInteger(sale.field("CodCliente").asInteger());
        items.field("Funcionario").setString(sale.field("Funcioario").asString());
        items.field("Cliente").setString(client.empty() ? kNoClient : client);
        items.field("Total").setCurrency(total);
        items.field("Porcentagem").setFloat(static_cast<double>(quantity));
        items.field("Tipo").setString(item.tipo);
        items.field("Comissao").setCurrency(core::Currency::fromDouble(sale.field("COM").asFloat()));
        items.post();
    };
    const core::Currency value = sale.field("Valor").asCurrency();
    if (!valueUnlocked || value == item.price) {
        store::post({&items, &dm.TbContador}, insertItem);
    } else {
        // The catalogue's price overridden through "Alterar Valor": the trail keeps both.
        data::postAudited(dm, {&items, &dm.TbContador}, [&] {
            insertItem();
            return data::AuditEntry{.acao = "Alteração de Preço",
                                    .tabela = items.name(),
                                    .chave = items.field("Contador").asString() + "/" + items.field("Ordem").asString(),
                                    .resumo = item.descricao + ": de R$ " + core::formatMoney(item.price) +
                                              " para R$ " + core::formatMoney(value) + " (" +
                                              std::to_string(quantity) + " x)"};
        });
    }

    sale.field("Total").setCurrency(sale.field("Total").asCurrency() + total);
    sale.field("SubTotal").setCurrency(sale.field("SubTotal").asCurrency() + total);
    clearWorkingFields(sale);
    return std::nullopt;
}

bool hasItems(data::Tdm& dm) {
    return dm.TbItensServico.isOpen() && !dm.TbItensServico.isEmpty();
}

void removeCurrentItem(data::Tdm& dm) {
    store::Table& items = dm.TbItensServico;
    const core::Currency total = items.field("Total").asCurrency();
    store::post({&items}, [&] { items.deleteRecord(); });
    store::Table& sale = dm.TbServico;
    sale.field("Total").setCurrency(sale.field("Total").asCurrency() - total);
    sale.field("SubTotal").setCurrency(sale.field("SubTotal").asCurrency() - total);
}

}  // namespace sales
