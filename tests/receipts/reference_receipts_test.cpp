// The three narrow receipts at both paper widths against their reference bytes under
// tests/receipts/reference. A difference is shown as the decoded lines of both, so it reads
// as text. VELMORA_WRITE_RECEIPT_REFERENCES=1 writes the references again, on purpose only.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/text.h"
#include "data/dm.h"
#include "receipts/escpos_decoder.h"
#include "receipts/receipt_fixture.h"
#include "reports/cash_closing_report.h"
#include "reports/client_notes_report.h"
#include "reports/sale_receipt.h"

namespace receiptstest {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReferenceReceiptsTest : public ReceiptDataTest, public ::testing::WithParamInterface<int> {
  protected:
    int columns() const { return GetParam(); }

    // The receipt's bytes equal the reference's; their decoded lines are returned for the
    // checks that say what the reference must hold.
    std::vector<std::string> matchesReference(const std::string& name,
                                              const receipts::ReceiptDocument& receipt, bool drawer = false) {
        const std::string bytes = receipt.encode(receipts::CodePage::PC860, drawer);
        const fs::path path =
            fs::path(VELMORA_RECEIPT_REFERENCES) / (name + "-" + std::to_string(columns()) + ".bin");
        if (std::getenv("VELMORA_WRITE_RECEIPT_REFERENCES")) std::ofstream(path, std::ios::binary) << bytes;
        const std::string reference = readFile(path);
        EXPECT_FALSE(reference.empty()) << path << " is missing";
        const auto lines = decodeEscPos(bytes);
        EXPECT_EQ(lines, decodeEscPos(reference)) << "printed now:\n" << joined(lines);
        EXPECT_EQ(bytes, reference) << "the same text in other bytes: " << path;
        // Nothing wider than the paper: the printer would wrap it on its own.
        for (const auto& line : receipt.lines())
            EXPECT_LE(core::characterCount(line.text), static_cast<std::size_t>(columns())) << line.text;
        return lines;
    }

    static bool has(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    // A caption and a value at the two margins of a line styled `style`.
    std::string pair(const std::string& style, const std::string& left, const std::string& right) const {
        const std::size_t gap =
            static_cast<std::size_t>(columns()) - core::characterCount(left) - core::characterCount(right);
        return style + " " + left + std::string(gap, ' ') + right;
    }
};

TEST_P(ReferenceReceiptsTest, SaleWithFiveItemsCreditAndChange) {
    const std::int64_t number = fiveItemSale();
    std::optional<receipts::ReceiptDocument> receipt;
    reports::withSale(
        dm, number, [&] { receipt = reports::narrowSaleReceipt(dm, columns(), kPrinted, reais("300,00")); });
    const auto lines = matchesReference("venda", *receipt, true);
    EXPECT_EQ(lines[2], "<gaveta pino 0 50 ms/500 ms>");
    EXPECT_TRUE(has(lines, "[C B] Espaço Beleza & Cia"));
    EXPECT_TRUE(has(lines, "[C B 2H] RECIBO"));
    EXPECT_TRUE(has(lines, pair("[L]", "CORTE FEMININO", "72,00")));
    EXPECT_TRUE(has(lines, pair("[L]", "3 x ESMALTE CINTILANTE", "29,70")));
    EXPECT_TRUE(has(lines, pair("[L]", "SUBTOTAL R$", "291,70")));
    EXPECT_TRUE(has(lines, pair("[L]", "CRÉDITO DO CLIENTE R$", "-20,00")));
    EXPECT_TRUE(has(lines, pair("[L B 2H]", "TOTAL R$", "271,70")));
    EXPECT_TRUE(has(lines, pair("[L]", "PAGAMENTO:", "DINHEIRO")));
    EXPECT_TRUE(has(lines, pair("[L]", "VALOR PAGO R$", "300,00")));
    EXPECT_TRUE(has(lines, pair("[L B]", "TROCO R$", "28,30")));
    EXPECT_TRUE(has(lines, "[C] Emitido em 14/03/26 às 18:05"));
    EXPECT_EQ(lines.back(), "<corte parcial>");
}

TEST_P(ReferenceReceiptsTest, SettlementReceiptOfTheClientsNotes) {
    twoNotes();
    std::optional<receipts::ReceiptDocument> receipt;
    reports::withClientNotes(dm, kMaria,
                             [&] { receipt = reports::narrowClientNotes(dm, columns(), kPrinted); });
    const auto lines = matchesReference("notinhas", *receipt);
    EXPECT_TRUE(has(lines, "[L] CLIENTE: MARIA JOSÉ CONCEIÇÃO"));
    EXPECT_TRUE(has(lines, pair("[L B 2H]", "TOTAL R$", "114,90")));
    EXPECT_TRUE(has(lines, "[C] Assinatura"));
}

TEST_P(ReferenceReceiptsTest, CashClosingSummary) {
    fiveItemSale();
    twoNotes();
    closeCash();
    std::optional<receipts::ReceiptDocument> receipt;
    reports::withCashPeriod(dm, kCash,
                            [&] { receipt = reports::narrowCashClosing(dm, columns(), kPrinted); });
    const auto lines = matchesReference("fechamento-caixa", *receipt);
    EXPECT_TRUE(has(lines, "[C B 2H] FECHAMENTO DE CAIXA"));
    EXPECT_TRUE(has(lines, pair("[L]", "C. INICIAL R$", "100,00")));
    EXPECT_TRUE(has(lines, pair("[L]", "DINHEIRO R$", "271,70")));
    EXPECT_TRUE(has(lines, pair("[L]", "NOTINHAS R$", "114,90")));
    EXPECT_TRUE(has(lines, pair("[L]", "SERVIÇOS R$", "406,60")));
    EXPECT_TRUE(has(lines, pair("[L]", "CRÉDITOS R$", "20,00")));
    EXPECT_TRUE(has(lines, pair("[L B]", "TOTAL R$", "386,60")));
}

INSTANTIATE_TEST_SUITE_P(PaperWidths, ReferenceReceiptsTest, ::testing::Values(48, 32),
                         [](const auto& info) { return std::to_string(info.param) + "Colunas"; });

}  // namespace
}  // namespace receiptstest
