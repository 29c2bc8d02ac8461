#pragma once
// "RECIBO" of a client's open IOU notes (QrRC): every note with its date, what it was for,
// who served and its value, their total and a line for the client's signature.
#include <cstdint>
#include <functional>

#include "reports/engine/preview.h"
#include "reports/engine/report.h"

namespace data {
class Tdm;
}
namespace store {
class Table;
}

namespace reports {

// Restricts TbReceber (open) to the notes of client `clientCode`, the way the settlement
// screen lists them and the settlement finds them.
void restrictToClientNotes(store::Table& receber, std::int64_t clientCode);

// The layout over TbReceber as restricted and the current TbCliente record.
Report clientNotesReport(data::Tdm& dm);

// Puts TbCliente on the client and TbReceber on its notes, runs `use`, then returns both to
// their primary index, unrestricted, and closes those it opened. A client that does not exist
// is refused (data::Refusal "Não Existe Cliente Com Este Código!").
void withClientNotes(data::Tdm& dm, std::int64_t clientCode, const std::function<void()>& use);

// The A4 printout, through withClientNotes, handed to `output`.
void printClientNotes(data::Tdm& dm, std::int64_t clientCode, const ReportOutput& output);

}  // namespace reports
