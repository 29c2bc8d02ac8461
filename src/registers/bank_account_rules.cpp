#include "registers/bank_account_rules.h"

#include "core/text.h"
#include "data/dm.h"
#include "data/tables.h"

namespace registers {

namespace {

// The table's own handle, so the screen's position, index and pending edit are left alone.
store::Table ownHandle(data::Tdm& dm, const char* component) {
    return store::Table(dm.DbVelmora, data::tableEntry(component).definition, component);
}

}  // namespace

std::optional<QString> bankAccountRefusal(data::Tdm& dm) {
    store::Table& conta = dm.TbConta;
    const std::string number = conta.field("Conta").asString();
    if (core::trimmed(number).empty()) return QStringLiteral("Digite o Número da Conta!");
    if (conta.state() != store::TableState::Edit) return std::nullopt;
    store::Table stored = ownHandle(dm, "TbConta");
    stored.open();
    if (!conta.bookmark() || !stored.gotoBookmark(*conta.bookmark())) return std::nullopt;
    const std::string before = stored.field("Conta").asString();
    if (before == number) return std::nullopt;
    store::Table banco = ownHandle(dm, "TbBanco");
    banco.open();
    banco.setIndexName("siBancoData");
    banco.setRange({store::Value{before}}, {store::Value{before}});
    if (banco.isEmpty()) return std::nullopt;
    return QStringLiteral("Esta Conta Possui Movimentos! O Número da Conta Não Pode Ser Alterado.");
}

}  // namespace registers
