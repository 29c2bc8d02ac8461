#include "registers/client_export.h"

#include <functional>
#include <memory>
#include <string>

#include "core/format.h"
#include "core/text.h"
#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/refusal.h"
#include "registers/items_by_client.h"
#include "reports/engine/items.h"
#include "reports/engine/pdf_export.h"
#include "reports/engine/report.h"
#include "reports/engine/salon_header.h"
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
    if (field.type() == store::FieldType::Currency) {
        cell.value = field.asCurrency();
        cell.text = core::formatMoney(field.asCurrency());
    }
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

// One part of the export: a CSV file of its own, a titled block of the PDF.
struct Section {
    const char* file;
    const char* title;
    reports::ReportSheet sheet;
};

// The register reads down the page in the PDF, a caption and its value a line.
reports::ReportSheet downThePage(const reports::ReportSheet& record) {
    reports::ReportSheet lines;
    lines.header = {"Campo", "Valor"};
    for (std::size_t i = 0; i < record.header.size(); ++i)
        lines.rows.push_back({{record.header[i], {}}, record.rows.front()[i]});
    lines.detailRows = lines.rows.size();
    return lines;
}

// Each section prints its title, its captions and its lines as rows the report holds; the
// columns share the width.
reports::SubDetail blockOf(const std::string& title, const reports::ReportSheet& sheet, double width) {
    constexpr double kLine = reports::kLineHeightMm;
    constexpr std::size_t kTitleRow = 0, kCaptionRow = 1, kFirstLine = 2;
    auto row = std::make_shared<std::size_t>(0);
    reports::SubDetail block;
    block.held = {sheet.rows.size() + kFirstLine, [row](std::size_t i) { *row = i; }};
    block.band.heightMm = kLine + 0.5;
    block.band.add(
        reports::TextItem{{0, 0, width, kLine},
                          reports::LabelText{{}, [row, title] { return *row == kTitleRow ? title : ""; }},
                          {.bold = true, .points = 10, .sizing = reports::Sizing::Fixed}});
    const double column = width / static_cast<double>(sheet.header.size());
    for (std::size_t c = 0; c < sheet.header.size(); ++c) {
        const auto text = [row, c, &sheet]() -> std::string {
            if (*row == kCaptionRow) return sheet.header[c];
            if (*row < kFirstLine) return {};
            const auto& cells = sheet.rows[*row - kFirstLine];
            return c < cells.size() ? cells[c].text : std::string();
        };
        block.band.add(reports::TextItem{{column * static_cast<double>(c), 0, column - 1, kLine},
                                         reports::LabelText{{}, text},
                                         {.sizing = reports::Sizing::Fixed}});
    }
    return block;
}

void writeClientPdf(const std::vector<Section>& sections, const std::string& name,
                    const std::filesystem::path& path) {
    reports::Report report;
    report.name = "QrDadosCliente";
    const double width = report.page.printableWidthMm();
    reports::Band title;
    title.heightMm = 10;
    title.add(reports::label(
        {0, 1, width, 6}, "DADOS DO CLIENTE: " + name,
        {.align = reports::Align::Centre, .bold = true, .points = 12, .sizing = reports::Sizing::Fixed}));
    report.title = title;
    const reports::ReportSheet record = downThePage(sections.front().sheet);
    for (const Section& section : sections)
        report.subDetails.push_back(
            blockOf(section.title, &section == &sections.front() ? record : section.sheet, width));
    reports::writePdf(report, path);
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
    const ItemsByClient byClient(dm);

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
    const std::vector<Section> sections = {
        {"Cliente.csv", "CADASTRO", record},
        {"Historico.csv", "HISTÓRICO", linesOf(itens, kBought, byCode("CodCli"))},
        {"Notinhas.csv", "NOTINHAS EM ABERTO", linesOf(receber, kOpenNotes, byCode("CodCliente"))},
        {"NotinhasAcertadas.csv", "NOTINHAS ACERTADAS", linesOf(baixa, kSettledNotes, byCode("CodCliente"))},
        {"Agenda.csv", "AGENDA", linesOf(agenda, kAppointments, byName)},
    };
    std::vector<std::filesystem::path> written;
    for (const Section& section : sections) {
        written.push_back(folder / section.file);
        reports::writeCsv(section.sheet, written.back());
    }
    written.push_back(folder / "DadosDoCliente.pdf");
    writeClientPdf(sections, core::trimmed(cliente.field("Nome").asString()), written.back());
    return written;
}

}  // namespace registers
