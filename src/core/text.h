#pragma once
// Portuguese-Brazil text helpers over UTF-8 strings.
#include <string>
#include <string_view>

namespace core {

// Upper case the Brazilian way: "ç" becomes "Ç", "ã" becomes "Ã".
std::string upperPtBr(std::string_view utf8);
// Number of characters (code points), not bytes.
std::size_t characterCount(std::string_view utf8);
// The first `count` characters, never cutting a character in two.
std::string leftCharacters(std::string_view utf8, std::size_t count);
// Without leading and trailing blanks.
std::string trimmed(std::string_view text);
// A code as it is stored: trimmed, and a code of digits only without leading zeros ("07" is
// "7"), so a code typed either way finds the same rows.
std::string plainCode(std::string_view text);

}  // namespace core
