#include "chart/MarkupTag.h"

#include <limits>

namespace chart {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool MarkupScanner::Next(MarkupToken& token) {
    if (pos_ >= text_.size()) return false;
    if (text_[pos_] == '<') {
        size_t start = pos_ + 1;
        size_t end = start < text_.size() ? text_.find('>', start + 1) : std::string_view::npos;
        if (end == std::string_view::npos) end = text_.size();
        token = {true, text_.substr(start, end - start)};
        pos_ = end < text_.size() ? end + 1 : end;
        return true;
    }
    size_t end = text_.find('<', pos_);
    if (end == std::string_view::npos) end = text_.size();
    token = {false, text_.substr(pos_, end - pos_)};
    pos_ = end;
    return true;
}

MarkupTag MarkupTag::Parse(std::string_view raw) {
    MarkupTag tag;
    std::string_view t = Trim(raw);
    tag.text.reserve(t.size());
    for (char c : t) tag.text += (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
    if (!tag.text.empty() && tag.text[0] == '/') {
        tag.closing = true;
        tag.text.erase(0, 1);
    }
    return tag;
}

std::string MarkupTag::Attribute(std::string_view name, std::string_view fallback) const {
    std::string key = std::string(name) + "=";
    size_t at = text.find(key);
    if (at == std::string::npos) return std::string(fallback);
    size_t start = at + key.size();
    size_t end;
    if (start < text.size() && text[start] == '"') {
        ++start;
        end = text.find('"', start);
    } else {
        end = text.find(' ', start);
    }
    if (end == std::string::npos) end = text.size();
    return std::string(Trim(std::string_view(text).substr(start, end - start)));
}

std::optional<TColor> ParseMarkupColor(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    int v[6];
    for (int i = 0; i < 6; ++i) {
        v[i] = HexDigit(text[size_t(i) + 1]);
        if (v[i] < 0) return std::nullopt;
    }
    return base::RGB(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]);
}

std::optional<int> ParseMarkupInt(std::string_view text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size()) return std::nullopt;
    long long n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        n = n * 10 + (text[i] - '0');
        if (n > std::numeric_limits<int>::max()) return std::nullopt;
    }
    return int(negative ? -n : n);
}

}  // namespace chart
