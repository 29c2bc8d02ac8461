#include "reports/sale_receipt.h"

#include "core/text.h"
#include "data/dm.h"
#include "data/refusal.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
constexpr const char* kMoney = "0.0,0";
constexpr double kValor = 35;  // the value column at the right
const TextStyle kFixed{.sizing = Sizing::Fixed};
const TextStyle kMoneyStyle{.align = Align::Right, .sizing = Sizing::Fixed};
const TextStyle kLarge{.align = Align::Centre, .bold = true, .points = 14, .sizing = Sizing::Fixed};
const std::string kLeader = " . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .";

Band pageHeader(data::Tdm& dm, double width) {
    Band band;
    band.heightMm = kLogoHeightMm + 22;
    band.add(salonLogo(dm.TbConfig));
    band.add(salonName(dm.TbConfig, {0, 1, width, 6},
                       {.align = Align::Centre, .bold = true, .points = 12, .sizing = Sizing::Fixed}));
    band.add(label({0, 8, width, 7}, "SERVIÇOS PRESTADOS", kLarge));
    band.add(label({0, 15, width, 7}, "RECIBO", kLarge));
    const double dateLine = kLogoHeightMm + 4;
    band.add(label({0, dateLine, 12, kLine}, "Data:", {.bold = true}));
    band.add(dataField({12, dateLine, 40, kLine}, dm.TbServico, "Data", kFixed));
    addCaptionStrip(band, dateLine + kLine + 2, width,
                    {{0, "PRODUTOS E SERVIÇOS"}, {width, "VALOR R$", Align::Right}});
    return band;
}

// Each item: its description and the dots, cut where the value column begins.
Band itemLine(store::Table& items, double width) {
    Band band;
    band.heightMm = kLine + 0.5;
    band.add(computedLabel(
        {0, 0, width - kValor - 2, kLine},
        [&items] { return items.field("Descricao").asString() + kLeader + kLeader + kLeader; }, kFixed));
    band.add(dataField({width - kValor, 0, kValor, kLine}, items, "Total", kMoneyStyle, kMoney));
    return band;
}

Band summary(store::Table& sale, double width) {
    Band band;
    band.heightMm = 32;
    band.add(horizontalLine(0, 1, width));
    band.add(label({0, 4, 18, kLine}, "CLIENTE:", {.bold = true}));
    band.add(computedLabel(
        {18, 4, width - kValor - 45, kLine},
        [&sale] {
            // A sale stored without a client says so, as the payment names it.
            const std::string client = core::trimmed(sale.field("Cliente").asString());
            return client.empty() ? std::string("NÃO INDICADO...") : client;
        },
        kFixed));
    const double boxLeft = width - kValor - 24;
    band.add(rectangle({boxLeft, 3, width - boxLeft, kLine + 2}, false));
    band.add(label({boxLeft + 1, 4, 22, kLine}, "TOTAL...R$", {.bold = true}));
    band.add(dataField({width - kValor, 4, kValor - 1, kLine}, sale, "Total",
                       {.align = Align::Right, .bold = true, .sizing = Sizing::Fixed}, kMoney));
    const double signature = 70;
    band.add(horizontalLine((width - signature) / 2, 24, signature));
    band.add(label({0, 25, width, kLine}, "Assinatura", {.align = Align::Centre, .sizing = Sizing::Fixed}));
    return band;
}

}  // namespace

Report saleReceiptReport(data::Tdm& dm) {
    Report report;
    report.name = "QrServico";
    const double width = report.page.printableWidthMm();
    report.pageHeader = pageHeader(dm, width);
    report.detail.heightMm = 0;
    report.subDetails.push_back({&dm.TbItensServico, itemLine(dm.TbItensServico, width), std::nullopt});
    report.summary = summary(dm.TbServico, width);
    return report;
}

void withSale(data::Tdm& dm, std::int64_t saleNumber, const std::function<void()>& use) {
    PreparedTable sale(dm.TbServico);
    PreparedTable items(dm.TbItensServico);
    if (!sale->findKey({saleNumber})) throw data::Refusal("Lançamento Não Encontrado!");
    use();
}

void printSaleReceipt(data::Tdm& dm, std::int64_t saleNumber, const ReportOutput& output) {
    withSale(dm, saleNumber, [&] { output(saleReceiptReport(dm)); });
}

}  // namespace reports
