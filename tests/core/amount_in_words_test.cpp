// Amounts in words as receipts print them, blanks of the word tables included.
#include <gtest/gtest.h>

#include "core/amount_in_words.h"

namespace {

using core::Currency;

std::string withoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

TEST(AmountInWords, EveryAmountReadsAsTheReceiptsPrintIt) {
    const struct {
        std::int64_t centavos;
        const char* text;
    } cases[] = {
        {0, ""},
        {1, " UM CENTAVO"},
        {50, " CINQUENTA CENTAVOS"},
        {100, " UM REAL"},
        {1200, "  DOZE REAIS"},
        {2300, " VINTE E  TRES REAIS"},
        {10000, " CEM REAIS"},
        {10100, " CENTO E UM REAIS"},
        {100000, " UM MIL REAIS"},
        {100100, " UM MIL E UM REAIS"},
        {120000, " UM MIL E DUZENTOS REAIS"},
        {123456, " UM MIL DUZENTOS E TRINTA E  QUATRO REAIS  E CINQUENTA E  SEIS CENTAVOS"},
        {100000000, " UM MILHAO REAIS"},
        {100000100, " UM MILHAO UM REAIS"},
        {250000050, " DOIS MILHOES QUINHENTOS MIL REAIS  E CINQUENTA CENTAVOS"},
        // beyond the receipt's examples: teens after hundreds, 1 centavo after whole reais
        {11500, " CENTO E QUINZE REAIS"},
        {99999999999,
         " NOVECENTOS E NOVENTA E  NOVE MILHOES NOVECENTOS E NOVENTA E  NOVE MIL NOVECENTOS E "
         "NOVENTA E  NOVE REAIS  E NOVENTA E  NOVE CENTAVOS"},
        {201, " DOIS REAIS  E UM CENTAVO"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.centavos);
        EXPECT_EQ(withoutTrailingBlanks(core::amountWords(Currency::fromUnits(c.centavos * 100))), c.text);
    }
}

// Blanks of the word tables aside (the case above holds them), every word of the tables —
// each unit, teen, ten and hundred, "CEM", thousand, million, singular and plural — in an
// amount of its own, so a word misspelt in a table shows.
std::string singleBlanks(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
    return withoutTrailingBlanks(out);
}

TEST(AmountInWords, EveryWordOfTheTablesIsSpeltRight) {
    const struct {
        std::int64_t centavos;
        const char* text;
    } cases[] = {
        {1, "UM CENTAVO"},
        {100, "UM REAL"},
        {203, "DOIS REAIS E TRES CENTAVOS"},
        {2435, "VINTE E QUATRO REAIS E TRINTA E CINCO CENTAVOS"},
        {4657, "QUARENTA E SEIS REAIS E CINQUENTA E SETE CENTAVOS"},
        {6879, "SESSENTA E OITO REAIS E SETENTA E NOVE CENTAVOS"},
        {8090, "OITENTA REAIS E NOVENTA CENTAVOS"},
        {1011, "DEZ REAIS E ONZE CENTAVOS"},
        {1213, "DOZE REAIS E TREZE CENTAVOS"},
        {1415, "QUATORZE REAIS E QUINZE CENTAVOS"},
        {1617, "DEZESSEIS REAIS E DEZESSETE CENTAVOS"},
        {1819, "DEZOITO REAIS E DEZENOVE CENTAVOS"},
        {10000, "CEM REAIS"},
        {10100, "CENTO E UM REAIS"},
        {30000, "TREZENTOS REAIS"},
        {100000, "UM MIL REAIS"},
        {23456700, "DUZENTOS E TRINTA E QUATRO MIL E QUINHENTOS E SESSENTA E SETE REAIS"},
        {140060000, "UM MILHAO QUATROCENTOS MIL E SEISCENTOS REAIS"},
        {200000000, "DOIS MILHOES REAIS"},
        {70080090000, "SETECENTOS MILHOES OITOCENTOS MIL E NOVECENTOS REAIS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.centavos);
        EXPECT_EQ(singleBlanks(core::amountWords(Currency::fromUnits(c.centavos * 100))), c.text);
    }
}

TEST(AmountInWords, PrefixSuffixAndCurrencyFrameTheWords) {
    EXPECT_EQ(core::amountWords(Currency::fromReais(1), "PAGO", "EM ESPÉCIE", 2),
              "PAGO UM DOLAR  EM ESPÉCIE");
    EXPECT_EQ(core::amountWords(Currency::fromReais(2), "", "", 1), " DOIS CRUZEIROS  ");
    EXPECT_EQ(core::amountWords(Currency::fromReais(2), "", "", 0), " DOIS REAIS  ");  // 0 means reais
    EXPECT_THROW(core::amountWords(Currency::fromReais(1'000'000'000)), std::invalid_argument);
    EXPECT_THROW(core::amountWords(-Currency::fromReais(1)), std::invalid_argument);
}

TEST(AmountInWords, LinesAreCutToTheirWidthJustifiedWhenNearlyFullAndFilled) {
    const auto lines = core::ValorPorExtenso(Currency::fromUnits(12345600));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], " UM MIL DUZENTOS E TRINTA E   QUATRO  REAIS    E  CINQUENTA  E    SEIS  CENTAVOS");
    EXPECT_EQ(lines[1], std::string(80, ' '));

    // 59 characters or fewer: not justified, blanks after.
    const auto shortText = core::ValorPorExtenso(Currency::fromReais(2500000) + Currency::fromUnits(5000));
    EXPECT_EQ(shortText[0],
              std::string(" DOIS MILHOES QUINHENTOS MIL REAIS  E CINQUENTA CENTAVOS") + std::string(24, ' '));

    // Nothing to say: every line is fill characters; lines are as wide and as many as asked.
    EXPECT_EQ(core::ValorPorExtenso({}, {.fill = U'*', .width = 10, .lines = 3}),
              (std::vector<std::string>{"**********", "**********", "**********"}));

    // A text longer than a line goes on, cut hard inside the word; the rest, nearly full, is
    // justified too; the fill follows the words when they stop short.
    const auto narrow =
        core::ValorPorExtenso(Currency::fromReais(23), {.fill = U'-', .width = 12, .lines = 3});
    EXPECT_EQ(narrow, (std::vector<std::string>{" VINTE E  TR", "ES     REAIS", "------------"}));
}

TEST(AmountInWords, KeepingWordsBreaksAtABlankSoLongAmountsReadWhole) {
    const struct {
        std::int64_t centavos;
        std::vector<std::string> lines;
    } cases[] = {
        // Cut hard, the first line would end "…QUATRO CENTAVO".
        {244454,
         {" DOIS MIL QUATROCENTOS E QUARENTA E   QUATRO  REAIS    E  CINQUENTA  E    QUATRO",
          "CENTAVOS" + std::string(72, ' ')}},
        // Here the break falls on a blank anyway: "…E  NOVENTA", then "E  NOVE CENTAVOS".
        {99999999,
         {" NOVECENTOS E NOVENTA E  NOVE MIL NOVECENTOS E NOVENTA E  NOVE REAIS  E  NOVENTA",
          "E  NOVE CENTAVOS" + std::string(64, ' ')}},
        // Fits on one line: as without keeping words.
        {123456,
         {" UM MIL DUZENTOS E TRINTA E   QUATRO  REAIS    E  CINQUENTA  E    SEIS  CENTAVOS",
          std::string(80, ' ')}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.centavos);
        const auto lines = core::ValorPorExtenso(Currency::fromUnits(c.centavos * 100), {.keepWords = true});
        EXPECT_EQ(lines, c.lines);
    }
}

}  // namespace
