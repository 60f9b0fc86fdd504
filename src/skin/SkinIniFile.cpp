#include "skin/SkinIniFile.h"

#include <cstdint>
#include <limits>

namespace skin {
namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

bool ParseInteger(std::string_view text, int& value) {
    // Leading blanks are allowed, trailing ones are not, as in the runtime's conversion.
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    int64_t magnitude = 0;
    for (char c : text) {
        int d = DigitValue(c, base);
        if (d < 0) return false;
        magnitude = magnitude * base + d;
        if (magnitude > int64_t(std::numeric_limits<uint32_t>::max())) return false;
    }
    // Hex values may name all 32 bits (colours such as $FF000005); decimal ones must
    // fit a signed integer.
    int64_t signedValue = negative ? -magnitude : magnitude;
    if (base == 10 && (signedValue > std::numeric_limits<int32_t>::max() ||
                       signedValue < std::numeric_limits<int32_t>::min()))
        return false;
    if (base == 16 && !negative) signedValue = static_cast<int32_t>(static_cast<uint32_t>(magnitude));
    if (signedValue < std::numeric_limits<int32_t>::min()) return false;
    value = static_cast<int>(signedValue);
    return true;
}

void SkinIniFile::SetLines(const std::vector<std::string>& lines) {
    sections_.clear();
    Section* current = nullptr;
    for (const std::string& raw : lines) {
        std::string_view line = Trim(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            sections_.push_back({std::string(Trim(line.substr(1, line.size() - 2))), {}});
            current = &sections_.back();
            continue;
        }
        if (!current) continue;
        // The value keeps its blanks: only the untrimmed line is split.
        std::string_view whole = raw;
        size_t eq = whole.find('=');
        if (eq == std::string_view::npos) continue;
        current->entries.push_back(
            {std::string(Trim(whole.substr(0, eq))), std::string(whole.substr(eq + 1))});
    }
}

const SkinIniFile::Section* SkinIniFile::FindSection(std::string_view section) const {
    for (const Section& s : sections_)
        if (EqualNoCase(s.name, section)) return &s;
    return nullptr;
}

bool SkinIniFile::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

const std::string* SkinIniFile::Find(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) return nullptr;
    for (const Entry& e : s->entries)
        if (EqualNoCase(e.key, key)) return &e.value;
    return nullptr;
}

std::string SkinIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    const std::string* v = Find(section, key);
    return v ? *v : std::string(defaultValue);
}

int SkinIniFile::ReadInteger(std::string_view section, std::string_view key,
                             int defaultValue) const {
    const std::string* v = Find(section, key);
    int value = 0;
    if (!v || !ParseInteger(*v, value)) return defaultValue;
    return value;
}

}  // namespace skin
