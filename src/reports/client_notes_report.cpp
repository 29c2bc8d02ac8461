#include "reports/client_notes_report.h"

#include "data/dm.h"
#include "data/refusal.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
constexpr const char* kMoney = "0.0,0";
const TextStyle kFixed{.sizing = Sizing::Fixed};
const TextStyle kMoneyStyle{.align = Align::Right, .sizing = Sizing::Fixed};
constexpr double kDescricao = 22, kFuncionario = 130, kValor = 170;

Band pageHeader(data::Tdm& dm, double width) {
    Band band;
    const double strip = kLogoHeightMm + 12;
    band.heightMm = strip + kLine + 3;
    band.add(salonLogo(dm.TbConfig));
    band.add(salonName(dm.TbConfig, {kLogoWidthMm + 3, 1, width - kLogoWidthMm - 50, 6},
                       {.bold = true, .points = 12, .sizing = Sizing::Fixed}));
    addIssueDate(band, width, 1);
    band.add(label({0, kLogoHeightMm + 1, width, 6}, "RECIBO",
                   {.align = Align::Centre, .bold = true, .points = 12, .sizing = Sizing::Fixed}));
    band.add(label({0, kLogoHeightMm + 7, 18, kLine}, "CLIENTE:", {.bold = true}));
    band.add(dataField({18, kLogoHeightMm + 7, width - 18, kLine}, dm.TbCliente, "Nome", kFixed));
    addCaptionStrip(band, strip, width,
                    {{0, "DATA"},
                     {kDescricao, "PRODUTOS E SERVIÇOS"},
                     {kFuncionario, "FUNCIONÁRIO:"},
                     {width, "VALOR R$", Align::Right}});
    return band;
}

Band detail(store::Table& receber, double width) {
    Band band;
    band.heightMm = kLine + 0.5;
    band.add(dataField({0, 0, kDescricao - 2, kLine}, receber, "DataLan", kFixed));
    band.add(dataField({kDescricao, 0, kFuncionario - kDescricao - 2, kLine}, receber, "Descricao", kFixed));
    band.add(dataField({kFuncionario, 0, kValor - kFuncionario - 2, kLine}, receber, "SubNome", kFixed));
    band.add(dataField({kValor, 0, width - kValor, kLine}, receber, "Valor", kMoneyStyle, kMoney));
    return band;
}

Band summary(data::Tdm& dm, double width) {
    Band band;
    band.heightMm = 30;
    band.add(horizontalLine(0, 1, width));
    band.add(label({kFuncionario, 3, 30, kLine}, "TOTAL...R$", {.bold = true}));
    const auto tables = [&dm](std::string_view name) -> store::Table& { return dm.table(name); };
    band.add(totalField({kValor, 3, width - kValor, kLine},
                        parseTotalExpression("SUM(TbReceber.Valor)", tables), kMoney, kMoneyStyle));
    const double signature = 70;
    band.add(horizontalLine((width - signature) / 2, 22, signature));
    band.add(label({0, 23, width, kLine}, "Assinatura", {.align = Align::Centre, .sizing = Sizing::Fixed}));
    return band;
}

// A table opened, positioned or restricted for one printing, and put back afterwards.
class OnShow {
  public:
    explicit OnShow(store::Table& table) : table_(table), wasOpen_(table.isOpen()) { table_.open(); }
    ~OnShow() {
        try {
            table_.cancelRange();
            table_.setIndexName("");
        } catch (const std::exception&) {
            // Closed below, or left for its screen to list again.
        }
        if (!wasOpen_) table_.close();
    }
    OnShow(const OnShow&) = delete;
    OnShow& operator=(const OnShow&) = delete;

  private:
    store::Table& table_;
    bool wasOpen_;
};

}  // namespace

void restrictToClientNotes(store::Table& receber, std::int64_t clientCode) {
    receber.setIndexName("siCodCliente");
    receber.setRange({clientCode}, {clientCode});
}

Report clientNotesReport(data::Tdm& dm) {
    Report report;
    report.name = "QrRC";
    report.mainTable = &dm.TbReceber;
    const double width = report.page.printableWidthMm();
    report.pageHeader = pageHeader(dm, width);
    report.detail = detail(dm.TbReceber, width);
    report.summary = summary(dm, width);
    return report;
}

void withClientNotes(data::Tdm& dm, std::int64_t clientCode, const std::function<void()>& use) {
    OnShow cliente(dm.TbCliente);
    OnShow receber(dm.TbReceber);
    dm.TbCliente.setIndexName("");
    if (!dm.TbCliente.findKey({clientCode})) throw data::Refusal("Não Existe Cliente Com Este Código!");
    restrictToClientNotes(dm.TbReceber, clientCode);
    use();
}

void printClientNotes(data::Tdm& dm, std::int64_t clientCode, const ReportOutput& output) {
    withClientNotes(dm, clientCode, [&] { output(clientNotesReport(dm)); });
}

}  // namespace reports
