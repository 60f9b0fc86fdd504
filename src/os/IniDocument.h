#pragma once
// A settings file's text, read and changed line by line without disturbing anything
// else: comments (";"), blank lines, other sections and unknown keys stay byte for byte.
//
// The text is kept in the file's own bytes (Windows-1252); names and values cross this
// interface in UTF-8. A line "[name]" opens a section; a line "key=value" inside one gives
// a value. Names are compared without regard to case. Where a name occurs more than once,
// the first occurrence counts.

#include <optional>
#include <string>
#include <string_view>

namespace os {

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string cp1252Bytes) : bytes_(std::move(cp1252Bytes)) {}

    // The value text after the "=", blanks not yet trimmed; nullopt when there is no key.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Replaces the value where the key stands, else adds the key at the end of its section,
    // else adds the section with the key at the end of the text.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    const std::string& Bytes() const { return bytes_; }

private:
    struct KeyLocation {
        size_t valueBegin = 0;  // byte offsets of the value inside bytes_
        size_t valueEnd = 0;
    };
    std::optional<KeyLocation> FindKey(const std::string& section, const std::string& key,
                                       size_t* sectionEnd) const;
    std::string LineEnd() const;

    std::string bytes_;
};

}  // namespace os
