#include "receipts/receipt_document.h"

#include "core/text.h"

namespace receipts {

namespace {

std::size_t width(std::string_view utf8) {
    return core::characterCount(utf8);
}

// The part of `utf8` after its first `count` characters.
std::string_view afterCharacters(std::string_view utf8, std::size_t count) {
    return utf8.substr(core::leftCharacters(utf8, count).size());
}

}  // namespace

void ReceiptDocument::add(std::string text, LineStyle style) {
    lines_.push_back({std::move(text), style});
}

void ReceiptDocument::text(std::string_view utf8, LineStyle style) {
    const auto columns = static_cast<std::size_t>(columns_);
    std::string_view rest = utf8;
    while (width(rest) > columns) {
        const std::string head = core::leftCharacters(rest, columns + 1);
        const std::size_t space = head.rfind(' ');
        if (space == std::string::npos || space == 0) {
            add(core::leftCharacters(rest, columns), style);
            rest = afterCharacters(rest, columns);
        } else {
            add(std::string(rest.substr(0, space)), style);
            rest = rest.substr(space + 1);
        }
    }
    add(std::string(rest), style);
}

void ReceiptDocument::columnsPair(std::string_view left, std::string_view right, LineStyle style) {
    const auto columns = static_cast<std::size_t>(columns_);
    const std::string shownRight = core::leftCharacters(right, columns);
    const std::size_t room = columns - width(shownRight);
    // One blank at least between the two, when the left has anything to show.
    std::string shownLeft = room > 0 ? core::leftCharacters(left, room - 1) : std::string();
    const std::size_t gap = room - width(shownLeft);
    style.alignment = Alignment::Left;
    add(shownLeft + std::string(gap, ' ') + shownRight, style);
}

void ReceiptDocument::rule() {
    add(std::string(static_cast<std::size_t>(columns_), '-'), {});
}

void ReceiptDocument::blank() {
    add({}, {});
}

std::string ReceiptDocument::encode(CodePage page, bool openDrawer) const {
    EscPos printer(page);
    if (openDrawer) printer.drawerPulse();
    LineStyle current;
    printer.align(current.alignment).mode(false, false);
    for (const ReceiptLine& line : lines_) {
        if (line.style.alignment != current.alignment) printer.align(line.style.alignment);
        if (line.style.bold != current.bold || line.style.doubleHeight != current.doubleHeight)
            printer.mode(line.style.bold, line.style.doubleHeight);
        current = line.style;
        printer.line(line.text);
    }
    printer.cut();
    return printer.bytes();
}

}  // namespace receipts
