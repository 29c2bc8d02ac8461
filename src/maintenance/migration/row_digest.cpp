#include "maintenance/migration/row_digest.h"

#include <cstring>
#include <stdexcept>

namespace migration {

RowDigest::RowDigest() {
    if (sodium_init() < 0) throw std::runtime_error("libsodium não pôde ser iniciada.");
    crypto_generichash_init(&state_, nullptr, 0, crypto_generichash_BYTES);
}

void RowDigest::feed(const void* bytes, std::size_t size) {
    crypto_generichash_update(&state_, static_cast<const unsigned char*>(bytes), size);
}

// Little-endian whatever the machine, so that digests compare between machines.
void RowDigest::feedInteger(std::uint64_t value) {
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    feed(bytes, sizeof bytes);
}

void RowDigest::add(const store::Record& row, const std::vector<int>& fields) {
    feedInteger(static_cast<std::uint64_t>(row.rowid));
    for (int field : fields) {
        const store::Value& value = row.values[field];
        const unsigned char kind = static_cast<unsigned char>(value.index());
        feed(&kind, 1);
        if (const auto* integer = std::get_if<std::int64_t>(&value)) {
            feedInteger(static_cast<std::uint64_t>(*integer));
        } else if (const auto* real = std::get_if<double>(&value)) {
            std::uint64_t bits;
            std::memcpy(&bits, real, sizeof bits);
            feedInteger(bits);
        } else if (const auto* text = std::get_if<std::string>(&value)) {
            feedInteger(text->size());
            feed(text->data(), text->size());
        }
    }
    ++rows_;
}

std::string RowDigest::finish() {
    unsigned char digest[crypto_generichash_BYTES];
    crypto_generichash_final(&state_, digest, sizeof digest);
    static const char* hex = "0123456789abcdef";
    std::string text;
    for (unsigned char byte : digest) {
        text += hex[byte >> 4];
        text += hex[byte & 15];
    }
    return text;
}

}  // namespace migration
