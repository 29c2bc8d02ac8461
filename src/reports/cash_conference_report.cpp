#include "reports/cash_conference_report.h"

#include <memory>

#include "core/format.h"
#include "data/dm.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"

namespace reports {

namespace {

using core::Currency;

constexpr double kLine = kLineHeightMm;
constexpr double kRow = kLine + 1;
constexpr double kStripMm = 6;
const TextStyle kFixed{.sizing = Sizing::Fixed};
const TextStyle kRight{.align = Align::Right, .sizing = Sizing::Fixed};
const TextStyle kCaption{.bold = true, .sizing = Sizing::Fixed};
const TextStyle kTotal{.align = Align::Right, .bold = true, .sizing = Sizing::Fixed};

// Left edges of the item columns; the three figures end at kComissao, kValor and the margin.
constexpr double kCliente = 19, kServico = 59, kFuncionario = 95, kPgto = 126, kComissao = 157, kValor = 179;
// Right edges of the employee figures.
constexpr double kServicos = 110, kCom = 140, kVales = 170;

using Conference = std::shared_ptr<const CashConference>;
using Cursor = std::shared_ptr<std::size_t>;

std::string money(Currency value) {
    return core::formatMask(value, core::kCaptionMoneyMask);
}

// A fixed caption "… R$" and a value printed now, the value ending at `right`.
void addFigure(Band& band, double x, double right, double y, std::string caption, Currency value) {
    band.add(label({x, y, right - x - 26, kLine}, std::move(caption), kCaption));
    band.add(label({right - 26, y, 26, kLine}, money(value), kTotal));
}

Band titleBand(double width) {
    Band band;
    band.heightMm = kStripMm + 1;
    addCaptionStrip(band, 0, width,
                    {{0, "DATA"},
                     {kCliente, "CLIENTE"},
                     {kServico, "SERVIÇO"},
                     {kFuncionario, "FUNCIONÁRIO"},
                     {kPgto, "TIPO PGTO."},
                     {kComissao, "COM.%", Align::Right},
                     {kValor, "VALOR R$", Align::Right},
                     {width, "COM. R$", Align::Right}});
    return band;
}

SubDetail itemLines(const Conference& conference, double width) {
    const Cursor at = std::make_shared<std::size_t>(0);
    SubDetail lines;
    lines.held = {conference->items.size(), [at](std::size_t row) { *at = row; }};
    Band& band = lines.band;
    band.heightMm = kLine + 0.5;
    const auto text = [&](RectMm box, auto part, TextStyle style = kFixed) {
        band.add(computedLabel(
            box, [conference, at, part] { return part(conference->items[*at]); }, style));
    };
    text({0, 0, kCliente - 1, kLine}, [](const ConferenceItem& i) { return i.data; });
    text({kCliente, 0, kServico - kCliente - 1, kLine}, [](const ConferenceItem& i) { return i.cliente; });
    text({kServico, 0, kFuncionario - kServico - 1, kLine},
         [](const ConferenceItem& i) { return i.descricao; });
    text({kFuncionario, 0, kPgto - kFuncionario - 1, kLine},
         [](const ConferenceItem& i) { return i.funcionario; });
    text({kPgto, 0, kComissao - kPgto - 12, kLine}, [](const ConferenceItem& i) { return i.pgto; });
    text(
        {kComissao - 11, 0, 11, kLine},
        [](const ConferenceItem& i) { return core::formatMask(i.comissao, "0.0"); }, kRight);
    text(
        {kComissao + 1, 0, kValor - kComissao - 1, kLine},
        [](const ConferenceItem& i) { return core::formatMoney(i.total); }, kRight);
    text(
        {kValor + 1, 0, width - kValor - 1, kLine},
        [](const ConferenceItem& i) { return core::formatMoney(i.comi); }, kRight);

    // What the drawer took, then the services and their commissions, two columns of four.
    const ConferenceTotals& t = conference->totals;
    Band footer;
    footer.heightMm = 3 + 4 * kRow + 2 + kStripMm + 1;
    footer.add(horizontalLine(0, 1, width));
    const std::pair<const char*, Currency> left[] = {{"DINHEIRO R$", t.dinheiro},
                                                     {"CHEQUE R$", t.cheque},
                                                     {"C. DÉBITO R$", t.debito},
                                                     {"C. CRÉDITO R$", t.cartao}};
    const std::pair<const char*, Currency> right[] = {{"NOTINHA R$", t.notinhas},
                                                      {"T. CAIXA R$", t.caixa()},
                                                      {"SERVIÇOS R$", t.servicos},
                                                      {"COMISSÕES R$", t.comissoes}};
    for (int i = 0; i < 4; ++i) {
        addFigure(footer, 0, 80, 3 + i * kRow, left[i].first, left[i].second);
        addFigure(footer, 110, width, 3 + i * kRow, right[i].first, right[i].second);
    }
    addCaptionStrip(footer, 3 + 4 * kRow + 2, width,
                    {{0, "FUNCIONÁRIO"},
                     {kServicos, "SERVIÇO R$", Align::Right},
                     {kCom, "COM. R$", Align::Right},
                     {kVales, "VALES R$", Align::Right},
                     {width, "TOTAL R$", Align::Right}});
    lines.footer = std::move(footer);
    return lines;
}

SubDetail employeeLines(const Conference& conference, double width) {
    const Cursor at = std::make_shared<std::size_t>(0);
    SubDetail lines;
    lines.held = {conference->employees.size(), [at](std::size_t row) { *at = row; }};
    Band& band = lines.band;
    band.heightMm = kLine + 0.5;
    // The name followed by a dot leader up to the figures.
    std::string leader;
    for (int i = 0; i < 89; ++i) leader += " .";
    band.add(computedLabel(
        {0, 0, kServicos - 30, kLine},
        [conference, at, leader] { return conference->employees[*at].funcionario + leader; }, kFixed));
    const auto figure = [&](double right, Currency (*part)(const ConferenceEmployee&)) {
        band.add(computedLabel(
            {right - 28, 0, 28, kLine},
            [conference, at, part] { return core::formatMoney(part(conference->employees[*at])); }, kRight));
    };
    figure(kServicos, [](const ConferenceEmployee& e) { return e.servicos; });
    figure(kCom, [](const ConferenceEmployee& e) { return e.comissao; });
    figure(kVales, [](const ConferenceEmployee& e) { return e.vales; });
    figure(width, [](const ConferenceEmployee& e) { return e.total(); });

    const ConferenceTotals& t = conference->totals;
    Band footer;
    footer.heightMm = 3 + 4 * kRow + 1;
    footer.add(horizontalLine(0, 1, width));
    const std::pair<const char*, Currency> figures[] = {{"RETIRADAS R$", t.retiradas},
                                                        {"VALES R$", t.vales},
                                                        {"TOTAL RETIRADAS + VALES R$", t.retiradasEVales()},
                                                        {"DINHEIRO EM CAIXA R$", t.dinheiroEmCaixa()}};
    double y = 3;
    for (const auto& [caption, value] : figures) {
        addFigure(footer, width - 90, width, y, caption, value);
        y += kRow;
    }
    lines.footer = std::move(footer);
    return lines;
}

}  // namespace

Report conferenceReport(data::Tdm& dm, CashConference gathered) {
    const Conference conference = std::make_shared<const CashConference>(std::move(gathered));
    Report report;
    report.name = "QrConferencia";
    const double width = report.page.printableWidthMm();
    const std::string title = periodTitle("Relatório de Conferência de CAIXA", conference->period.startText,
                                          conference->period.endText);
    report.pageHeader = salonHeader(
        report.page, dm.TbConfig, [title] { return title; }, {}, "Pág.:");
    report.title = titleBand(width);
    report.subDetails.push_back(itemLines(conference, width));
    report.subDetails.push_back(employeeLines(conference, width));
    return report;
}

void printConference(data::Tdm& dm, const core::Period& period, const ReportOutput& output) {
    output(conferenceReport(dm, gatherConference(dm, period, core::noProgress())));
}

}  // namespace reports
