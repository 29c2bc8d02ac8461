#include "reports/engine/text_export.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <vector>

#include "core/text.h"
#include "reports/engine/output_error.h"

namespace reports {

namespace {

long columnOf(double mm) {
    return std::lround(mm / kTextColumnMm);
}

// Where the text starts, in columns, as its alignment places it inside its box.
long startColumn(const PageText& text) {
    const auto length = static_cast<long>(core::characterCount(text.text));
    switch (text.align) {
        case Align::Right:
            return columnOf(text.box.right()) - length;
        case Align::Centre:
            return columnOf(text.box.x + text.box.width / 2) - length / 2;
        case Align::Left:
            break;
    }
    return columnOf(text.box.x);
}

}  // namespace

std::string pageText(const Page& page) {
    std::map<long, std::vector<const PageText*>> lines;
    for (const PageElement& element : page.elements)
        if (const auto* text = std::get_if<PageText>(&element))
            lines[std::lround(text->box.y * 10)].push_back(text);
    std::string result;
    for (auto& [top, pieces] : lines) {
        std::ranges::stable_sort(pieces, {}, [](const PageText* t) { return startColumn(*t); });
        std::string line;
        long column = 0;
        for (const PageText* piece : pieces) {
            const long start = std::max(startColumn(*piece), line.empty() ? 0L : column + 1);
            line.append(static_cast<std::size_t>(start - column), ' ');
            line += piece->text;
            column = start + static_cast<long>(core::characterCount(piece->text));
        }
        result += line + '\n';
    }
    return result;
}

void writeText(const Report& report, const std::filesystem::path& path, GenerateOptions options) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    bool any = false;
    options.pageDone = [&](const PageModel&, Page&& page) {
        if (any) out << '\f';
        out << pageText(page);
        any = true;
    };
    const auto removeFile = [&] {
        out.close();
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    };
    try {
        if (!out) throw OutputError("Não foi possível gravar o arquivo de texto " + path.string() + ".");
        generate(report, options);
        if (!any) throw OutputError("O relatório não tem páginas para exportar.");
        out.close();
        if (!out) throw OutputError("Não foi possível gravar o arquivo de texto " + path.string() + ".");
    } catch (...) {
        removeFile();
        throw;
    }
}

}  // namespace reports
