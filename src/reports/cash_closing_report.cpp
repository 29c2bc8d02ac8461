#include "reports/cash_closing_report.h"

#include "data/dm.h"
#include "data/refusal.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
constexpr const char* kMoney = "0.0,0";
const TextStyle kFixed{.sizing = Sizing::Fixed};
const TextStyle kMoneyStyle{.align = Align::Right, .sizing = Sizing::Fixed};

// Column edges of the detail lines and their captions.
constexpr double kCliente = 24, kFuncionario = 88, kFormaPgto = 140;

Band pageHeader(data::Tdm& dm, double width) {
    store::Table& caixa = dm.TbCaixa;
    Band band;
    band.heightMm = kLogoHeightMm + 2 + 7 + 1;
    band.add(salonLogo(dm.TbConfig));
    band.add(salonName(dm.TbConfig, {kLogoWidthMm + 3, 1, width - kLogoWidthMm - 30, 6},
                       {.bold = true, .points = 12, .sizing = Sizing::Fixed}));
    addPageNumber(band, "Pág.:", width, 0);
    const double textX = kLogoWidthMm + 3, textWidth = width - textX;
    band.add(computedLabel(
        {textX, 8, textWidth, kLine},
        [&caixa] { return "Relatório de Fechamento de Caixa - " + caixa.field("Funcionario").asString(); },
        {.bold = true, .points = 10, .sizing = Sizing::Fixed}));
    band.add(computedLabel({textX, 13, textWidth, kLine}, [&caixa] {
        const auto text = [&caixa](const char* field) { return caixa.field(field).asString(); };
        return "ABERTURA: " + text("Abertura") + " - HORA: " + text("Hora1") +
               " / FECHAMENTO: " + text("Fechamento") + " - HORA: " + text("Hora2");
    }));
    addCaptionStrip(band, kLogoHeightMm + 2, width,
                    {{0, "DATA"},
                     {kCliente, "CLIENTE"},
                     {kFuncionario, "FUNCIONÁRIO"},
                     {kFormaPgto, "FORMA PGTO."},
                     {width, "TOTAL R$", Align::Right}});
    return band;
}

Band detail(data::Tdm& dm, double width) {
    store::Table& s = dm.TbServico;
    Band band;
    band.heightMm = kLine + 0.5;
    band.add(dataField({0, 0, kCliente - 2, kLine}, s, "Data", kFixed));
    band.add(dataField({kCliente, 0, kFuncionario - kCliente - 2, kLine}, s, "Cliente", kFixed));
    band.add(dataField({kFuncionario, 0, kFormaPgto - kFuncionario - 2, kLine}, s, "Funcioario", kFixed));
    band.add(dataField({kFormaPgto, 0, 34, kLine}, s, "TipoPG", kFixed));
    band.add(
        dataField({kFormaPgto + 36, 0, width - kFormaPgto - 36, kLine}, s, "PGTotal", kMoneyStyle, kMoney));
    return band;
}

// The summary's blocks, left to right: their caption, "R$" and value columns.
struct Block {
    double caption, reais, valueEnd;
};
constexpr Block kLeft{0, 22, 48}, kMiddle{52, 74, 110}, kBox{154, 172, 199};
constexpr double kCashBlock = 114, kCashBlockEnd = 148;

Band summary(data::Tdm& dm, double width) {
    store::Table& caixa = dm.TbCaixa;
    const auto tables = [&dm](std::string_view name) -> store::Table& { return dm.table(name); };
    const auto sum = [&](const char* expression) { return parseTotalExpression(expression, tables); };
    Band band;
    const double top = 3, row = kLine + 1.5;
    band.heightMm = top + 4 * row + 2;
    band.add(horizontalLine(0, 1, width));
    const auto rowY = [&](int index) { return top + index * row; };
    // A caption, "R$" and a value right-aligned at the end of its block.
    const auto pair = [&](const Block& block, int index, std::string caption, TextItem value,
                          TextStyle captionStyle = {.bold = true}) {
        band.add(label({block.caption, rowY(index), block.reais - block.caption, kLine}, std::move(caption),
                       captionStyle));
        band.add(label({block.reais, rowY(index), 6, kLine}, "R$", captionStyle));
        band.add(std::move(value));
    };
    const auto valueBox = [&](const Block& block, int index) {
        return RectMm{block.reais + 6, rowY(index), block.valueEnd - block.reais - 6, kLine};
    };
    const auto field = [&](const Block& block, int index, const char* name, TextStyle style = kMoneyStyle) {
        return dataField(valueBox(block, index), caixa, name, style, kMoney);
    };
    const auto total = [&](const Block& block, int index, const char* expression,
                           TextStyle style = kMoneyStyle) {
        return totalField(valueBox(block, index), sum(expression), kMoney, style);
    };

    band.add(rectangle({0, rowY(3) - 0.5, width, row}, true));  // row 4's bar
    band.add(rectangle({kBox.caption - 2, rowY(0) - 0.5, width - kBox.caption + 2, 4 * row}, false));  // box

    pair(kLeft, 0, "C. INICIAL", field(kLeft, 0, "DinheiroDIA"));
    // Row 1's middle block holds two amounts side by side.
    band.add(label({kMiddle.caption, rowY(0), 14, kLine}, "C. CRÉD.", {.bold = true}));
    band.add(dataField({kMiddle.caption + 14, rowY(0), 16, kLine}, caixa, "Cartao", kMoneyStyle, kMoney));
    band.add(label({kMiddle.caption + 32, rowY(0), 11, kLine}, "C. DÉB.", {.bold = true}));
    band.add(dataField({kMiddle.caption + 43, rowY(0), kMiddle.valueEnd - kMiddle.caption - 43, kLine}, caixa,
                       "Debito", kMoneyStyle, kMoney));
    band.add(label({kCashBlock, rowY(0), kCashBlockEnd - kCashBlock, kLine}, "CAIXA R$",
                   {.align = Align::Right, .bold = true, .sizing = Sizing::Fixed}));
    pair(kBox, 0, "SERVIÇOS", total(kBox, 0, "SUM(TbServico.PGTotal)"));

    pair(kLeft, 1, "DINHEIRO", field(kLeft, 1, "Dinheiro"));
    pair(kMiddle, 1, "NOTINHAS", field(kMiddle, 1, "TEF"));
    band.add(dataField({kCashBlock, rowY(1), kCashBlockEnd - kCashBlock, kLine}, caixa, "Total", kMoneyStyle,
                       kMoney));
    pair(kBox, 1, "CRÉDITOS", total(kBox, 1, "SUM(TbServico.Saldo)"));

    pair(kLeft, 2, "RETIRADA", field(kLeft, 2, "DinheiroTOTAL"));
    pair(kMiddle, 2, "CHEQUE", field(kMiddle, 2, "Cheque"));
    pair(kBox, 2, "TOTAL", total(kBox, 2, "SUM(TbServico.PGTotal) - SUM(TbServico.Saldo)"));

    pair(kLeft, 3, "T. DINHEIRO", field(kLeft, 3, "Caixa"));
    pair(kMiddle, 3, "DEPÓSITO", field(kMiddle, 3, "Deposito"));
    pair(kBox, 3, "REPASSAR",
         field(kBox, 3, "Repasse", {.align = Align::Right, .bold = true, .sizing = Sizing::Fixed}));
    return band;
}

// TbCaixa on the period asked for, and back to what it was afterwards.
class PeriodOnShow {
  public:
    PeriodOnShow(store::Table& caixa, std::optional<std::int64_t> number)
        : caixa_(caixa), wasOpen_(caixa.isOpen()) {
        caixa_.open();
        try {
            show(number);
        } catch (...) {
            restore();
            throw;
        }
    }
    ~PeriodOnShow() { restore(); }
    PeriodOnShow(const PeriodOnShow&) = delete;
    PeriodOnShow& operator=(const PeriodOnShow&) = delete;

    std::int64_t number() const { return number_; }

  private:
    void show(std::optional<std::int64_t> number) {
        if (!caixa_.indexName().empty()) caixa_.setIndexName("");
        if (!number) {
            caixa_.last();
            if (caixa_.isEmpty()) throw data::Refusal("Nenhum caixa foi aberto até agora.");
        } else if (!caixa_.findKey({store::Value{*number}})) {
            throw data::Refusal("O caixa número " + std::to_string(*number) + " não existe.");
        }
        number_ = caixa_.field("Contador").asInteger();
    }
    void restore() {
        if (!wasOpen_) caixa_.close();
    }

    store::Table& caixa_;
    bool wasOpen_;
    std::int64_t number_ = 0;
};

}  // namespace

Report cashClosingReport(data::Tdm& dm) {
    Report report;
    report.name = "QrFechaCaixa";
    report.mainTable = &dm.TbServico;
    const double width = report.page.printableWidthMm();
    report.pageHeader = pageHeader(dm, width);
    report.detail = detail(dm, width);
    report.summary = summary(dm, width);
    return report;
}

void withCashPeriod(data::Tdm& dm, std::optional<std::int64_t> number, const std::function<void()>& use) {
    PeriodOnShow period(dm.TbCaixa, number);
    PreparedTable servicos(dm.TbServico);
    servicos->setIndexName("siCaixa");
    servicos->setRange({period.number()}, {period.number()});
    use();
}

void printCashClosing(data::Tdm& dm, std::optional<std::int64_t> number, const ReportOutput& output) {
    withCashPeriod(dm, number, [&] { output(cashClosingReport(dm)); });
}

}  // namespace reports
