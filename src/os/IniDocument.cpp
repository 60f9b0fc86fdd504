#include "os/IniDocument.h"

#include "base/Encoding.h"
#include "os/TextCase.h"

namespace os {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A name or value may not break the line structure of the file.
std::string FileBytes(std::string_view utf8) {
    std::string bytes = base::Utf8ToCp1252(utf8);
    for (char& c : bytes)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    return bytes;
}

}  // namespace

std::optional<IniDocument::KeyLocation> IniDocument::FindKey(const std::string& section, const std::string& key,
                                                             size_t* sectionEnd) const {
    *sectionEnd = std::string::npos;
    bool inSection = false;
    bool inFirstSection = false;
    bool sectionSeen = false;
    size_t pos = 0;
    while (pos < bytes_.size()) {
        size_t newline = bytes_.find('\n', pos);
        size_t next = newline == std::string::npos ? bytes_.size() : newline + 1;
        size_t contentEnd = newline == std::string::npos ? bytes_.size() : newline;
        // "\r\n" ends a line as "\n" does, and so does a "\r" at the very end.
        if (contentEnd > pos && bytes_[contentEnd - 1] == '\r') --contentEnd;
        std::string_view line(bytes_.data() + pos, contentEnd - pos);
        std::string_view content = Trim(line);
        size_t lineBegin = pos;
        pos = next;
        if (content.empty()) continue;
        if (content.front() == '[') {
            size_t close = content.find(']');
            std::string_view name = Trim(content.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            inSection = SameTextCp1252(name, section);
            inFirstSection = inSection && !sectionSeen;
            if (inFirstSection) {
                sectionSeen = true;
                *sectionEnd = next;
            }
            continue;
        }
        if (!inSection) continue;
        if (inFirstSection) *sectionEnd = next;
        if (content.front() == ';') continue;
        size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        if (!SameTextCp1252(Trim(line.substr(0, eq)), key)) continue;
        size_t valueBegin = lineBegin + eq + 1;
        return KeyLocation{valueBegin, contentEnd};
    }
    return std::nullopt;
}

std::string IniDocument::LineEnd() const {
    size_t newline = bytes_.find('\n');
    return newline != std::string::npos && newline > 0 && bytes_[newline - 1] == '\r' ? "\r\n" : "\n";
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
    size_t sectionEnd = 0;
    std::optional<KeyLocation> found = FindKey(FileBytes(section), FileBytes(key), &sectionEnd);
    if (!found) return std::nullopt;
    return base::Cp1252ToUtf8(std::string_view(bytes_).substr(found->valueBegin, found->valueEnd - found->valueBegin));
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    std::string sectionBytes = FileBytes(section);
    std::string keyBytes = FileBytes(key);
    std::string valueBytes = FileBytes(value);
    size_t sectionEnd = 0;
    if (std::optional<KeyLocation> found = FindKey(sectionBytes, keyBytes, &sectionEnd)) {
        // Keep the blanks the line has after its "=".
        size_t begin = found->valueBegin;
        while (begin < found->valueEnd && IsBlank(bytes_[begin])) ++begin;
        bytes_.replace(begin, found->valueEnd - begin, valueBytes);
        return;
    }
    std::string eol = LineEnd();
    std::string keyLine = keyBytes + "=" + valueBytes + eol;
    // Text ending without a line break gets one before anything is added after it; a
    // final "\r" only needs its "\n".
    std::string finish;
    if (!bytes_.empty() && bytes_.back() != '\n') finish = bytes_.back() == '\r' ? "\n" : eol;
    if (sectionEnd != std::string::npos) {
        if (sectionEnd == bytes_.size()) keyLine.insert(0, finish);
        bytes_.insert(sectionEnd, keyLine);
        return;
    }
    bytes_ += finish + "[" + sectionBytes + "]" + eol + keyLine;
}

}  // namespace os
