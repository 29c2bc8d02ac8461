#pragma once
// "Anonimizar Cliente": a client who asks to be forgotten keeps his code and every money row
// (sales, items, notes, settled notes, credit), so the books still add up, but his name,
// address, phones, e-mail, birthday, notes and photographs go, here and wherever a table
// copied his name.
#include <cstdint>
#include <string>

namespace data {
class Tdm;
}

namespace registers {

// The name an anonymised client is left with.
std::string anonymisedName(std::int64_t code);

// Anonymises client `code` in one audited posting; refuses (data::Refusal) when the client is
// no longer on file, writing nothing.
void anonymiseClient(data::Tdm& dm, std::int64_t code);

}  // namespace registers
