#include "skin/SkinValues.h"

#include <array>
#include <cstdint>
#include <limits>


namespace skin {
namespace {

// Splits at commas and converts `count` fields; see ParseSkinRect.
template <size_t N>
std::array<int, N> ParseNumberFields(std::string_view text) {
    std::array<int, N> fields{};
    size_t pos = 0;
    for (size_t i = 0; i < N; ++i) {
        int64_t value = 0;
        bool anyDigit = false;
        bool tooLarge = false;
        std::string digits;
        while (pos < text.size() && text[pos] != ',') {
            char c = text[pos++];
            if (c < '0' || c > '9') continue;
            anyDigit = true;
            digits += c;
            value = value * 10 + (c - '0');
            if (value > std::numeric_limits<int32_t>::max()) {
                tooLarge = true;
                value = 0;
            }
        }
        if (pos < text.size()) ++pos;  // the comma
        if (!anyDigit || tooLarge)
            throw SkinConvertError("'" + digits + "' ist kein gültiger Integerwert");
        fields[i] = static_cast<int>(value);
    }
    return fields;
}

}  // namespace

TRect ParseSkinRect(std::string_view text) {
    auto f = ParseNumberFields<4>(text);
    return {f[0], f[1], f[2], f[3]};
}

TPoint ParseSkinPoint(std::string_view text) {
    auto f = ParseNumberFields<2>(text);
    return {f[0], f[1]};
}

TFontStyles ParseFontStyles(std::string_view text) {
    TFontStyles s;
    s.bold = text.find("fsbold") != std::string_view::npos;
    s.italic = text.find("fsitalic") != std::string_view::npos;
    s.underline = text.find("fsunderline") != std::string_view::npos;
    s.strikeOut = text.find("fsstrikeout") != std::string_view::npos;
    return s;
}

TAlignment ParseAlignment(std::string_view text) {
    if (text == "tacenter") return taCenter;
    if (text == "taleftjustify") return taLeftJustify;
    return taRightJustify;
}

TbsMorphKind ParseMorphKind(std::string_view text) {
    static constexpr std::string_view kWords[] = {"mkdefault",   "mkgradient",   "mkleftgradient",
                                                  "mkrightgradient", "mkleftslide", "mkrightslide",
                                                  "mkpush"};
    for (size_t i = 0; i < std::size(kWords); ++i)
        if (text == kWords[i]) return static_cast<TbsMorphKind>(i);
    return mkDefault;
}

TbsInactiveEffect ParseInactiveEffect(std::string_view text) {
    static constexpr std::string_view kWords[] = {"iebrightness", "iedarkness", "iegrayscale",
                                                  "ienoise",      "iesplitblur", "ieinvert"};
    for (size_t i = 0; i < std::size(kWords); ++i)
        if (text == kWords[i]) return static_cast<TbsInactiveEffect>(i);
    return ieBrightness;
}

TbsStdCommand ParseStdCommand(std::string_view text) {
    static constexpr std::string_view kWords[] = {"cmclose", "cmmaximize", "cmminimize",
                                                  "cmsysmenu", "cmdefault"};
    for (size_t i = 0; i < std::size(kWords); ++i)
        if (text == kWords[i]) return static_cast<TbsStdCommand>(i);
    // Every other word is the roll-up command ("cmminimizetotray" among them).
    return cmRollUp;
}

TRect SkinSectionReader::Rect(std::string_view key) const {
    const std::string* v = ini_.Find(section_, key);
    return ParseSkinRect(v ? std::string_view(*v) : "0,0,0,0");
}

TPoint SkinSectionReader::Point(std::string_view key) const {
    const std::string* v = ini_.Find(section_, key);
    return ParseSkinPoint(v ? std::string_view(*v) : "0,0");
}

int SkinSectionReader::Integer(std::string_view key, int defaultValue) const {
    return ini_.ReadInteger(section_, key, defaultValue);
}

TFontStyles SkinSectionReader::FontStyle(std::string_view key) const {
    return ParseFontStyles(ini_.ReadString(section_, key, ""));
}

TAlignment SkinSectionReader::Alignment(std::string_view key) const {
    return ParseAlignment(ini_.ReadString(section_, key, "tacenter"));
}

TbsMorphKind SkinSectionReader::MorphKind(std::string_view key) const {
    return ParseMorphKind(ini_.ReadString(section_, key, "mkdefault"));
}

std::string SkinSectionReader::String(std::string_view key, std::string_view defaultValue) const {
    const std::string* v = ini_.Find(section_, key);
    return v ? *v : std::string(defaultValue);
}

}  // namespace skin
