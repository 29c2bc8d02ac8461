#pragma once
// What a bank account must be before it is saved: it has a number, and an account that has
// movements keeps its number (they refer to it by number and would be orphaned).
#include <QString>
#include <optional>

namespace data {
class Tdm;
}

namespace registers {

// The refusal for the TbConta record being inserted or edited, or nothing when it may be
// posted. Reads the account as stored and the ledger as they are on disk now.
std::optional<QString> bankAccountRefusal(data::Tdm& dm);

}  // namespace registers
