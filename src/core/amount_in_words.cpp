#include "core/amount_in_words.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <stdexcept>

namespace core {

namespace {

constexpr const char* kUnits[] = {"",        "UM ",    "DOIS ",  " TRES ", " QUATRO ",
                                  " CINCO ", " SEIS ", " SETE ", " OITO ", " NOVE "};
constexpr const char* kTeens[] = {"DEZ ",    "ONZE ",      " DOZE ",     "TREZE ",   "QUATORZE ",
                                  "QUINZE ", "DEZESSEIS ", "DEZESSETE ", "DEZOITO ", "DEZENOVE "};
constexpr const char* kTens[] = {"",           "DEZ ",      "VINTE ",   "TRINTA ",  "QUARENTA ",
                                 "CINQUENTA ", "SESSENTA ", "SETENTA ", "OITENTA ", "NOVENTA "};
constexpr const char* kHundreds[] = {"",
                                     "CENTO ",
                                     "DUZENTOS ",
                                     "TREZENTOS ",
                                     "QUATROCENTOS ",
                                     "QUINHENTOS ",
                                     "SEISCENTOS ",
                                     "SETECENTOS ",
                                     "OITOCENTOS ",
                                     "NOVECENTOS "};

struct CurrencyWords {
    const char* singular;
    const char* plural;
};
constexpr CurrencyWords kCurrencies[] = {
    {"CRUZEIRO ", "CRUZEIROS "}, {"DOLAR ", "DOLARES "}, {"REAL ", "REAIS "}};

enum class Group { Millions, Thousands, Units, Cents };

struct Amount {
    int millions = 0;
    int thousands = 0;
    int units = 0;
    int cents = 0;
    bool hasWhole() const { return millions != 0 || thousands != 0 || units != 0; }
    bool wholeIsOne() const { return millions == 0 && thousands == 0 && units == 1; }
};

// Appends the words of one group of three digits; a group of zero adds nothing, not even
// its scale word.
void appendGroup(std::string& text, int value, Group group, const Amount& amount,
                 const CurrencyWords& currency) {
    if (value == 0) return;
    const int hundreds = value / 100;
    const int tens = value / 10 % 10;
    const int units = value % 10;
    const int lastTwo = value % 100;
    const bool teen = lastTwo >= 10 && lastTwo <= 19;
    if (group == Group::Cents && amount.hasWhole()) text += " E ";
    if (hundreds != 0) text += value == 100 ? "CEM " : kHundreds[hundreds];
    if (teen) text += std::string(hundreds != 0 ? "E " : "") + kTeens[lastTwo - 10];
    if (tens >= 2) text += std::string(hundreds != 0 ? "E " : "") + kTens[tens];
    if (units != 0 && !teen) text += std::string(hundreds != 0 || tens != 0 ? "E " : "") + kUnits[units];
    switch (group) {
        case Group::Millions:
            text += value == 1 ? "MILHAO " : "MILHOES ";
            break;
        case Group::Thousands:
            text += "MIL ";
            break;
        case Group::Units:
            text += amount.wholeIsOne() ? currency.singular : currency.plural;
            break;
        case Group::Cents:
            text += value == 1 ? "CENTAVO" : "CENTAVOS";
            break;
    }
}

std::u32string toUtf32(std::string_view utf8) {
    std::u32string result;
    for (std::int32_t i = 0, length = static_cast<std::int32_t>(utf8.size()); i < length;) {
        UChar32 c;
        U8_NEXT(utf8.data(), i, length, c);
        result.push_back(c < 0 ? U'\uFFFD' : static_cast<char32_t>(c));
    }
    return result;
}

std::string toUtf8(std::u32string_view text) {
    std::string result;
    for (char32_t c : text) {
        char buffer[U8_MAX_LENGTH];
        std::int32_t length = 0;
        U8_APPEND_UNSAFE(buffer, length, static_cast<UChar32>(c));
        result.append(buffer, static_cast<std::size_t>(length));
    }
    return result;
}

void dropTrailingBlanks(std::u32string& text) {
    while (!text.empty() && text.back() == U' ') text.pop_back();
}

// Widens a piece to the full width by doubling its blanks from the right, pass after pass.
void justify(std::u32string& piece, std::size_t width) {
    constexpr char32_t kMarker = U'\x01';
    while (piece.size() < width) {
        if (piece.find(U' ') == std::u32string::npos) return;  // one long word: nothing to widen
        for (char32_t& c : piece)
            if (c == U' ') c = kMarker;
        for (std::size_t missing = width - piece.size(); missing > 0; --missing) {
            const std::size_t at = piece.rfind(kMarker);
            if (at == std::u32string::npos) break;
            piece.replace(at, 1, U"  ");
        }
        for (char32_t& c : piece)
            if (c == kMarker) c = U' ';
    }
}

}  // namespace

std::string amountWords(Currency amount, std::string_view prefix, std::string_view suffix, int currency) {
    const std::int64_t centavos = amount.rounded(2).units() / (Currency::kScale / 100);
    if (centavos < 0 || centavos >= 100'000'000'000) throw std::invalid_argument("valor fora do extenso");
    Amount groups;
    const std::int64_t whole = centavos / 100;
    groups.cents = static_cast<int>(centavos % 100);
    groups.units = static_cast<int>(whole % 1000);
    groups.thousands = static_cast<int>(whole / 1000 % 1000);
    groups.millions = static_cast<int>(whole / 1'000'000);
    const CurrencyWords& words = kCurrencies[(currency >= 1 && currency <= 3 ? currency : kReais) - 1];

    std::string text;
    appendGroup(text, groups.millions, Group::Millions, groups, words);
    text = std::string(prefix) + " " + text;
    appendGroup(text, groups.thousands, Group::Thousands, groups, words);
    if (groups.thousands != 0 && groups.units != 0 && groups.cents == 0) text += "E ";
    appendGroup(text, groups.units, Group::Units, groups, words);
    if (groups.units == 0 && (groups.millions != 0 || groups.thousands != 0)) text += words.plural;
    appendGroup(text, groups.cents, Group::Cents, groups, words);
    return text + " " + std::string(suffix);
}

std::vector<std::string> ValorPorExtenso(Currency amount, const WordsLayout& layout) {
    const std::u32string text = toUtf32(amountWords(amount, layout.prefix, layout.suffix, layout.currency));
    const auto width = static_cast<std::size_t>(layout.width);
    const auto lines = static_cast<std::size_t>(layout.lines);
    std::u32string joined;
    std::size_t from = 0;
    for (std::size_t line = 0; line < lines; ++line) {
        std::size_t length = from < text.size() ? std::min(width, text.size() - from) : 0;
        if (layout.keepWords && from + length < text.size() && text[from + length] != U' ') {
            const std::size_t blank = text.rfind(U' ', from + length - 1);
            if (blank != std::u32string::npos && blank > from) length = blank - from;
        }
        std::u32string piece = text.substr(std::min(from, text.size()), length);
        from += length;
        if (layout.keepWords)
            while (from < text.size() && text[from] == U' ') ++from;  // the next line starts with a word
        dropTrailingBlanks(piece);
        // A piece far short of the width, or ending a sentence, is left as it is.
        if (width - piece.size() <= 20 && !(!piece.empty() && piece.back() == U'.')) justify(piece, width);
        // Kept words end each line where they end; the next line must not move up into it.
        if (layout.keepWords && line + 1 < lines) piece.resize(width, U' ');
        joined += piece;
    }
    dropTrailingBlanks(joined);
    joined.append(lines * width, layout.fill);
    joined.resize(lines * width);
    std::vector<std::string> result;
    for (std::size_t line = 0; line < lines; ++line)
        result.push_back(toUtf8(joined.substr(line * width, width)));
    return result;
}

}  // namespace core
