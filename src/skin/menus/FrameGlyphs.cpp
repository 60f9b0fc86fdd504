#include "skin/menus/FrameGlyphs.h"

#include <algorithm>

namespace skin {

TFrameGlyph FrameGlyphOfItemName(std::string_view name) {
    if (name == "BSF_CLOSE" || name == "TRAY_BSF_CLOSE") return fgClose;
    if (name == "BSF_MINITEM") return fgMinimize;
    if (name == "BSF_MAXITEM") return fgMaximize;
    if (name == "BSF_RESTORE" || name == "TRAY_BSF_RESTORE") return fgRestore;
    if (name == "BSF_ROLLUP") return fgRollUp;
    if (name == "BSF_MINTOTRAY") return fgToTray;
    return fgNone;
}

namespace {

void Fill(gfx::Canvas& c, const TRect& r, TColor color) {
    c.Brush().style = gfx::BrushStyle::Solid;
    c.Brush().color = color;
    c.FillRect(r);
}

void Frame(gfx::Canvas& c, const TRect& r, TColor color) {
    c.Brush().style = gfx::BrushStyle::Solid;
    c.Brush().color = color;
    c.FrameRect(r);
}

}  // namespace

void DrawFrameGlyph(gfx::Canvas& c, TFrameGlyph glyph, const TRect& box, int size, TColor color) {
    if (glyph == fgNone) return;
    int s = std::max(6, size);
    int x = box.Left + (box.Width() - s) / 2;
    int y = box.Top + (box.Height() - s) / 2;
    c.Save();
    switch (glyph) {
        case fgClose:
            // Two diagonals, two pixels thick, corner to corner.
            for (int i = 0; i < s; ++i) {
                c.SetPixel(x + i, y + i, color);
                c.SetPixel(x + s - 1 - i, y + i, color);
                if (i + 1 < s) {
                    c.SetPixel(x + i + 1, y + i, color);
                    c.SetPixel(x + s - 2 - i, y + i, color);
                }
            }
            break;
        case fgMinimize:
            Fill(c, {x + 1, y + s - 3, x + s - 1, y + s - 1}, color);
            break;
        case fgMaximize:
            Frame(c, {x, y, x + s, y + s}, color);
            Fill(c, {x, y, x + s, y + 2}, color);
            break;
        case fgRestore: {
            // The back window shows only its parts outside the front window.
            int w = s * 2 / 3 + 1;
            TRect back{x + s - w, y, x + s, y + w};
            TRect front{x, y + s - w, x + w, y + s};
            Fill(c, {back.Left, back.Top, back.Right, back.Top + 2}, color);
            Fill(c, {back.Right - 1, back.Top, back.Right, back.Bottom}, color);
            Fill(c, {back.Left, back.Top, back.Left + 1, front.Top}, color);
            Fill(c, {front.Right, back.Bottom - 1, back.Right, back.Bottom}, color);
            Frame(c, front, color);
            Fill(c, {front.Left, front.Top, front.Right, front.Top + 2}, color);
            break;
        }
        case fgRollUp:
        case fgRollDown: {
            // A triangle of s/2 rows, its wide row at the bottom (up) or the top (down).
            int rows = s / 2;
            int top = y + (s - rows) / 2;
            for (int i = 0; i < rows; ++i) {
                int half = glyph == fgRollUp ? i : rows - 1 - i;
                int mid = x + s / 2;
                Fill(c, {mid - half - 1, top + i, mid + half + 1, top + i + 1}, color);
            }
            break;
        }
        case fgToTray:
            Fill(c, {x + s / 2, y + s - 3, x + s, y + s - 1}, color);
            Frame(c, {x, y, x + s, y + s}, color);
            break;
        case fgSysMenu:
            Frame(c, {x + 1, y + 1, x + s - 1, y + s - 1}, color);
            Fill(c, {x + 3, y + 3, x + s - 3, y + 5}, color);
            break;
        case fgNone: break;
    }
    c.Restore();
}

}  // namespace skin
