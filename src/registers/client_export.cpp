#include "registers/client_export.h"

#include <functional>
#include <string>

#include "core/text.h"
#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/refusal.h"
#include "reports/engine/sheet_export.h"

namespace registers {
namespace {

struct Column {
    const char* field;
    const char* caption;
};

reports::SheetCell cellOf(const store::Field& field) {
    reports::SheetCell cell{field.asString(), {}};
    if (field.isNull()) return cell;
    if (field.type() == store::FieldType::Currency) cell.value = field.asCurrency();
    if (field.type() == store::FieldType::Date) cell.value = field.asDate();
    return cell;
}

std::vector<reports::SheetCell> rowOf(store::Table& table, const std::vector<Column>& columns) {
    std::vector<reports::SheetCell> row;
    for (const Column& column : columns) row.push_back(cellOf(table.field(column.field)));
    return row;
}

reports::ReportSheet sheetWith(const std::vector<Column>& columns) {
    reports::ReportSheet sheet;
    for (const Column& column : columns) sheet.header.emplace_back(column.caption);
    return sheet;
}

// One line per row of `table` that `his` says is the client's, in the table's key order.
reports::ReportSheet linesOf(store::Table& table, const std::vector<Column>& columns,
                             const std::function<bool(store::Table&)>& his) {
    reports::ReportSheet sheet = sheetWith(columns);
    table.setIndexName("");
    for (table.first(); !table.eof(); table.next())
        if (his(table)) sheet.rows.push_back(rowOf(table, columns));
    sheet.detailRows = sheet.rows.size();
    return sheet;
}

const std::vector<Column> kRegister = {{"Codigo", "Código"},
                                       {"Nome", "Nome"},
                                       {"Endereco", "Endereço"},
                                       {"Bairro", "Bairro"},
                                       {"Cidade", "Cidade"},
                                       {"CEP", "CEP"},
                                       {"Fone", "Fone"},
                                       {"Celular", "Celular"},
                                       {"Email", "E-mail"},
                                       {"Aniversario", "Aniversário"},
                                       {"Nascimento", "Nascimento"},
                                       {"Saldo", "Crédito R$"},
                                       {"Lembretes", "Aceita lembretes"},
                                       {"DataLembretes", "Desde"},
                                       {"Ofertas", "Aceita ofertas"},
                                       {"DataOfertas", "Desde"},
                                       {"Obs", "Observações"}};
const std::vector<Column> kBought = {
    {"Data", "Data"}, {"Descricao", "Descrição"}, {"Funcionario", "Funcionário"}, {"Total", "Valor R$"}};
const std::vector<Column> kOpenNotes = {{"DataLan", "Lançamento"},
                                        {"DataVen", "Vencimento"},
                                        {"Documento", "Documento"},
                                        {"Descricao", "Descrição"},
                                        {"Valor", "Valor R$"}};
const std::vector<Column> kSettledNotes = {{"DataLan", "Lançamento"},
                                           {"DataVen", "Vencimento"},
                                           {"Documento", "Documento"},
                                           {"Recebimento", "Recebimento"},
                                           {"Valor", "Valor R$"}};
const std::vector<Column> kAppointments = {
    {"Data", "Data"}, {"Hora", "Hora"}, {"Funcionario", "Funcionário"}, {"Servico", "Serviço"}};

}  // namespace

std::vector<std::filesystem::path> exportClientData(data::Tdm& dm, std::int64_t code,
                                                    const std::filesystem::path& folder) {
    store::Table& cliente = dm.TbCliente;
    store::Table& itens = dm.TbItensServico;
    store::Table& receber = dm.TbReceber;
    store::Table& baixa = dm.TbBaixaR;
    store::Table& agenda = dm.TbAgenda;
    data::OpenedTables open{&cliente, &itens, &receber, &baixa, &agenda};
    // The items are read by client here, not through their sale.
    itens.setMasterSource(nullptr, {});
    struct RelinkItems {
        data::Tdm& dm;
        ~RelinkItems() {
            dm.TbItensServico.setIndexFieldNames("Contador");
            dm.TbItensServico.setMasterSource(&dm.TbServico, "Contador");
        }
    } relink{dm};

    cliente.setIndexName("");
    if (!cliente.findKey({code})) throw data::Refusal("Não Existe Cliente Com Este Código!");
    reports::ReportSheet record = sheetWith(kRegister);
    record.rows.push_back(rowOf(cliente, kRegister));
    record.detailRows = 1;
    const std::string name = core::upperPtBr(core::trimmed(cliente.field("Nome").asString()));

    const auto byCode = [code](const char* field) {
        return [code, field](store::Table& row) { return row.field(field).asInteger() == code; };
    };
    // Appointments keep only the name the client was booked under.
    const auto byName = [&name](store::Table& row) {
        return !name.empty() && core::upperPtBr(core::trimmed(row.field("Cliente").asString())) == name;
    };
    const std::vector<std::pair<const char*, reports::ReportSheet>> files = {
        {"Cliente.csv", record},
        {"Historico.csv", linesOf(itens, kBought, byCode("CodCli"))},
        {"Notinhas.csv", linesOf(receber, kOpenNotes, byCode("CodCliente"))},
        {"NotinhasAcertadas.csv", linesOf(baixa, kSettledNotes, byCode("CodCliente"))},
        {"Agenda.csv", linesOf(agenda, kAppointments, byName)},
    };
    std::vector<std::filesystem::path> written;
    for (const auto& [file, sheet] : files) {
        written.push_back(folder / file);
        reports::writeCsv(sheet, written.back());
    }
    return written;
}

}  // namespace registers
