#include "os/TextCase.h"

#include "base/Encoding.h"

namespace os {
namespace {

char32_t LowerOf(char32_t cp) {
    if (cp >= U'A' && cp <= U'Z') return cp + 32;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 32;  // À..Þ without ×
    switch (cp) {
    case 0x160: return 0x161;  // Š
    case 0x152: return 0x153;  // Œ
    case 0x17D: return 0x17E;  // Ž
    case 0x178: return 0xFF;   // Ÿ
    default: return cp;
    }
}

char32_t UpperOf(char32_t cp) {
    if (cp >= U'a' && cp <= U'z') return cp - 32;
    if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 32;  // à..þ without ÷
    switch (cp) {
    case 0x161: return 0x160;
    case 0x153: return 0x152;
    case 0x17E: return 0x17D;
    case 0xFF: return 0x178;
    default: return cp;
    }
}

template <class Map>
std::string MapText(std::string_view utf8, Map map) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        size_t start = pos;
        char32_t cp = base::Utf8Next(utf8, pos);
        char32_t mapped = map(cp);
        // Malformed bytes (decoded as U+FFFD) and unchanged characters are copied as they were.
        if (mapped == cp) out.append(utf8.substr(start, pos - start));
        else base::Utf8Append(out, mapped);
    }
    return out;
}

}  // namespace

std::string LowerCaseText(std::string_view utf8) { return MapText(utf8, LowerOf); }
std::string UpperCaseText(std::string_view utf8) { return MapText(utf8, UpperOf); }

char FoldCp1252(char c) {
    auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 32);
    switch (b) {
    case 0x8A: return static_cast<char>(0x9A);  // Š
    case 0x8C: return static_cast<char>(0x9C);  // Œ
    case 0x8E: return static_cast<char>(0x9E);  // Ž
    case 0x9F: return static_cast<char>(0xFF);  // Ÿ
    default: return c;
    }
}

bool SameTextCp1252(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCp1252(a[i]) != FoldCp1252(b[i])) return false;
    return true;
}

}  // namespace os
