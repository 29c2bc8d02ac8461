#include "registers/client_anonymise.h"

#include <string_view>

#include "core/text.h"
#include "data/audit_trail.h"
#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/refusal.h"
#include "registers/items_by_client.h"

namespace registers {
namespace {

// Everything the register holds about the person; his code and his credit stay.
constexpr std::string_view kPersonalFields[] = {
    "Endereco", "Bairro", "Cidade", "CEP",        "Fone",      "Celular",       "Obs",     "Aniversario",
    "Dia",      "Mes",    "Email",  "Nascimento", "Lembretes", "DataLembretes", "Ofertas", "DataOfertas"};

bool sameName(const std::string& stored, const std::string& name) {
    return !name.empty() && core::upperPtBr(core::trimmed(stored)) == name;
}

// Renames, in every row of `table` that is the client's, the copy of his name in `nameField`.
// A row is his by `codeField` when the table keeps the code; rows written without a code
// (and tables that keep only the name) are his by the name.
void renameRows(store::Table& table, const std::string& codeField, const std::string& nameField,
                std::int64_t code, const std::string& oldName, const std::string& newName) {
    table.setIndexName("");
    for (table.first(); !table.eof(); table.next()) {
        const std::int64_t rowCode = codeField.empty() ? 0 : table.field(codeField).asInteger();
        const bool his =
            rowCode == code || (rowCode == 0 && sameName(table.field(nameField).asString(), oldName));
        if (!his) continue;
        table.editExisting();
        table.field(nameField).setString(newName);
        table.post();
    }
}

}  // namespace

std::string anonymisedName(std::int64_t code) {
    return "CLIENTE ANONIMIZADO nº " + std::to_string(code);
}

void anonymiseClient(data::Tdm& dm, std::int64_t code) {
    store::Table& cliente = dm.TbCliente;
    store::Table& foto = dm.TbFoto;
    store::Table& servico = dm.TbServico;
    store::Table& itens = dm.TbItensServico;
    store::Table& receber = dm.TbReceber;
    store::Table& baixa = dm.TbBaixaR;
    store::Table& agenda = dm.TbAgenda;
    data::OpenedTables open{&cliente, &foto, &servico, &itens, &receber, &baixa, &agenda};
    const ItemsByClient byClient(dm);
    data::postAudited(dm, {&cliente, &foto, &servico, &itens, &receber, &baixa, &agenda}, [&] {
        // The client as stored now, under its lock: another station may have deleted him.
        cliente.setIndexName("");
        if (!cliente.findKey({code})) throw data::Refusal("Não Existe Cliente Com Este Código!");
        cliente.editExisting();
        const std::string oldName = core::upperPtBr(core::trimmed(cliente.field("Nome").asString()));
        const std::string newName = anonymisedName(code);
        cliente.field("Nome").setString(newName);
        for (std::string_view field : kPersonalFields) cliente.field(std::string(field)).clear();
        cliente.post();

        // His photographs follow him through the master link.
        int photos = 0;
        while (!foto.isEmpty()) {
            foto.first();
            foto.deleteRecord();
            ++photos;
        }

        renameRows(servico, "CodCliente", "Cliente", code, oldName, newName);
        renameRows(itens, "CodCli", "Cliente", code, oldName, newName);
        renameRows(receber, "CodCliente", "Cliente", code, oldName, newName);
        renameRows(baixa, "CodCliente", "Cliente", code, oldName, newName);
        renameRows(agenda, "", "Cliente", code, oldName, newName);

        // The summary names the client by code only: the trail must not keep what was erased.
        return data::AuditEntry{.acao = "Anonimização de Cliente",
                                .tabela = cliente.name(),
                                .chave = std::to_string(code),
                                .resumo = "Cliente " + std::to_string(code) + " anonimizado; " +
                                          std::to_string(photos) + " fotografia(s) removida(s)"};
    });
}

}  // namespace registers
