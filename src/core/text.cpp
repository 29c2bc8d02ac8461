#include "core/text.h"

#include <algorithm>

#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace core {

namespace {

// Byte length of the first `count` characters; an ill-formed byte counts as one character.
std::size_t prefixBytes(std::string_view utf8, std::size_t count) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto length = static_cast<std::int32_t>(utf8.size());
    std::int32_t offset = 0;
    for (std::size_t taken = 0; taken < count && offset < length; ++taken) {
        UChar32 c;
        U8_NEXT(bytes, offset, length, c);
        (void)c;
    }
    return static_cast<std::size_t>(offset);
}

}  // namespace

std::string upperPtBr(std::string_view utf8) {
    static const icu::Locale kPtBr("pt", "BR");
    icu::UnicodeString text =
        icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())));
    text.toUpper(kPtBr);
    std::string result;
    text.toUTF8String(result);
    return result;
}

std::size_t characterCount(std::string_view utf8) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto length = static_cast<std::int32_t>(utf8.size());
    std::int32_t offset = 0;
    std::size_t count = 0;
    while (offset < length) {
        UChar32 c;
        U8_NEXT(bytes, offset, length, c);
        (void)c;
        ++count;
    }
    return count;
}

std::string leftCharacters(std::string_view utf8, std::size_t count) {
    return std::string(utf8.substr(0, prefixBytes(utf8, count)));
}

std::string trimmed(std::string_view text) {
    // Every control character and the space count as blanks, as typed text may carry tabs.
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

std::string plainCode(std::string_view text) {
    std::string code = trimmed(text);
    const bool digitsOnly = !code.empty() && code.find_first_not_of("0123456789") == std::string::npos;
    if (digitsOnly) code.erase(0, std::min(code.find_first_not_of('0'), code.size() - 1));
    return code;
}

}  // namespace core
