// The client listing over 20 000 clients against a bare scan of the same table in the
// same order (TbCliente on siNome, reading the fields the listing prints), measured in the
// same run; then the PDF export of the generated pages. Best of three rounds each, so a
// machine shared with others disturbs both sides alike. Prints the time per row and the
// ratios to the scan (target for the listing: at most 5).
//   bench_reports [CLIENTS]
#include <unistd.h>
#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "bench_clients.h"
#include "bench_data.h"
#include "best_seconds.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/messages.h"
#include "reports/client_listing.h"
#include "reports/engine/generator.h"
#include "reports/engine/pdf_export.h"

namespace fs = std::filesystem;

namespace {

std::size_t bareScan(data::Tdm& dm) {
    static const char* const fields[] = {"Nome", "Aniversario", "Endereco", "Bairro", "Cidade",
                                         "CEP",  "Fone",        "Celular",  "Email"};
    std::size_t characters = 0;
    dm.TbCliente.open();
    dm.TbCliente.setIndexName("siNome");
    std::vector<store::Field> read;
    for (const char* name : fields) read.push_back(dm.TbCliente.field(name));
    for (dm.TbCliente.first(); !dm.TbCliente.eof(); dm.TbCliente.next())
        for (const store::Field& field : read) characters += field.asString().size();
    dm.TbCliente.setIndexName("");
    dm.TbCliente.close();
    return characters;
}

}  // namespace

int main(int argc, char** argv) {
    const int clients = argc > 1 ? std::atoi(argv[1]) : 20000;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);

    const BenchDataSet dataSet("velmora-report-bench");
    const fs::path& dir = dataSet.path();
    {
        StderrMessages quiet;
        data::Tdm dm(dir, quiet);
        addClients(dm, clients);

        std::size_t sink = 0;
        const double scan = bestSeconds([&] { sink += bareScan(dm); });
        reports::PageModel model;
        const double listing = bestSeconds([&] {
            reports::printClientListing(
                dm, [&](const reports::Report& report) { model = reports::generate(report); });
        });
        const fs::path pdf = dir / "clientes.pdf";
        const double exportPdf = bestSeconds([&] { reports::writePdf(model, pdf); });

        const double perRow = 1e6 / clients;
        std::printf("clients: %d, pages: %zu, pdf: %.1f MB (scan read %zu characters)\n", clients,
                    model.pages.size(), static_cast<double>(fs::file_size(pdf)) / 1e6, sink);
        std::printf("bare scan      %8.2f us/row\n", scan * perRow);
        std::printf("client listing %8.2f us/row  ratio %.2f (target <= 5)\n", listing * perRow,
                    listing / scan);
        std::printf("PDF export     %8.2f us/row  ratio %.2f\n", exportPdf * perRow, exportPdf / scan);
    }
    return 0;
}
