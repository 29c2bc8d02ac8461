#include "receipts/escpos.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <memory>
#include <stdexcept>

namespace receipts {

namespace {

constexpr char kEsc = 0x1B, kGs = 0x1D, kLf = 0x0A;

const char* converterName(CodePage page) {
    return page == CodePage::PC860 ? "ibm-860" : "windows-1252";
}

struct ConverterClose {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};

}  // namespace

unsigned char codePageNumber(CodePage page) {
    return page == CodePage::PC860 ? 3 : 16;
}

std::string encodeText(std::string_view utf8, CodePage page) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t units = 0;
    u_strFromUTF8WithSub(nullptr, 0, &units, utf8.data(), static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr,
                         &status);
    std::u16string wide(static_cast<std::size_t>(units), u'\0');
    status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(wide.data(), units, nullptr, utf8.data(), static_cast<int32_t>(utf8.size()), 0xFFFD,
                         nullptr, &status);
    if (U_FAILURE(status)) throw std::runtime_error("texto que não converte para a impressora");

    status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, ConverterClose> converter(ucnv_open(converterName(page), &status));
    if (U_FAILURE(status)) throw std::runtime_error("tabela de caracteres da impressora indisponível");
    ucnv_setSubstChars(converter.get(), "?", 1, &status);
    // Single-byte tables: at most one byte per UTF-16 unit, plus the terminator.
    std::string out(wide.size() + 1, '\0');
    const int32_t length = ucnv_fromUChars(converter.get(), out.data(), static_cast<int32_t>(out.size()),
                                           wide.data(), units, &status);
    if (U_FAILURE(status)) throw std::runtime_error("texto que não converte para a impressora");
    out.resize(static_cast<std::size_t>(length));
    return out;
}

EscPos::EscPos(CodePage page) : page_(page) {
    bytes_ += {kEsc, '@'};
    bytes_ += {kEsc, 't', static_cast<char>(codePageNumber(page))};
}

EscPos& EscPos::align(Alignment alignment) {
    const char n = alignment == Alignment::Left ? 0 : alignment == Alignment::Centre ? 1 : 2;
    bytes_ += {kEsc, 'a', n};
    return *this;
}

EscPos& EscPos::mode(bool bold, bool doubleHeight) {
    bytes_ += {kEsc, '!', static_cast<char>((bold ? 0x08 : 0) | (doubleHeight ? 0x10 : 0))};
    return *this;
}

EscPos& EscPos::line(std::string_view utf8) {
    bytes_ += encodeText(utf8, page_);
    bytes_ += kLf;
    return *this;
}

EscPos& EscPos::feed(int lines) {
    bytes_ += {kEsc, 'd', static_cast<char>(lines)};
    return *this;
}

EscPos& EscPos::cut() {
    feed(4);
    bytes_ += {kGs, 'V', 1};
    return *this;
}

EscPos& EscPos::drawerPulse() {
    bytes_ += {kEsc, 'p', 0, 25, static_cast<char>(250)};
    return *this;
}

}  // namespace receipts
