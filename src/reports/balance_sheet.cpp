#include "reports/balance_sheet.h"

#include <map>
#include <optional>
#include <string>

#include "core/format.h"
#include "data/dm.h"
#include "data/store/posting.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/items_on_their_own.h"
#include "reports/pass_stage.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

using core::Currency;

constexpr double kLine = kLineHeightMm;
constexpr const char* kMoney = "0.0,0";
constexpr const char* kStars = "**************************";
const TextStyle kFixed{.sizing = Sizing::Fixed};
const TextStyle kRight{.align = Align::Right, .sizing = Sizing::Fixed};
const TextStyle kBold{.bold = true, .sizing = Sizing::Fixed};
const TextStyle kBoldRight{.align = Align::Right, .bold = true, .sizing = Sizing::Fixed};

struct ExpenseLine {
    std::string descricao;
    Currency total;
};

// Sums are gathered in memory, one entry per heading or description, and written when both
// walks are done: the memory grows with the headings, not with the records read.
std::map<std::string, ExpenseLine> paidBills(data::Tdm& dm, const core::Period& period,
                                             core::PassProgress& progress, Currency& total) {
    std::map<std::string, ExpenseLine> lines;
    PreparedTable paid(dm.TbBaixaP);
    paid->setIndexName("siBaixa");
    paid->setRange({period.start.toIso()}, {period.end.toIso()});
    startStage(progress, dm.TbBaixaP);
    const int codPlano = paid->field("CodPlano").index(), plano = paid->field("Plano").index(),
              valor = paid->field("Valor").index();
    for (paid->first(); !paid->eof(); paid->next()) {
        ExpenseLine& line = lines[paid->fieldAt(codPlano).asString()];
        if (line.descricao.empty()) line.descricao = paid->fieldAt(plano).asString();
        const Currency value = paid->fieldAt(valor).asCurrency();
        line.total += value;
        total += value;
        progress.advance();
    }
    return lines;
}

// Found by the description as the record holds it, so most items copy no text.
using RevenueLines = std::map<std::string, Currency, std::less<>>;

RevenueLines soldItems(data::Tdm& dm, const core::Period& period, core::PassProgress& progress,
                       Currency& total) {
    RevenueLines lines;
    ItemsOnTheirOwn unlinked(dm);
    PreparedTable items(dm.TbItensServico);
    items->setIndexName("siData");
    items->setRange({period.start.toIso()}, {period.end.toIso()});
    // Every item of the period moves the gauge; an unpaid one is passed over here rather than
    // by a filter, which would make counting them read every row twice.
    startStage(progress, dm.TbItensServico);
    const int descricao = items->field("Descricao").index(), itemTotal = items->field("Total").index(),
              paidIn = items->field("PGTO").index();
    for (items->first(); !items->eof(); items->next()) {
        progress.advance();
        if (items->fieldAt(paidIn).asString().empty()) continue;
        const Currency value = items->fieldAt(itemTotal).asCurrency();
        const std::string* text = std::get_if<std::string>(&items->fieldAt(descricao).value());
        const std::string_view name = text ? std::string_view(*text) : std::string_view();  // null: ""
        auto line = lines.find(name);
        if (line == lines.end()) line = lines.emplace(std::string(name), Currency{}).first;
        line->second += value;
        total += value;
    }
    return lines;
}

// Total × 100 / whole; nothing when the whole is not above 0 (the share stays empty).
std::optional<double> share(Currency part, Currency whole) {
    if (whole > Currency{}) return part.toDouble() * 100 / whole.toDouble();
    return std::nullopt;
}

void setShare(store::Table& table, const char* field, Currency part, Currency whole) {
    if (const auto percent = share(part, whole)) table.field(field).setFloat(*percent);
}

void writeExpenses(store::Table& table, const std::map<std::string, ExpenseLine>& lines,
                   const BalanceTotals& totals) {
    for (const auto& [code, line] : lines) {
        table.insert();
        table.field("Codigo").setString(code);
        table.field("Descricao").setString(line.descricao);
        table.field("Total").setCurrency(line.total);
        table.field("Inicial").setString(code.substr(0, 4));
        setShare(table, "POR1", line.total, totals.receitas);
        setShare(table, "POR2", line.total, totals.despesas);
        table.post();
    }
}

// The lines were told apart by their bytes; the work table's key compares them in pt-BR, where
// a description in another Unicode form or with an invisible character is the same one. Such
// lines join the row already written instead of colliding with its key.
void writeRevenue(store::Table& table, const RevenueLines& lines, const BalanceTotals& totals) {
    for (const auto& [descricao, amount] : lines) {
        Currency total = amount;
        if (table.findKey({descricao})) {
            total += table.field("Total").asCurrency();
            table.edit();
        } else {
            table.insert();
            table.field("Descricao").setString(descricao);
        }
        table.field("Total").setCurrency(total);
        if (const auto percent = share(total, totals.receitas)) {
            table.field("TotalREF").setFloat(*percent);
            table.field("Ordem").setFloat(-*percent);
        }
        table.post();
    }
}

std::string caption(Currency value) {
    return core::formatMask(value, core::kCaptionMoneyMask);
}

// The description followed by a dot leader, cut by its box where the figures begin.
TextItem describedLine(double width, store::Table& table) {
    std::string leader;
    while (leader.size() < 205) leader += " .";
    leader.resize(205);
    return computedLabel(
        {0, 0, width, kLine}, [&table, leader] { return table.field("Descricao").asString() + leader; },
        kFixed);
}

// "RECEITAS:" or "DESPESAS:" underlined, over the three column headings.
void addSectionHeading(Band& band, double y, double width, const std::string& section,
                       const std::string& described) {
    band.add(label({0, y, 40, kLine}, section, kBold));
    band.add(horizontalLine(0, y + kLine, 19));
    band.add(label({0, y + kLine + 1, 80, kLine}, described, kBold));
    band.add(label({width - 70, y + kLine + 1, 30, kLine}, "POR %", kBoldRight));
    band.add(label({width - 35, y + kLine + 1, 35, kLine}, "Valor R$", kBoldRight));
}

// Description, share and value of one row.
Band sectionLine(double width, store::Table& table, const char* share, const std::string& shareMask) {
    Band band;
    band.heightMm = kLine + 0.5;
    band.add(describedLine(width - 72, table));
    band.add(dataField({width - 70, 0, 30, kLine}, table, share, kRight, shareMask));
    band.add(dataField({width - 35, 0, 35, kLine}, table, "Total", kRight, kMoney));
    return band;
}

Report balanceSheetReport(data::Tdm& dm, const core::Period& period, const BalanceTotals& totals) {
    store::Table& revenue = dm.TbVirtualR;
    store::Table& expenses = dm.TbVirtualP;
    Report report;
    report.name = "QrBalancete";
    const double width = report.page.printableWidthMm();
    const double text = kLogoWidthMm + 3;

    Band header;
    header.heightMm = kLogoHeightMm + 3;
    header.add(salonLogo(dm.TbConfig));
    header.add(salonName(dm.TbConfig, {text, 1, width - kLogoWidthMm - 55, 6},
                         {.bold = true, .points = 12, .sizing = Sizing::Fixed}));
    header.add(label({text, 9, width - text - 45, kLine},
                     "BALANCETE - Período de: " + period.startText + " a " + period.endText, kFixed));
    header.add(label({text, 9 + kLine + 1, width - text - 45, kLine}, "DEMONSTRATIVO FINANCEIRO GERAL",
                     {.bold = true, .points = 10, .sizing = Sizing::Fixed}));
    addPageNumber(header, "Pág.:", width, 0);
    addIssueDate(header, width, kLine);
    header.add(horizontalLine(0, kLogoHeightMm + 2, width));
    report.pageHeader = std::move(header);

    Band title;
    title.heightMm = 2 * kLine + 3;
    addSectionHeading(title, 0, width, "RECEITAS:", "Descrição:");
    report.title = std::move(title);

    SubDetail revenueLines{&revenue, sectionLine(width, revenue, "TotalREF", kMoney), Band{}};
    Band& revenueFooter = *revenueLines.footer;
    revenueFooter.heightMm = 4 * kLine + 6;
    revenueFooter.add(horizontalLine(0, 1, width));
    revenueFooter.add(label({width - 90, 2, 50, kLine}, "Total...R$", kBoldRight));
    revenueFooter.add(label({width - 35, 2, 35, kLine}, caption(totals.receitas), kBoldRight));
    addSectionHeading(revenueFooter, kLine + 5, width, "DESPESAS:", "Descrição do Plano de Contas:");
    report.subDetails.push_back(std::move(revenueLines));

    SubDetail expenseLines{&expenses, sectionLine(width, expenses, "POR2", "0.00"), Band{}};
    Band& expenseFooter = *expenseLines.footer;
    expenseFooter.heightMm = 5 * kLine + 4;
    expenseFooter.add(horizontalLine(0, 1, width));
    expenseFooter.add(label({0, 2, 120, kLine}, "PORCENTAGEM DAS DESPESAS EM RELAÇÃO A RECEITA:", kBold));
    const auto tables = [&dm](std::string_view name) -> store::Table& { return dm.table(name); };
    expenseFooter.add(totalField({120, 2, 30, kLine}, parseTotalExpression("SUM(TbVirtualP.POR1)", tables),
                                 "0.00 %", kBoldRight, 1));
    const std::pair<const char*, Currency> figures[] = {
        {"Receita", totals.receitas}, {"Despesa", totals.despesas}, {"Saldo", totals.saldo()}};
    double y = 2 + kLine + 2;
    for (const auto& [what, value] : figures) {
        expenseFooter.add(label({width - 90, y, 30, kLine}, what, kBold));
        expenseFooter.add(label({width - 55, y, 10, kLine}, "R$", kBold));
        expenseFooter.add(label({width - 35, y, 35, kLine}, caption(value), kBoldRight));
        y += kLine;
    }
    report.subDetails.push_back(std::move(expenseLines));
    return report;
}

}  // namespace

BalanceTotals fillBalanceSheet(data::Tdm& dm, const core::Period& period, core::PassProgress& progress,
                               const BalanceStageShown& stageShown) {
    const auto show = [&](BalanceStage stage, const BalanceTotals& totals) {
        if (stageShown) stageShown(stage, totals);
    };
    store::Table& expenses = dm.TbVirtualP;
    store::Table& revenue = dm.TbVirtualR;
    for (store::Table* table : {&expenses, &revenue}) {
        dm.openWorkTable(*table);
        table->setIndexName("");
        table->emptyTable();
    }
    BalanceTotals totals;
    show(BalanceStage::Despesas, totals);
    const auto bills = paidBills(dm, period, progress, totals.despesas);
    show(BalanceStage::Receita, totals);
    const auto items = soldItems(dm, period, progress, totals.receitas);
    show(BalanceStage::Percentual, totals);
    // Every share needs both totals, so the rows are written once both walks are done.
    store::post({&expenses, &revenue}, [&] {
        writeExpenses(expenses, bills, totals);
        writeRevenue(revenue, items, totals);
    });
    revenue.setIndexName("siPOR");
    expenses.first();
    revenue.first();
    return totals;
}

void printBalanceSheet(data::Tdm& dm, const core::Period& period, const BalanceTotals& totals,
                       const ReportOutput& output) {
    store::Table& expenses = dm.TbVirtualP;
    store::Table& revenue = dm.TbVirtualR;
    for (store::Table* table : {&expenses, &revenue}) dm.openWorkTable(*table);
    if (expenses.isEmpty()) {
        expenses.insert();
        expenses.field("Codigo").setString("***");
        expenses.field("Descricao").setString(kStars);
        expenses.field("Total").setCurrency({});
        expenses.post();
    }
    if (revenue.isEmpty()) {
        revenue.insert();
        revenue.field("Descricao").setString(kStars);
        revenue.field("Total").setCurrency({});
        revenue.post();
    }
    output(balanceSheetReport(dm, period, totals));
}

}  // namespace reports
