#pragma once
// Finds font files for family names through fontconfig, using the program's own
// configuration (assets/fonts/fonts.conf) loaded into a private fontconfig config:
// the process-wide default configuration is never touched.
//
// Where the configuration comes from, in order: the file named by the environment
// variable VELMORA_FONTS_CONF, the file in the source tree the program was built from,
// and the same rules compiled into the program.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace gfx {

// One face inside a font file, with the style the file really has (so the caller can
// synthesise what is missing).
struct FontFile {
    std::string path;
    int index = 0;
    std::string family;
    bool isBold = false;
    bool isItalic = false;

    friend bool operator==(const FontFile&, const FontFile&) = default;
};

class FontMatcher {
public:
    // The matcher every font of the program uses, created at first use.
    static FontMatcher& Shared();

    // Loads `configFile`; an empty name, or a file that is missing or does not parse,
    // gives the built-in rules.
    explicit FontMatcher(const std::string& configFile);
    ~FontMatcher();
    FontMatcher(const FontMatcher&) = delete;
    FontMatcher& operator=(const FontMatcher&) = delete;

    // The best face for a family name (empty: the default face) and style. Empty only
    // when no usable font is installed at all.
    std::optional<FontFile> Match(std::string_view family, bool bold, bool italic);

    // A face that has the character `cp`, as close to the family and style as possible;
    // empty when no installed face has it.
    std::optional<FontFile> MatchCharacter(std::string_view family, bool bold, bool italic,
                                           char32_t cp);

    // The configuration file in use, or "built-in".
    const std::string& ConfigSource() const { return source_; }

private:
    struct Config;
    std::optional<FontFile> Find(std::string_view family, bool bold, bool italic,
                                 std::optional<char32_t> cp);

    std::unique_ptr<Config> config_;
    std::string source_;
    using Key = std::tuple<std::string, bool, bool, char32_t>;
    std::map<Key, std::optional<FontFile>> cache_;
};

}  // namespace gfx
