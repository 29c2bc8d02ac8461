#pragma once
// The conference report (QrConferencia): the paid sale items of the period with their
// commissions, what the drawer took by form of payment, each employee's services,
// commissions and advances, and what should be left in cash.
#include "reports/cash_conference.h"
#include "reports/engine/preview.h"

namespace reports {

// The layout over figures already gathered; the report keeps its own copy of them.
Report conferenceReport(data::Tdm& dm, CashConference conference);

// Gathers the period (see gatherConference) and hands the report to `output`.
void printConference(data::Tdm& dm, const core::Period& period, const ReportOutput& output);

}  // namespace reports
