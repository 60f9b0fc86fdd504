#pragma once
// The in-memory INI reader the skin description is read through.
//
// A line "[name]" opens a section; a line "key=value" adds a key to the current
// section; the value is everything after the first "=", untrimmed. Section and key
// names are trimmed and compared without regard to ASCII letter case, and the first
// section or key of a name wins, as with the profile functions. Lines end with CR LF,
// LF or CR; a last line without a line end counts too.

#include <string>
#include <string_view>
#include <vector>

namespace skin {

// Splits text into lines at CR LF, LF or CR. A trailing line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

class SkinIniFile {
public:
    SkinIniFile() = default;
    explicit SkinIniFile(const std::vector<std::string>& lines) { SetLines(lines); }

    void SetLines(const std::vector<std::string>& lines);

    bool SectionExists(std::string_view section) const;
    // The value of the key, or nullptr when the section or key is absent.
    const std::string* Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The value read as an integer (decimal, or hex after "$" or "0x"; leading blanks
    // allowed); anything else gives the default.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    const Section* FindSection(std::string_view section) const;

    std::vector<Section> sections_;
};

// The integer conversion of the description: true and the value when the whole text
// (leading blanks aside) is an integer, false otherwise so callers pick their default.
bool ParseInteger(std::string_view text, int& value);

}  // namespace skin
