#pragma once
// "Listagem Geral...": every client in name order with address and contacts (QrClientes).
#include "reports/engine/preview.h"
#include "reports/engine/report.h"

namespace data {
class Tdm;
}

namespace reports {

// The layout over dm.TbCliente as it stands.
Report clientListingReport(data::Tdm& dm);
// Opens TbCliente on its name index, hands the report to `output`, then returns the
// table to its primary index and closes it.
void printClientListing(data::Tdm& dm, const ReportOutput& output);
// The menu entry.
void previewClientListing(data::Tdm& dm);

}  // namespace reports
