#pragma once
// The bytes a thermal receipt printer speaking ESC/POS understands: initialise, choose the
// character table, print styled lines, feed, cut and pulse the cash drawer. Text comes in
// as UTF-8 and goes out in the printer's code page, so "Ç" and "ã" print as themselves.
#include <string>
#include <string_view>

namespace receipts {

// The character tables Portuguese text needs; both hold every letter of the language.
enum class CodePage { PC860, WPC1252 };

enum class Alignment { Left, Centre, Right };

// Text in `page`; a character the table lacks prints as "?".
std::string encodeText(std::string_view utf8, CodePage page);

// The number ESC t selects `page` with on Epson-compatible printers.
unsigned char codePageNumber(CodePage page);

class EscPos {
  public:
    // Starts with ESC @ (the printer's defaults) and ESC t (the character table).
    explicit EscPos(CodePage page);

    EscPos& align(Alignment alignment);
    // Emphasis and height go in one ESC !, so neither resets the other. Double height only:
    // the line keeps its number of columns.
    EscPos& mode(bool bold, bool doubleHeight);
    // The text, then a line feed.
    EscPos& line(std::string_view utf8);
    EscPos& feed(int lines);
    // Paper fed past the cutter, then a partial cut.
    EscPos& cut();
    // ESC p on the drawer's first pin: 50 ms on, 500 ms off.
    EscPos& drawerPulse();

    const std::string& bytes() const { return bytes_; }

  private:
    CodePage page_;
    std::string bytes_;
};

}  // namespace receipts
