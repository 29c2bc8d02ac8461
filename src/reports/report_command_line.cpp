#include "reports/report_command_line.h"

#include <QGuiApplication>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <ostream>
#include <type_traits>

#include "core/date.h"
#include "core/pass_progress.h"
#include "core/period.h"
#include "core/text.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/messages.h"
#include "data/tables.h"
#include "receipts/printer_settings.h"
#include "reports/advance_receipt.h"
#include "reports/advances_report.h"
#include "reports/agenda_report.h"
#include "reports/audit_report.h"
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
#include "reports/engine/sheet_export.h"
#include "reports/engine/text_export.h"
#include "reports/narrow_receipts.h"
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
    std::string name;   // "--mes"
    std::string value;  // what the usage calls its value: "N"
    bool required = false;
};

// A document the command line can write: its name, what the usage says of it, its options
// and what reads them.
template <class Prepared>
struct Document {
    std::string name;
    std::string description;
    std::vector<ReportOption> options;
    Prepared prepare;
};
using PdfReport = Document<Prepare>;

// A receipt's bytes as the printer settings lay them out.
using ReceiptPrint = std::function<std::string(data::Tdm&, const receipts::PrinterSettings&)>;
using ReceiptEntry = Document<std::function<ReceiptPrint(const OptionValues&)>>;

// The options every receipt takes besides its own.
std::vector<ReportOption> withReceiptOptions(std::vector<ReportOption> own) {
    own.push_back({"--largura", "48|32"});
    own.push_back({"--caracteres", "PC860|WPC1252"});
    own.push_back({"--gaveta", "sim|nao"});
    return own;
}

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

// A bank account as TbConta stores it ("12345-6"): not blank, within the field's width.
std::string accountOption(const OptionValues& values, const std::string& option) {
    const std::string& text = values.at(option);
    const auto width =
        static_cast<std::size_t>(data::tableEntry("TbConta").definition.findField("Conta")->size);
    const bool blank = text.find_first_not_of(' ') == std::string::npos;
    if (blank || text.front() == ' ' || text.back() == ' ' || core::characterCount(text) > width)
        throw UsageError{"conta inválida: '" + text + "' (use o número da conta, como no cadastro)"};
    return text;
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

// An amount in reais as typed, "250,00", when the option was given.
std::optional<core::Currency> amountOption(const OptionValues& values, const std::string& option) {
    const auto given = values.find(option);
    if (given == values.end()) return std::nullopt;
    const auto amount = core::Currency::parse(given->second);
    if (!amount || *amount < core::Currency{})
        throw UsageError{"valor inválido em " + option + ": " + given->second};
    return amount;
}

// The period of --de and --ate, their texts as typed for the title.
core::Period periodOption(const OptionValues& values) {
    return {dateOption(values, "--de"), dateOption(values, "--ate"), values.at("--de"), values.at("--ate")};
}

// Not an option anyone types: the day the run counts as today, as the report prints it, given
// to the reports that select by it.
constexpr const char* kToday = "hoje";

core::Date todayOf(const OptionValues& values) {
    return *core::Date::fromIso(values.at(kToday));
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

// The period's options, then the report's own.
std::vector<ReportOption> periodAnd(std::vector<ReportOption> own) {
    std::vector<ReportOption> options = kPeriodOptions;
    options.insert(options.end(), own.begin(), own.end());
    return options;
}

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

// A file a report can be written to, and the option that asks for it.
struct OutputFormat {
    const char* flag;
    const char* extension;
    const char* file;  // what the usage error calls the file: "arquivo PDF"
    void (*write)(const Report&, const std::filesystem::path&, GenerateOptions);
};

const std::vector<OutputFormat> kOutputFormats{
    {"--pdf", "pdf", "arquivo PDF",
     [](const Report& report, const std::filesystem::path& path, GenerateOptions options) {
         writePdf(report, path, std::move(options));
     }},
    {"--txt", "txt", "arquivo de texto", writeText},
    {"--xlsx", "xlsx", "arquivo da planilha", writeXlsx},
    {"--csv", "csv", "arquivo CSV", writeCsv},
};

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
         [](const OptionValues& values) {
             const core::Date today = todayOf(values);
             return Print(
                 [today](data::Tdm& dm, const ReportOutput& out) { printBirthdaysOfDay(dm, today, out); });
         }},
        {"aniversariantes-mes",
         "aniversariantes do mês N (1 a 12)",
         {{"--mes", "N", true}},
         [](const OptionValues& values) {
             const int month = monthOption(values, "--mes");
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
        {"vales-individual", "vales do funcionário N no período", periodAnd({{"--funcionario", "N", true}}),
         advances()},
        {"contas-pagar", "contas a pagar com vencimento no período", kPeriodOptions, payables(Bills::Open)},
        {"contas-pagar-fornecedor", "contas a pagar do fornecedor N com vencimento no período",
         periodAnd({{"--fornecedor", "N", true}}), payables(Bills::Open)},
        {"contas-pagas", "contas pagas no período", kPeriodOptions, payables(Bills::Paid)},
        {"contas-pagas-fornecedor", "contas do fornecedor N pagas no período",
         periodAnd({{"--fornecedor", "N", true}}), payables(Bills::Paid)},
        {"comissoes", "comissões dos funcionários no período, menos os vales", kPeriodOptions,
         periodReport(printCommissions)},
        {"comissoes-individual", "serviços do funcionário N no período, com as comissões, menos os vales",
         periodAnd({{"--funcionario", "N", true}}),
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
        {"extrato", "extrato bancário da conta CONTA (o número do cadastro, como 12345-6) no período",
         periodAnd({{"--conta", "CONTA", true}}),
         [](const OptionValues& values) {
             const StatementSelection selection{accountOption(values, "--conta"), dateOption(values, "--de"),
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
        {"recebidas-cliente", "valores recebidos do cliente N no período",
         periodAnd({{"--cliente", "N", true}}),
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
             const core::Date today = todayOf(values);
             return Print([employee, today](data::Tdm& dm, const ReportOutput& out) {
                 printEmployeeServices(dm, employee, today, out);
             });
         }},
        {"auditoria", "trilha de auditoria do período (com --usuario, só as ações do usuário de código N)",
         periodAnd({{"--usuario", "N"}}),
         [](const OptionValues& values) {
             const AuditSelection selection{
                 periodOption(values), recordNumberOption(values, "--usuario").value_or(0), {}};
             return Print(
                 [selection](data::Tdm& dm, const ReportOutput& out) { printAudit(dm, selection, out); });
         }},
        {"entradas", "linhas das entradas de produtos do período (com --fornecedor, só as do fornecedor N)",
         periodAnd({{"--fornecedor", "N"}}),
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

template <class Entry>
std::string synopsis(const Entry& report) {
    std::string text = report.name;
    for (const ReportOption& option : report.options) {
        const std::string form = option.name + ' ' + option.value;
        text += option.required ? ' ' + form : " [" + form + ']';
    }
    return text;
}

template <class Entry>
const Entry& entryNamed(const std::vector<Entry>& entries, const std::string& name) {
    const auto found =
        std::find_if(entries.begin(), entries.end(), [&](const Entry& entry) { return entry.name == name; });
    if (found == entries.end()) throw UsageError{"relatório desconhecido: " + name};
    return *found;
}

template <class Printed>
struct Request {
    std::filesystem::path output;
    // --data DIR or --servidor CONEXAO, in place of the data set the caller found.
    std::optional<store::Location> dataSet;
    Printed print;
    OptionValues values;
};

// `flag` NAME OUT [--data DIR] [NAME's own options], NAME one of `entries`.
template <class Prepared>
auto parse(const std::vector<std::string>& args, const std::string& flag,
           const std::vector<Document<Prepared>>& entries, const std::string& missing,
           OptionValues values = {}) {
    const auto pdf = std::find(args.begin(), args.end(), flag);
    if (args.end() - pdf < 3 || pdf[1].starts_with("-") || pdf[2].starts_with("-")) throw UsageError{missing};
    const Document<Prepared>& report = entryNamed(entries, pdf[1]);
    Request<std::invoke_result_t<Prepared, const OptionValues&>> request{pdf[2], {}, {}};
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (it == pdf) {
            it += 2;
            continue;
        }
        const bool own = std::any_of(report.options.begin(), report.options.end(),
                                     [&](const ReportOption& option) { return option.name == *it; });
        const bool namesDataSet = *it == "--data" || *it == "--servidor";
        if (!namesDataSet && !own)
            throw UsageError{"argumento desconhecido para o relatório " + report.name + ": " + *it};
        if (it + 1 == args.end() || (it + 1)->starts_with("--")) throw UsageError{"falta o valor de " + *it};
        if (namesDataSet) {
            if (request.dataSet) throw UsageError{"use --data ou --servidor, uma vez só"};
            request.dataSet = *it == "--data" ? store::Location(std::filesystem::path(*(it + 1)))
                                              : store::Location(store::ServerConnection{*(it + 1)});
        } else
            values[*it] = *(it + 1);
        ++it;
    }
    for (const ReportOption& option : report.options)
        if (option.required && !values.contains(option.name))
            throw UsageError{"o relatório " + report.name + " pede " + option.name + ' ' + option.value};
    request.print = report.prepare(values);
    request.values = std::move(values);
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

// The entries and their options, one a line, descriptions aligned.
template <class Entry>
std::string entryList(const std::vector<Entry>& entries) {
    std::string usage;
    std::size_t width = 0;
    for (const Entry& entry : entries) width = std::max(width, synopsis(entry).size());
    for (const Entry& entry : entries) {
        const std::string form = synopsis(entry);
        usage += "        " + form + std::string(width - form.size() + 2, ' ') + entry.description + '\n';
    }
    return usage;
}

// Every receipt --recibo can write.
const std::vector<ReceiptEntry>& receiptEntries() {
    static const std::vector<ReceiptEntry> entries{
        {"venda", "recibo da venda número N (com --pago, o valor entregue em dinheiro e o troco)",
         withReceiptOptions({{"--numero", "N", true}, {"--pago", "VALOR"}}),
         [](const OptionValues& values) {
             const std::int64_t number = *recordNumberOption(values, "--numero");
             const auto paid = amountOption(values, "--pago");
             return ReceiptPrint([number, paid](data::Tdm& dm, const receipts::PrinterSettings& printer) {
                 return saleReceiptBytes(dm, number, printer, printer.openDrawer, paid, PrintedAt::now());
             });
         }},
        {"notinhas", "notinhas em aberto do cliente de código N, com o total (o recibo do acerto)",
         withReceiptOptions({{"--cliente", "N", true}}),
         [](const OptionValues& values) {
             const std::int64_t client = *recordNumberOption(values, "--cliente");
             return ReceiptPrint([client](data::Tdm& dm, const receipts::PrinterSettings& printer) {
                 return clientNotesBytes(dm, client, printer, printer.openDrawer, PrintedAt::now());
             });
         }},
        {"fechamento-caixa", "resumo do fechamento do caixa número N (sem --numero, o último caixa aberto)",
         withReceiptOptions({{"--numero", "N"}}),
         [](const OptionValues& values) {
             const auto number = recordNumberOption(values, "--numero");
             return ReceiptPrint([number](data::Tdm& dm, const receipts::PrinterSettings& printer) {
                 return cashClosingBytes(dm, number, printer, printer.openDrawer, PrintedAt::now());
             });
         }},
    };
    return entries;
}

}  // namespace

std::string pdfUsage() {
    std::string usage;
    for (const OutputFormat& format : kOutputFormats)
        usage += std::string("  velmora ") + format.flag + " RELATÓRIO ARQUIVO." + format.extension +
                 " [--data DIRETÓRIO | --servidor CONEXAO] [opções do relatório]\n";
    return usage +
           "      Grava o relatório em ARQUIVO, com os dados preparados como na tela que o imprime: em PDF,\n"
           "      em texto (uma linha por linha impressa, cada campo na sua coluna), em planilha do Excel\n"
           "      ou em CSV (separado por ';', vírgula decimal).\n"
           "      RELATÓRIO e as suas opções:\n" +
           entryList(pdfReports());
}

std::string receiptUsage() {
    return "  velmora --recibo NOME SAIDA.bin [--data DIRETÓRIO | --servidor CONEXAO] [opções do recibo]\n"
           "      Grava em SAIDA.bin os bytes ESC/POS do recibo para impressora térmica; largura,\n"
           "      caracteres e gaveta vêm das configurações, salvo quando indicados aqui.\n"
           "      NOME e as suas opções:\n" +
           entryList(receiptEntries());
}

std::vector<std::string> reportOutputFlags() {
    std::vector<std::string> flags;
    for (const OutputFormat& format : kOutputFormats) flags.emplace_back(format.flag);
    return flags;
}

std::vector<std::string> pdfReportNames() {
    std::vector<std::string> names;
    for (const PdfReport& report : pdfReports()) names.push_back(report.name);
    return names;
}

namespace {

// The request, or nothing once what is wrong and the usage are on `err`; `check` looks at the
// option values further.
template <class Prepared>
auto requestOrUsage(const std::vector<std::string>& args, const std::string& flag,
                    const std::vector<Document<Prepared>>& entries, const std::string& missing,
                    std::string (*usage)(), std::ostream& err,
                    const std::function<void(const OptionValues&)>& check = {},
                    const OptionValues& implied = {})
    -> std::optional<decltype(parse(args, flag, entries, missing))> {
    try {
        auto request = parse(args, flag, entries, missing, implied);
        if (check) check(request.values);
        return request;
    } catch (const UsageError& error) {
        err << "velmora: " << error.message << "\nUso:\n" << usage();
        return std::nullopt;
    }
}

// The data set of the request, or nothing (and why, on `err`) when it holds no tables.
template <class Printed>
std::optional<store::Location> requestedData(const Request<Printed>& request,
                                             const store::Location& configuredDataSet, std::ostream& err) {
    store::Location dataSet = request.dataSet.value_or(configuredDataSet);
    try {
        if (data::holdsTables(dataSet)) return dataSet;
        err << "velmora: " << dataSet.describe() << " não tem as tabelas do Velmora.\n";
    } catch (const std::exception& error) {
        err << "velmora: " << error.what() << '\n';
    }
    return std::nullopt;
}

// The settings of the data set with what the command line gave in their place.
receipts::PrinterSettings receiptSettings(receipts::PrinterSettings settings, const OptionValues& values) {
    if (const auto width = values.find("--largura"); width != values.end()) {
        if (width->second != "48" && width->second != "32")
            throw UsageError{"largura inválida: " + width->second + " (use 48 ou 32)"};
        settings.columns = width->second == "32" ? receipts::kNarrowColumns : receipts::kWideColumns;
    }
    if (const auto table = values.find("--caracteres"); table != values.end()) {
        if (table->second != "PC860" && table->second != "WPC1252")
            throw UsageError{"tabela de caracteres inválida: " + table->second + " (use PC860 ou WPC1252)"};
        settings.codePage =
            table->second == "PC860" ? receipts::CodePage::PC860 : receipts::CodePage::WPC1252;
    }
    if (const auto drawer = values.find("--gaveta"); drawer != values.end()) {
        if (drawer->second != "sim" && drawer->second != "nao")
            throw UsageError{"valor inválido em --gaveta: " + drawer->second + " (use sim ou nao)"};
        settings.openDrawer = drawer->second == "sim";
    }
    return settings;
}

}  // namespace

std::optional<int> runReceiptCommandLine(const std::vector<std::string>& args,
                                         const store::Location& configuredDataSet, std::ostream& err) {
    if (std::find(args.begin(), args.end(), "--recibo") == args.end()) return std::nullopt;
    const auto request =
        requestOrUsage(args, "--recibo", receiptEntries(), "falta o recibo ou o arquivo de saída",
                       receiptUsage, err, [](const OptionValues& values) { receiptSettings({}, values); });
    if (!request) return 2;
    const auto dataSet = requestedData(*request, configuredDataSet, err);
    if (!dataSet) return 1;
    try {
        StreamMessages messages(err);
        data::Tdm dm(*dataSet, messages);
        const receipts::PrinterSettings settings =
            receiptSettings(receipts::readPrinterSettings(dm.TbConfig), request->values);
        const std::string bytes = request->print(dm, settings);
        std::ofstream out(request->output, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(request->output);
            err << "velmora: não foi possível gravar " << request->output.string() << ".\n";
            return 1;
        }
    } catch (const std::exception& error) {
        err << "velmora: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

std::optional<int> runReportCommandLine(const std::vector<std::string>& args,
                                        const store::Location& configuredDataSet, std::ostream& err,
                                        const GenerateOptions& options) {
    const auto named = [&](const OutputFormat& format) {
        return std::find(args.begin(), args.end(), format.flag) != args.end();
    };
    const auto format = std::find_if(kOutputFormats.begin(), kOutputFormats.end(), named);
    if (format == kOutputFormats.end()) return std::nullopt;
    if (std::count_if(kOutputFormats.begin(), kOutputFormats.end(), named) > 1) {
        err << "velmora: use um formato só (--pdf, --txt, --xlsx ou --csv)\nUso:\n" << pdfUsage();
        return 2;
    }
    const auto parsed = requestOrUsage(args, format->flag, pdfReports(),
                                       std::string("falta o relatório ou o ") + format->file, pdfUsage, err,
                                       {}, {{kToday, options.today.toIso()}});
    if (!parsed) return 2;
    const Request<Print>& request = *parsed;
    const auto dataSet = requestedData(request, configuredDataSet, err);
    if (!dataSet) return 1;

    const auto application = ensureApplication();
    bool written = false;
    try {
        StreamMessages messages(err);
        data::Tdm dm(*dataSet, messages);
        request.print(dm, [&](const Report& report) {
            format->write(report, request.output, options);
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
