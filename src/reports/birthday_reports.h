#pragma once
// The birthday lists over TbCliente: of one month (QrNiver) and of today (QrNiverDIA),
// the same layout under two titles.
#include <string>

#include "core/date.h"
#include "reports/engine/preview.h"
#include "reports/engine/report.h"

namespace data {
class Tdm;
}

namespace reports {

inline const std::string kBirthdaysOfDayTitle = "RELAÇÃO DE ANIVERSARIANTE DO DIA";
inline const std::string kBirthdaysOfMonthTitle = "RELAÇÃO DE ANIVERSARIANTE MÊS: ";

Report birthdayReport(data::Tdm& dm, std::string title);

// "Do Dia...": the clients whose Aniversario is today's key, always previewed (an empty
// list prints its header and one empty line).
void printBirthdaysOfDay(data::Tdm& dm, const core::Date& today, const ReportOutput& output);
// "Aniversariante: do Mês...": the clients with this Mes, by day; `monthText` is what the
// month box holds and goes into the title as typed.
void printBirthdaysOfMonth(data::Tdm& dm, int month, const std::string& monthText,
                           const ReportOutput& output);

// The list shown after the login, over the clients the login has already selected in
// TbCliente (today's key, and only when someone has it); the table stays as the login
// set it, for the login to put back.
void printSelectedBirthdays(data::Tdm& dm, const ReportOutput& output);
void previewSelectedBirthdays(data::Tdm& dm);

}  // namespace reports
