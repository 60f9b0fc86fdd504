#include "base/Encoding.h"

#include <array>

namespace base {
namespace {

// Code points of bytes 0x80..0x9F; the rest of Windows-1252 equals Latin-1.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

int EncodeCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return static_cast<int>(0x80 + i);
    return -1;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (unsigned char c : cp1252) {
        char32_t cp = (c >= 0x80 && c < 0xA0) ? kHigh[c - 0x80] : c;
        Utf8Append(out, cp);
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = Utf8Next(utf8, pos);
        int b = EncodeCp1252(cp);
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

char32_t Utf8Next(std::string_view text, size_t& pos) {
    constexpr char32_t kBad = 0xFFFD;
    auto c = static_cast<unsigned char>(text[pos]);
    int extra;
    char32_t cp;
    char32_t min;
    if (c < 0x80) { ++pos; return c; }
    if ((c & 0xE0) == 0xC0) { extra = 1; cp = c & 0x1F; min = 0x80; }
    else if ((c & 0xF0) == 0xE0) { extra = 2; cp = c & 0x0F; min = 0x800; }
    else if ((c & 0xF8) == 0xF0) { extra = 3; cp = c & 0x07; min = 0x10000; }
    else { ++pos; return kBad; }
    if (pos + static_cast<size_t>(extra) >= text.size()) { ++pos; return kBad; }
    for (int i = 1; i <= extra; ++i) {
        auto n = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(n)) { ++pos; return kBad; }
        cp = (cp << 6) | (n & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) { ++pos; return kBad; }
    pos += extra + 1;
    return cp;
}

void Utf8Append(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

size_t Utf8Length(std::string_view text) {
    size_t n = 0;
    for (size_t pos = 0; pos < text.size(); ++n) Utf8Next(text, pos);
    return n;
}

size_t Utf8FloorBoundary(std::string_view text, size_t maxBytes) {
    if (maxBytes >= text.size()) return text.size();
    size_t pos = 0;
    while (pos < text.size()) {
        size_t next = pos;
        Utf8Next(text, next);
        if (next > maxBytes) break;
        pos = next;
    }
    return pos;
}

size_t Utf8PrevBoundary(std::string_view text, size_t pos) {
    if (pos == 0) return 0;
    if (pos > text.size()) pos = text.size();
    size_t start = 0, prev = 0;
    while (start < pos) {
        prev = start;
        Utf8Next(text, start);
    }
    return prev;
}

}  // namespace base
