#pragma once
// An amount of money in Portuguese words, in capitals without accents, as receipts print it:
// 1234,56 reais reads " UM MIL DUZENTOS E TRINTA E  QUATRO REAIS  E CINQUENTA E  SEIS
// CENTAVOS". The word tables carry their own blanks (some a leading one too), and those
// blanks are part of the text, as on the printed receipts.
#include <string>
#include <string_view>
#include <vector>

#include "core/currency.h"

namespace core {

// The currencies the words know: 1 cruzeiro, 2 dólar, 3 real (0 also means real).
inline constexpr int kReais = 3;

// The amount's words between `prefix` and `suffix`, before any line is cut: the amount must
// be at least 0 and below one thousand million (std::invalid_argument otherwise); it is taken
// to the centavo.
std::string amountWords(Currency amount, std::string_view prefix = {}, std::string_view suffix = {},
                        int currency = kReais);

struct WordsLayout {
    std::string prefix;
    std::string suffix;
    int currency = kReais;
    char32_t fill = U' ';
    int width = 80;
    int lines = 2;
    // Break lines at a blank, never inside a word (a receipt that prints every line).
    bool keepWords = false;
};

// The words cut into `lines` lines of exactly `width` characters: each piece is cut hard at
// the width (or, keeping words, at the last blank that fits), and a piece short of it by 20
// characters or less (not ending in ".") is justified by doubling blanks from the right;
// what is left after the last word is filled.
std::vector<std::string> ValorPorExtenso(Currency amount, const WordsLayout& layout = {});

}  // namespace core
