#pragma once
// The receivables printouts: every open IOU note (QrReceber, "Relatório de Contas a Receber",
// from the main menu) and one client's received amounts of a period (QrReceberBCliente).
#include <cstdint>

#include "core/period.h"
#include "reports/engine/preview.h"

namespace data {
class Tdm;
}

namespace reports {

// Every open note from 01/01/2000 to 01/01/2050 by due date, with their total; TbReceber is
// put back (primary index, no range, closed) afterwards.
void printOpenReceivables(data::Tdm& dm, const ReportOutput& output);

// What client `clientCode` paid in `period` (received amounts by the day received), the
// period's dates in the title as typed; TbBaixaR is put back afterwards. A client that does
// not exist is refused (data::Refusal "Não Existe Cliente Com Este Código!").
void printClientReceipts(data::Tdm& dm, std::int64_t clientCode, const core::Period& period,
                         const ReportOutput& output);

}  // namespace reports
