#include "reports/narrow_receipts.h"

#include "core/format.h"
#include "core/text.h"
#include "data/dm.h"
#include "reports/cash_closing_report.h"
#include "reports/client_notes_report.h"
#include "reports/sale_receipt.h"

namespace reports {

namespace {

using receipts::Alignment;
using receipts::LineStyle;
using receipts::ReceiptDocument;

const LineStyle kTitle{.alignment = Alignment::Centre, .bold = true, .doubleHeight = true};
const LineStyle kCentred{.alignment = Alignment::Centre};
const LineStyle kBold{.bold = true};
const LineStyle kTotal{.bold = true, .doubleHeight = true};

std::string money(core::Currency value) {
    return core::formatMoney(value);
}

std::string text(store::Table& table, const char* field) {
    return core::trimmed(table.field(field).asString());
}

std::string date(store::Table& table, const char* field) {
    return core::shortDateTwoDigitYear(table.field(field).asDate());
}

void salonHeader(ReceiptDocument& receipt, data::Tdm& dm) {
    receipt.text(text(dm.TbConfig, "Nome"), {.alignment = Alignment::Centre, .bold = true});
}

void printedFooter(ReceiptDocument& receipt, const PrintedAt& printed) {
    receipt.text(
        "Emitido em " + core::shortDateTwoDigitYear(printed.date) + " às " + printed.time.toShortText(),
        kCentred);
}

void signature(ReceiptDocument& receipt) {
    receipt.blank();
    receipt.blank();
    receipt.text(std::string(static_cast<std::size_t>(receipt.columns() - 8), '_'), kCentred);
    receipt.text("Assinatura", kCentred);
}

}  // namespace

ReceiptDocument narrowSaleReceipt(data::Tdm& dm, int columns, const PrintedAt& printed,
                                  std::optional<core::Currency> handedOver) {
    store::Table& sale = dm.TbServico;
    store::Table& items = dm.TbItensServico;
    ReceiptDocument receipt(columns);
    salonHeader(receipt, dm);
    receipt.text("SERVIÇOS PRESTADOS", kCentred);
    receipt.text("RECIBO", kTitle);
    receipt.columnsPair("Nº " + std::to_string(sale.field("Contador").asInteger()),
                        "Data: " + date(sale, "Data"));
    receipt.rule();
    receipt.columnsPair("PRODUTOS E SERVIÇOS", "VALOR R$", kBold);
    for (items.first(); !items.eof(); items.next()) {
        const double quantity = items.field("Porcentagem").asFloat();
        const std::string count = quantity > 1 ? core::formatMask(quantity, "0") + " x " : std::string();
        receipt.columnsPair(count + text(items, "Descricao"), money(items.field("Total").asCurrency()));
    }
    receipt.rule();
    const core::Currency subTotal = sale.field("SubTotal").asCurrency();
    const core::Currency credit = sale.field("Saldo").asCurrency();
    const core::Currency total = sale.field("Total").asCurrency();
    if (credit > core::Currency{}) {
        receipt.columnsPair("SUBTOTAL R$", money(subTotal));
        receipt.columnsPair("CRÉDITO DO CLIENTE R$", "-" + money(credit));
    }
    receipt.columnsPair("TOTAL R$", money(total), kTotal);
    receipt.columnsPair("PAGAMENTO:", text(sale, "TipoPG"));
    if (handedOver && *handedOver >= total) {
        receipt.columnsPair("VALOR PAGO R$", money(*handedOver));
        receipt.columnsPair("TROCO R$", money(*handedOver - total), kBold);
    }
    receipt.rule();
    receipt.text("CLIENTE: " + text(sale, "Cliente"));
    printedFooter(receipt, printed);
    return receipt;
}

ReceiptDocument narrowClientNotes(data::Tdm& dm, int columns, const PrintedAt& printed) {
    store::Table& notes = dm.TbReceber;
    ReceiptDocument receipt(columns);
    salonHeader(receipt, dm);
    receipt.text("RECIBO", kTitle);
    receipt.text("CLIENTE: " + text(dm.TbCliente, "Nome"));
    receipt.rule();
    receipt.columnsPair("DATA  PRODUTOS E SERVIÇOS", "VALOR R$", kBold);
    core::Currency sum;
    for (notes.first(); !notes.eof(); notes.next()) {
        const core::Currency value = notes.field("Valor").asCurrency();
        sum += value;
        receipt.columnsPair(date(notes, "DataLan") + " " + text(notes, "Descricao"), money(value));
        if (const std::string employee = text(notes, "SubNome"); !employee.empty())
            receipt.text("  " + employee);
    }
    receipt.rule();
    receipt.columnsPair("TOTAL R$", money(sum), kTotal);
    signature(receipt);
    printedFooter(receipt, printed);
    return receipt;
}

ReceiptDocument narrowCashClosing(data::Tdm& dm, int columns, const PrintedAt& printed) {
    store::Table& caixa = dm.TbCaixa;
    store::Table& sales = dm.TbServico;
    ReceiptDocument receipt(columns);
    salonHeader(receipt, dm);
    receipt.text("FECHAMENTO DE CAIXA", kTitle);
    receipt.text("Caixa nº " + std::to_string(caixa.field("Contador").asInteger()) + " - " +
                 text(caixa, "Funcionario"));
    receipt.text("Abertura:   " + date(caixa, "Abertura") + " " + text(caixa, "Hora1"));
    receipt.text("Fechamento: " + date(caixa, "Fechamento") + " " + text(caixa, "Hora2"));
    receipt.rule();
    core::Currency services, credits;
    for (sales.first(); !sales.eof(); sales.next()) {
        const core::Currency paid = sales.field("PGTotal").asCurrency();
        services += paid;
        credits += sales.field("Saldo").asCurrency();
        receipt.columnsPair(date(sales, "Data") + " " + text(sales, "Cliente"), money(paid));
        receipt.text("  " + text(sales, "TipoPG") + " - " + text(sales, "Funcioario"));
    }
    receipt.rule();
    const auto row = [&](const char* caption, core::Currency value, LineStyle style = {}) {
        receipt.columnsPair(caption, money(value), style);
    };
    const auto stored = [&](const char* field) { return caixa.field(field).asCurrency(); };
    row("C. INICIAL R$", stored("DinheiroDIA"));
    row("DINHEIRO R$", stored("Dinheiro"));
    row("CHEQUE R$", stored("Cheque"));
    row("C. CRÉD. R$", stored("Cartao"));
    row("C. DÉB. R$", stored("Debito"));
    row("NOTINHAS R$", stored("TEF"));
    row("CAIXA R$", stored("Total"), kBold);
    row("RETIRADA R$", stored("DinheiroTOTAL"));
    row("DEPÓSITO R$", stored("Deposito"));
    row("T. DINHEIRO R$", stored("Caixa"));
    receipt.rule();
    row("SERVIÇOS R$", services);
    row("CRÉDITOS R$", credits);
    row("TOTAL R$", services - credits, kBold);
    row("REPASSAR R$", stored("Repasse"), kTotal);
    receipt.rule();
    printedFooter(receipt, printed);
    return receipt;
}

std::string saleReceiptBytes(data::Tdm& dm, std::int64_t saleNumber, const receipts::PrinterSettings& printer,
                             bool drawer, std::optional<core::Currency> handedOver, const PrintedAt& printed) {
    std::string bytes;
    withSale(dm, saleNumber, [&] {
        bytes = narrowSaleReceipt(dm, printer.columns, printed, handedOver).encode(printer.codePage, drawer);
    });
    return bytes;
}

std::string clientNotesBytes(data::Tdm& dm, std::int64_t clientCode, const receipts::PrinterSettings& printer,
                             bool drawer, const PrintedAt& printed) {
    std::string bytes;
    withClientNotes(dm, clientCode, [&] {
        bytes = narrowClientNotes(dm, printer.columns, printed).encode(printer.codePage, drawer);
    });
    return bytes;
}

std::string cashClosingBytes(data::Tdm& dm, std::optional<std::int64_t> number,
                             const receipts::PrinterSettings& printer, bool drawer, const PrintedAt& printed) {
    std::string bytes;
    withCashPeriod(dm, number, [&] {
        bytes = narrowCashClosing(dm, printer.columns, printed).encode(printer.codePage, drawer);
    });
    return bytes;
}

}  // namespace reports
