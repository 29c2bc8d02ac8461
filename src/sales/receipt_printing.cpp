#include "sales/receipt_printing.h"

#include "app/receipt_printer_output.h"
#include "data/dm.h"
#include "data/opened_tables.h"
#include "data/payment_form.h"
#include "reports/narrow_receipts.h"

namespace sales {

bool receiptPrinterSet(data::Tdm& dm) {
    return app::receiptPrinter(dm).transport != receipts::Transport::None;
}

std::string currentSaleReceipt(data::Tdm& dm, const receipts::PrinterSettings& settings,
                               std::optional<core::Currency> handedOver, bool payment) {
    const bool pulse =
        payment && settings.openDrawer &&
        dm.TbServico.field("TipoPG").asString() == data::storedWord(data::PaymentForm::Dinheiro);
    // The items follow the sale through the master link; the payment may have closed them.
    data::OpenedTables items{&dm.TbItensServico};
    return reports::narrowSaleReceipt(dm, settings.columns, reports::PrintedAt::now(), handedOver)
        .encode(settings.codePage, pulse);
}

bool printSaleOnReceiptPrinter(data::Tdm& dm, std::optional<core::Currency> handedOver, bool payment) {
    const receipts::PrinterSettings settings = app::receiptPrinter(dm);
    return app::printOnReceiptPrinter(
        settings, [&] { return currentSaleReceipt(dm, settings, handedOver, payment); },
        QStringLiteral("O lançamento está gravado; o recibo pode ser impresso de novo em \"Consultar\" e "
                       "\"Recibo\"."));
}

}  // namespace sales
