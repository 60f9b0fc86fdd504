#pragma once
// The pieces of the chart's small tag language: splitting a text into runs and tags,
// and reading a tag's attributes. Tags are case-insensitive; there are no entities.

#include <optional>
#include <string>
#include <string_view>

#include "base/Color.h"

namespace chart {

struct MarkupToken {
    bool isTag = false;
    std::string_view text;  // a run of plain characters, or the raw tag text without "<" ">"
};

// Walks a text token by token. A tag runs from "<" to the next ">" but always takes at
// least one character; an unterminated tag swallows the rest of the text.
class MarkupScanner {
public:
    explicit MarkupScanner(std::string_view text) : text_(text) {}
    bool Next(MarkupToken& token);

private:
    std::string_view text_;
    size_t pos_ = 0;
};

// A tag text trimmed of blanks and lowered to small letters, split into whether it
// closes and its text after the "/".
struct MarkupTag {
    bool closing = false;
    std::string text;

    static MarkupTag Parse(std::string_view raw);
    // The value of `name`="..." or name=value (up to the next blank); `fallback` when the
    // tag has no such attribute. Found values are trimmed.
    std::string Attribute(std::string_view name, std::string_view fallback) const;
};

// "#RRGGBB" with exactly six hexadecimal digits; anything else gives nothing.
std::optional<TColor> ParseMarkupColor(std::string_view text);
// A whole number with an optional sign; anything else (or one out of range) gives nothing.
std::optional<int> ParseMarkupInt(std::string_view text);

}  // namespace chart
