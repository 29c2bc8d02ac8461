#include "data/dm.h"

#include <stdexcept>
#include <string>

#include "data/access_areas.h"
#include "data/bank_balance.h"
#include "data/computed_fields.h"
#include "data/counters.h"
#include "data/data_set_notes.h"
#include "data/messages.h"
#include "data/plan_duplicate.h"
#include "data/tables.h"
#include "data/user_passwords.h"

namespace data {

namespace {

// Every station waits the same for a record held elsewhere: 15 tries, 100 ms apart.
constexpr store::LockSettings kLockSettings{.retryCount = 15, .waitTime = std::chrono::milliseconds(100)};

}  // namespace

Tdm::Tdm(store::Location dataSet, Messages& messages)
    : messages_(messages),
      DbVelmora(std::move(dataSet), kLockSettings),
      DbTrabalho(std::filesystem::path(), kLockSettings) {
    tables_ = {&TbCliente,   &TbFoto,     &TbFuncionario, &TbHora,         &TbFornec,      &TbProdutos,
               &TbDuplicado, &TbPlano,    &TbConta,       &TbSenha,        &TbAcesso,      &TbItemAcesso,
               &TbConfig,    &TbContador, &TbAuditoria, &TbServico,     &TbItensServico, &TbComando,     &TbItemComando,
               &TbHistorico, &TbAgenda,   &TbCaixa,       &TbReceber,      &TbBaixaR,      &TbPagar,
               &TbBaixaP,    &TbBanco,    &TbSaldos,      &TbEntrada,      &TbItemEntrada, &TbVirtual,
               &TbVirtualR,  &TbVirtualP, &TbTemp,        &TbPagarPC,      &TbAtende,      &TbCredito,
               &TbAtual,     &TbSoma,     &TbDatas};
    refuseNotedDataSet(DbVelmora);
    linkDetails();
    attachHooks();
    for (store::Table* alwaysOpen : {&TbSenha, &TbConfig, &TbAcesso, &TbItemAcesso}) {
        try {
            alwaysOpen->open();
        } catch (const store::Error& error) {
            messages_.inform(error.what());
        }
    }
    try {
        // A data set made before there was an audit trail starts one.
        if (!TbAuditoria.fileExists()) TbAuditoria.createTable();
    } catch (const store::Error& error) {
        if (!TbAuditoria.fileExists()) messages_.inform(error.what());  // else another station made it first
    }
    try {
        // A data set made before an area existed gets it, unprotected like every new area.
        if (TbAcesso.isOpen()) addMissingAccessAreas(*this);
    } catch (const std::exception& error) {
        messages_.inform(error.what());  // tried again at the next opening
    }
    try {
        // A data set made before passwords were hashed gives up its clear ones on first opening.
        if (TbSenha.isOpen()) hashClearPasswords(*this);
    } catch (const std::exception& error) {
        messages_.inform(error.what());  // tried again at the next opening
    }
}

Tdm::~Tdm() {
    for (auto it = tables_.rbegin(); it != tables_.rend(); ++it) {
        try {
            (*it)->close();
        } catch (const std::exception&) {
            // Closing never loses a posted change; there is no one left to tell at exit.
        }
    }
}

store::Table Tdm::component(std::string_view name) {
    const TableEntry& entry = tableEntry(name);
    return store::Table(entry.placement == Placement::Shared ? DbVelmora : DbTrabalho, entry.definition,
                        entry.component);
}

store::Table& Tdm::table(std::string_view component) const {
    for (store::Table* table : tables_)
        if (table->name() == component) return *table;
    throw std::out_of_range("tabela desconhecida: " + std::string(component));
}

void Tdm::linkDetails() {
    struct Link {
        store::Table& detail;
        store::Table& master;
        const char* field;
    };
    for (const Link& link :
         {Link{TbFoto, TbCliente, "Codigo"}, Link{TbHora, TbFuncionario, "Codigo"},
          Link{TbItemAcesso, TbAcesso, "Codigo"}, Link{TbItensServico, TbServico, "Contador"},
          Link{TbItemComando, TbComando, "Comando"}, Link{TbItemEntrada, TbEntrada, "Contador"}}) {
        link.detail.setIndexFieldNames(link.field);
        link.detail.setMasterSource(&link.master, link.field);
    }
}

void Tdm::attachHooks() {
    for (const CounterRule& rule : counterRules())
        table(rule.component).onNewRecord = [this, &rule](store::Table& record) {
            takeCounter(TbContador, record, rule);
        };

    TbItensServico.onCalcFields = calcItemCommission;
    for (store::Table* service : {&TbItemComando, &TbHistorico})
        service->onCalcFields = [this](store::Table& record) { calcTicketService(record, TbConfig); };
    TbCaixa.onCalcFields = calcCashInDrawer;
    TbItemEntrada.onCalcFields = calcEntryItemTotal;
    TbVirtual.onCalcFields = calcCommissionLessAdvances;

    TbPlano.onPostError = [this](store::Table& plano, const store::Error& error,
                                 store::PostErrorAction& action) {
        refuseDuplicatePlanCode(plano, error, action, messages_);
    };
    TbBanco.afterPost = [this](store::Table& banco) { addToDailyBalance(banco, DbVelmora, TbSaldos); };
}

void Tdm::openWorkTable(store::Table& table) {
    const Placement placement = tableEntry(table.name()).placement;
    if (placement == Placement::Shared)
        throw std::logic_error(table.name() + " é uma tabela compartilhada, não de trabalho");
    if (table.isOpen()) return;
    if (!scratchDirectory_.exists()) DbTrabalho.setDirectory(scratchDirectory_.path());
    if (table.fileExists()) {
        table.open();
        return;
    }
    table.createTable();
    table.open();
    if (placement == Placement::PrivateSingleRow) {
        table.insert();
        table.post();
    }
}

}  // namespace data
