#include "app/receipt_printer_output.h"

#include "data/dm.h"
#include "receipts/transport.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace app {

receipts::PrinterSettings receiptPrinter(data::Tdm& dm) { return receipts::readPrinterSettings(dm.TbConfig); }

bool printOnReceiptPrinter(const receipts::PrinterSettings& settings, const std::function<std::string()>& bytes,
                           const QString& afterFailure) {
    std::string laidOut;
    if (!ui::runGuarded([&] { laidOut = bytes(); })) return false;
    try {
        receipts::sendToPrinter(settings, laidOut);
        return true;
    } catch (const receipts::PrinterError& error) {
        QString text = QStringLiteral("O recibo não foi impresso: ") + QString::fromStdString(error.what());
        if (!afterFailure.isEmpty()) text += QLatin1Char('\n') + afterFailure;
        ui::Dialogs::current().message(text);
        return false;
    }
}

}  // namespace app
