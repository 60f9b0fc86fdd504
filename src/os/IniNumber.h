#pragma once
// The settings file's number rules: blanks around the text are ignored and at most 2047
// characters are looked at; "0x", "0X" or "$" in front means hexadecimal (up to 32 bits,
// 0xFFFFFFFF reading as -1), anything else must be a signed decimal number within the
// 32-bit range. Any other text is no number.

#include <cstdint>
#include <optional>
#include <string_view>

namespace os {

constexpr size_t kIniValueMaxChars = 2047;

// The value text as a read sees it: blanks (space, tab) trimmed, cut to 2047 characters.
std::string_view TrimIniValue(std::string_view text);

std::optional<int32_t> ParseIniInteger(std::string_view text);

}  // namespace os
