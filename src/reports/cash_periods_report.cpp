#include "reports/cash_periods_report.h"

#include "data/dm.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
constexpr const char* kMoney = "0.0,0";
const TextStyle kFixed{.sizing = Sizing::Fixed};
const TextStyle kMoneyStyle{.align = Align::Right, .sizing = Sizing::Fixed};

// The columns both layouts open with: when, by whom and until when.
struct Columns {
    double hora1, funcionario, fechamento, hora2, end;
};
constexpr Columns kTakings{22, 40, 120, 142, 170};
constexpr Columns kOpening{18, 32, 65, 87, 101};

void addPeriodColumns(Band& detail, store::Table& caixa, const Columns& c) {
    const auto field = [&](double x, double next, const char* name) {
        detail.add(dataField({x, 0, next - x - 1, kLine}, caixa, name, kFixed));
    };
    field(0, c.hora1, "Abertura");
    field(c.hora1, c.funcionario, "Hora1");
    field(c.funcionario, c.fechamento, "Funcionario");
    field(c.fechamento, c.hora2, "Fechamento");
    field(c.hora2, c.end, "Hora2");
}

std::vector<ColumnCaption> periodCaptions(const Columns& c) {
    return {{0, "Abertura:"},
            {c.hora1, "Hora:"},
            {c.funcionario, "Funcionário:"},
            {c.fechamento, "Fechamento:"},
            {c.hora2, "Hora:"}};
}

Report cashPeriodsReport(data::Tdm& dm, const core::Period& period, const char* name, const Columns& columns,
                         std::vector<ColumnCaption> moneyCaptions) {
    Report report;
    report.name = name;
    report.mainTable = &dm.TbCaixa;
    std::vector<ColumnCaption> captions = periodCaptions(columns);
    captions.insert(captions.end(), moneyCaptions.begin(), moneyCaptions.end());
    const std::string title =
        periodTitle("Relatório de Fechamentos de Caixa", period.startText, period.endText);
    report.pageHeader = salonHeader(
        report.page, dm.TbConfig, [title] { return title; }, captions, "Pág.:");
    report.detail.heightMm = kLine + 0.5;
    addPeriodColumns(report.detail, dm.TbCaixa, columns);
    return report;
}

Report takingsReport(data::Tdm& dm, const core::Period& period) {
    const double width = PageSetup{}.printableWidthMm();
    Report report = cashPeriodsReport(dm, period, "QrCaixa", kTakings, {{width, "Valor R$", Align::Right}});
    report.detail.add(
        dataField({kTakings.end, 0, width - kTakings.end, kLine}, dm.TbCaixa, "Total", kMoneyStyle, kMoney));

    const auto tables = [&dm](std::string_view table) -> store::Table& { return dm.table(table); };
    const std::pair<const char*, const char*> sums[] = {
        {"Dinheiro", "SUM(TbCaixa.Dinheiro)"},
        {"Cheque", "SUM(TbCaixa.Cheque)"},
        {"Cartões", "SUM(TbCaixa.Cartao) + SUM(TbCaixa.Debito)"},
        {"Notinhas", "SUM(TbCaixa.TEF)"},
        {"TOTAL", "SUM(TbCaixa.Total)"},
    };
    Band summary;
    const double row = kLine + 1, first = 3 + row, captionX = width - 90, reaisX = width - 55;
    summary.heightMm = first + std::size(sums) * row + 1;
    summary.add(horizontalLine(0, 1, width));
    summary.add(label({captionX, 2, 50, kLine}, "RESUMO GERAL:", {.bold = true}));
    double y = first;
    for (const auto& [caption, expression] : sums) {
        summary.add(label({captionX, y, 30, kLine}, caption, {.bold = true, .sizing = Sizing::Fixed}));
        summary.add(label({reaisX, y, 8, kLine}, "R$", {.bold = true, .sizing = Sizing::Fixed}));
        summary.add(totalField({width - 45, y, 45, kLine}, parseTotalExpression(expression, tables), kMoney,
                               {.align = Align::Right, .bold = true, .sizing = Sizing::Fixed}));
        y += row;
    }
    report.summary = std::move(summary);
    return report;
}

Report openingReport(data::Tdm& dm, const core::Period& period) {
    const double width = PageSetup{}.printableWidthMm();
    const std::pair<const char*, const char*> money[] = {{"C. Inicial", "DinheiroDIA"},
                                                         {"Dinheiro", "Dinheiro"},
                                                         {"Pgtos.", "DinheiroTOTAL"},
                                                         {"Depósito", "Deposito"},
                                                         {"Repasse", "Repasse"}};
    const double columnWidth = (width - kOpening.end) / std::size(money);
    std::vector<ColumnCaption> captions;
    for (std::size_t i = 0; i < std::size(money); ++i)
        captions.push_back({kOpening.end + (i + 1) * columnWidth, money[i].first, Align::Right});
    Report report = cashPeriodsReport(dm, period, "QrCaixaCONF", kOpening, std::move(captions));
    for (std::size_t i = 0; i < std::size(money); ++i)
        report.detail.add(dataField({kOpening.end + i * columnWidth + 1, 0, columnWidth - 1, kLine},
                                    dm.TbCaixa, money[i].second, kMoneyStyle, kMoney));
    return report;
}

}  // namespace

void printCashPeriods(data::Tdm& dm, const core::Period& period, CashPeriodsLayout layout,
                      const ReportOutput& output) {
    PreparedTable caixa(dm.TbCaixa);
    caixa->setIndexName("siData");
    caixa->setRange({period.start.toIso()}, {period.end.toIso()});
    output(layout == CashPeriodsLayout::Takings ? takingsReport(dm, period) : openingReport(dm, period));
}

}  // namespace reports
