#include "FacesSheet.h"

#include "gfx/Canvas.h"
#include "gfx/Font.h"
#include "gfx/TextRenderer.h"
#include "skin/FrameBorders.h"
#include "skin/SkinTiling.h"
#include "skin/TbsEffectBmp.h"

namespace chromegen {

using namespace skin;

namespace {

constexpr TColor kSheet = base::RGB(212, 208, 200);

void Label(gfx::Bitmap& sheet, int x, int y, const std::string& text, TColor color = base::RGB(40, 40, 44)) {
    gfx::TextStyle style;
    style.color = color;
    gfx::DrawText(sheet, gfx::Font(gfx::FontSpec{"Arial", 13}), {x, y}, text, style);
}

gfx::Font RecordFont(const std::string& name, int height, const TFontStyles& s) {
    gfx::FontSpec fontSpec;
    fontSpec.name = name;
    fontSpec.height = height;
    fontSpec.bold = s.bold;
    fontSpec.italic = s.italic;
    return gfx::Font(fontSpec);
}

// One face of a framed control at the given size, tiled as its frame mode says.
gfx::Bitmap ControlFace(const gfx::Bitmap& picture, const TbsDataSkinCustomControl& r, const TRect& face,
                        int w, int h) {
    gfx::Bitmap image;
    const int sw = r.skinrect.Width(), sh = r.skinrect.Height();
    if (r.rightbottompoint.X != 0 && r.rightbottompoint.Y != 0) {
        TbsFrameGeometry src{r.lefttoppoint, r.righttoppoint, r.leftbottompoint, r.rightbottompoint, r.clientrect};
        const int dx = w - sw, dy = h - sh;
        TbsFrameGeometry dst{r.lefttoppoint, {r.righttoppoint.X + dx, r.righttoppoint.Y},
                             {r.leftbottompoint.X, r.leftbottompoint.Y + dy},
                             {r.rightbottompoint.X + dx, r.rightbottompoint.Y + dy},
                             {r.clientrect.Left, r.clientrect.Top, r.clientrect.Right + dx, r.clientrect.Bottom + dy}};
        TileFrameImage(image, picture, face, src, w, h, dst, true);
    } else if (r.righttoppoint.X != 0 || r.righttoppoint.Y != 0) {
        TileHorzImage(image, picture, face, r.lefttoppoint.X, sw - r.righttoppoint.X, w);
    } else if (r.leftbottompoint.X != 0 || r.leftbottompoint.Y != 0) {
        TileVertImage(image, picture, face, r.lefttoppoint.Y, sh - r.leftbottompoint.Y, h);
    } else {
        image = gfx::Bitmap(sw, sh);
        CopyUnscaled(image, 0, 0, picture, face);
    }
    return image;
}

struct Cursor {
    int x = 10, y = 10, rowHeight = 0;
};


void DrawWindow(gfx::Bitmap& sheet, const TbsSkinData& data, int x, int y, int w, int h, bool active) {
    const TbsFormInfo& f = data.FormInfo();
    const gfx::Bitmap& pic = data.Picture();
    const int dx = w - pic.Width(), dy = h - pic.Height();
    TbsFrameGeometry src{f.lefttoppoint, f.righttoppoint, f.leftbottompoint, f.rightbottompoint, f.clientrect};
    TbsFrameGeometry dst{f.lefttoppoint, {f.righttoppoint.X + dx, f.righttoppoint.Y},
                         {f.leftbottompoint.X, f.leftbottompoint.Y + dy},
                         {f.rightbottompoint.X + dx, f.rightbottompoint.Y + dy},
                         {f.clientrect.Left, f.clientrect.Top, f.clientrect.Right + dx, f.clientrect.Bottom + dy}};
    TbsFrameBorderImages b = BuildFrameBorders(pic, src, {f.leftstretch, f.rightstretch, f.topstretch, f.bottomstretch},
                                               w, h, dst);
    gfx::Bitmap window(w, h);
    window.Fill(kSheet);
    gfx::Copy(window, 0, 0, b.top);
    gfx::Copy(window, 0, f.clientrect.Top, b.left);
    gfx::Copy(window, w - (pic.Width() - f.clientrect.Right), f.clientrect.Top, b.right);
    gfx::Copy(window, 0, h - (pic.Height() - f.clientrect.Bottom), b.bottom);
    // Frame buttons right to left in the caption rectangle, the system menu at its left.
    const TRect caption{f.captionrect.Left, f.captionrect.Top, f.captionrect.Right + dx, f.captionrect.Bottom};
    int right = caption.Right;
    int textLeft = caption.Left;
    auto button = [&](const char* name, int state, int left, int top) {
        auto* r = dynamic_cast<const TbsDataSkinStdButton*>(data.ObjectRecord(data.FindObjectRecord(name)));
        if (!r) return 0;
        const gfx::Bitmap* hot = data.ActivePicture(r->activepictureindex);
        if (!hot) return 0;
        TRect s = state == 1 ? r->activeskinrect : state == 2 ? r->downrect : r->skinrect;
        CopyUnscaled(window, left < 0 ? right - s.Width() : left, top, *hot, s);
        return s.Width();
    };
    int n = 0;
    for (const char* name : {"closebutton", "minbutton", "rollupbutton"}) {
        int state = active ? (n == 0 ? 0 : n == 1 ? 1 : 2) : 0;  // show normal, hot and pressed
        right -= button(name, state, -1, caption.Top) + f.buttonsoffset;
        ++n;
    }
    auto* sys = dynamic_cast<const TbsDataSkinStdButton*>(data.ObjectRecord(data.FindObjectRecord("sysmenubutton")));
    if (sys) {
        int top = caption.Top + caption.Height() / 2 - sys->skinrect.Height() / 2;
        textLeft += button("sysmenubutton", 0, caption.Left, top);
    }
    auto* tray = dynamic_cast<const TbsDataSkinStdButton*>(data.ObjectRecord(data.FindObjectRecord("traybutton")));
    if (tray) button("traybutton", 0, tray->skinrect.Left, tray->skinrect.Top);
    if (active == false && f.autorenderinginactiveimage) {
        TbsEffectBmp effect(window);
        effect.ApplyInactiveEffect(f.inactiveeffect);
        gfx::Copy(window, 0, 0, effect.Pixels());
        gfx::Bitmap client(w - f.clientrect.Left - (pic.Width() - f.clientrect.Right),
                           h - f.clientrect.Top - (pic.Height() - f.clientrect.Bottom));
        client.Fill(kSheet);  // the client area is the form's, not the frame's
        gfx::Copy(window, f.clientrect.Left, f.clientrect.Top, client);
    }
    if (auto* cap = dynamic_cast<const TbsDataSkinCaption*>(data.ObjectRecord(data.FindObjectRecord("caption")))) {
        gfx::Font font = RecordFont(cap->fontname, cap->fontheight, cap->fontstyle);
        const TRect text{textLeft + cap->textrect.Left, caption.Top, right, caption.Bottom};
        const int ty = text.Top + text.Height() / 2 - font.Height() / 2;
        gfx::TextStyle style;
        gfx::TextClip clip;
        clip.rect = text;
        if (cap->shadow) {
            style.color = active ? cap->activeshadowcolor : cap->shadowcolor;
            gfx::DrawText(window, font, {text.Left + 1, ty + 1}, "Velmora", style, clip);
        }
        style.color = active ? cap->activefontcolor : cap->fontcolor;
        gfx::DrawText(window, font, {text.Left, ty}, "Velmora", style, clip);
    }
    // The mask's cut corners show the sheet behind the window.
    for (int yy = 0; yy < 4; ++yy)
        for (int xx = 0; xx < w; ++xx) {
            const int half = pic.Width() / 2;
            int mx = xx < half ? xx : xx >= w - half ? pic.Width() - (w - xx) : half;
            if (!data.Mask().IsEmpty() && !data.Mask().IsBlack(mx, yy)) window.SetPixel(xx, yy, kSheet);
        }
    gfx::Copy(sheet, x, y, window);
}

}  // namespace

gfx::Bitmap RenderFacesSheet(const TbsSkinData& data) {
    gfx::Bitmap sheet(900, 900);
    sheet.Fill(kSheet);
    Label(sheet, 10, 4, "Fenster (aktiv, inaktiv)");
    DrawWindow(sheet, data, 10, 22, 300, 120, true);
    DrawWindow(sheet, data, 330, 22, 300, 120, false);

    // Popup menu with a normal item, a highlighted one and a divider.
    const gfx::Bitmap* popup = data.ActivePicture(data.PopupWindowRecord().windowpictureindex);
    auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(data.ObjectRecord(data.FindObjectRecord("menuitem")));
    if (popup && item) {
        const auto& pw = data.PopupWindowRecord();
        TbsFrameGeometry src{pw.lefttoppoint, pw.righttoppoint, pw.leftbottompoint, pw.rightbottompoint, pw.itemsrect};
        const int w = 150, h = 4 + 3 * 20 + 5, dx = w - popup->Width(), dy = h - popup->Height();
        TbsFrameGeometry dst{pw.lefttoppoint, {pw.righttoppoint.X + dx, pw.righttoppoint.Y},
                             {pw.leftbottompoint.X, pw.leftbottompoint.Y + dy},
                             {pw.rightbottompoint.X + dx, pw.rightbottompoint.Y + dy},
                             {pw.itemsrect.Left, pw.itemsrect.Top, pw.itemsrect.Right + dx, pw.itemsrect.Bottom + dy}};
        gfx::Bitmap menu;
        TileFrameImage(menu, *popup, popup->Bounds(), src, w, h, dst, true);
        const gfx::Bitmap* items = data.ActivePicture(item->activepictureindex);
        gfx::Font font = RecordFont(item->fontname, item->fontheight, item->fontstyle);
        const char* captions[] = {"Diagramm-Typ", "Legende", "-", "Diagramm-Optionen"};
        int y = 2;
        for (int i = 0; i < 4 && items; ++i) {
            bool divider = captions[i][0] == '-';
            TRect s = divider ? item->dividerrect : i == 1 ? item->activeskinrect : item->skinrect;
            gfx::Bitmap row;
            TileHorzImage(row, *items, s, divider ? item->dividerleftoffset : item->itemleftoffset,
                          divider ? item->dividerrightoffset : item->itemrightoffset, w - 4);
            gfx::Copy(menu, 2, y, row);
            if (!divider) {
                gfx::TextStyle style;
                style.color = i == 1 ? item->activefontcolor : i == 3 ? item->unenabledfontcolor : item->fontcolor;
                gfx::DrawText(menu, font, {2 + item->textrect.Left + 19, y + 10 - font.Height() / 2}, captions[i], style);
            }
            y += s.Height();
        }
        Label(sheet, 650, 4, "Popup-Men\xC3\xBC");
        gfx::Copy(sheet, 650, 22, menu);
    }

    Cursor at{10, 160, 0};
    const std::pair<const char*, int> sizes[] = {{"button", 90}, {"resizebutton", 90}, {"menubutton", 90},
                                                 {"combobox", 120}, {"edit", 120}, {"checkbox", 120},
                                                 {"radiobox", 120}, {"hscrollbar", 120}, {"vscrollbar", 30},
                                                 {"panel", 90}, {"groupbox", 120}, {"toolpanel", 90},
                                                 {"statusbar", 120}, {"bigtoolpanel", 90}, {"expanel", 120},
                                                 {"scrollbox", 60}, {"listbox", 120}, {"gauge", 120},
                                                 {"trackbar", 120}, {"tab", 120}, {"controlbar", 90}};
    for (auto [name, width] : sizes) {
        auto* r = dynamic_cast<const TbsDataSkinCustomControl*>(data.ControlRecord(data.FindControlRecord(name)));
        const gfx::Bitmap* pic = r ? data.ActivePicture(r->pictureindex) : nullptr;
        if (!r || !pic) continue;
        // The states each kind has, empty ones left out.
        std::vector<std::pair<std::string, TRect>> faces{{"normal", r->skinrect}};
        if (auto* b = dynamic_cast<const TbsDataSkinButtonControl*>(r)) {
            faces.push_back({"active", b->activeskinrect});
            faces.push_back({"down", b->downskinrect});
            faces.push_back({"disabled", b->disabledskinrect.IsEmpty() ? b->skinrect : b->disabledskinrect});
        }
        if (auto* e = dynamic_cast<const TbsDataSkinEditControl*>(r)) faces.push_back({"active", e->activeskinrect});
        const bool vertical = r->leftbottompoint.Y != 0 && r->rightbottompoint.Y == 0 && r->righttoppoint.X == 0;
        const bool corners = r->rightbottompoint.X != 0 && r->rightbottompoint.Y != 0;
        const int w = vertical ? r->skinrect.Width() : width;
        const int h = vertical ? 90 : corners ? std::max(r->skinrect.Height(), 48) : r->skinrect.Height();
        const int columnWidth = std::max(int(faces.size()) * (w + 8) + 10, int(std::string(name).size()) * 7 + 12);
        if (at.x + columnWidth > sheet.Width()) {
            at.x = 10;
            at.y += at.rowHeight + 24;
            at.rowHeight = 0;
        }
        Label(sheet, at.x, at.y, name);
        int x = at.x;
        for (size_t i = 0; i < faces.size(); ++i) {
            if (faces[i].second.IsEmpty()) continue;
            gfx::Bitmap face = ControlFace(*pic, *r, faces[i].second, w, h);
            if (auto* b = dynamic_cast<const TbsDataSkinButtonControl*>(r)) {
                gfx::Font font = RecordFont(b->font.fontname, b->font.fontheight, b->font.fontstyle);
                TColor colors[] = {b->font.fontcolor, b->activefontcolor, b->downfontcolor, b->disabledfontcolor};
                gfx::TextStyle style;
                style.color = colors[i];
                const char* text = "Schliessen";
                int tx = (w - font.TextWidth(text)) / 2 + (i == 2 ? 1 : 0);
                gfx::DrawText(face, font, {tx, (face.Height() - font.Height()) / 2 + (i == 2 ? 1 : 0)}, text, style);
            }
            if (auto* g = dynamic_cast<const TbsDataSkinPanelControl*>(r); g && !g->captionrect.IsEmpty()) {
                gfx::Font font = RecordFont(g->font.fontname, g->font.fontheight, g->font.fontstyle);
                gfx::TextStyle style;
                style.color = g->font.fontcolor;
                TRect cap{g->captionrect.Left, g->captionrect.Top, w - (r->skinrect.Width() - g->captionrect.Right),
                          g->captionrect.Bottom};
                gfx::DrawText(face, font, {cap.Left + (cap.Width() - font.TextWidth("Schrift:")) / 2,
                                           cap.Top + (cap.Height() - font.Height()) / 2}, "Schrift:", style);
            }
            gfx::Copy(sheet, x, at.y + 16, face);
            x += w + 8;
            at.rowHeight = std::max(at.rowHeight, face.Height());
        }
        // Check and radio pictures beside their box.
        if (auto* c = dynamic_cast<const TbsDataSkinCheckRadioControl*>(r)) {
            for (TRect s : {c->checkimagerect, c->uncheckimagerect, c->activecheckimagerect, c->activeuncheckimagerect,
                            c->unenabledcheckimagerect, c->unenableduncheckimagerect}) {
                gfx::Bitmap cell(s.Width(), s.Height());
                CopyUnscaled(cell, 0, 0, *pic, s);
                gfx::CopyTransparent(sheet, x, at.y + 19, cell, cell.Bounds(), cell.Pixel(0, cell.Height() - 1));
                x += s.Width() + 4;
            }
        }
        at.x = std::max(x, at.x + columnWidth) + 6;
    }
    at.y += at.rowHeight + 30;
    sheet.SetSize(sheet.Width(), std::min(sheet.Height(), at.y));
    return sheet;
}

}  // namespace chromegen
