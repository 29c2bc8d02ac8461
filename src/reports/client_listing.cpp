#include "reports/client_listing.h"

#include "data/dm.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
const TextStyle kFixed{.sizing = Sizing::Fixed};

Band pageHeader(data::Tdm& dm, double width) {
    Band band;
    band.heightMm = 25;
    band.add(salonLogo(dm.TbConfig));
    addPageNumber(band, "Pág.:", width, 0);
    addIssueDate(band, width, kLine);
    band.add(salonName(dm.TbConfig, {kLogoWidthMm + 2, 9, width - 2 * (kLogoWidthMm + 2), 6},
                       {.align = Align::Centre, .bold = true, .points = 12, .sizing = Sizing::Fixed}));
    band.add(label({0, 16, width, 5}, "LISTAGEM DE CLIENTES ",
                   {.align = Align::Centre, .bold = true, .points = 11}));
    band.add(horizontalLine(0, 23, width));
    return band;
}

Band detail(data::Tdm& dm, double width) {
    store::Table& c = dm.TbCliente;
    const double y1 = 1, y2 = y1 + kLine, y3 = y2 + kLine;
    Band band;
    band.heightMm = y3 + kLine + 2;
    band.add(label({0, y1, 20, kLine}, "Nome.......:"));
    band.add(dataField({20, y1, 115, kLine}, c, "Nome", kFixed));
    band.add(label({140, y1, 20, kLine}, "Aniversário:"));
    band.add(dataField({160, y1, width - 160, kLine}, c, "Aniversario", kFixed));

    band.add(label({0, y2, 20, kLine}, "Endereço:"));
    band.add(computedLabel(
        {20, y2, 115, kLine},
        [&c] { return c.field("Endereco").asString() + " - Bairro: " + c.field("Bairro").asString(); },
        kFixed));
    band.add(label({140, y2, 14, kLine}, "Cidade:"));
    band.add(dataField({154, y2, width - 154, kLine}, c, "Cidade", kFixed));

    band.add(label({0, y3, 20, kLine}, "CEP..........:"));
    band.add(dataField({20, y3, 24, kLine}, c, "CEP", kFixed));
    band.add(label({45, y3, 10, kLine}, "Fone:"));
    band.add(dataField({55, y3, 26, kLine}, c, "Fone", kFixed));
    band.add(label({82, y3, 14, kLine}, "Celular:"));
    band.add(dataField({96, y3, 27, kLine}, c, "Celular", kFixed));
    band.add(label({124, y3, 13, kLine}, "E-mail:"));
    band.add(dataField({137, y3, width - 137, kLine}, c, "Email", kFixed));
    band.add(horizontalLine(0, y3 + kLine + 1, width));
    return band;
}

}  // namespace

Report clientListingReport(data::Tdm& dm) {
    Report report;
    report.name = "QrClientes";
    report.page.margins = {.top = 5, .bottom = 5, .left = 5, .right = 5};
    report.mainTable = &dm.TbCliente;
    const double width = report.page.printableWidthMm();
    report.pageHeader = pageHeader(dm, width);
    report.detail = detail(dm, width);
    return report;
}

void printClientListing(data::Tdm& dm, const ReportOutput& output) {
    PreparedTable clientes(dm.TbCliente);
    clientes->setIndexName("siNome");
    output(clientListingReport(dm));
}

void previewClientListing(data::Tdm& dm) {
    printClientListing(dm, previewReport);
}

}  // namespace reports
