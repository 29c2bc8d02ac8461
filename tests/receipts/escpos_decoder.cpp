#include "receipts/escpos_decoder.h"

#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace receiptstest {

namespace {

const char* converterFor(int table) {
    switch (table) {
        case 3:
            return "ibm-860";
        case 16:
            return "windows-1252";
        default:
            return nullptr;
    }
}

std::string toUtf8(const std::string& raw, int table) {
    const char* name = converterFor(table);
    if (!name) return "<tabela " + std::to_string(table) + " desconhecida>" + raw;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, decltype(&ucnv_close)> converter(ucnv_open(name, &status), &ucnv_close);
    const icu::UnicodeString text(raw.data(), static_cast<int32_t>(raw.size()), converter.get(), status);
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

std::string hex(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

}  // namespace

std::vector<std::string> decodeEscPos(std::string_view bytes) {
    std::vector<std::string> lines;
    int table = -1;
    std::string alignment = "L";
    bool bold = false, doubleHeight = false;
    std::string pending;
    const auto style = [&] {
        std::string text = "[" + alignment;
        if (bold) text += " B";
        if (doubleHeight) text += " 2H";
        return text + "] ";
    };
    const auto need = [&](std::size_t at, std::size_t count) {
        if (at + count >= bytes.size() + 1) throw std::runtime_error("comando ESC/POS cortado no fim");
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == 0x0A) {
            lines.push_back(style() + toUtf8(pending, table));
            pending.clear();
        } else if (byte == 0x1B) {
            need(i, 2);
            const char command = bytes[++i];
            if (command == '@') {
                lines.push_back("<inicializa>");
            } else if (command == 't') {
                need(i, 2);
                table = static_cast<unsigned char>(bytes[++i]);
                lines.push_back("<tabela " + std::to_string(table) + ">");
            } else if (command == 'a') {
                need(i, 2);
                const int n = bytes[++i];
                alignment = n == 0 ? "L" : n == 1 ? "C" : n == 2 ? "R" : "?";
            } else if (command == '!') {
                need(i, 2);
                const auto mode = static_cast<unsigned char>(bytes[++i]);
                bold = mode & 0x08;
                doubleHeight = mode & 0x10;
            } else if (command == 'd') {
                need(i, 2);
                lines.push_back("<avança " + std::to_string(static_cast<unsigned char>(bytes[++i])) + ">");
            } else if (command == 'p') {
                need(i, 4);
                const std::string pin = std::to_string(static_cast<unsigned char>(bytes[i + 1]));
                const std::string on = std::to_string(static_cast<unsigned char>(bytes[i + 2]) * 2);
                const std::string off = std::to_string(static_cast<unsigned char>(bytes[i + 3]) * 2);
                i += 3;
                lines.push_back("<gaveta pino " + pin + " " + on + " ms/" + off + " ms>");
            } else {
                lines.push_back("<ESC " + hex(static_cast<unsigned char>(command)) + " desconhecido>");
            }
        } else if (byte == 0x1D) {
            need(i, 3);
            if (bytes[i + 1] != 'V') {
                lines.push_back("<GS " + hex(static_cast<unsigned char>(bytes[i + 1])) + " desconhecido>");
                ++i;
                continue;
            }
            lines.push_back(bytes[i + 2] == 1 ? "<corte parcial>" : "<corte " + hex(bytes[i + 2]) + ">");
            i += 2;
        } else if (byte < 0x20) {
            lines.push_back("<byte " + hex(byte) + ">");
        } else {
            pending += static_cast<char>(byte);
        }
    }
    if (!pending.empty()) lines.push_back(style() + toUtf8(pending, table) + "<sem fim de linha>");
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    return text;
}

}  // namespace receiptstest
