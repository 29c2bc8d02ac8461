#pragma once
// "Exportar Dados do Cliente": what the salon keeps about one client, for the client to take
// away, as CSV files a Brazilian spreadsheet opens (";" between fields, UTF-8 with a byte order
// mark, CR LF): his register with his credit, what he bought, his open and settled notes and
// his appointments; and all of it in one PDF.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace data {
class Tdm;
}

namespace registers {

// Writes the files into `folder` and returns their paths, in the order above, the PDF last; refuses
// (data::Refusal) when the client is no longer on file. Throws reports::OutputError when a
// file cannot be written.
std::vector<std::filesystem::path> exportClientData(data::Tdm& dm, std::int64_t code,
                                                    const std::filesystem::path& folder);

}  // namespace registers
