#include "core/text.h"
#include "core/decimal_text.h"

#include <gtest/gtest.h>

#include <string>

namespace core {
namespace {

TEST(Text, UpperPtBr) {
    EXPECT_EQ(upperPtBr("ç"), "Ç");
    EXPECT_EQ(upperPtBr("ã"), "Ã");
    EXPECT_EQ(upperPtBr("josé"), "JOSÉ");
    EXPECT_EQ(upperPtBr("conceição"), "CONCEIÇÃO");
    EXPECT_EQ(upperPtBr("àáâãéêíóôõúüç"), "ÀÁÂÃÉÊÍÓÔÕÚÜÇ");
    EXPECT_EQ(upperPtBr("serviço de manicure 2"), "SERVIÇO DE MANICURE 2");
    EXPECT_EQ(upperPtBr("idade"), "IDADE");  // no Turkish dotted capital I
    EXPECT_EQ(upperPtBr("JÁ"), "JÁ");
    EXPECT_EQ(upperPtBr(""), "");
}

TEST(Text, CharacterCount) {
    EXPECT_EQ(characterCount(""), 0u);
    EXPECT_EQ(characterCount("abc"), 3u);
    EXPECT_EQ(characterCount("José"), 4u);
    EXPECT_EQ(characterCount("conceição"), 9u);
    EXPECT_EQ(characterCount("€"), 1u);
    EXPECT_EQ(characterCount("😀a"), 2u);
    EXPECT_EQ(characterCount("a\xff"
                             "b"),
              3u);  // an ill-formed byte counts once
}

TEST(Text, LeftCharacters) {
    EXPECT_EQ(leftCharacters("José Silva", 4), "José");
    EXPECT_EQ(leftCharacters("ção", 1), "ç");
    EXPECT_EQ(leftCharacters("ção", 2), "çã");
    EXPECT_EQ(leftCharacters("ção", 10), "ção");
    EXPECT_EQ(leftCharacters("ção", 0), "");
    EXPECT_EQ(leftCharacters("", 3), "");
    EXPECT_EQ(leftCharacters("😀😀", 1), "😀");
    EXPECT_EQ(leftCharacters("\xc3", 1), "\xc3");  // truncated sequence stays one character
}

TEST(Text, PlainCode) {
    for (const auto& [typed, stored] : {std::pair{"07", "7"},
                                        {"7", "7"},
                                        {" 007 ", "7"},
                                        {"10", "10"},
                                        {"000", "0"},
                                        {"0", "0"},
                                        {"", ""},
                                        {"A07", "A07"},
                                        {" 0A ", "0A"}})
        EXPECT_EQ(plainCode(typed), stored) << typed;
}

TEST(Text, Trimmed) {
    EXPECT_EQ(trimmed("  Maria  "), "Maria");
    EXPECT_EQ(trimmed("\t Maria da Silva \r\n"), "Maria da Silva");
    EXPECT_EQ(trimmed("   "), "");
    EXPECT_EQ(trimmed(""), "");
    EXPECT_EQ(trimmed("ção"), "ção");
    EXPECT_EQ(trimmed(" ç "), "ç");
}

}  // namespace
}  // namespace core

TEST(DecimalText, ShortestRoundTripWithADecimalComma) {
    struct Case {
        double value;
        const char* text;
    };
    for (const Case& c : {Case{12.5, "12,5"}, Case{3, "3"}, Case{-0.1, "-0,1"},
                          Case{1234567.25, "1234567,25"}, Case{0.1 + 0.2, "0,30000000000000004"}})
        EXPECT_EQ(core::decimalText(c.value), c.text) << c.value;
}
