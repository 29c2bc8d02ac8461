#include "reports/report_command_line.h"

#include <QGuiApplication>

#include <algorithm>
#include <charconv>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <ostream>

#include "core/date.h"
#include "core/pass_progress.h"
#include "core/period.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/messages.h"
#include "reports/advance_receipt.h"
#include "reports/advances_report.h"
#include "reports/agenda_report.h"
#include "reports/balance_sheet.h"
#include "reports/bank_statement.h"
#include "reports/birthday_reports.h"
#include "reports/cash_closing_report.h"
#include "reports/cash_conference_report.h"
#include "reports/cash_periods_report.h"
#include "reports/client_listing.h"
#include "reports/client_notes_report.h"
#include "reports/commissions_report.h"
#include "reports/engine/generator.h"
#include "reports/engine/pdf_export.h"
#include "reports/payables_reports.h"
#include "reports/price_tables.h"
#include "reports/receivables_reports.h"
#include "reports/received_accounts_report.h"
#include "reports/sale_receipt.h"
#include "reports/services_report.h"
#include "reports/stock_entry_report.h"
#include "reports/ticket_report.h"

namespace reports {

namespace {

struct UsageError {
    std::string message;
};

class StreamMessages : public data::Messages {
  public:
    explicit StreamMessages(std::ostream& out) : out_(out) {}
    void inform(const std::string& text) override { out_ << text << '\n'; }

  private:
    std::ostream& out_;
};

// The values given to a report's own options, by option name.
using OptionValues = std::map<std::string, std::string, std::less<>>;
using Print = std::function<void(data::Tdm&, const ReportOutput&)>;
// Reads the option values (UsageError when one is wrong) and returns what prints the report.
using Prepare = std::function<Print(const OptionValues&)>;

struct ReportOption {
    std::string name;   // "--month"
    std::string value;  // what the usage calls its value: "N"
    bool required = false;
};

struct PdfReport {
    std::string name;
    std::string description;
    std::vector<ReportOption> options;
    Prepare prepare;
};

// The whole text as a number from `least` to `most`; `what` names it in the error, `hint`
// follows it.
std::int64_t integerOption(const std::string& text, std::int64_t least, std::int64_t most,
                           const std::string& what, const std::string& hint = {}) {
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < least || number > most)
        throw UsageError{what + " inválido: " + text + hint};
    return number;
}

int monthOption(const OptionValues& values, const std::string& option) {
    return static_cast<int>(integerOption(values.at(option), 1, 12, "mês", " (use de 1 a 12)"));
}

// A stored record's number, when the option was given.
std::optional<std::int64_t> recordNumberOption(const OptionValues& values, const std::string& option) {
    const auto given = values.find(option);
    if (given == values.end()) return std::nullopt;
    return integerOption(given->second, 1, std::numeric_limits<std::int64_t>::max(), "número");
}

// A date option as typed, DD/MM/AAAA (or DD/MM/AA).
core::Date dateOption(const OptionValues& values, const std::string& option) {
    const std::string& text = values.at(option);
    try {
        const core::Date date = core::parseDate(text);
        if (!date.isNull()) return date;
    } catch (const core::DateError&) {
    }
    throw UsageError{"data inválida em " + option + ": " + text + " (use DD/MM/AAAA)"};
}

// The period of --de and --ate, their texts as typed for the title.
core::Period periodOption(const OptionValues& values) {
    return {dateOption(values, "--de"), dateOption(values, "--ate"), values.at("--de"), values.at("--ate")};
}

// A period walk printed without a gauge.
using PeriodPrint = void (*)(data::Tdm&, const core::Period&, core::PassProgress&, const ReportOutput&);
Prepare periodReport(PeriodPrint print) {
    return [print](const OptionValues& values) {
        const core::Period period = periodOption(values);
        return Print([print, period](data::Tdm& dm, const ReportOutput& out) {
            print(dm, period, core::noProgress(), out);
        });
    };
}

const std::vector<ReportOption> kPeriodOptions{{"--de", "DD/MM/AAAA", true}, {"--ate", "DD/MM/AAAA", true}};

Prepare priceTable(PriceTable which) {
    return [which](const OptionValues&) {
        return Print([which](data::Tdm& dm, const ReportOutput& out) { printPriceTable(dm, which, out); });
    };
}

// The advances of the period; of one employee when the report takes --funcionario.
Prepare advances() {
    return [](const OptionValues& values) {
        const AdvancesSelection selection{recordNumberOption(values, "--funcionario").value_or(0),
                                          periodOption(values)};
        return Print(
            [selection](data::Tdm& dm, const ReportOutput& out) { printAdvances(dm, selection, out); });
    };
}

// Open or paid bills of the period given; of one supplier when the report takes --fornecedor.
Prepare payables(Bills bills) {
    return [bills](const OptionValues& values) {
        const PayablesSelection selection{bills, recordNumberOption(values, "--fornecedor"),
                                          periodOption(values)};
        return Print(
            [selection](data::Tdm& dm, const ReportOutput& out) { printPayables(dm, selection, out); });
    };
}

Prepare cashPeriods(CashPeriodsLayout layout) {
    return [layout](const OptionValues& values) {
        const core::Period period = periodOption(values);
        return Print([period, layout](data::Tdm& dm, const ReportOutput& out) {
            printCashPeriods(dm, period, layout, out);
        });
    };
}

// Every report --pdf can write. A new one is one entry here.
const std::vector<PdfReport>& pdfReports() {
    static const std::vector<PdfReport> reports{
        {"clientes",
         "listagem geral de clientes, por nome",
         {},
         [](const OptionValues&) { return Print(printClientListing); }},
        {"aniversariantes-dia",
         "aniversariantes de hoje",
         {},
         [](const OptionValues&) {
             return Print([](data::Tdm& dm, const ReportOutput& out) {
                 printBirthdaysOfDay(dm, core::Date::today(), out);
             });
         }},
        {"aniversariantes-mes",
         "aniversariantes do mês N (1 a 12)",
         {{"--month", "N", true}},
         [](const OptionValues& values) {
             const int month = monthOption(values, "--month");
             return Print([month](data::Tdm& dm, const ReportOutput& out) {
                 printBirthdaysOfMonth(dm, month, std::string(core::monthName(month)), out);
             });
         }},
        {"precos-servicos", "tabela de preços dos serviços", {}, priceTable(PriceTable::Servicos)},
        {"precos-produtos", "tabela de preços e estoque dos produtos", {}, priceTable(PriceTable::Produtos)},
        {"precos-todos",
         "tabela de preços de produtos e serviços",
         {},
         priceTable(PriceTable::ProdutosEServicos)},
        {"fechamento-caixa",
         "fechamento do caixa número N (sem --numero, o último caixa aberto)",
         {{"--numero", "N"}},
         [](const OptionValues& values) {
             const auto number = recordNumberOption(values, "--numero");
             return Print(
                 [number](data::Tdm& dm, const ReportOutput& out) { printCashClosing(dm, number, out); });
         }},
        {"vales", "vales do período, de todos os funcionários", kPeriodOptions, advances()},
        {"vales-individual",
         "vales do funcionário N no período",
         {{"--de", "DD/MM/AAAA", true}, {"--ate", "DD/MM/AAAA", true}, {"--funcionario", "N", true}},
         advances()},
        {"contas-pagar", "contas a pagar com vencimento no período", kPeriodOptions, payables(Bills::Open)},
        {"contas-pagar-fornecedor",
         "contas a pagar do fornecedor N com vencimento no período",
         {{"--fornecedor", "N", true}, {"--de", "DD/MM/AAAA", true}, {"--ate", "DD/MM/AAAA", true}},
         payables(Bills::Open)},
        {"contas-pagas", "contas pagas no período", kPeriodOptions, payables(Bills::Paid)},
        {"contas-pagas-fornecedor",
         "contas do fornecedor N pagas no período",
         {{"--fornecedor", "N", true}, {"--de", "DD/MM/AAAA", true}, {"--ate", "DD/MM/AAAA", true}},
         payables(Bills::Paid)},
        {"comissoes", "comissões dos funcionários no período, menos os vales", kPeriodOptions,
         periodReport(printCommissions)},
        {"comissoes-individual",
         "serviços do funcionário N no período, com as comissões, menos os vales",
         {{"--de", "DD/MM/AAAA", true}, {"--ate", "DD/MM/AAAA", true}, {"--funcionario", "N", true}},
         [](const OptionValues& values) {
             const core::Period period = periodOption(values);
             const std::int64_t employee = *recordNumberOption(values, "--funcionario");
             return Print([period, employee](data::Tdm& dm, const ReportOutput& out) {
                 printEmployeeCommissions(dm, period, employee, core::noProgress(), out);
             });
         }},
        {"caixa", "caixas abertos no período, com o que cada um recebeu e o resumo por forma de pagamento",
         kPeriodOptions, cashPeriods(CashPeriodsLayout::Takings)},
        {"caixa-conferencia",
         "abertura, recebimentos, pagamentos, depósito e repasse dos caixas abertos no período",
         kPeriodOptions, cashPeriods(CashPeriodsLayout::Opening)},
        {"conferencia",
         "conferência de caixa do período: recebimentos, serviços pagos, comissões, vales e retiradas",
         kPeriodOptions,
         [](const OptionValues& values) {
             const core::Period period = periodOption(values);
             return Print(
                 [period](data::Tdm& dm, const ReportOutput& out) { printConference(dm, period, out); });
         }},
        {"balancete", "balancete sintético: receitas e despesas pagas no período", kPeriodOptions,
         [](const OptionValues& values) {
             const core::Period period = periodOption(values);
             return Print([period](data::Tdm& dm, const ReportOutput& out) {
                 printBalanceSheet(dm, period, fillBalanceSheet(dm, period, core::noProgress()), out);
             });
         }},
        {"servicos-geral", "vendas pagas do período, com os totais por forma de pagamento", kPeriodOptions,
         periodReport(printSales)},
        {"servicos-resumido", "produtos e serviços vendidos no período, uma linha por código", kPeriodOptions,
         periodReport(printItemSummary)},
        {"servicos-detalhado", "cada item vendido no período, com os totais por forma de pagamento",
         kPeriodOptions, periodReport(printSaleItems)},
        {"contas-recebidas", "contas recebidas no período, com os totais por forma de pagamento",
         kPeriodOptions, periodReport(printReceivedAccounts)},
        {"extrato",
         "extrato bancário da conta N no período",
         {{"--conta", "N", true}, {"--de", "DD/MM/AAAA", true}, {"--ate", "DD/MM/AAAA", true}},
         [](const OptionValues& values) {
             const StatementSelection selection{values.at("--conta"), dateOption(values, "--de"),
                                                dateOption(values, "--ate")};
             return Print(
                 [selection](data::Tdm& dm, const ReportOutput& out) { printStatement(dm, selection, out); });
         }},
        {"recibo-vale",
         "recibo do vale (adiantamento) número N",
         {{"--numero", "N", true}},
         [](const OptionValues& values) {
             const std::int64_t number = *recordNumberOption(values, "--numero");
             return Print(
                 [number](data::Tdm& dm, const ReportOutput& out) { printAdvanceReceipt(dm, number, out); });
         }},
        {"notinhas",
         "notinhas em aberto do cliente de código N, com o total (o recibo do acerto)",
         {{"--cliente", "N", true}},
         [](const OptionValues& values) {
             const auto client = *recordNumberOption(values, "--cliente");
             return Print(
                 [client](data::Tdm& dm, const ReportOutput& out) { printClientNotes(dm, client, out); });
         }},
        {"contas-receber",
         "notinhas em aberto de todos os clientes, por vencimento",
         {},
         [](const OptionValues&) { return Print(printOpenReceivables); }},
        {"recebidas-cliente",
         "valores recebidos do cliente N no período",
         {{"--cliente", "N", true}, {"--de", "DD/MM/AAAA", true}, {"--ate", "DD/MM/AAAA", true}},
         [](const OptionValues& values) {
             const auto client = *recordNumberOption(values, "--cliente");
             const core::Period period{dateOption(values, "--de"), dateOption(values, "--ate"),
                                       values.at("--de"), values.at("--ate")};
             return Print([client, period](data::Tdm& dm, const ReportOutput& out) {
                 printClientReceipts(dm, client, period, out);
             });
         }},
        {"recibo-venda",
         "recibo da venda número N",
         {{"--numero", "N", true}},
         [](const OptionValues& values) {
             const std::int64_t number = *recordNumberOption(values, "--numero");
             return Print(
                 [number](data::Tdm& dm, const ReportOutput& out) { printSaleReceipt(dm, number, out); });
         }},
        {"agenda",
         "agenda do dia (sem --funcionario, a de todos os funcionários)",
         {{"--data-agenda", "DD/MM/AAAA", true}, {"--funcionario", "N"}},
         [](const OptionValues& values) {
             const core::Date day = dateOption(values, "--data-agenda");
             const auto employee = recordNumberOption(values, "--funcionario");
             return Print([day, employee](data::Tdm& dm, const ReportOutput& out) {
                 printAgenda(dm, day, employee, out);
             });
         }},
        {"comanda",
         "serviços executados hoje pelo funcionário N, com as comissões",
         {{"--funcionario", "N", true}},
         [](const OptionValues& values) {
             const std::int64_t employee = *recordNumberOption(values, "--funcionario");
             return Print([employee](data::Tdm& dm, const ReportOutput& out) {
                 printEmployeeServices(dm, employee, core::Date::today(), out);
             });
         }},
        {"entradas",
         "linhas das entradas de produtos do período (com --fornecedor, só as do fornecedor N)",
         {{"--de", "DD/MM/AAAA", true}, {"--ate", "DD/MM/AAAA", true}, {"--fornecedor", "N"}},
         [](const OptionValues& values) {
             const core::Date from = dateOption(values, "--de");
             const core::Date to = dateOption(values, "--ate");
             const auto supplier = recordNumberOption(values, "--fornecedor");
             return Print([from, to, supplier](data::Tdm& dm, const ReportOutput& out) {
                 printStockEntries(dm, from, to, supplier, out);
             });
         }},
    };
    return reports;
}

std::string synopsis(const PdfReport& report) {
    std::string text = report.name;
    for (const ReportOption& option : report.options) {
        const std::string form = option.name + ' ' + option.value;
        text += option.required ? ' ' + form : " [" + form + ']';
    }
    return text;
}

const PdfReport& reportNamed(const std::string& name) {
    const auto& reports = pdfReports();
    const auto found = std::find_if(reports.begin(), reports.end(),
                                    [&](const PdfReport& report) { return report.name == name; });
    if (found == reports.end()) throw UsageError{"relatório desconhecido: " + name};
    return *found;
}

struct Request {
    std::filesystem::path output;
    std::optional<std::filesystem::path> dataDir;
    Print print;
};

Request parse(const std::vector<std::string>& args) {
    const auto pdf = std::find(args.begin(), args.end(), "--pdf");
    if (args.end() - pdf < 3 || pdf[1].starts_with("-") || pdf[2].starts_with("-"))
        throw UsageError{"falta o relatório ou o arquivo PDF"};
    const PdfReport& report = reportNamed(pdf[1]);
    Request request{pdf[2], {}, {}};
    OptionValues values;
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (it == pdf) {
            it += 2;
            continue;
        }
        const bool own = std::any_of(report.options.begin(), report.options.end(),
                                     [&](const ReportOption& option) { return option.name == *it; });
        if (*it != "--data" && !own)
            throw UsageError{"argumento desconhecido para o relatório " + report.name + ": " + *it};
        if (it + 1 == args.end() || (it + 1)->starts_with("--")) throw UsageError{"falta o valor de " + *it};
        if (*it == "--data")
            request.dataDir = *(it + 1);
        else
            values[*it] = *(it + 1);
        ++it;
    }
    for (const ReportOption& option : report.options)
        if (option.required && !values.contains(option.name))
            throw UsageError{"o relatório " + report.name + " pede " + option.name + ' ' + option.value};
    request.print = report.prepare(values);
    return request;
}

// Fonts and pictures need a GUI application object; a run from a terminal gets one that
// draws nowhere.
std::unique_ptr<QGuiApplication> ensureApplication() {
    if (QCoreApplication::instance()) return nullptr;
    static int argc = 3;
    static char program[] = "velmora";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {program, platformOption, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

std::string pdfUsage() {
    std::string usage =
        "  velmora --pdf RELATÓRIO ARQUIVO.pdf [--data DIRETÓRIO] [opções do relatório]\n"
        "      Grava o relatório em ARQUIVO.pdf, com os dados preparados como na tela que o imprime.\n"
        "      RELATÓRIO e as suas opções:\n";
    std::size_t width = 0;
    for (const PdfReport& report : pdfReports()) width = std::max(width, synopsis(report).size());
    for (const PdfReport& report : pdfReports()) {
        const std::string form = synopsis(report);
        usage += "        " + form + std::string(width - form.size() + 2, ' ') + report.description + '\n';
    }
    return usage;
}

std::vector<std::string> pdfReportNames() {
    std::vector<std::string> names;
    for (const PdfReport& report : pdfReports()) names.push_back(report.name);
    return names;
}

std::optional<int> runReportCommandLine(const std::vector<std::string>& args,
                                        const std::filesystem::path& configuredDataDir, std::ostream& err) {
    if (std::find(args.begin(), args.end(), "--pdf") == args.end()) return std::nullopt;
    Request request;
    try {
        request = parse(args);
    } catch (const UsageError& error) {
        err << "velmora: " << error.message << "\nUso:\n" << pdfUsage();
        return 2;
    }
    const std::filesystem::path dataDir = request.dataDir.value_or(configuredDataDir);
    if (!data::holdsTables(dataDir)) {
        err << "velmora: o diretório " << dataDir.string() << " não tem as tabelas do Velmora.\n";
        return 1;
    }

    const auto application = ensureApplication();
    bool written = false;
    try {
        StreamMessages messages(err);
        data::Tdm dm(dataDir, messages);
        request.print(dm, [&](const Report& report) {
            writePdf(report, request.output);
            written = true;
        });
    } catch (const std::exception& error) {
        err << "velmora: " << error.what() << '\n';
        return 1;
    }
    if (!written) {
        err << "velmora: o relatório não foi gerado.\n";
        return 1;
    }
    return 0;
}

}  // namespace reports
