#include "skin/controls/SkinControlTypes.h"

namespace skin {

gfx::Font SkinFont(const TbsSkinFontGroup& group, bool useSkinFont, const vcl::TFont& defaultFont) {
    if (!useSkinFont) return PlainFont(defaultFont);
    gfx::FontSpec fontSpec;
    fontSpec.name = group.fontname;
    fontSpec.height = group.fontheight;
    fontSpec.bold = group.fontstyle.bold;
    fontSpec.italic = group.fontstyle.italic;
    fontSpec.underline = group.fontstyle.underline;
    fontSpec.strikeOut = group.fontstyle.strikeOut;
    return gfx::Font(fontSpec);
}

gfx::Font PlainFont(const vcl::TFont& font) { return font.Resolved(); }

}  // namespace skin
