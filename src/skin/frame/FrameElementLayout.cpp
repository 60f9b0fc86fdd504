#include "skin/frame/FrameElementLayout.h"

#include "skin/TbsSkinData.h"

namespace skin {

namespace {

// Which corner area of the frame picture a point lies in: 0 TL, 1 TR, 2 BL, 3 BR, -1 none.
int CornerArea(TPoint p, const TbsFormInfo& f, int pw, int ph) {
    const TRect areas[] = {
        {0, 0, f.lefttoppoint.X, f.lefttoppoint.Y},
        {f.righttoppoint.X, 0, pw, f.righttoppoint.Y},
        {0, f.leftbottompoint.Y, f.leftbottompoint.X, ph},
        {f.rightbottompoint.X, f.rightbottompoint.Y, pw, ph},
    };
    for (int i = 0; i < 4; ++i)
        if (areas[i].Contains(p)) return i;
    return -1;
}

// The bottom-right point counts as inside an area up to and including its edge.
int CornerAreaOfBottomRight(const TRect& r, const TbsFormInfo& f, int pw, int ph) {
    return CornerArea({r.Right - 1, r.Bottom - 1}, f, pw, ph);
}

TRect MapFromPicture(const TRect& r, const TbsFormInfo& f, int pw, int ph, int dx, int dy) {
    const int a = CornerArea({r.Left, r.Top}, f, pw, ph);
    const int b = CornerAreaOfBottomRight(r, f, pw, ph);
    if (a == b) {
        switch (a) {
            case 0: return r;
            case 1: return r.Offset(dx, 0);
            case 2: return r.Offset(0, dy);
            case 3: return r.Offset(dx, dy);
            default: return r;
        }
    }
    TRect m = r;
    if (a == 0 && b == 3) { m.Right += dx; m.Bottom += dy; }
    else if (a == 0 && b == 1) { m.Right += dx; }
    else if (a == 2 && b == 3) { m = m.Offset(0, dy); m.Right += dx; }
    else if (a == 0 && b == 2) { m.Bottom += dy; }
    else if (a == 1 && b == 3) { m = m.Offset(dx, 0); m.Bottom += dy; }
    return m;
}

FrameElementSlot* FirstRowButton(std::vector<FrameElementSlot>& elements, TbsStdCommand command) {
    for (auto& e : elements)
        if (e.isStdButton && e.inPicture && e.visible && e.command == command) return &e;
    return nullptr;
}

FrameElementSlot* FirstCaption(std::vector<FrameElementSlot>& elements) {
    for (auto& e : elements)
        if (e.isCaption) return &e;
    return nullptr;
}

}  // namespace

void ApplyBorderIcons(std::vector<FrameElementSlot>& elements, const FrameBorderIcons& icons) {
    for (auto& e : elements) {
        if (!e.isStdButton) continue;
        bool allowed = true;
        switch (e.command) {
            case cmRollUp: allowed = icons.rollUp; break;
            case cmMaximize: allowed = icons.maximize; break;
            case cmMinimize: allowed = icons.minimize; break;
            case cmSysMenu: allowed = icons.systemMenu; break;
            case cmClose:
            case cmDefault: break;
        }
        e.enabled = allowed;
        e.visible = allowed || !e.inPicture;
    }
}

void LayoutFrameElements(std::vector<FrameElementSlot>& elements, const TbsSkinData& skin,
                         const FrameGeometry& g) {
    const TbsFormInfo& f = skin.FormInfo();
    const int pw = skin.Picture().Width();
    const int ph = skin.Picture().Height();
    const int dx = g.width - pw;
    const int dy = g.height - ph;
    for (auto& e : elements) {
        if (e.windowRect.IsEmpty()) e.windowRect = e.normalRect;
        if (!e.inPicture) e.windowRect = MapFromPicture(e.normalRect, f, pw, ph, dx, dy);
    }
    const TRect row = !g.buttons.IsEmpty() ? g.buttons : g.caption;
    if (row.IsEmpty()) return;
    FrameElementSlot* caption = FirstCaption(elements);
    const int offset = f.buttonsoffset;
    const bool left = f.buttonsinleft;
    int x = left ? row.Left : row.Right;
    for (TbsStdCommand command : {cmClose, cmMaximize, cmMinimize, cmRollUp}) {
        FrameElementSlot* b = FirstRowButton(elements, command);
        if (!b) continue;
        const int w = b->normalRect.Width();
        const int h = b->normalRect.Height();
        if (left) {
            b->windowRect = TRect::FromSize(x, row.Top, w, h);
            x += w + offset;
        } else {
            b->windowRect = {x - w, row.Top, x, row.Top + h};
            x -= w + offset;
        }
    }
    FrameElementSlot* sys = FirstRowButton(elements, cmSysMenu);
    if (!left) {
        if (g.buttons.IsEmpty() && caption) caption->windowRect.Right = x + offset;
        if (sys && !g.caption.IsEmpty()) {
            const int w = sys->normalRect.Width();
            const int h = sys->normalRect.Height();
            const int top = g.caption.Top + g.caption.Height() / 2 - h / 2;
            sys->windowRect = TRect::FromSize(g.caption.Left, top, w, h);
            if (caption) caption->windowRect.Left = sys->windowRect.Right;
        }
    } else if (g.buttons.IsEmpty()) {
        if (sys) {
            sys->windowRect = TRect::FromSize(x, row.Top, sys->normalRect.Width(),
                                              sys->normalRect.Height());
            x += sys->normalRect.Width() + offset;
        }
        if (caption) caption->windowRect.Left = x + offset;
    }
}

}  // namespace skin
