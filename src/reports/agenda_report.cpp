#include "reports/agenda_report.h"

#include "data/dm.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
const TextStyle kFixed{.sizing = Sizing::Fixed};
// Left edges of the columns.
constexpr double kFuncionario = 22, kCliente = 80, kServico = 140;

Band pageHeader(data::Tdm& dm, store::Table& agenda, double width) {
    Band band;
    band.heightMm = kLogoHeightMm + 2 + kLine + 2;
    band.add(salonLogo(dm.TbConfig));
    const double textX = kLogoWidthMm + 3, textWidth = width - textX;
    band.add(salonName(dm.TbConfig, {textX, 1, textWidth, 6},
                       {.align = Align::Centre, .bold = true, .points = 12, .sizing = Sizing::Fixed}));
    band.add(label({textX, 8, textWidth, kLine}, "AGENDA DIÁRIA DE SERVIÇOS",
                   {.align = Align::Centre, .bold = true, .sizing = Sizing::Fixed}));
    // The day of the first slot on the page.
    band.add(computedLabel(
        {textX, 13, textWidth, kLine}, [&agenda] { return "Data: " + agenda.field("Data").asString(); },
        kFixed));
    addCaptionStrip(
        band, kLogoHeightMm + 2, width,
        {{0, "Hora:"}, {kFuncionario, "Funcionário:"}, {kCliente, "Cliente:"}, {kServico, "Serviço:"}});
    return band;
}

Band detail(store::Table& a, double width) {
    Band band;
    band.heightMm = kLine + 1.5;
    band.add(dataField({0, 0, kFuncionario - 2, kLine}, a, "Hora", kFixed));
    band.add(dataField({kFuncionario, 0, kCliente - kFuncionario - 2, kLine}, a, "Funcionario", kFixed));
    band.add(dataField({kCliente, 0, kServico - kCliente - 2, kLine}, a, "Cliente", kFixed));
    band.add(dataField({kServico, 0, width - kServico, kLine}, a, "Servico", kFixed));
    band.add(horizontalLine(0, kLine + 0.5, width));
    return band;
}

}  // namespace

Report agendaReport(data::Tdm& dm, store::Table& slots) {
    Report report;
    report.name = "QrAgenda";
    report.mainTable = &slots;
    const double width = report.page.printableWidthMm();
    report.pageHeader = pageHeader(dm, slots, width);
    report.detail = detail(slots, width);
    return report;
}

void printAgenda(data::Tdm& dm, const core::Date& day, std::optional<std::int64_t> employee,
                 const ReportOutput& output) {
    PreparedTable agenda(dm.TbAgenda);
    if (employee) {
        agenda->setIndexName("siFUNC");
        agenda->setRange({*employee, day.toIso()}, {*employee, day.toIso()});
    } else {
        agenda->setIndexName("siData");
        agenda->setRange({day.toIso()}, {day.toIso()});
    }
    output(agendaReport(dm, dm.TbAgenda));
}

}  // namespace reports
