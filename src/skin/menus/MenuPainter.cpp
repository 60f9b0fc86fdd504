#include "skin/menus/MenuPainter.h"

#include <string>

#include "base/ShortCut.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinTiling.h"
#include "skin/TbsEffectBmp.h"
#include "skin/menus/AccelText.h"
#include "skin/menus/FrameGlyphs.h"
#include "vcl/TCanvas.h"

namespace skin {

namespace {

constexpr TColor kDefaultActiveFrame = base::RGB(0, 0, 128);
constexpr TColor kDefaultActiveFill = base::RGB(182, 189, 210);

void FillRect(gfx::Canvas& c, const TRect& r, TColor color) {
    c.Brush().style = gfx::BrushStyle::Solid;
    c.Brush().color = base::ColorToRGB(color);
    c.FillRect(r);
}

gfx::Bitmap TiledItemImage(const MenuLevelLook& look, const TRect& source, int a, int b, int width) {
    gfx::Bitmap image;
    TileHorzImage(image, *look.itemPicture, source, a, b, width);
    return image;
}

// The parts every item shares once its background is drawn: caption, short cut,
// sub-menu triangle, picture or check mark. `area` is the text area; `captionOffset`
// the glyph column before the caption; `shortCutGap` the room after the short cut.
void PaintItemContent(gfx::Canvas& c, const MenuLevelLook& look, const TbsSkinMenuItem& item,
                      const TRect& area, int captionOffset, int shortCutGap, int markX,
                      int imageX, TColor color) {
    const vcl::TMenuItem* mi = item.MenuItem();
    const gfx::Font& font = look.font;
    const int textH = font.Height();
    const int textY = area.Top + (area.Height() - textH) / 2;
    // Drawn centred in its measured rectangle widened by 2: one pixel in.
    DrawAccelText(c, font, color, area.Left + captionOffset + 1, textY, mi->Caption());
    if (mi->ShortCut() != 0) {
        std::string text = base::ShortCutToText(mi->ShortCut());
        int x = area.Right - shortCutGap - font.TextWidth(text);
        DrawAccelText(c, font, color, x, textY, text);
    }
    const int midY = area.Top + area.Height() / 2;
    if (item.HasChildren()) DrawSubMenuTriangle(c, area.Right - 7 - 4, midY, color);

    const int index = mi->ImageIndex();
    if (look.images && index >= 0 && index < look.images->Count()) {
        const int y = area.Top + (area.Height() - look.images->Height()) / 2;
        vcl::TCanvas vc;
        vc.Attach(&c);
        look.images->Draw(&vc, imageX, y, index, mi->Enabled());
        vc.Detach();
        if (mi->Checked()) {
            c.Brush().style = gfx::BrushStyle::Solid;
            c.Brush().color = color;
            c.FrameRect({imageX - 1, y - 1, imageX + look.images->Width() + 1,
                         y + look.images->Height() + 1});
        }
        return;
    }
    TFrameGlyph glyph = FrameGlyphOfItemName(mi->Name());
    if (glyph != fgNone) {
        DrawFrameGlyph(c, glyph, {markX, midY - 5, markX + 10, midY + 5}, 8, color);
    } else if (mi->Checked() && mi->RadioItem()) {
        c.Pen().style = gfx::PenStyle::Solid;
        c.Pen().color = color;
        c.Brush().style = gfx::BrushStyle::Solid;
        c.Brush().color = color;
        c.Ellipse({markX + 1, midY - 3, markX + 7, midY + 3});
    } else if (mi->Checked()) {
        DrawCheckMark(c, markX, midY - 4, color);
    }
}

void PaintSkinnedItem(gfx::Canvas& c, const MenuLevelLook& look, const TbsSkinMenuItem& item) {
    const TbsDataSkinMenuItem& rec = *look.itemRecord;
    const TRect& r = item.ItemRect;
    if (item.IsDivider()) {
        c.Draw(r.Left, r.Top, TiledItemImage(look, rec.dividerrect, rec.dividerleftoffset,
                                             rec.dividerrightoffset, r.Width()));
        return;
    }
    const bool active = item.Active || item.Down;
    const bool morphing = rec.morphing && !rec.activeskinrect.IsEmpty() && item.MorphLevel > 0 &&
                          item.MorphLevel < 1;
    if (morphing) {
        TbsEffectBmp normal(TiledItemImage(look, rec.skinrect, rec.itemleftoffset,
                                           rec.itemrightoffset, r.Width()));
        TbsEffectBmp hot(TiledItemImage(look, rec.activeskinrect, rec.itemleftoffset,
                                        rec.itemrightoffset, r.Width()));
        normal.Morph(rec.morphkind, hot, item.MorphLevel);
        normal.Draw(c, r.Left, r.Top);
    } else {
        const TRect& src = active && !rec.activeskinrect.IsEmpty() ? rec.activeskinrect : rec.skinrect;
        c.Draw(r.Left, r.Top, TiledItemImage(look, src, rec.itemleftoffset, rec.itemrightoffset,
                                             r.Width()));
    }
    TColor color = !item.IsEnabled() ? rec.unenabledfontcolor
                   : active          ? rec.activefontcolor
                                     : rec.fontcolor;
    TRect area = rec.textrect.Offset(r.Left, r.Top);
    area.Right += r.Width() - rec.skinrect.Width();
    const int glyph = look.images ? look.images->Width() : 16;
    PaintItemContent(c, look, item, area, glyph, 16, area.Left + 2, area.Left + 2, color);
}

void PaintDefaultItem(gfx::Canvas& c, const MenuLevelLook& look, const TbsSkinMenuItem& item) {
    const TRect& r = item.ItemRect;
    const int glyph = look.images ? look.images->Width() : 19;
    const bool active = (item.Active || item.Down) && !item.IsDivider();
    if (active) {
        FillRect(c, r, kDefaultActiveFill);
        c.Brush().color = kDefaultActiveFrame;
        c.FrameRect(r);
    } else {
        FillRect(c, {r.Left, r.Top, r.Left + glyph, r.Bottom}, clBtnFace);
        FillRect(c, {r.Left + glyph, r.Top, r.Right, r.Bottom}, clWindow);
    }
    if (item.IsDivider()) {
        const int y = r.Top + r.Height() / 2;
        FillRect(c, {r.Left + glyph, y, r.Right, y + 1}, clBtnShadow);
        return;
    }
    TColor color = base::ColorToRGB(item.IsEnabled() ? clWindowText : clBtnShadow);
    TRect area = r.Inflate(-2, -2);
    PaintItemContent(c, look, item, area, glyph, 19, area.Left + 3, area.Left, color);
}

}  // namespace

void DrawSubMenuTriangle(gfx::Canvas& c, int x, int midY, TColor color) {
    static constexpr int kHeights[] = {7, 5, 3, 1};
    for (int i = 0; i < 4; ++i) {
        int half = kHeights[i] / 2;
        for (int y = midY - half; y <= midY + half; ++y) c.SetPixel(x + i, y, color);
    }
}

void PaintMenuBackground(gfx::Canvas& c, const MenuLevelLook& look, int width, int height,
                         bool scrolling) {
    if (look.WindowSkinned()) {
        gfx::Bitmap image;
        TileFrameImage(image, *look.windowPicture, look.windowPicture->Bounds(),
                       look.PictureGeometry(), width, height, look.WindowGeometry(width, height),
                       scrolling);
        c.Draw(0, 0, image);
        return;
    }
    const int column = look.images ? look.images->Width() + 2 : 21;
    FillRect(c, {0, 0, width, height}, clWindow);
    FillRect(c, {0, 0, column, height}, clBtnFace);
    c.Brush().color = base::ColorToRGB(clBtnShadow);
    c.FrameRect({0, 0, width, height});
    c.Brush().color = base::ColorToRGB(clWindow);
    c.FrameRect({1, 1, width - 1, height - 1});
}

void PaintMenuItem(gfx::Canvas& c, const MenuLevelLook& look, const TbsSkinMenuItem& item) {
    if (!item.InView || item.ItemRect.IsEmpty()) return;
    c.Save();
    c.IntersectClipRect(item.ItemRect);
    if (look.ItemsSkinned()) PaintSkinnedItem(c, look, item);
    else PaintDefaultItem(c, look, item);
    c.Restore();
}

TRect ScrollUpZone(const MenuLevelLook& look, const TRect& items, int width) {
    if (!look.WindowSkinned()) return {3, 3, width - 3, 13};
    return {items.Left, items.Top, items.Right, items.Top + 10};
}

TRect ScrollDownZone(const MenuLevelLook& look, const TRect& items, int width, int height) {
    if (!look.WindowSkinned()) return {3, height - 10, width - 3, height - 3};
    return {items.Left, items.Bottom - 10, items.Right, items.Bottom};
}

void PaintScrollMarkers(gfx::Canvas& c, const MenuLevelLook& look, const TRect& items, int width,
                        int height, int active) {
    TColor normal = look.WindowSkinned() ? look.windowRecord->scrollmarkercolor : clBtnShadow;
    TColor hot = look.WindowSkinned() ? look.windowRecord->scrollmarkeractivecolor : clBtnText;
    normal = base::ColorToRGB(normal);
    hot = base::ColorToRGB(hot);
    DrawArrow(c, ScrollUpZone(look, items, width), active < 0 ? hot : normal, 3);
    DrawArrow(c, ScrollDownZone(look, items, width, height), active > 0 ? hot : normal, 4);
}

}  // namespace skin
