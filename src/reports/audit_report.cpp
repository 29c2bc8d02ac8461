#include "reports/audit_report.h"

#include <memory>
#include <set>

#include "data/dm.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
// Left edges of the first line's columns (landscape). The second line holds the summary from
// under the time up to the reason, which sits under the table and key.
constexpr double kHora = 18, kEstacao = 32, kUsuario = 62, kAutorizou = 94, kAcao = 126, kChave = 180;
constexpr double kMotivo = kChave;
const TextStyle kFixed{.sizing = Sizing::Fixed};

using Lines = std::shared_ptr<const std::vector<AuditLine>>;
using Cursor = std::shared_ptr<std::size_t>;

// A summary is written with line breaks between its parts; the report gives it one line.
std::string oneLine(const std::string& text) {
    std::string joined;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            if (!joined.empty() && joined.back() != ' ') joined += "; ";
            continue;
        }
        joined += c;
    }
    return joined;
}

AuditLine lineOf(store::Table& auditoria) {
    const auto text = [&](const char* name) { return auditoria.field(name).asString(); };
    AuditLine line{text("Data"), text("Hora"),   text("Estacao"),         text("Usuario"), text("Autorizou"),
                   text("Acao"), text("Tabela"), oneLine(text("Resumo")), text("Motivo")};
    if (const std::string chave = text("Chave"); !chave.empty()) line.tabelaChave += " " + chave;
    return line;
}

SubDetail auditLines(const Lines& lines, double width) {
    const Cursor at = std::make_shared<std::size_t>(0);
    SubDetail sub;
    sub.held = {lines->size(), [at](std::size_t row) { *at = row; }};
    Band& band = sub.band;
    band.heightMm = 2 * kLine + 1;
    const auto text = [&](RectMm box, std::string AuditLine::*part) {
        band.add(computedLabel(
            box, [lines, at, part] { return (*lines)[*at].*part; }, kFixed));
    };
    text({0, 0, kHora - 1, kLine}, &AuditLine::data);
    text({kHora, 0, kEstacao - kHora - 1, kLine}, &AuditLine::hora);
    text({kEstacao, 0, kUsuario - kEstacao - 1, kLine}, &AuditLine::estacao);
    text({kUsuario, 0, kAutorizou - kUsuario - 1, kLine}, &AuditLine::usuario);
    text({kAutorizou, 0, kAcao - kAutorizou - 1, kLine}, &AuditLine::autorizou);
    text({kAcao, 0, kChave - kAcao - 1, kLine}, &AuditLine::acao);
    text({kChave, 0, width - kChave, kLine}, &AuditLine::tabelaChave);
    text({kHora, kLine, kMotivo - kHora - 1, kLine}, &AuditLine::resumo);
    text({kMotivo, kLine, width - kMotivo, kLine}, &AuditLine::motivo);

    Band footer;
    footer.heightMm = kLine + 4;
    footer.add(horizontalLine(0, 1, width));
    const std::size_t count = lines->size();
    footer.add(label({0, 2, 80, kLine}, "TOTAL DE REGISTROS: " + std::to_string(count),
                     {.bold = true, .sizing = Sizing::Fixed}));
    sub.footer = std::move(footer);
    return sub;
}

Report auditReport(data::Tdm& dm, const AuditSelection& selection, Lines lines) {
    Report report;
    report.name = "QrAuditoria";
    report.page.orientation = Orientation::Landscape;
    const double width = report.page.printableWidthMm();
    const std::string title =
        periodTitle("Relatório de AUDITORIA", selection.period.startText, selection.period.endText);
    Band header = salonHeader(report.page, dm.TbConfig, [title] { return title; },
                              {{0, "DATA"},
                               {kHora, "HORA"},
                               {kEstacao, "ESTAÇÃO"},
                               {kUsuario, "USUÁRIO"},
                               {kAutorizou, "AUTORIZOU"},
                               {kAcao, "AÇÃO"},
                               {kChave, "TABELA / CHAVE"}});
    // The second line of every row, captioned on every page under the strip.
    const TextStyle caption{.bold = true, .sizing = Sizing::Fixed};
    header.add(label({kHora, header.heightMm, kMotivo - kHora - 1, kLine}, "RESUMO", caption));
    header.add(label({kMotivo, header.heightMm, width - kMotivo, kLine}, "MOTIVO", caption));
    header.heightMm += kLine + 1;
    report.pageHeader = std::move(header);
    report.subDetails.push_back(auditLines(lines, width));
    return report;
}

}  // namespace

std::vector<AuditLine> gatherAudit(data::Tdm& dm, const AuditSelection& selection) {
    const PreparedTable prepared(dm.TbAuditoria);
    store::Table& auditoria = dm.TbAuditoria;
    auditoria.setIndexName("siData");
    auditoria.setRange({selection.period.start.toIso()}, {selection.period.end.toIso()});
    std::vector<AuditLine> lines;
    const store::Field user = auditoria.field("CodUsuario"), action = auditoria.field("Acao");
    for (auditoria.first(); !auditoria.eof(); auditoria.next()) {
        if (selection.userCode != 0 && user.asInteger() != selection.userCode) continue;
        if (!selection.action.empty() && action.asString() != selection.action) continue;
        lines.push_back(lineOf(auditoria));
    }
    return lines;
}

std::vector<std::string> auditActions(data::Tdm& dm) {
    const PreparedTable prepared(dm.TbAuditoria);
    store::Table& auditoria = dm.TbAuditoria;
    std::set<std::string> actions;
    const store::Field action = auditoria.field("Acao");
    for (auditoria.first(); !auditoria.eof(); auditoria.next()) actions.insert(action.asString());
    return {actions.begin(), actions.end()};
}

void printAudit(data::Tdm& dm, const AuditSelection& selection, const ReportOutput& output) {
    output(auditReport(dm, selection,
                       std::make_shared<const std::vector<AuditLine>>(gatherAudit(dm, selection))));
}

}  // namespace reports
