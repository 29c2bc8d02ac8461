#include "reports/birthday_reports.h"

#include "data/dm.h"
#include "reports/engine/items.h"
#include "reports/engine/salon_header.h"
#include "reports/prepared_table.h"

namespace reports {

namespace {

constexpr double kLine = kLineHeightMm;
const TextStyle kFixed{.sizing = Sizing::Fixed};

Band pageHeader(data::Tdm& dm, double width, std::string title) {
    Band band;
    band.heightMm = 26;
    band.add(salonLogo(dm.TbConfig));
    band.add(salonName(dm.TbConfig, {kLogoWidthMm + 3, 1, width - kLogoWidthMm - 55, 6},
                       {.bold = true, .points = 12, .sizing = Sizing::Fixed}));
    addPageNumber(band, "Pág.:", width, 0);
    addIssueDate(band, width, kLine);
    band.add(
        label({0, 14, width, 5}, std::move(title), {.align = Align::Centre, .bold = true, .points = 11}));
    band.add(rectangle({0, 22, width, 2}, true));
    return band;
}

Band detail(data::Tdm& dm, double width) {
    store::Table& c = dm.TbCliente;
    const double y1 = 1, y2 = y1 + kLine;
    Band band;
    band.heightMm = y2 + kLine + 2;
    band.add(label({0, y1, 12, kLine}, "Nome:"));
    band.add(dataField({12, y1, 125, kLine}, c, "Nome", kFixed));
    band.add(label({140, y1, 10, kLine}, "Data:"));
    band.add(dataField({150, y1, width - 150, kLine}, c, "Aniversario", kFixed));
    band.add(label({0, y2, 12, kLine}, "Fone..:"));
    band.add(dataField({12, y2, 36, kLine}, c, "Fone", kFixed));
    band.add(label({50, y2, 14, kLine}, "Celular:"));
    band.add(dataField({64, y2, 34, kLine}, c, "Celular", kFixed));
    band.add(label({100, y2, 15, kLine}, "E-mail..:"));
    band.add(dataField({115, y2, width - 115, kLine}, c, "Email", kFixed));
    band.add(horizontalLine(0, y2 + kLine + 1, width));
    return band;
}

std::string todaysKey(const core::Date& today) {
    return core::birthdayKey(today.day, today.month);
}

}  // namespace

Report birthdayReport(data::Tdm& dm, std::string title) {
    Report report;
    report.name = title == kBirthdaysOfDayTitle ? "QrNiverDIA" : "QrNiver";
    report.mainTable = &dm.TbCliente;
    const double width = report.page.printableWidthMm();
    report.pageHeader = pageHeader(dm, width, std::move(title));
    report.detail = detail(dm, width);
    return report;
}

void printBirthdaysOfDay(data::Tdm& dm, const core::Date& today, const ReportOutput& output) {
    PreparedTable clientes(dm.TbCliente);
    clientes->setIndexName("siAniversario");
    const std::string key = todaysKey(today);
    clientes->setRange({key}, {key});
    output(birthdayReport(dm, kBirthdaysOfDayTitle));
}

void printBirthdaysOfMonth(data::Tdm& dm, int month, const std::string& monthText,
                           const ReportOutput& output) {
    PreparedTable clientes(dm.TbCliente);
    clientes->setFilter("Mes = " + std::to_string(month));
    clientes->setFiltered(true);
    clientes->setIndexName("siDia");
    output(birthdayReport(dm, kBirthdaysOfMonthTitle + monthText));
}

void printSelectedBirthdays(data::Tdm& dm, const ReportOutput& output) {
    output(birthdayReport(dm, kBirthdaysOfDayTitle));
}

void previewSelectedBirthdays(data::Tdm& dm) {
    printSelectedBirthdays(dm, previewReport);
}

}  // namespace reports
