// velmora --recibo: the receipt's ESC/POS bytes written to a file, laid out as the till does.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "receipts/escpos_decoder.h"
#include "receipts/receipt_fixture.h"
#include "reports/report_command_line.h"
#include "reports/sale_receipt.h"
#include "support/temp_dir.h"

namespace receiptstest {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> withoutPrintTime(std::vector<std::string> lines) {
    static const std::regex printed("Emitido em .*");
    for (std::string& line : lines) line = std::regex_replace(line, printed, "Emitido em");
    return lines;
}

class ReceiptCommandLineTest : public ReceiptDataTest {
  protected:
    int run(std::vector<std::string> args) {
        args.insert(args.end(), {"--data", dataDir().string()});
        err.str({});
        return *reports::runReceiptCommandLine(args, std::filesystem::path("/nonexistent"), err);
    }

    testsupport::TempDir out;
    std::ostringstream err;
};

TEST_F(ReceiptCommandLineTest, SaleReceiptAtTheWidthAndTableAsked) {
    const std::int64_t number = fiveItemSale();
    const auto file = out / "venda.bin";
    ASSERT_EQ(run({"--recibo", "venda", file.string(), "--numero", std::to_string(number), "--largura", "32",
                   "--caracteres", "WPC1252", "--pago", "300,00", "--gaveta", "sim"}),
              0)
        << err.str();
    std::optional<receipts::ReceiptDocument> receipt;
    reports::withSale(dm, number,
                      [&] { receipt = reports::narrowSaleReceipt(dm, 32, kPrinted, reais("300,00")); });
    const std::string bytes = readFile(file);
    EXPECT_EQ(bytes.substr(0, 5), std::string("\x1B@\x1Bt\x10", 5)) << "WPC1252 is table 16";
    EXPECT_EQ(withoutPrintTime(decodeEscPos(bytes)),
              withoutPrintTime(decodeEscPos(receipt->encode(receipts::CodePage::WPC1252, true))));
}

TEST_F(ReceiptCommandLineTest, WrongArgumentsExitTwoAndAMissingRecordOneWithoutAFile) {
    const auto file = out / "recibo.bin";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string says;
    };
    const Case cases[] = {
        {{"--recibo", "cupom", file.string()}, 2, "relatório desconhecido: cupom"},
        {{"--recibo", "venda", file.string()}, 2, "pede --numero N"},
        {{"--recibo", "venda", file.string(), "--numero", "1", "--largura", "40"}, 2, "largura inválida: 40"},
        {{"--recibo", "venda", file.string(), "--numero", "1", "--pago", "muito"},
         2,
         "valor inválido em --pago"},
        {{"--recibo", "notinhas", file.string(), "--cliente", "99"},
         1,
         "Não Existe Cliente Com Este Código!"},
        {{"--recibo", "venda", file.string(), "--numero", "99"}, 1, "Lançamento Não Encontrado!"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.args), c.status) << c.says;
        EXPECT_NE(err.str().find(c.says), std::string::npos) << err.str();
        EXPECT_FALSE(std::filesystem::exists(file)) << c.says;
    }
}

}  // namespace
}  // namespace receiptstest
