// Opening the sales screen on the demo salon grown by 100 000 sales (two items each)
// against opening it on the demo salon as made, best of five rounds each in the same run.
// Nothing the screen shows when it opens may walk all sales: the ratio should stay within 3x.
//   sales_screen_bench [SALES]
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "bench_data.h"
#include "best_seconds.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/messages.h"
#include "data/scratch_directory.h"
#include "demo/salon_history.h"
#include "grown_sales.h"
#include "sales/sales_screen.h"

namespace fs = std::filesystem;

namespace {

// The time to open the screen, and how many sales the data set holds.
double openingSeconds(const fs::path& dir, int& salesHeld) {
    StderrMessages quiet;
    data::Tdm dm(dir, quiet);
    dm.TbServico.open();
    salesHeld = dm.TbServico.recordCount();
    dm.TbServico.close();
    return bestSeconds(
        [&] {
            sales::TFmModuloVENDA screen(dm);
            screen.show();
            QApplication::processEvents();
        },
        5);
}

}  // namespace

int main(int argc, char** argv) {
    const int sales = argc > 1 ? std::atoi(argv[1]) : 100'000;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    data::ScratchDirectory work;
    const fs::path demo = work.path() / "Demo";
    const fs::path grown = work.path() / "Crescido";
    for (const fs::path& dir : {demo, grown}) {  // the demo salon as --init-data --demo makes it
        data::createInitialData(dir, true);
        StderrMessages quiet;
        data::Tdm dm(dir, quiet);
        demo::addSalonHistory(dm, core::Date::today());
    }
    salon_growth::growSales(grown, sales);

    int demoSales = 0;
    int grownSales = 0;
    const double normal = openingSeconds(demo, demoSales);
    const double large = openingSeconds(grown, grownSales);
    std::printf("abrir o caixa com %7d vendas  %8.2f ms\n", demoSales, normal * 1e3);
    std::printf("abrir o caixa com %7d vendas  %8.2f ms\n", grownSales, large * 1e3);
    std::printf("razão %.2fx (meta: até 3x)\n", large / normal);
    return 0;
}
