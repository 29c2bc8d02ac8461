// The client listing over 20 000 clients exported to .xlsx and to .csv, each against a bare
// writer of the same rows: the clients read in name order straight from TbCliente, the same
// texts written through libxlsxwriter alone (in its constant-memory mode, as the export uses
// it) and through an ofstream with the same quoting. Best of three rounds each, so a machine
// shared with others disturbs both sides alike. Prints the times per row and the ratios
// (target: at most 2).
//   bench_sheet_export [CLIENTS]
#include <xlsxwriter.h>

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_clients.h"
#include "bench_data.h"
#include "best_seconds.h"
#include "reports/client_listing.h"
#include "reports/engine/sheet_export.h"

namespace fs = std::filesystem;

namespace {

// The listing's columns, as the detail line prints them.
const std::vector<std::string> kCaptions{"Nome", "Aniversário", "Endereço", "Cidade",
                                         "CEP",  "Fone",        "Celular",  "E-mail"};

// Reads every client in name order and hands `row` the texts of its line.
template <class Row>
void eachClient(data::Tdm& dm, Row&& row) {
    store::Table& clients = dm.TbCliente;
    clients.open();
    clients.setIndexName("siNome");
    std::vector<store::Field> fields;
    for (const char* name :
         {"Nome", "Aniversario", "Endereco", "Bairro", "Cidade", "CEP", "Fone", "Celular", "Email"})
        fields.push_back(clients.field(name));
    std::vector<std::string> texts(kCaptions.size());
    for (clients.first(); !clients.eof(); clients.next()) {
        texts[0] = fields[0].asString();
        texts[1] = fields[1].asString();
        texts[2] = fields[2].asString() + " - Bairro: " + fields[3].asString();
        for (std::size_t i = 3; i < texts.size(); ++i) texts[i] = fields[i + 1].asString();
        row(texts);
    }
    clients.setIndexName("");
    clients.close();
}

void bareXlsx(data::Tdm& dm, const fs::path& path) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Relatório");
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    worksheet_write_string(sheet, 0, 0, "LISTAGEM DE CLIENTES", bold);
    for (std::size_t c = 0; c < kCaptions.size(); ++c)
        worksheet_write_string(sheet, 1, static_cast<lxw_col_t>(c), kCaptions[c].c_str(), bold);
    worksheet_freeze_panes(sheet, 2, 0);
    lxw_row_t row = 2;
    eachClient(dm, [&](const std::vector<std::string>& texts) {
        for (std::size_t c = 0; c < texts.size(); ++c)
            if (!texts[c].empty())
                worksheet_write_string(sheet, row, static_cast<lxw_col_t>(c), texts[c].c_str(), nullptr);
        ++row;
    });
    workbook_close(book);
}

void bareCsv(data::Tdm& dm, const fs::path& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "\xEF\xBB\xBF"
        << "LISTAGEM DE CLIENTES\r\n";
    const auto line = [&](const std::vector<std::string>& texts) {
        for (std::size_t c = 0; c < texts.size(); ++c) {
            if (c) out << ';';
            if (texts[c].find_first_of(";\"\r\n") == std::string::npos) {
                out << texts[c];
                continue;
            }
            out << '"';
            for (char ch : texts[c]) out << (ch == '"' ? "\"\"" : std::string(1, ch));
            out << '"';
        }
        out << "\r\n";
    };
    line(kCaptions);
    eachClient(dm, line);
}

}  // namespace

int main(int argc, char** argv) {
    const int clients = argc > 1 ? std::atoi(argv[1]) : 20000;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);

    const BenchDataSet dataSet("velmora-sheet-bench");
    const fs::path& dir = dataSet.path();
    StderrMessages quiet;
    data::Tdm dm(dir, quiet);
    addClients(dm, clients);

    const auto exported = [&](auto write, const fs::path& path) {
        return bestSeconds([&] {
            reports::printClientListing(dm, [&](const reports::Report& report) { write(report, path, {}); });
        });
    };
    const double xlsx = exported([](const reports::Report& r, const fs::path& p,
                                    reports::GenerateOptions o) { reports::writeXlsx(r, p, o); },
                                 dir / "clientes.xlsx");
    const double bareX = bestSeconds([&] { bareXlsx(dm, dir / "bare.xlsx"); });
    const double csv = exported([](const reports::Report& r, const fs::path& p,
                                   reports::GenerateOptions o) { reports::writeCsv(r, p, o); },
                                dir / "clientes.csv");
    const double bareC = bestSeconds([&] { bareCsv(dm, dir / "bare.csv"); });

    const double perRow = 1e6 / clients;
    std::printf("clients: %d; xlsx %.1f MB (bare %.1f MB), csv %.1f MB (bare %.1f MB)\n", clients,
                static_cast<double>(fs::file_size(dir / "clientes.xlsx")) / 1e6,
                static_cast<double>(fs::file_size(dir / "bare.xlsx")) / 1e6,
                static_cast<double>(fs::file_size(dir / "clientes.csv")) / 1e6,
                static_cast<double>(fs::file_size(dir / "bare.csv")) / 1e6);
    std::printf("bare libxlsxwriter %8.2f us/row\n", bareX * perRow);
    std::printf("listing to .xlsx   %8.2f us/row  ratio %.2f (target <= 2)\n", xlsx * perRow, xlsx / bareX);
    std::printf("bare CSV writer    %8.2f us/row\n", bareC * perRow);
    std::printf("listing to .csv    %8.2f us/row  ratio %.2f (target <= 2)\n", csv * perRow, csv / bareC);
    return 0;
}
