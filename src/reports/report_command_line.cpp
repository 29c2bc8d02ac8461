#include "reports/report_command_line.h"

#include <QGuiApplication>

#include <algorithm>
#include <charconv>
#include <memory>
#include <ostream>

#include "core/date.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/messages.h"
#include "reports/birthday_reports.h"
#include "reports/client_listing.h"
#include "reports/engine/generator.h"
#include "reports/engine/pdf_export.h"
#include "reports/price_tables.h"

namespace reports {

namespace {

constexpr const char* kUsage =
    "Uso: velmora --pdf RELATORIO ARQUIVO.pdf [--data DIRETORIO] [--month N]\n"
    "Relatórios: clientes, aniversariantes-dia, aniversariantes-mes (com --month 1 a 12), "
    "precos-servicos, precos-produtos, precos-todos.\n";

class StreamMessages : public data::Messages {
  public:
    explicit StreamMessages(std::ostream& out) : out_(out) {}
    void inform(const std::string& text) override { out_ << text << '\n'; }

  private:
    std::ostream& out_;
};

struct Request {
    std::string report;
    std::filesystem::path output;
    std::optional<std::filesystem::path> dataDir;
    std::optional<int> month;
};

std::optional<int> parseMonth(const std::string& text) {
    int month = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), month);
    if (error != std::errc() || end != text.data() + text.size() || month < 1 || month > 12)
        return std::nullopt;
    return month;
}

// Empty when the arguments cannot be used; the reason is on `err`.
std::optional<Request> parse(const std::vector<std::string>& args, std::ostream& err) {
    const auto pdf = std::find(args.begin(), args.end(), "--pdf");
    if (args.end() - pdf < 3) {
        err << "Falta o relatório ou o arquivo PDF.\n" << kUsage;
        return std::nullopt;
    }
    Request request{pdf[1], pdf[2], {}, {}};
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (*it != "--data" && *it != "--month") continue;
        if (it + 1 == args.end()) {
            err << "Falta o valor de " << *it << ".\n" << kUsage;
            return std::nullopt;
        }
        if (*it == "--data") {
            request.dataDir = *++it;
        } else if (!(request.month = parseMonth(*++it))) {
            err << "Mês inválido: " << *it << " (use de 1 a 12).\n";
            return std::nullopt;
        }
    }
    return request;
}

using Run = std::function<void(data::Tdm&, const ReportOutput&)>;

std::optional<Run> runnerFor(const Request& request, std::ostream& err) {
    const std::string& name = request.report;
    if (name == "clientes") return Run(printClientListing);
    if (name == "aniversariantes-dia")
        return Run([](data::Tdm& dm, const ReportOutput& out) {
            printBirthdaysOfDay(dm, core::Date::today(), out);
        });
    if (name == "aniversariantes-mes") {
        if (!request.month) {
            err << "O relatório aniversariantes-mes pede --month N (1 a 12).\n";
            return std::nullopt;
        }
        const int month = *request.month;
        return Run([month](data::Tdm& dm, const ReportOutput& out) {
            printBirthdaysOfMonth(dm, month, std::string(core::monthName(month)), out);
        });
    }
    for (const auto& [id, table] : {std::pair{"precos-servicos", PriceTable::Servicos},
                                    std::pair{"precos-produtos", PriceTable::Produtos},
                                    std::pair{"precos-todos", PriceTable::ProdutosEServicos}})
        if (name == id)
            return Run([table](data::Tdm& dm, const ReportOutput& out) { printPriceTable(dm, table, out); });
    err << "Relatório desconhecido: " << name << ".\n" << kUsage;
    return std::nullopt;
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

std::optional<int> runReportCommandLine(const std::vector<std::string>& args,
                                        const std::filesystem::path& configuredDataDir, std::ostream& err) {
    if (std::find(args.begin(), args.end(), "--pdf") == args.end()) return std::nullopt;
    const auto request = parse(args, err);
    if (!request) return 2;
    const auto run = runnerFor(*request, err);
    if (!run) return 2;
    const std::filesystem::path dataDir = request->dataDir.value_or(configuredDataDir);
    if (!data::holdsTables(dataDir)) {
        err << "O diretório " << dataDir.string() << " não tem as tabelas do Velmora.\n";
        return 1;
    }

    const auto application = ensureApplication();
    bool written = false;
    try {
        StreamMessages messages(err);
        data::Tdm dm(dataDir, messages);
        (*run)(dm, [&](const Report& report) {
            writePdf(generate(report), request->output);
            written = true;
        });
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 1;
    }
    if (!written) {
        err << "O relatório não foi gerado.\n";
        return 1;
    }
    return 0;
}

}  // namespace reports
