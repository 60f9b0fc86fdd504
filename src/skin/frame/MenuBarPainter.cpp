#include "skin/frame/MenuBarPainter.h"

#include "skin/SkinDrawing.h"
#include "skin/SkinTiling.h"
#include "skin/TbsEffectBmp.h"
#include "skin/menus/AccelText.h"

namespace skin {

namespace {

void Fill(gfx::Canvas& c, const TRect& r, TColor color) {
    c.Brush().style = gfx::BrushStyle::Solid;
    c.Brush().color = base::ColorToRGB(color);
    c.FillRect(r);
}

// The source rectangle tiled to the item's width with the record's fixed ends.
gfx::Bitmap ItemFace(const TbsSkinMainMenuBarItem& item, const TRect& source) {
    const TbsDataSkinMainMenuItem& rec = *item.Record();
    gfx::Bitmap face;
    TileHorzImage(face, *item.Picture(), source, rec.itemleftoffset, rec.itemrightoffset,
                  item.ObjectRect.Width());
    return face;
}

// Draws the caption centred in `area`.
void DrawCentredCaption(gfx::Canvas& c, const gfx::Font& font, TColor color, const TRect& area,
                        const std::string& caption) {
    const int width = AccelTextWidth(font, caption);
    const int height = font.Height();
    const int x = area.Left + (area.Width() - width) / 2;
    const int y = area.Top + (area.Height() - height) / 2;
    DrawAccelText(c, font, base::ColorToRGB(color), x, y, caption);
}

}  // namespace

void PaintMenuBarBackground(gfx::Canvas& c, const TbsDataSkinMainMenuBar* rec,
                            const gfx::Bitmap* picture, int width, int height) {
    if (!rec || !picture || rec->skinrect.IsEmpty()) {
        Fill(c, {0, 0, width, height}, clBtnFace);
        return;
    }
    gfx::Bitmap band;
    TileHorzImage(band, *picture, rec->skinrect, rec->itemsrect.Left,
                  rec->skinrect.Width() - rec->itemsrect.Right, width);
    c.Draw(0, 0, band);
}

void PaintSkinnedBarItem(gfx::Canvas& c, const TbsSkinMainMenuBarItem& item, const gfx::Font& font) {
    const TbsDataSkinMainMenuItem& rec = *item.Record();
    const TRect& r = item.ObjectRect;
    const TRect active = rec.activeskinrect.IsEmpty() ? rec.skinrect : rec.activeskinrect;
    TColor color = rec.fontcolor;
    if (item.IsDown) {
        c.Draw(r.Left, r.Top, ItemFace(item, item.DownRect()));
        color = rec.downfontcolor;
    } else if (item.Morphs()) {
        // The face follows the fade; the text takes its colour from the state at once.
        if (item.MorphProgress <= 0) {
            c.Draw(r.Left, r.Top, ItemFace(item, rec.skinrect));
        } else if (item.MorphProgress >= 1) {
            c.Draw(r.Left, r.Top, ItemFace(item, active));
        } else {
            TbsEffectBmp normal(ItemFace(item, rec.skinrect));
            TbsEffectBmp hot(ItemFace(item, active));
            normal.Morph(rec.morphkind, hot, item.MorphProgress);
            normal.Draw(c, r.Left, r.Top);
        }
        color = item.Highlighted ? rec.activefontcolor : rec.fontcolor;
    } else if (item.Highlighted) {
        c.Draw(r.Left, r.Top, ItemFace(item, active));
        color = rec.activefontcolor;
    } else {
        c.Draw(r.Left, r.Top, ItemFace(item, rec.skinrect));
    }
    if (!item.MenuItem()->Enabled()) color = rec.unenabledfontcolor;
    // "textrect" stretches with the item, so the caption stays centred in it.
    TRect text = rec.textrect.Offset(r.Left, r.Top);
    text.Right += r.Width() - rec.skinrect.Width();
    DrawCentredCaption(c, font, color, text, item.MenuItem()->Caption());
}

void PaintDefaultBarItem(gfx::Canvas& c, const TbsSkinMainMenuBarItem& item, const gfx::Font& font,
                         TColor textColor) {
    const TRect& r = item.ObjectRect;
    if (item.IsDown || item.Highlighted) {
        Fill(c, r, kBarItemFrame);
        Fill(c, r.Inflate(-1, -1), item.IsDown ? kBarItemDownFill : kBarItemHotFill);
    } else {
        Fill(c, r, clBtnFace);
    }
    const TColor color = item.MenuItem()->Enabled() ? textColor : clBtnShadow;
    const TRect text = item.IsDown ? r.Offset(1, 1) : r;
    DrawCentredCaption(c, font, color, text, item.MenuItem()->Caption());
}

void PaintOverflowMark(gfx::Canvas& c, const TRect& mark, TColor color) {
    DrawArrow(c, mark, base::ColorToRGB(color), 2);
}

}  // namespace skin
