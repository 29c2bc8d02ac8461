#pragma once
// The bill, withdrawal and advance screens store the record being typed in TbPagar at once;
// another station can pay or delete it from its queries meanwhile. The screen then has
// nothing left to save or delete, and must be let go.
#include <cstdint>

namespace data {

class Tdm;

// True when TbPagar holds no record numbered `contador` any more, as stored now. Reads
// through a table of its own, so the shared TbPagar keeps its index, range and record.
bool pendingBillGone(Tdm& dm, std::int64_t contador);

// What the screen says as it closes on such a record.
inline constexpr const char* kPendingBillGone =
    "O Lançamento Não Existe Mais! Foi Pago ou Excluído em Outra Estação.";

}  // namespace data
