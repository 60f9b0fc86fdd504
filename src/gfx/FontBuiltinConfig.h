#pragma once
// The font rules the program falls back on when its configuration file is not found:
// the same aliases as assets/fonts/fonts.conf, without the font folder (which the
// matcher adds itself).

namespace gfx {

// A fontconfig XML document.
const char* BuiltinFontConfigXml();

// The folder of the extra faces the aliases point to (Tahoma and friends).
constexpr const char* kExtraFontDir = "/usr/share/wine/fonts";

}  // namespace gfx
