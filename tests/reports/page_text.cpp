#include "page_text.h"

#include <QProcess>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>
#include <map>

namespace reportstest {

std::vector<std::string> pageLines(const reports::Page& page) {
    std::map<long, std::vector<const reports::PageText*>> rows;
    for (const auto& element : page.elements)
        if (const auto* text = std::get_if<reports::PageText>(&element))
            rows[std::lround(text->box.y * 10)].push_back(text);
    std::vector<std::string> lines;
    for (auto& [y, pieces] : rows) {
        std::ranges::stable_sort(pieces, {}, [](const reports::PageText* t) { return t->box.x; });
        std::string line;
        for (const auto* piece : pieces) line += (line.empty() ? "" : " | ") + piece->text;
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> allLines(const reports::PageModel& model) {
    std::vector<std::string> lines;
    for (const auto& page : model.pages) std::ranges::copy(pageLines(page), std::back_inserter(lines));
    return lines;
}

std::vector<std::string> texts(const reports::Page& page) {
    std::vector<std::string> result;
    for (const auto& element : page.elements)
        if (const auto* text = std::get_if<reports::PageText>(&element)) result.push_back(text->text);
    return result;
}

std::string pdfText(const std::filesystem::path& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    QString text =
        QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    text.replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
    return text.toStdString();
}

std::vector<std::string> linesStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
    std::vector<std::string> result;
    std::ranges::copy_if(lines, std::back_inserter(result),
                         [&](const std::string& l) { return l.starts_with(prefix); });
    return result;
}

}  // namespace reportstest
