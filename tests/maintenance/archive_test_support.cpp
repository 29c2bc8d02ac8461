#include "archive_test_support.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>
#include <random>

namespace archive_test {

namespace fs = std::filesystem;

Bytes randomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 generator(seed);
    Bytes bytes(size);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(generator());
    return bytes;
}

Bytes textBytes(std::size_t size, std::uint32_t seed) {
    static const char* const words[] = {"Maria",    "Ana",        "corte",     "escova", "manicure",
                                        "R$ 35,00", "12/03/2024", "Clientes",  "Silva",  "Souza",
                                        "pago",     "fiado",      "hidratação"};
    std::mt19937 generator(seed);
    std::string text;
    while (text.size() < size) {
        text += words[generator() % std::size(words)];
        text += generator() % 5 == 0 ? '\n' : ';';
    }
    text.resize(size);
    return bytesOf(text);
}

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

void writeFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::map<std::string, Bytes> folderContents(const fs::path& folder) {
    std::map<std::string, Bytes> contents;
    if (!fs::exists(folder)) return contents;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).string();
        contents[name] = entry.is_regular_file() ? readFile(entry.path()) : Bytes{};
    }
    return contents;
}

Bytes zlibStream(const Bytes& data, int level) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    Bytes stream(size);
    if (compress2(stream.data(), &size, data.data(), static_cast<uLong>(data.size()), level) != Z_OK)
        throw std::runtime_error("compress2 failed");
    stream.resize(size);
    return stream;
}

ArchiveBytes& ArchiveBytes::int32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(bits >> shift));
    return *this;
}

ArchiveBytes& ArchiveBytes::raw(const Bytes& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

ArchiveBytes& ArchiveBytes::raw(std::string_view bytes) {
    return raw(bytesOf(bytes));
}

ArchiveBytes& ArchiveBytes::text(std::string_view text) {
    return int32(static_cast<std::int32_t>(text.size())).raw(text);
}

ArchiveBytes& ArchiveBytes::header(std::int32_t totalSize, std::int32_t fileCount, std::string_view title) {
    return text(title).int32(totalSize).int32(fileCount);
}

ArchiveBytes& ArchiveBytes::entry(std::string_view name, std::uint32_t dosDateTime) {
    return text(name).int32(static_cast<std::int32_t>(dosDateTime));
}

ArchiveBytes& ArchiveBytes::signature() {
    return raw(Bytes{0x45, 0x43, 0x32, 0x00});
}

ArchiveBytes& ArchiveBytes::zlibBlock(const Bytes& data, int level) {
    const Bytes stream = zlibStream(data, level);
    return int32(static_cast<std::int32_t>(stream.size())).raw(stream);
}

ArchiveBytes& ArchiveBytes::storedBlock(const Bytes& data) {
    return int32(-static_cast<std::int32_t>(data.size())).raw(data);
}

ArchiveBytes& ArchiveBytes::file(std::string_view name, std::uint32_t dosDateTime, const Bytes& data) {
    entry(name, dosDateTime).signature();
    for (std::size_t at = 0; at < data.size(); at += 16384)
        zlibBlock(Bytes(data.begin() + static_cast<std::ptrdiff_t>(at),
                        data.begin() + static_cast<std::ptrdiff_t>(std::min(data.size(), at + 16384))));
    return int32(0);
}

namespace {

// Reads one volume after another; a read past the end records a failure and gives zeros.
class LayoutReader {
  public:
    explicit LayoutReader(const fs::path& first) : first_(first), bytes_(readFile(first)) {}

    std::int32_t int32() {
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) value |= static_cast<std::uint32_t>(byte()) << shift;
        return static_cast<std::int32_t>(value);
    }
    Bytes take(std::size_t count) {
        Bytes result;
        for (std::size_t i = 0; i < count && ok_; ++i) result.push_back(byte());
        return result;
    }
    std::string text(std::int32_t length) {
        const Bytes bytes = take(static_cast<std::size_t>(length));
        return std::string(bytes.begin(), bytes.end());
    }
    void nextVolume(const std::string& breakName) {
        EXPECT_EQ(at_, bytes_.size()) << "bytes after the volume break " << breakName;
        fs::path next = first_;
        next.replace_extension("." + breakName.substr(9));
        bytes_ = readFile(next);
        at_ = 0;
    }
    bool atEnd() const { return at_ == bytes_.size(); }
    bool ok() const { return ok_; }

  private:
    std::uint8_t byte() {
        if (at_ >= bytes_.size()) {
            if (ok_) ADD_FAILURE() << "archive ends too early";
            ok_ = false;
            return 0;
        }
        return bytes_[at_++];
    }

    fs::path first_;
    Bytes bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

std::vector<Block> parseSection(LayoutReader& reader) {
    EXPECT_EQ(reader.take(4), (Bytes{0x45, 0x43, 0x32, 0x00})) << "data section signature";
    std::vector<Block> blocks;
    while (reader.ok()) {
        const std::int32_t length = reader.int32();
        if (length == 0) break;
        blocks.push_back({length, reader.take(static_cast<std::size_t>(length < 0 ? -length : length))});
    }
    return blocks;
}

}  // namespace

Layout parseArchive(const fs::path& first) {
    LayoutReader reader(first);
    Layout layout;
    layout.title = reader.text(reader.int32());
    layout.totalSize = reader.int32();
    layout.fileCount = reader.int32();
    while (reader.ok()) {
        const std::int32_t length = reader.int32();
        if (length == 0) break;
        const std::string name = reader.text(length);
        if (name.starts_with("NEXT:DISK")) {
            layout.volumeBreaks.push_back(name);
            reader.nextVolume(name);
            if (layout.entries.empty()) {
                ADD_FAILURE() << "volume break before any file";
                break;
            }
            layout.entries.back().sections.push_back(parseSection(reader));
            continue;
        }
        Entry entry{name, static_cast<std::uint32_t>(reader.int32()), {}};
        entry.sections.push_back(parseSection(reader));
        layout.entries.push_back(std::move(entry));
    }
    EXPECT_TRUE(reader.atEnd()) << "bytes after the end-of-archive marker";
    return layout;
}

fs::file_time_type localTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(std::mktime(&local)));
}

Bytes blockContent(const Block& block) {
    if (block.length < 0) return block.bytes;
    Bytes output(16384);
    uLongf size = static_cast<uLongf>(output.size());
    EXPECT_EQ(uncompress(output.data(), &size, block.bytes.data(), static_cast<uLong>(block.bytes.size())),
              Z_OK);
    output.resize(size);
    return output;
}

Bytes fileContent(const Entry& entry) {
    Bytes content;
    for (const auto& section : entry.sections)
        for (const auto& block : section) {
            const Bytes part = blockContent(block);
            content.insert(content.end(), part.begin(), part.end());
        }
    return content;
}

}  // namespace archive_test
