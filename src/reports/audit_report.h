#pragma once
// The audit trail's report (QrAuditoria): the rows of TbAuditoria of a period, of every user
// or one, of every action or one, in the order they were written.
#include <cstdint>
#include <string>
#include <vector>

#include "core/period.h"
#include "reports/engine/preview.h"

namespace data {
class Tdm;
}

namespace reports {

struct AuditSelection {
    core::Period period;
    std::int64_t userCode = 0;  // TbAuditoria.CodUsuario; 0: every user
    std::string action;         // TbAuditoria.Acao; empty: every action
};

// One row of the trail as the report prints it.
struct AuditLine {
    std::string data, hora, estacao, usuario, autorizou, acao, tabelaChave, resumo, motivo;
};

// The rows of the selection, by date and time. TbAuditoria is left closed when it was.
std::vector<AuditLine> gatherAudit(data::Tdm& dm, const AuditSelection& selection);

// Every action the trail holds, once each, in alphabetical order: the screen's choice.
std::vector<std::string> auditActions(data::Tdm& dm);

// Gathers the selection and hands the report to `output`.
void printAudit(data::Tdm& dm, const AuditSelection& selection, const ReportOutput& output);

}  // namespace reports
