#pragma once
// Decoder for LZRW1-KH blocks, the compression of the legacy "ECS" data sections.
#include <cstdint>
#include <optional>
#include <span>

#include "maintenance/archive_format.h"

namespace maintenance {

// Room for the largest decoded chunk.
using LegacyChunkOutput = std::span<std::uint8_t, format::kLegacyChunkSize>;

// Decodes one block into `output` and gives the decoded length; nothing when the block
// is malformed (an item cut short, a copy reaching before the start, or more output than fits).
std::optional<std::size_t> decodeLzrw1kh(std::span<const std::uint8_t> block, LegacyChunkOutput output);

}  // namespace maintenance
