// The encoder's bytes and the narrow layout's lines: what a thermal printer is sent.
#include <gtest/gtest.h>

#include "receipts/escpos.h"
#include "receipts/escpos_decoder.h"
#include "receipts/receipt_document.h"

namespace receiptstest {
namespace {

using receipts::Alignment;
using receipts::CodePage;
using receipts::EscPos;
using receipts::ReceiptDocument;

std::string bytes(std::initializer_list<int> values) {
    std::string text;
    for (int value : values) text += static_cast<char>(value);
    return text;
}

TEST(EscPos, CommandsAreTheEpsonBytes) {
    EscPos printer(CodePage::PC860);
    printer.align(Alignment::Centre).mode(true, true).line("OK").feed(2).drawerPulse().cut();
    EXPECT_EQ(printer.bytes(),
              bytes({0x1B, '@', 0x1B, 't',  3,                          // initialise, PC860
                     0x1B, 'a', 1,    0x1B, '!', 0x18, 'O', 'K', 0x0A,  // centred, bold + tall
                     0x1B, 'd', 2,    0x1B, 'p', 0,    25,  250,        // feed, drawer pulse
                     0x1B, 'd', 4,    0x1D, 'V', 1}));                  // feed and cut
    EXPECT_EQ(EscPos(CodePage::WPC1252).bytes(), bytes({0x1B, '@', 0x1B, 't', 16}));
}

TEST(EscPos, PortugueseLettersGoOutInThePrintersTable) {
    struct Case {
        const char* text;
        CodePage page;
        std::string expected;
    };
    const Case cases[] = {
        {"Ç ç ã õ É", CodePage::PC860, bytes({0x80, ' ', 0x87, ' ', 0x84, ' ', 0x94, ' ', 0x90})},
        {"Ç ç ã õ É", CodePage::WPC1252, bytes({0xC7, ' ', 0xE7, ' ', 0xE3, ' ', 0xF5, ' ', 0xC9})},
        {"Ê À", CodePage::PC860, bytes({0x89, ' ', 0x91})},
        // Missing from the table: a question mark, one per character, never a cut line.
        {"R€ 5", CodePage::PC860, "R? 5"},
        {"R€ 5", CodePage::WPC1252, bytes({'R', 0x80, ' ', '5'})},
        {"✂ ok", CodePage::WPC1252, "? ok"},
    };
    for (const Case& c : cases) EXPECT_EQ(receipts::encodeText(c.text, c.page), c.expected) << c.text;
}

TEST(ReceiptDocument, ColumnsKeepTheValueWholeAndCutTheCaption) {
    ReceiptDocument receipt(20);
    receipt.columnsPair("TOTAL R$", "1.234,56");
    receipt.columnsPair("HIDRATAÇÃO PROFUNDA COM ÓLEO", "45,00");
    receipt.columnsPair("", "99,00");
    receipt.rule();
    ASSERT_EQ(receipt.lines().size(), 4u);
    EXPECT_EQ(receipt.lines()[0].text, "TOTAL R$    1.234,56");
    EXPECT_EQ(receipt.lines()[1].text, "HIDRATAÇÃO PRO 45,00");  // 20 characters, not bytes
    EXPECT_EQ(receipt.lines()[2].text, "               99,00");
    EXPECT_EQ(receipt.lines()[3].text, std::string(20, '-'));
}

TEST(ReceiptDocument, LongTextBreaksAtSpacesOrAtTheMargin) {
    ReceiptDocument receipt(12);
    receipt.text("CLIENTE: MARIA JOSÉ CONCEIÇÃO");
    receipt.text("ABCDEFGHIJKLMNOPQ");
    std::vector<std::string> lines;
    for (const auto& line : receipt.lines()) lines.push_back(line.text);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"CLIENTE:", "MARIA JOSÉ", "CONCEIÇÃO", "ABCDEFGHIJKL", "MNOPQ"}));
}

TEST(ReceiptDocument, EncodedStylesChangeOnlyWhereTheLinesDo) {
    ReceiptDocument receipt(32);
    receipt.text("SALÃO", {.alignment = Alignment::Centre, .bold = true});
    receipt.text("RECIBO", {.alignment = Alignment::Centre, .bold = true, .doubleHeight = true});
    receipt.text("linha");
    receipt.text("outra");
    EXPECT_EQ(decodeEscPos(receipt.encode(CodePage::PC860, true)),
              (std::vector<std::string>{"<inicializa>", "<tabela 3>", "<gaveta pino 0 50 ms/500 ms>",
                                        "[C B] SALÃO", "[C B 2H] RECIBO", "[L] linha", "[L] outra",
                                        "<avança 4>", "<corte parcial>"}));
    const std::string plain = receipt.encode(CodePage::WPC1252);
    EXPECT_EQ(plain.find(bytes({0x1B, 'p'})), std::string::npos) << "no drawer pulse unless asked";
    // The two plain lines follow each other with no command between them.
    EXPECT_NE(plain.find("linha\noutra\n"), std::string::npos);
}

}  // namespace
}  // namespace receiptstest
