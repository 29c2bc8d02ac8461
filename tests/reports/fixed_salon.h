#pragma once
// One salon that never changes, for tests that look at whole reports: the demo salon and its
// history as of a fixed day, made by the program's own posting functions; and the command
// line of every report over it.
#include <filesystem>
#include <string>
#include <vector>

#include "data/demo_salon.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "demo/salon_history.h"
#include "support/data_fixture.h"

namespace reportstest {

// A Monday: the history holds the two months of working days before it.
inline constexpr core::Date kFixedToday{2025, 6, 16};

// The demo salon and its history as of kFixedToday, made once for the whole run.
inline const std::filesystem::path& fixedSalon() {
    static testsupport::TempDir folder("velmora-reference-salon");
    static const std::filesystem::path salon = [] {
        const std::filesystem::path directory = folder / "Dados";
        data::createInitialData(directory, false);
        testsupport::RecordingMessages quiet;
        data::Tdm dm(directory, quiet);
        data::addDemoSalon(dm, kFixedToday);
        demo::addSalonHistory(dm, kFixedToday);
        return directory;
    }();
    return salon;
}

struct ReportCase {
    std::string file;               // under tests/reports/expected, without ".txt"
    std::vector<std::string> args;  // the report's name and options
};

// Every report of the command line, some more than once, with options that find data.
inline const std::vector<ReportCase>& everyReport() {
    static const std::vector<ReportCase> cases{
        {"clientes", {"clientes"}},
        {"aniversariantes-dia", {"aniversariantes-dia"}},
        {"aniversariantes-mes", {"aniversariantes-mes", "--mes", "6"}},
        {"precos-servicos", {"precos-servicos"}},
        {"precos-produtos", {"precos-produtos"}},
        {"precos-todos", {"precos-todos"}},
        {"fechamento-caixa", {"fechamento-caixa"}},
        {"fechamento-caixa-1", {"fechamento-caixa", "--numero", "1"}},
        {"vales", {"vales", "--de", "01/05/2025", "--ate", "31/05/2025"}},
        {"vales-individual",
         {"vales-individual", "--de", "01/04/2025", "--ate", "15/06/2025", "--funcionario", "2"}},
        {"contas-pagar", {"contas-pagar", "--de", "01/04/2025", "--ate", "31/08/2025"}},
        {"contas-pagar-fornecedor",
         {"contas-pagar-fornecedor", "--de", "01/04/2025", "--ate", "31/08/2025", "--fornecedor", "1"}},
        {"contas-pagas", {"contas-pagas", "--de", "01/05/2025", "--ate", "31/05/2025"}},
        {"contas-pagas-fornecedor",
         {"contas-pagas-fornecedor", "--de", "01/04/2025", "--ate", "15/06/2025", "--fornecedor", "1"}},
        {"comissoes", {"comissoes", "--de", "01/05/2025", "--ate", "31/05/2025"}},
        {"comissoes-individual",
         {"comissoes-individual", "--de", "01/06/2025", "--ate", "15/06/2025", "--funcionario", "2"}},
        {"caixa", {"caixa", "--de", "02/06/2025", "--ate", "07/06/2025"}},
        {"caixa-conferencia", {"caixa-conferencia", "--de", "02/06/2025", "--ate", "07/06/2025"}},
        {"conferencia", {"conferencia", "--de", "02/06/2025", "--ate", "07/06/2025"}},
        {"balancete", {"balancete", "--de", "01/05/2025", "--ate", "31/05/2025"}},
        {"servicos-geral", {"servicos-geral", "--de", "09/06/2025", "--ate", "14/06/2025"}},
        {"servicos-resumido", {"servicos-resumido", "--de", "01/05/2025", "--ate", "31/05/2025"}},
        {"servicos-detalhado", {"servicos-detalhado", "--de", "09/06/2025", "--ate", "14/06/2025"}},
        {"contas-recebidas", {"contas-recebidas", "--de", "01/04/2025", "--ate", "15/06/2025"}},
        {"extrato", {"extrato", "--de", "01/05/2025", "--ate", "15/06/2025", "--conta", "12345-6"}},
        {"recibo-vale", {"recibo-vale", "--numero", "1"}},
        {"notinhas", {"notinhas", "--cliente", "7"}},
        {"contas-receber", {"contas-receber"}},
        {"recebidas-cliente",
         {"recebidas-cliente", "--de", "01/04/2025", "--ate", "15/06/2025", "--cliente", "7"}},
        {"recibo-venda", {"recibo-venda", "--numero", "1"}},
        {"agenda", {"agenda", "--data-agenda", "16/06/2025"}},
        {"agenda-funcionario", {"agenda", "--data-agenda", "17/06/2025", "--funcionario", "2"}},
        {"comanda", {"comanda", "--funcionario", "2"}},
        {"entradas", {"entradas", "--de", "01/04/2025", "--ate", "15/06/2025"}},
        {"auditoria", {"auditoria", "--de", "01/04/2025", "--ate", "15/06/2025"}},
    };
    return cases;
}

}  // namespace reportstest
