#pragma once
// Text is UTF-8 everywhere in memory. Windows-1252 appears only at the file boundaries
// that use it (the settings file, the skin description). These helpers convert between
// the two and walk UTF-8 without ever splitting a multi-byte sequence.

#include <cstddef>
#include <string>
#include <string_view>

namespace base {

// Every byte maps to a code point, so this never fails and round-trips every byte
// (the five bytes Windows-1252 leaves unassigned map to the C1 controls of the same value).
std::string Cp1252ToUtf8(std::string_view cp1252);

// A character Windows-1252 cannot hold, or a malformed UTF-8 sequence, becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);

// Decodes the code point starting at byte `pos` and advances `pos` past it. A malformed
// or truncated sequence yields U+FFFD and advances by one byte.
char32_t Utf8Next(std::string_view text, size_t& pos);

// Appends the UTF-8 form of a code point (U+FFFD for invalid ones).
void Utf8Append(std::string& out, char32_t cp);

// Number of code points.
size_t Utf8Length(std::string_view text);

// The largest byte length <= maxBytes that ends on a character boundary.
size_t Utf8FloorBoundary(std::string_view text, size_t maxBytes);

// The byte offset where the previous character (before `pos`) starts.
size_t Utf8PrevBoundary(std::string_view text, size_t pos);

}  // namespace base
