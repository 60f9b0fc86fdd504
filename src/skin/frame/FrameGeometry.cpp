#include "skin/frame/FrameGeometry.h"

#include <algorithm>
#include <cstdlib>

#include "skin/TbsSkinData.h"
#include "wm/Messages.h"

namespace skin {

FrameGeometry ComputeFrameGeometry(const TbsSkinData& skin, int width, int height) {
    const TbsFormInfo& f = skin.FormInfo();
    const int pw = skin.Picture().Width();
    const int dx = width - pw;
    const int dy = height - skin.Picture().Height();
    FrameGeometry g;
    g.width = width;
    g.height = height;
    g.lt = f.lefttoppoint;
    g.rt = f.righttoppoint + TPoint{dx, 0};
    g.lb = f.leftbottompoint + TPoint{0, dy};
    g.rb = f.rightbottompoint + TPoint{dx, dy};
    g.client = f.clientrect;
    g.client.Right += dx;
    g.client.Bottom += dy;
    g.caption = f.captionrect;
    if (!g.caption.IsEmpty()) g.caption.Right += dx;
    g.buttons = f.buttonsrect;
    if (!g.buttons.IsEmpty()) {
        // Buttons right of the picture's middle move with the right edge; a rectangle
        // left of it puts the buttons on the left.
        if (g.buttons.Left > pw / 2) g.buttons = g.buttons.Offset(dx, 0);
        else g.buttonsOnLeft = true;
    }
    g.hitLT = f.hittestlefttoppoint;
    g.hitRT = f.hittestrighttoppoint + TPoint{dx, 0};
    g.hitLB = f.hittestleftbottompoint + TPoint{0, dy};
    g.hitRB = f.hittestrightbottompoint + TPoint{dx, dy};
    g.maskArea = f.maskrectarea;
    g.maskArea.Right += dx;
    g.maskArea.Bottom += dy;
    return g;
}

int MinFrameWidth(const TbsSkinData& skin, int minWidth, bool minimized) {
    const int w = skin.Picture().Width();
    return !minimized && minWidth > w ? minWidth : w;
}

int MinFrameHeight(const TbsSkinData& skin, int minHeight, bool rolledUpOrMinimized) {
    const int frame = skin.Picture().Height() - skin.FormInfo().clientrect.Height();
    return frame >= minHeight || rolledUpOrMinimized ? frame : minHeight;
}

TRect SnapToWorkArea(const TRect& r, const TRect& area, int m) {
    int left = r.Left, top = r.Top;
    const int w = r.Width(), h = r.Height();
    if (std::abs(left - area.Left) < m) left = area.Left;
    if (std::abs(top - area.Top) < m) top = area.Top;
    if (std::abs(left + w - area.Right) < m) left = area.Right - w;
    if (std::abs(top + h - area.Bottom) < m) top = area.Bottom - h;
    return TRect::FromSize(left, top, w, h);
}

int FrameHitTest(const FrameGeometry& g, const FrameHitQuery& q) {
    const TPoint p = q.point;
    const bool onCaption = std::any_of(q.captions.begin(), q.captions.end(),
                                       [p](const TRect& r) { return r.Contains(p); });
    if (q.rolledUpOrMinimized) return onCaption ? wm::HTCAPTION : wm::HTOBJECT;
    if (q.elementHovered && !onCaption && !g.client.Contains(p)) return wm::HTOBJECT;
    if (q.sizeable) {
        const TRect window{0, 0, g.width, g.height};
        const int b = q.borderWidth;
        const TPoint probes[] = {{p.X - b, p.Y}, {p.X, p.Y - b}, {p.X + b, p.Y}, {p.X, p.Y + b}};
        bool nearEdge = false;
        if (q.hasMask && q.opaque) {
            if (!g.maskArea.Contains(p))
                for (TPoint probe : probes)
                    if (!g.maskArea.Contains(probe) && !q.opaque(probe)) nearEdge = true;
        } else {
            for (TPoint probe : probes)
                if (!window.Contains(probe)) nearEdge = true;
        }
        if (nearEdge) {
            if (p.X <= g.hitLT.X && p.Y <= g.hitLT.Y) return wm::HTTOPLEFT;
            if (p.X >= g.hitRT.X && p.Y <= g.hitRT.Y) return wm::HTTOPRIGHT;
            if (p.X <= g.hitLB.X && p.Y >= g.hitLB.Y) return wm::HTBOTTOMLEFT;
            if (p.X >= g.hitRB.X && p.Y >= g.hitRB.Y) return wm::HTBOTTOMRIGHT;
            if (TRect{g.hitLT.X, 0, g.hitRT.X, g.client.Top}.Contains(p)) return wm::HTTOP;
            if (TRect{g.hitLB.X, g.client.Bottom, g.hitRB.X, g.height}.Contains(p)) return wm::HTBOTTOM;
            if (TRect{0, g.hitLT.Y, g.client.Left, g.hitLB.Y}.Contains(p)) return wm::HTLEFT;
            if (TRect{g.client.Right, g.hitRT.Y, g.width, g.hitRB.Y}.Contains(p)) return wm::HTRIGHT;
        }
    }
    if (g.client.Contains(p)) return wm::HTCLIENT;
    if (onCaption) return wm::HTCAPTION;
    return wm::HTOBJECT;
}

}  // namespace skin
