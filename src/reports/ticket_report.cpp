#include "reports/ticket_report.h"

#include "data/dm.h"
#include "data/refusal.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/engine/total_expression.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
constexpr const char* kAmount = "0.0,0";
const TextStyle kFixed{.sizing = Sizing::Fixed};
const TextStyle kRight{.align = Align::Right, .sizing = Sizing::Fixed};
// Column edges: the code and description from the left, the amounts' right edges.
constexpr double kServico = 16, kCom = 128, kManu = 144, kValor = 168;

Band pageHeader(data::Tdm& dm, double width) {
    store::Table& funcionario = dm.TbFuncionario;
    Band band;
    band.heightMm = kLogoHeightMm + 2 + 7 + kLine + 1;
    band.add(salonLogo(dm.TbConfig));
    const double textX = kLogoWidthMm + 3;
    band.add(salonName(dm.TbConfig, {textX, 1, width - textX - 40, 6},
                       {.bold = true, .points = 12, .sizing = Sizing::Fixed}));
    band.add(computedLabel(
        {textX, 9, width - textX - 40, kLine},
        [&funcionario] { return "Funcionário: " + funcionario.field("Nome").asString(); }, kFixed));
    addPageNumber(band, "Pág.:", width, 0);
    band.add(label({width - 40, 5, 12, kLine}, "Data:", kFixed));
    band.add(systemData({width - 26, 5, 26, kLine}, SystemData::Date, kRight));
    band.add(label({0, kLogoHeightMm + 1, width, 6}, "RELATÓRIO DE SERVIÇOS EXECUTADOS",
                   {.align = Align::Centre, .bold = true, .points = 11, .sizing = Sizing::Fixed}));
    addCaptionStrip(band, kLogoHeightMm + 8, width,
                    {{0, "CÓD."},
                     {kServico, "DESCRIÇÃO DOS SERVIÇOS"},
                     {kCom, "Com.%", Align::Right},
                     {kManu, "Manu.%", Align::Right},
                     {kValor, "Valor R$", Align::Right},
                     {width, "Com. R$", Align::Right}});
    return band;
}

Band detail(data::Tdm& dm, double width) {
    store::Table& h = dm.TbHistorico;
    Band band;
    band.heightMm = kLine + 0.5;
    band.add(dataField({0, 0, kServico - 2, kLine}, h, "Codigo", kFixed));
    band.add(dataField({kServico, 0, kCom - 14 - kServico, kLine}, h, "Servico", kFixed));
    band.add(dataField({kCom - 12, 0, 12, kLine}, h, "COM", kRight, kAmount));
    band.add(dataField({kManu - 14, 0, 14, kLine}, h, "Desconto", kRight, kAmount));
    band.add(dataField({kValor - 22, 0, 22, kLine}, h, "Valor", kRight, kAmount));
    band.add(dataField({width - 28, 0, 28, kLine}, h, "VC", kRight, kAmount));
    return band;
}

Band summary(data::Tdm& dm, double width) {
    const auto tables = [&dm](std::string_view name) -> store::Table& { return dm.table(name); };
    Band band;
    band.heightMm = 2 + kLine + 1;
    band.add(horizontalLine(0, 1, width));
    band.add(
        label({width - 90, 2, 50, kLine}, "TOTAL COMISSÕES...R$", {.bold = true, .sizing = Sizing::Fixed}));
    band.add(totalField({width - 36, 2, 36, kLine}, parseTotalExpression("SUM(TbHistorico.VC)", tables),
                        kAmount, {.align = Align::Right, .bold = true, .sizing = Sizing::Fixed}));
    return band;
}

// A table opened for the report when it was closed, and put back on its primary index,
// unrestricted, afterwards.
class ForReport {
  public:
    explicit ForReport(store::Table& table) : table_(table), wasOpen_(table.isOpen()) {
        if (!wasOpen_) table_.open();
    }
    ~ForReport() {
        try {
            if (wasOpen_) table_.setIndexName("");
        } catch (...) {
            // a table that cannot be read back is better closed than left restricted
        }
        if (!wasOpen_ || !table_.indexName().empty()) table_.close();
    }
    ForReport(const ForReport&) = delete;
    ForReport& operator=(const ForReport&) = delete;

  private:
    store::Table& table_;
    bool wasOpen_;
};

}  // namespace

Report ticketServicesReport(data::Tdm& dm) {
    Report report;
    report.name = "QrComanda";
    report.mainTable = &dm.TbHistorico;
    const double width = report.page.printableWidthMm();
    report.pageHeader = pageHeader(dm, width);
    report.detail = detail(dm, width);
    report.summary = summary(dm, width);
    return report;
}

void printEmployeeServices(data::Tdm& dm, std::int64_t employee, const core::Date& day,
                           const ReportOutput& output) {
    ForReport funcionario(dm.TbFuncionario);
    dm.TbFuncionario.setIndexName("");
    if (!dm.TbFuncionario.findKey({employee}))
        throw data::Refusal("O funcionário número " + std::to_string(employee) + " não existe.");
    ForReport historico(dm.TbHistorico);
    dm.TbHistorico.setIndexName("siFUN");
    dm.TbHistorico.setRange({employee, day.toIso()}, {employee, day.toIso()});
    output(ticketServicesReport(dm));
}

}  // namespace reports
