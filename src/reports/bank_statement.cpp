#include "reports/bank_statement.h"

#include <memory>

#include "core/currency.h"
#include "core/format.h"
#include "data/dm.h"
#include "data/refusal.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

using core::Currency;

constexpr double kLine = kLineHeightMm;
constexpr double kDocumento = 22, kHistorico = 50;
const TextStyle kFixed{.sizing = Sizing::Fixed};
const TextStyle kRight{.align = Align::Right, .sizing = Sizing::Fixed};
const TextStyle kBoldRight{.align = Align::Right, .bold = true, .sizing = Sizing::Fixed};

struct AccountFigures {
    std::string nome, agencia;
    Currency limite, credito, valor, investimentos;
    std::string data01, data02;
};

// The running figures of one generation of the report.
struct Running {
    Currency anterior;
    Currency creditos;
    Currency debitos;
    Currency saldo() const { return anterior + creditos + debitos; }
};

AccountFigures lookUpAccount(data::Tdm& dm, const std::string& conta) {
    PreparedTable contas(dm.TbConta);
    if (conta.empty() || !contas->findKey({store::Value{conta}}))
        throw data::Refusal("Conta Bancária Inexistente!");
    auto text = [&](const char* name) { return contas->field(name).asString(); };
    auto money = [&](const char* name) { return contas->field(name).asCurrency(); };
    auto day = [&](const char* name) { return core::shortDate(contas->field(name).asDate()); };
    return {text("Nome"),   text("Agencia"),        money("Limite"), money("Credito"),
            money("Valor"), money("Investimentos"), day("Data01"),   day("Data02")};
}

// The sum of the account's day balances before the period.
Currency openingBalance(data::Tdm& dm, const std::string& conta, const core::Date& start) {
    PreparedTable saldos(dm.TbSaldos);
    saldos->setIndexName("siContaData");
    const core::Date earliest{1899, 12, 30};
    saldos->setRange({store::Value{conta}, store::Value{earliest.toIso()}},
                     {store::Value{conta}, store::Value{start.addDays(-1).toIso()}});
    Currency sum;
    for (saldos->first(); !saldos->eof(); saldos->next()) sum += saldos->field("Saldo").asCurrency();
    return sum;
}

std::string money(Currency value) {
    return core::formatMask(value, core::kMoneyMask);
}

std::string caption(Currency value) {
    return core::formatMask(value, core::kCaptionMoneyMask);
}

Band pageHeader(data::Tdm& dm, const PageSetup& page, const StatementSelection& selection,
                const AccountFigures& account, const std::shared_ptr<Running>& running) {
    const double width = page.printableWidthMm();
    const double text = kLogoWidthMm + 3;
    Band band;
    band.add(salonLogo(dm.TbConfig));
    band.add(salonName(dm.TbConfig, {text, 1, width - kLogoWidthMm - 55, 6},
                       {.bold = true, .points = 12, .sizing = Sizing::Fixed}));
    band.add(label({text, 9, width - text - 45, kLine}, "Demonstrativo de Movimentação Bancária.",
                   {.bold = true, .points = 10, .sizing = Sizing::Fixed}));
    band.add(label({text, 14, width - text - 45, kLine},
                   "Extrato Bancário - Período de: " + core::shortDate(selection.start) + " a " +
                       core::shortDate(selection.end),
                   kFixed));
    addPageNumber(band, "Pág.", width, 0);
    addIssueDate(band, width, kLine);
    band.add(label({width - 40, 2 * kLine, 12, kLine}, "Hora:", kFixed));
    band.add(systemData({width - 28, 2 * kLine, 28, kLine}, SystemData::Time, kRight));
    const double y = kLogoHeightMm + 2;
    band.add(label({0, y, 70, kLine}, account.nome, {.bold = true, .sizing = Sizing::Fixed}));
    band.add(label({72, y, 45, kLine}, "Agência: " + account.agencia, kFixed));
    band.add(label({118, y, 35, kLine}, "Conta: " + selection.conta, kFixed));
    band.add(computedLabel(
        {width - 45, y, 45, kLine}, [running] { return "SD. Anterior: " + money(running->anterior); },
        kBoldRight));
    const double strip = y + kLine + 1;
    addCaptionStrip(band, strip, width,
                    {{0, "DATA"},
                     {kDocumento, "DOCUMENTO"},
                     {kHistorico, "HISTÓRICO"},
                     {width - 60, "CRÉDITO", Align::Right},
                     {width - 30, "DÉBITO", Align::Right},
                     {width, "SALDO", Align::Right}});
    band.heightMm = strip + 7;
    return band;
}

Band summary(double width, const AccountFigures& account, const std::shared_ptr<Running>& running) {
    Band band;
    band.heightMm = 7 * kLine + 3;
    band.add(horizontalLine(0, 1, width));
    band.add(computedLabel(
        {width - 90, 2, 30, kLine}, [running] { return money(running->creditos); }, kBoldRight));
    band.add(computedLabel(
        {width - 60, 2, 30, kLine}, [running] { return money(running->debitos); }, kBoldRight));
    band.add(computedLabel(
        {width - 30, 2, 30, kLine}, [running] { return money(running->saldo()); }, kBoldRight));
    const struct {
        const char* what;
        Currency value;
        std::string date;
    } left[] = {{"Limite da Conta", account.limite, {}},
                {"Limite Crédito", account.credito, {}},
                {"Investimentos", account.valor, account.data02},
                {"Investimentos", account.investimentos, account.data01}};
    double y = 2 + kLine + 1;
    for (const auto& row : left) {
        band.add(label({0, y, 30, kLine}, row.what, kFixed));
        band.add(label({31, y, 8, kLine}, "R$", kFixed));
        band.add(label({39, y, 25, kLine}, money(row.value), kRight));
        band.add(label({66, y, 20, kLine}, row.date, kFixed));
        y += kLine;
    }
    band.add(label({0, y, 80, kLine}, "JUROS R$ " + caption(account.investimentos - account.valor),
                   {.bold = true, .sizing = Sizing::Fixed}));
    const Currency limite = account.limite, investimentos = account.investimentos;
    const struct {
        const char* what;
        std::function<Currency()> value;
    } right[] = {
        {"SALDO CONTA CORRENTE", [running] { return running->saldo(); }},
        {"SALDO COM LIMITE", [running, limite] { return running->saldo() + limite; }},
        {"SALDO COM INVESTIMENTO", [running, investimentos] { return running->saldo() + investimentos; }}};
    y = 2 + kLine + 1;
    for (const auto& row : right) {
        band.add(label({width - 90, y, 55, kLine}, row.what, {.bold = true, .sizing = Sizing::Fixed}));
        band.add(computedLabel(
            {width - 30, y, 30, kLine}, [value = row.value] { return caption(value()); }, kBoldRight));
        y += kLine;
    }
    return band;
}

}  // namespace

void printStatement(data::Tdm& dm, const StatementSelection& selection, const ReportOutput& output) {
    if (selection.start.isNull()) throw data::Refusal("Digite a Data Inicial do Período!");
    if (selection.end.isNull()) throw data::Refusal("Digite a Data Final do Período!");
    const AccountFigures account = lookUpAccount(dm, selection.conta);

    PreparedTable banco(dm.TbBanco);
    // A statement may run over tens of thousands of lines: only what it prints is read.
    banco->readOnlyFields({"DataApre", "Ndocumento", "Discriminacao", "ValorCredito", "ValorDebto"});
    banco->setIndexName("siBancoData");
    const store::Value conta{selection.conta};
    banco->setRange({conta, store::Value{selection.start.toIso()}},
                    {conta, store::Value{selection.end.toIso()}});
    if (banco->isEmpty()) throw data::Refusal("Não Existem lançamentos Neste Período");
    const Currency anterior = openingBalance(dm, selection.conta, selection.start);

    store::Table& lines = dm.TbBanco;
    auto running = std::make_shared<Running>();
    Report report;
    report.name = "QrExtrato";
    report.mainTable = &lines;
    const double width = report.page.printableWidthMm();
    report.beforePrint = [running, anterior] { *running = Running{anterior, {}, {}}; };
    report.pageHeader = pageHeader(dm, report.page, selection, account, running);
    report.detail.heightMm = kLine + 0.5;
    report.detail.beforePrint = [running, &lines] {
        running->creditos += lines.field("ValorCredito").asCurrency();
        running->debitos += lines.field("ValorDebto").asCurrency();
    };
    report.detail.add(dataField({0, 0, kDocumento - 2, kLine}, lines, "DataApre", kFixed));
    report.detail.add(
        dataField({kDocumento, 0, kHistorico - kDocumento - 2, kLine}, lines, "Ndocumento", kFixed));
    report.detail.add(
        dataField({kHistorico, 0, width - kHistorico - 92, kLine}, lines, "Discriminacao", kFixed));
    report.detail.add(dataField({width - 90, 0, 30, kLine}, lines, "ValorCredito", kRight, "0.0,0"));
    report.detail.add(dataField({width - 60, 0, 30, kLine}, lines, "ValorDebto", kRight, "0.0,0"));
    report.detail.add(computedLabel(
        {width - 30, 0, 30, kLine}, [running] { return money(running->saldo()); }, kRight));
    report.summary = summary(width, account, running);
    output(report);
}

}  // namespace reports
