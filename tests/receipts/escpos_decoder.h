#pragma once
// Turns ESC/POS bytes back into text a person can read, one printed line a line, each led by
// its style ("[C B 2H] RECIBO"), and the commands that print nothing as their own lines
// ("<gaveta>", "<corte>"), so that a receipt differing from its reference reads as text.
#include <string>
#include <string_view>
#include <vector>

namespace receiptstest {

std::vector<std::string> decodeEscPos(std::string_view bytes);

// The lines joined with newlines, for a test's failure message.
std::string joined(const std::vector<std::string>& lines);

}  // namespace receiptstest
