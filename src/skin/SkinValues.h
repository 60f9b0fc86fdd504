#pragma once
// The value kinds of the skin description and how their text is read.

#include <stdexcept>
#include <string>
#include <string_view>

#include "base/Color.h"
#include "base/Geometry.h"
#include "skin/SkinIniFile.h"

namespace skin {

// A rectangle or point field without any digit. It aborts the load like the runtime's
// integer conversion error, whose text it carries.
class SkinConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TFontStyles {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const TFontStyles&, const TFontStyles&) = default;
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TbsMorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide,
                    mkRightSlide, mkPush };

enum TbsInactiveEffect { ieBrightness, ieDarkness, ieGrayscale, ieNoise, ieSplitBlur,
                         ieInvert };

enum TbsStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp };

// Number fields collect the digits "0".."9" only; a comma ends a field and every other
// character is skipped, so numbers are never negative. A field without digits, or one
// beyond the integer range, throws SkinConvertError. Fields past the fourth (the second
// for points) are ignored.
TRect ParseSkinRect(std::string_view text);
TPoint ParseSkinPoint(std::string_view text);
// Substring tests, letter case as written.
TFontStyles ParseFontStyles(std::string_view text);
TAlignment ParseAlignment(std::string_view text);
TbsMorphKind ParseMorphKind(std::string_view text);
TbsInactiveEffect ParseInactiveEffect(std::string_view text);
TbsStdCommand ParseStdCommand(std::string_view text);

// Reads the keys of one section with the defaults of the description's vocabulary.
class SkinSectionReader {
public:
    SkinSectionReader(const SkinIniFile& ini, std::string_view section)
        : ini_(ini), section_(section) {}

    TRect Rect(std::string_view key) const;
    TPoint Point(std::string_view key) const;
    int Integer(std::string_view key, int defaultValue = 0) const;
    TColor Color(std::string_view key, TColor defaultValue = 0) const { return Integer(key, defaultValue); }
    // True only for a value that reads as the integer 1.
    bool Boolean(std::string_view key) const { return Integer(key, 0) == 1; }
    TFontStyles FontStyle(std::string_view key) const;
    TAlignment Alignment(std::string_view key) const;
    TbsMorphKind MorphKind(std::string_view key) const;
    std::string String(std::string_view key, std::string_view defaultValue = {}) const;

private:
    const SkinIniFile& ini_;
    std::string section_;
};

}  // namespace skin
