#include "os/IniNumber.h"

namespace os {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int DigitValue(char c, int radix) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < radix ? value : -1;
}

}  // namespace

std::string_view TrimIniValue(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.size() > kIniValueMaxChars) text = text.substr(0, kIniValueMaxChars);
    return text;
}

std::optional<int32_t> ParseIniInteger(std::string_view text) {
    text = TrimIniValue(text);
    if (text.empty()) return std::nullopt;
    if (text[0] == '$' || (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))) {
        std::string_view digits = text.substr(text[0] == '$' ? 1 : 2);
        if (digits.empty()) return std::nullopt;
        uint64_t value = 0;
        for (char c : digits) {
            int d = DigitValue(c, 16);
            if (d < 0) return std::nullopt;
            value = value * 16 + static_cast<uint64_t>(d);
            if (value > 0xFFFFFFFFu) return std::nullopt;
        }
        return static_cast<int32_t>(static_cast<uint32_t>(value));
    }
    bool negative = text[0] == '-';
    if (text[0] == '-' || text[0] == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        int d = DigitValue(c, 10);
        if (d < 0) return std::nullopt;
        value = value * 10 + d;
        if (value > int64_t(0x80000000)) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace os
