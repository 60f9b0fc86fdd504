#include "vcl/Accelerators.h"

#include "base/Encoding.h"

namespace vcl {

char32_t LowerChar(char32_t ch) {
    if (ch >= U'A' && ch <= U'Z') return ch + 32;
    if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) return ch + 32;
    return ch;
}

char32_t GetHotkey(std::string_view caption) {
    size_t pos = 0;
    while (pos < caption.size()) {
        char32_t c = base::Utf8Next(caption, pos);
        if (c != U'&' || pos >= caption.size()) continue;
        size_t next = pos;
        char32_t accel = base::Utf8Next(caption, next);
        if (accel == U'&') {  // "&&": a literal ampersand
            pos = next;
            continue;
        }
        return LowerChar(accel);
    }
    return 0;
}

std::string StripHotkey(std::string_view caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

bool IsAccel(char32_t ch, std::string_view caption) {
    char32_t hot = GetHotkey(caption);
    return hot != 0 && hot == LowerChar(ch);
}

}  // namespace vcl
