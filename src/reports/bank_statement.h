#pragma once
// The bank statement (QrExtrato): an account's lines effective in a period, each with the
// balance after it, opening with the balance of every day before the period, and closing
// with the account's limits, investments and balances.
#include <string>

#include "core/date.h"
#include "reports/engine/preview.h"

namespace data {
class Tdm;
}

namespace reports {

struct StatementSelection {
    std::string conta;
    core::Date start;
    core::Date end;
};

// Refuses (data::Refusal), printing nothing: a date missing ("Digite a Data Inicial do
// Período!", "Digite a Data Final do Período!"), an unknown account ("Conta Bancária
// Inexistente!"), a period without lines ("Não Existem lançamentos Neste Período").
// The account is looked up here, so header and summary are always the one asked for.
// TbBanco, TbSaldos and TbConta are put back (primary index, no range, closed) afterwards.
void printStatement(data::Tdm& dm, const StatementSelection& selection, const ReportOutput& output);

}  // namespace reports
