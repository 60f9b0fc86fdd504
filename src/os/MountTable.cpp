#include "os/MountTable.h"

#include <charconv>

#include "os/FileText.h"

namespace os {
namespace {

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
        size_t start = pos;
        while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t') ++pos;
        if (pos > start) fields.push_back(line.substr(start, pos - start));
    }
    return fields;
}

template <class T>
bool ParseNumber(std::string_view text, T& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool ParseDevice(std::string_view text, unsigned& major, unsigned& minor) {
    size_t colon = text.find(':');
    if (colon == std::string_view::npos) return false;
    return ParseNumber(text.substr(0, colon), major) && ParseNumber(text.substr(colon + 1), minor);
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

bool ParseLine(std::string_view line, MountEntry& entry) {
    std::vector<std::string_view> f = SplitFields(line);
    // Six fixed fields, the separator, type and source; optional fields sit before "-".
    size_t dash = 6;
    while (dash < f.size() && f[dash] != "-") ++dash;
    if (dash + 2 >= f.size()) return false;
    if (!ParseNumber(f[0], entry.id) || !ParseNumber(f[1], entry.parentId)) return false;
    if (!ParseDevice(f[2], entry.major, entry.minor)) return false;
    entry.root = UnescapeMountField(f[3]);
    entry.mountPoint = UnescapeMountField(f[4]);
    entry.options = std::string(f[5]);
    entry.fsType = UnescapeMountField(f[dash + 1]);
    entry.source = UnescapeMountField(f[dash + 2]);
    entry.superOptions = dash + 3 < f.size() ? std::string(f[dash + 3]) : std::string();
    // The mount point is used as a path: it must be absolute and free of NUL bytes.
    if (entry.mountPoint.empty() || entry.mountPoint[0] != '/') return false;
    if (entry.mountPoint.find('\0') != std::string::npos) return false;
    return true;
}

}  // namespace

std::string UnescapeMountField(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && field.size() - i > 3 && IsOctal(field[i + 1]) &&
            IsOctal(field[i + 2]) && IsOctal(field[i + 3])) {
            int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            if (value <= 0xFF) {
                out.push_back(static_cast<char>(value));
                i += 3;
                continue;
            }
        }
        out.push_back(field[i]);
    }
    return out;
}

std::vector<MountEntry> ParseMountInfo(std::string_view text) {
    std::vector<MountEntry> table;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        MountEntry entry;
        if (ParseLine(text.substr(pos, end - pos), entry)) table.push_back(std::move(entry));
        pos = end + 1;
    }
    return table;
}

std::vector<MountEntry> ReadMountTable(const std::string& path, bool* ok) {
    std::optional<std::string> text = ReadFileText(path, 64 << 20);
    if (ok) *ok = text.has_value();
    if (!text) return {};
    return ParseMountInfo(*text);
}

bool HasMountOption(std::string_view options, std::string_view name) {
    size_t pos = 0;
    while (pos <= options.size()) {
        size_t end = options.find(',', pos);
        if (end == std::string_view::npos) end = options.size();
        std::string_view option = options.substr(pos, end - pos);
        if (option == name || (option.size() > name.size() && option.substr(0, name.size()) == name &&
                               option[name.size()] == '='))
            return true;
        pos = end + 1;
    }
    return false;
}

}  // namespace os
