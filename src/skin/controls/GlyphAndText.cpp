#include "skin/controls/GlyphAndText.h"

#include <string>

#include "skin/SkinDrawing.h"
#include "skin/menus/AccelText.h"
#include "vcl/Accelerators.h"

namespace skin {

TbsGlyphTextPlacement PlaceGlyphAndText(const TRect& rect, int margin, TbsButtonLayout layout,
                                        int spacing, int gw, int gh, int tw, int th, bool pressed) {
    int cx = rect.Left + rect.Width() / 2;
    int cy = rect.Top + rect.Height() / 2;
    TbsGlyphTextPlacement p;
    bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    if (horizontal) {
        p.glyph.Y = cy - gh / 2;
        p.text.Y = cy - th / 2;
    } else {
        p.glyph.X = cx - gw / 2;
        p.text.X = cx - tw / 2;
    }
    if (margin == -1) {
        int m = (gw + tw + spacing) / 2;
        int v = (th + gh + spacing) / 2;
        switch (layout) {
            case blGlyphLeft: p.glyph.X = cx - m; p.text.X = cx + m - tw; break;
            case blGlyphRight: p.text.X = cx - m; p.glyph.X = cx + m - gw; break;
            case blGlyphTop: p.glyph.Y = cy - v; p.text.Y = cy + v - th; break;
            case blGlyphBottom: p.text.Y = cy - v; p.glyph.Y = cy + v - gh; break;
        }
    } else {
        switch (layout) {
            case blGlyphLeft:
                p.glyph.X = rect.Left + margin;
                p.text.X = p.glyph.X + gw + spacing;
                break;
            case blGlyphRight:
                p.glyph.X = rect.Right - gw - margin;
                p.text.X = p.glyph.X - spacing - tw;
                break;
            case blGlyphTop:
                p.glyph.Y = rect.Top + margin;
                p.text.Y = p.glyph.Y + gh + spacing;
                break;
            case blGlyphBottom:
                p.glyph.Y = rect.Bottom - gh - margin;
                p.text.Y = p.glyph.Y - spacing - th;
                break;
        }
    }
    if (pressed) {
        p.glyph = p.glyph + TPoint{1, 1};
        p.text = p.text + TPoint{1, 1};
    }
    return p;
}

void DrawGlyphAndText(gfx::Canvas& canvas, const TRect& rect, int margin, bool pressed,
                      int glyphNumber, int numGlyphs, const gfx::Bitmap& glyph,
                      std::string_view text, TbsButtonLayout layout, int spacing,
                      const gfx::Font& font, TColor color) {
    DrawGlyphAndText(canvas, rect, margin, pressed, glyphNumber, numGlyphs, glyph, text, layout, spacing,
                     font, color, clNone);
}

void DrawGlyphAndText(gfx::Canvas& canvas, const TRect& rect, int margin, bool pressed,
                      int glyphNumber, int numGlyphs, const gfx::Bitmap& glyph,
                      std::string_view text, TbsButtonLayout layout, int spacing,
                      const gfx::Font& font, TColor color, TColor glyphTransparent) {
    std::string shown = vcl::StripHotkey(text);
    int gw = 0, gh = 0;
    if (!glyph.IsEmpty() && numGlyphs > 0) {
        gw = glyph.Width() / numGlyphs;
        gh = glyph.Height();
    }
    int tw = shown.empty() ? 0 : font.TextWidth(shown);
    int th = shown.empty() ? 0 : font.Height();
    TbsGlyphTextPlacement p = PlaceGlyphAndText(rect, margin, layout, spacing, gw, gh, tw, th, pressed);
    if (!shown.empty()) {
        // The text is centred in its measured box plus two pixels and is not clipped; the
        // accelerator's letter is underlined.
        DrawAccelText(canvas, font, color, p.text.X + 1, p.text.Y, text);
    }
    if (gw <= 0) return;
    if (glyphTransparent != clNone && numGlyphs == 1)
        canvas.DrawTransparent(p.glyph.X, p.glyph.Y, glyph, glyphTransparent);
    else
        DrawGlyphCell(canvas, p.glyph.X, p.glyph.Y, glyphNumber, numGlyphs, glyph);
}

}  // namespace skin
