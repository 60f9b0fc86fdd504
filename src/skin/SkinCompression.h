#pragma once
// The zlib stream (RFC 1950) that holds a stored skin.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace skin {

// Raised for damaged compressed data; its text is always "compression error".
class DecompressionError : public std::runtime_error {
public:
    DecompressionError() : std::runtime_error("compression error") {}
};

// Largest inflated container accepted: far above any skin, and it keeps a damaged or
// hostile stream from exhausting memory.
constexpr size_t kMaxInflatedSkinSize = size_t(256) << 20;

// Inflates the whole stream, in pieces of 4096 bytes. A stream that is damaged, ends
// before its end marker or inflates beyond kMaxInflatedSkinSize raises DecompressionError;
// bytes after the end marker are ignored.
std::vector<uint8_t> InflateSkin(std::span<const uint8_t> compressed);
// Compresses at the highest level (header bytes 0x78 0xDA).
std::vector<uint8_t> DeflateSkin(std::span<const uint8_t> data);

}  // namespace skin
