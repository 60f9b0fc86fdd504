#include "skin/frame/FramePainter.h"

#include "gfx/Canvas.h"
#include "skin/FrameBorders.h"
#include "skin/SkinText.h"
#include "skin/TbsEffectBmp.h"
#include "skin/TbsSkinData.h"

namespace skin {

namespace {

void DrawImage(gfx::Canvas& c, int x, int y, const gfx::Bitmap& image, bool inactiveEffect,
               TbsInactiveEffect effect) {
    if (!inactiveEffect) {
        c.Draw(x, y, image);
        return;
    }
    TbsEffectBmp e(image);
    e.ApplyInactiveEffect(effect);
    e.Draw(c, x, y);
}

void DrawCaptionText(gfx::Canvas& c, const TbsDataSkinCaption& rec, const FrameElementSlot& e,
                     const std::string& caption, bool active) {
    if (caption.empty() || rec.textrect.IsEmpty()) return;
    TRect text = rec.textrect.Offset(e.windowRect.Left, e.windowRect.Top);
    text.Right += e.windowRect.Width() - e.normalRect.Width();
    if (text.IsEmpty()) return;
    PaintCaptionText(c, rec, LayoutCaptionText(rec, caption, text), text, active);
}

}  // namespace

CaptionTextLayout LayoutCaptionText(const TbsDataSkinCaption& rec, const std::string& text, const TRect& box) {
    gfx::FontSpec fontSpec;
    fontSpec.name = rec.fontname;
    fontSpec.height = rec.fontheight;
    fontSpec.bold = rec.fontstyle.bold;
    fontSpec.italic = rec.fontstyle.italic;
    CaptionTextLayout t{gfx::Font(fontSpec), {}, box.Left, 0};
    t.shown = EllipsizeText(t.font, text, box.Width());
    const int w = t.font.TextWidth(t.shown);
    if (rec.alignment == taRightJustify) t.x = box.Right - w;
    else if (rec.alignment == taCenter) t.x = box.Left + (box.Width() - w) / 2;
    t.y = box.Top + box.Height() / 2 - t.font.Height() / 2;
    return t;
}

void PaintCaptionText(gfx::Canvas& c, const TbsDataSkinCaption& rec, const CaptionTextLayout& t,
                      const TRect& box, bool active) {
    c.Save();
    c.IntersectClipRect(box);
    c.SetFont(t.font);
    c.Brush().style = gfx::BrushStyle::Clear;
    if (rec.shadow) {
        c.SetFontColor(active ? rec.activeshadowcolor : rec.shadowcolor);
        c.TextOut(t.x + 1, t.y + 1, t.shown);
    }
    c.SetFontColor(active ? rec.activefontcolor : rec.fontcolor);
    c.TextOut(t.x, t.y, t.shown);
    c.Restore();
}

gfx::Bitmap PaintSkinnedFrame(const TbsSkinData& skin, const FrameGeometry& g,
                              const std::vector<FrameElementSlot>& elements,
                              const std::string& caption, bool active,
                              FrameElementPainter* painter) {
    gfx::Bitmap window(g.width, g.height);
    const gfx::Bitmap& picture =
        !active && !skin.InactivePicture().IsEmpty() ? skin.InactivePicture() : skin.Picture();
    if (picture.IsEmpty()) return window;
    const TbsFormInfo& f = skin.FormInfo();
    TbsFrameGeometry source{f.lefttoppoint, f.righttoppoint, f.leftbottompoint,
                            f.rightbottompoint, f.clientrect};
    TbsFrameGeometry dest{g.lt, g.rt, g.lb, g.rb, g.client};
    TbsFrameStretch stretch{f.leftstretch, f.rightstretch, f.topstretch, f.bottomstretch};
    TbsFrameBorderImages borders = BuildFrameBorders(picture, source, stretch, g.width, g.height, dest);

    // Elements go onto the band they lie in before the bands are placed.
    for (size_t i = 0; i < elements.size(); ++i) {
        const FrameElementSlot& e = elements[i];
        if (painter) {
            if (!e.visible || e.isCaption) continue;
            const bool lower = e.windowRect.Bottom > g.client.Top;
            gfx::Canvas bc(lower ? borders.bottom : borders.top);
            if (lower) bc.SetOrigin({0, -g.client.Bottom});
            painter->PaintOnBand(i, bc);
            continue;
        }
        if (!e.visible || !e.record || !e.inPicture) continue;
        const gfx::Bitmap* own = skin.ActivePicture(e.record->activepictureindex);
        if (!own) continue;
        const bool lower = e.windowRect.Bottom > g.client.Top;
        gfx::Bitmap& band = lower ? borders.bottom : borders.top;
        const int dy = lower ? -g.client.Bottom : 0;
        gfx::Canvas bc(band);
        bc.CopyRect(e.windowRect.Offset(0, dy), *own, e.normalRect);
    }
    const bool effect = !active && f.autorenderinginactiveimage;
    gfx::Canvas c(window);
    const int top = borders.top.Height();
    DrawImage(c, 0, 0, borders.top, effect, f.inactiveeffect);
    DrawImage(c, 0, top, borders.left, effect, f.inactiveeffect);
    DrawImage(c, g.width - borders.right.Width(), top, borders.right, effect, f.inactiveeffect);
    DrawImage(c, 0, g.height - borders.bottom.Height(), borders.bottom, effect, f.inactiveeffect);
    // The caption text comes after the inactive effect, so it keeps its own colours.
    if (painter) {
        for (size_t i = 0; i < elements.size(); ++i)
            if (elements[i].isCaption && elements[i].visible) painter->PaintCaption(i, c);
        return window;
    }
    for (const FrameElementSlot& e : elements) {
        if (!e.isCaption || !e.record) continue;
        if (auto* rec = dynamic_cast<const TbsDataSkinCaption*>(e.record))
            DrawCaptionText(c, *rec, e, caption, active);
        break;
    }
    return window;
}

}  // namespace skin
