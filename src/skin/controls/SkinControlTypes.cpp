#include "skin/controls/SkinControlTypes.h"

namespace skin {

gfx::Font SkinFont(const TbsSkinFontGroup& group, bool useSkinFont, const vcl::TFont& defaultFont) {
    if (!useSkinFont) return PlainFont(defaultFont);
    gfx::FontSpec spec;
    spec.name = group.fontname;
    spec.height = group.fontheight;
    spec.bold = group.fontstyle.bold;
    spec.italic = group.fontstyle.italic;
    spec.underline = group.fontstyle.underline;
    spec.strikeOut = group.fontstyle.strikeOut;
    return gfx::Font(spec);
}

gfx::Font PlainFont(const vcl::TFont& font) { return font.Resolved(); }

}  // namespace skin
