#include "skin/menus/AccelText.h"

#include <string>

#include "vcl/Accelerators.h"

namespace skin {

namespace {

// Byte length of the UTF-8 sequence starting with lead byte c.
size_t Utf8Length(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c >> 5) == 0x6) return 2;
    if ((c >> 4) == 0xE) return 3;
    if ((c >> 3) == 0x1E) return 4;
    return 1;
}

}  // namespace

int AccelTextWidth(const gfx::Font& font, std::string_view caption) {
    return font.TextWidth(vcl::StripHotkey(caption));
}

void DrawAccelText(gfx::Canvas& canvas, const gfx::Font& font, TColor color, int x, int y,
                   std::string_view caption) {
    canvas.Save();
    canvas.SetFont(font);
    canvas.SetFontColor(color);
    canvas.SetTextAlign(gfx::TextReference::Top);
    canvas.Brush().style = gfx::BrushStyle::Clear;
    canvas.TextOut(x, y, vcl::StripHotkey(caption));
    // Find the single '&' that marks the accelerator ("&&" is a literal ampersand).
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') { ++i; continue; }
        std::string before = vcl::StripHotkey(caption.substr(0, i));
        size_t len = Utf8Length(static_cast<unsigned char>(caption[i + 1]));
        std::string_view ch = caption.substr(i + 1, len);
        int x0 = x + font.TextWidth(before);
        int x1 = x0 + font.TextWidth(ch);
        int baseline = y + font.Ascent() + 1;
        canvas.Pen().color = color;
        canvas.Pen().style = gfx::PenStyle::Solid;
        canvas.Pen().mode = gfx::RasterOp::Copy;
        canvas.MoveTo(x0, baseline);
        canvas.LineTo(x1, baseline);
        break;
    }
    canvas.Restore();
}

}  // namespace skin
