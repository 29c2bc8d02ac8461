#include "receipts/test_page.h"

namespace receipts {

namespace {

// "1234567890" repeated to the paper's width: the last digit shows the last column.
std::string ruler(int columns) {
    std::string digits;
    for (int column = 1; column <= columns; ++column) digits += static_cast<char>('0' + column % 10);
    return digits;
}

}  // namespace

ReceiptDocument testPage(const PrinterSettings& settings, const std::string& salonName) {
    ReceiptDocument page(settings.columns);
    page.text(salonName, {.alignment = Alignment::Centre, .bold = true});
    page.text("TESTE DE IMPRESSÃO", {.alignment = Alignment::Centre, .bold = true, .doubleHeight = true});
    page.rule();
    page.text(ruler(settings.columns));
    page.text("Largura: " + std::to_string(settings.columns) + " colunas");
    page.text(std::string("Tabela: ") + (settings.codePage == CodePage::PC860 ? "PC860" : "WPC1252"));
    page.text("Acentos: ÁÉÍÓÚ ÂÊÔ ÃÕ À Ç");
    page.text("         áéíóú âêô ãõ à ç");
    page.text(std::string("Gaveta: ") + (settings.openDrawer ? "abre no pagamento em dinheiro" : "não abre"));
    page.rule();
    return page;
}

std::string testPageBytes(const PrinterSettings& settings, const std::string& salonName) {
    return testPage(settings, salonName).encode(settings.codePage, settings.openDrawer);
}

}  // namespace receipts
