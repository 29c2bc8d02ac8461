#include "reports/advance_receipt.h"

#include "core/amount_in_words.h"
#include "core/format.h"
#include "core/text.h"
#include "data/dm.h"
#include "data/refusal.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
constexpr double kCopyHeight = 128;  // two copies fit one A4 page between the margins

// One copy of the receipt, in a band of its own.
Band receiptCopy(data::Tdm& dm, const AdvanceReceipt& receipt, double width) {
    Band band;
    band.heightMm = kCopyHeight;
    const TextStyle bold{.bold = true, .points = 10, .sizing = Sizing::Fixed};
    const TextStyle plain{.points = 10, .sizing = Sizing::Fixed};
    const double captionWidth = 40, valueX = captionWidth + 2, valueWidth = width - valueX;

    band.add(rectangle({0, 2, width, kLogoHeightMm + 4}, false));
    band.add(salonLogo(dm.TbConfig, 2, 4));
    band.add(salonName(dm.TbConfig, {kLogoWidthMm + 6, 10, width - kLogoWidthMm - 10, 6},
                       {.bold = true, .points = 12, .sizing = Sizing::Fixed}));

    const double recibo = kLogoHeightMm + 12;
    band.add(label({0, recibo, 60, 7}, "RECIBO", {.bold = true, .points = 16, .sizing = Sizing::Fixed}));
    band.add(rectangle({width - 60, recibo - 1, 60, 9}, false));
    band.add(label({width - 58, recibo + 1, 56, 6},
                   "R$ " + core::formatMask(receipt.value, core::kCaptionMoneyMask),
                   {.align = Align::Right, .bold = true, .points = 12, .sizing = Sizing::Fixed}));

    double y = recibo + 16;
    band.add(label({0, y, captionWidth, kLine}, "PAGAMOS PARA:", plain));
    band.add(label({valueX, y, valueWidth, kLine}, receipt.employee, bold));
    y += 9;
    band.add(label({0, y, captionWidth, kLine}, "A IMPORTÂNCIA DE:", plain));
    // Both lines when the words need them, broken at a blank: a long amount is never cut.
    const auto words = core::ValorPorExtenso(receipt.value, {.keepWords = true});
    for (const std::string& line : words) {
        std::string shown = line;
        while (!shown.empty() && shown.back() == ' ') shown.pop_back();
        if (shown.empty()) continue;
        band.add(label({valueX, y, valueWidth, kLine}, shown, {.points = 8, .sizing = Sizing::Fixed}));
        y += kLine + 1;
    }
    y += 3;
    band.add(label({0, y, captionWidth, kLine}, "REFERENTE A:", plain));
    band.add(label({valueX, y, valueWidth, kLine}, advanceReference(receipt), plain));

    const double footer = kCopyHeight - 40;
    band.add(rectangle({0, footer, width, 34}, false));
    band.add(label({0, footer + 4, width - 4, kLine}, core::longDate(receipt.day),
                   {.align = Align::Right, .points = 10, .sizing = Sizing::Fixed}));
    band.add(horizontalLine(width / 2 - 45, footer + 24, 90));
    band.add(label({width / 2 - 45, footer + 25, 90, kLine}, receipt.employee,
                   {.align = Align::Centre, .points = 10, .sizing = Sizing::Fixed}));
    return band;
}

}  // namespace

std::string advanceReference(const AdvanceReceipt& receipt) {
    return receipt.byCheque ? "Adiantamento (VALE) Pago Com Cheque Nº " + receipt.cheque
                            : "Adiantamento (VALE) Pago em Dinheiro.";
}

Report advanceReceiptReport(data::Tdm& dm, const AdvanceReceipt& receipt) {
    Report report;
    report.name = "QrRECFolha";
    const double width = report.page.printableWidthMm();
    report.title = receiptCopy(dm, receipt, width);
    report.detail = receiptCopy(dm, receipt, width);
    return report;
}

void printAdvanceReceipt(data::Tdm& dm, std::int64_t number, const ReportOutput& output) {
    store::Table& paid = dm.TbBaixaP;
    const bool wasOpen = paid.isOpen();
    paid.open();
    if (!paid.indexName().empty()) paid.setIndexName("");
    const bool found = paid.findKey({number}) && core::trimmed(paid.field("TipoDOC").asString()) == "VALE";
    AdvanceReceipt receipt;
    if (found) {
        receipt.employee = paid.field("Funcionario").asString();
        receipt.value = paid.field("Valor").asCurrency();
        receipt.byCheque = core::trimmed(paid.field("FormaPG").asString()) == "CHEQUE";
        receipt.cheque = paid.field("Cheque").asString();
        receipt.day = paid.field("DataBaixa").asDate();
    }
    if (!wasOpen) paid.close();
    if (!found) throw data::Refusal("O vale número " + std::to_string(number) + " não existe.");
    output(advanceReceiptReport(dm, receipt));
}

}  // namespace reports
