#include "advances/advance_posting.h"

#include "core/format.h"
#include "core/text.h"
#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/refusal.h"
#include "data/store/posting.h"

namespace advances {

namespace {

using core::Currency;

constexpr const char* kPlanCode = "5";
constexpr const char* kPlanName = "Vale Para Funcionários";

// The pending advance in TbPagar, by number, under its lock.
void lockPending(store::Table& pagar, std::int64_t pending) {
    if (!pagar.isOpen()) pagar.open();
    if (!pagar.indexName().empty()) pagar.setIndexName("");
    if (!pagar.findKey({pending})) throw data::Refusal("O Vale Já Foi Gravado ou Excluído!");
    pagar.editExisting();
}

}  // namespace

std::optional<std::string> advancePlanName(data::Tdm& dm) {
    store::Table plans(dm.TbPlano.database(), dm.TbPlano.definition(), "TbPlano");
    plans.open();
    if (!plans.findKey({kPlanCode})) return std::nullopt;
    return plans.field("Descricao").asString();
}

std::int64_t startAdvance(data::Tdm& dm, const core::Date& today) {
    store::Table& pagar = dm.TbPagar;
    pagar.open();
    store::post({&pagar, &dm.TbContador}, [&] {
        pagar.insert();
        pagar.field("DataLan").setDate(today);
        pagar.field("DataVen").setDate(today);
        pagar.field("CodPlano").setString(kPlanCode);
        pagar.field("Plano").setString(kPlanName);
        pagar.post();
    });
    return pagar.field("Contador").asInteger();
}

reports::AdvanceReceipt checkAdvance(data::Tdm& dm, const Advance& advance, const core::Date& today) {
    const Currency value = advance.value.rounded(2);
    if (value < Currency::fromUnits(Currency::kScale / 10) || value >= Currency::fromReais(1'000'000'000))
        throw data::Refusal("Digite o Valor do Documento!");
    if (advance.employeeCode < 1) throw data::Refusal("Selecione o Funcionário Para o Vale!");
    store::Table& employees = dm.TbFuncionario;
    if (!employees.isOpen()) employees.open();
    if (!employees.indexName().empty()) employees.setIndexName("");
    if (!employees.findKey({advance.employeeCode}))
        throw data::Refusal("Não Existe Funcionário Com Este Código!");
    if (advance.byCheque && core::trimmed(advance.cheque).empty())
        throw data::Refusal("Digite o Número do Cheque Emitido!");
    return {employees.field("Nome").asString(), value, advance.byCheque,
            advance.byCheque ? advance.cheque : "", today};
}

SavedAdvance saveAdvance(data::Tdm& dm, const Advance& advance, const core::Date& today) {
    SavedAdvance saved{0, checkAdvance(dm, advance, today)};
    const std::string plan = advancePlanName(dm).value_or(kPlanName);
    store::Table& pagar = dm.TbPagar;
    store::Table& paid = dm.TbBaixaP;
    if (!paid.isOpen()) paid.open();
    data::postAudited(dm, {&pagar, &paid, &dm.TbContador}, [&] {
        lockPending(pagar, advance.pending);
        const reports::AdvanceReceipt& r = saved.receipt;
        paid.insert();
        paid.field("DataLan").setDate(today);
        paid.field("DataVen").setDate(today);
        paid.field("DataBaixa").setDate(today);
        paid.field("Valor").setCurrency(r.value);
        paid.field("Descricao").setString(advance.description);
        paid.field("CodFUN").setInteger(advance.employeeCode);
        paid.field("Funcionario").setString(r.employee);
        paid.field("CodPlano").setString(kPlanCode);
        paid.field("Plano").setString(plan);
        paid.field("TipoDOC").setString("VALE");
        paid.field("FormaPG").setString(r.byCheque ? "CHEQUE" : "DINHEIRO");
        paid.field("Cheque").setString(r.cheque);
        paid.field("Fornecedor").setString("PRÓPRIO SALÃO");
        paid.post();
        saved.number = paid.field("Contador").asInteger();
        pagar.deleteRecord();
        return data::AuditEntry{.acao = "Vale de Funcionário",
                                .tabela = paid.name(),
                                .chave = std::to_string(saved.number),
                                .resumo = "Vale de R$ " + core::formatMoney(r.value) + " para " + r.employee + " (" +
                                          (r.byCheque ? "cheque " + r.cheque : std::string("dinheiro")) + ")",
                                .motivo = advance.description};
    });
    pagar.close();
    return saved;
}

void discardAdvance(data::Tdm& dm, std::int64_t pending) {
    store::Table& pagar = dm.TbPagar;
    store::post({&pagar}, [&] {
        lockPending(pagar, pending);
        pagar.deleteRecord();
    });
    pagar.close();
}

}  // namespace advances
