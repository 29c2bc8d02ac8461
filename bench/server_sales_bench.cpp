// A sale on a PostgreSQL server (the demo salon as --init-data --demo makes it, on the server
// VELMORA_BENCH_PG names). First the payment of a five-item sale, the sales module's own
// posting, against the same rows written by bare libpq in one transaction, best of three rounds
// each in the same run: the ratio should stay within 2x. Then how many times each of these
// waits on the server: opening the sales screen, registering that payment, walking 1 000 rows
// of the sale items in an index's order (a grid's rows, and the table moved through with
// next()), each the first time (its statements prepared on the way) and again. A walk should
// wait once a batch of rows.
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bare_libpq.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/store/database.h"
#include "five_item_sale.h"
#include "sales/sale_payment.h"
#include "sales/sales_screen.h"
#include "ui/db_grid_model.h"

namespace {

constexpr int kPayments = 50;
constexpr int kWalked = 1000;

// The best of three rounds of kPayments, per payment; `prepare` (untimed) comes before each.
double bestPerPayment(const std::function<void()>& prepare, const std::function<void()>& pay) {
    double best = 1e300;
    for (int round = 0; round < 3; ++round) {
        double seconds = 0;
        for (int i = 0; i < kPayments; ++i) {
            prepare();
            const auto start = std::chrono::steady_clock::now();
            pay();
            seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
        best = std::min(best, seconds / kPayments);
    }
    return best;
}

// The rows the payment writes, bare: the two counters it takes (the sale's and the received
// amount's, each number the counter's value before), the sale, its five items, the five products' stock, the
// cash record and the received amount. The items are stored before, as the sales screen stores them.
class BarePayment {
  public:
    BarePayment(const char* connection, std::vector<std::int64_t> products)
        : bare_(connection), products_(std::move(products)) {
        bare_.prepare("item",
                      "INSERT INTO itensservico_dat (\"Contador\", \"Ordem\", \"Codigo\", \"Tipo\", "
                      "\"Porcentagem\", \"Total\") VALUES ($1, $2, $3, 'PRODUTO', 1, 10) RETURNING linha");
        bare_.prepare("saleNumber",
                      "UPDATE contador_dat SET \"ContServ\" = \"ContServ\" + 1 RETURNING \"ContServ\" - 1");
        bare_.prepare(
            "receivedNumber",
            "UPDATE contador_dat SET \"ContBaixaR\" = \"ContBaixaR\" + 1 RETURNING \"ContBaixaR\" - 1");
        bare_.prepare(
            "sale",
            "INSERT INTO servicos_dat (\"Contador\", \"CodFun\", \"Total\", \"SubTotal\", "
            "\"PGTotal\", \"CodTipo\", \"TipoPG\", \"Caixa\", \"Cliente\") VALUES ($1, 1, 50, 50, 50, "
            "2, 'CHEQUE', 1, 'NÃO INDICADO...')");
        bare_.prepare("paidItem",
                      "UPDATE itensservico_dat SET \"CodCli\" = 0, \"PGTO\" = 'CHEQUE' WHERE linha = $1");
        bare_.prepare("stock", "UPDATE produtos_db SET \"Estoque\" = \"Estoque\" - 1 WHERE \"Codigo\" = $1");
        bare_.prepare("cash",
                      "UPDATE caixa_dat SET \"Cheque\" = \"Cheque\" + 50, \"Total\" = \"Total\" + 50 "
                      "WHERE linha = (SELECT max(linha) FROM caixa_dat)");
        bare_.prepare(
            "received",
            "INSERT INTO receberbaixadas_dat (\"Contador\", \"Vendedor\", \"Valor\", \"Documento\") "
            "VALUES ($1, 'CHEQUE', 50, $2)");
    }

    void storeItems() {
        items_.clear();
        for (std::size_t i = 0; i < products_.size(); ++i)
            items_.push_back(bare_.first("item", {std::to_string(next_), std::to_string(next_ * 10 + i),
                                                  std::to_string(products_[i])}));
        ++next_;
    }

    void pay() {
        bare_.execute("BEGIN");
        const std::string sale = bare_.first("saleNumber");
        const std::string received = bare_.first("receivedNumber");
        bare_.run("sale", {sale});
        for (const std::string& item : items_) bare_.run("paidItem", {item});
        for (std::int64_t code : products_) bare_.run("stock", {std::to_string(code)});
        bare_.run("cash");
        bare_.run("received", {received, sale});
        bare_.execute("COMMIT");
    }

  private:
    Bare bare_;
    std::vector<std::int64_t> products_;
    std::vector<std::string> items_;
    std::int64_t next_ = 2'000'000;  // past the demo's sale numbers
};

// How many times `work` waits on the data module's server.
long roundTrips(data::Tdm& dm, const std::function<void()>& work) {
    const std::int64_t before = dm.DbVelmora.serverRoundTrips();
    work();
    return static_cast<long>(dm.DbVelmora.serverRoundTrips() - before);
}

void openSalesScreen(data::Tdm& dm) {
    sales::TFmModuloVENDA screen(dm);
    screen.show();
    QApplication::processEvents();
}

// Every cell of the first kWalked rows of a grid, as scrolling through them shows them.
void walkGrid(const ui::DbGridModel& grid) {
    if (grid.rowCount() < kWalked) throw std::runtime_error("a tabela de itens tem menos de 1 000 linhas");
    for (int row = 0; row < kWalked; ++row)
        for (int column = 0; column < grid.columnCount(); ++column) (void)grid.data(grid.index(row, column));
}

// The first kWalked rows of the table, moved through one by one.
void walkItems(store::Table& items) {
    int walked = 1;
    for (items.first(); !items.eof() && walked < kWalked; items.next()) ++walked;
    if (walked < kWalked) throw std::runtime_error("a tabela de itens tem menos de 1 000 linhas");
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const char* connection = std::getenv("VELMORA_BENCH_PG");
    if (!connection || !*connection) {
        std::printf("VELMORA_BENCH_PG não está definida: nenhum servidor para medir.\n");
        return 1;
    }
    const store::Location dataSet{store::ServerConnection{connection}};
    data::createInitialData(dataSet, true);
    MessagesAsErrors messages;
    data::Tdm dm(dataSet, messages);
    std::printf("salão de demonstração no %s\n", dm.DbVelmora.location().c_str());
    openCash(dm);
    const std::vector<std::int64_t> products = fiveProducts(dm);
    dm.TbServico.open();
    dm.TbItensServico.open();
    // The payment's waits are counted on the first payment of the session and on one more.
    const auto paymentRoundTrips = [&] {
        startSale(dm, products);
        return roundTrips(dm, [&] { sales::registerSalePayment(dm, {2}); });
    };
    const long firstPayment = paymentRoundTrips();

    const double storePayment =
        bestPerPayment([&] { startSale(dm, products); }, [&] { sales::registerSalePayment(dm, {2}); });
    BarePayment bare(connection, products);
    const double barePayment = bestPerPayment([&] { bare.storeItems(); }, [&] { bare.pay(); });
    std::printf(
        "pagamento de uma venda de 5 itens  store %8.2f ms  libpq %8.2f ms  razão %.2fx (meta: até 2x)\n",
        storePayment * 1e3, barePayment * 1e3, storePayment / barePayment);

    std::printf("esperas pelo servidor (idas e voltas), na primeira vez / de novo:\n");
    dm.TbServico.close();
    dm.TbItensServico.close();
    const long screenFirst = roundTrips(dm, [&] { openSalesScreen(dm); });
    const long screenAgain = roundTrips(dm, [&] { openSalesScreen(dm); });
    std::printf("  abrir a tela de vendas              %5ld / %5ld\n", screenFirst, screenAgain);

    dm.TbServico.open();
    dm.TbItensServico.open();
    std::printf("  registrar o pagamento (5 itens)     %5ld / %5ld\n", firstPayment, paymentRoundTrips());

    store::Table items(dm.DbVelmora, dm.TbItensServico.definition(), "TbItensServico");
    items.open();
    items.setIndexName("siFunc");
    const auto reportWalk = [&](const char* what, const std::function<void()>& walk) {
        const long first = roundTrips(dm, walk);
        const long again = roundTrips(dm, walk);
        std::printf("  %-35s %5ld / %5ld  (%.0f linhas por espera)\n", what, first, again,
                    static_cast<double>(kWalked) / static_cast<double>(std::max(1L, again)));
    };
    {
        ui::DbGridModel grid(items, {{"Descricao", "Descrição"}, {"Data", "Data"}, {"Total", "Total"}});
        reportWalk("percorrer 1 000 linhas de uma grade", [&] { walkGrid(grid); });
    }
    reportWalk("percorrer 1 000 linhas com Next", [&] { walkItems(items); });
    std::printf("  (meta: uma espera por lote de linhas)\n");
    return 0;
}
