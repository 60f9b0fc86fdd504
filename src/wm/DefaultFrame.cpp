#include "wm/DefaultFrame.h"

#include "base/Color.h"
#include "wm/Messages.h"

namespace wm {

int DefaultFrame::CaptionHeight(WindowStyle style) {
    if (!(style & WS_CAPTION)) return 0;
    return (style & WS_EX_TOOLWINDOW) ? kToolCaptionHeight : kCaptionHeight;
}

TRect DefaultFrame::ClientRect(WindowStyle style, const TRect& window) {
    TRect c = window;
    if (style & WS_CAPTION) {
        c = {window.Left + kBorder, window.Top + kBorder + CaptionHeight(style),
             window.Right - kBorder, window.Bottom - kBorder};
    } else if (style & WS_BORDER) {
        c = window.Inflate(-1, -1);
    }
    if (c.Right < c.Left) c.Right = c.Left;
    if (c.Bottom < c.Top) c.Bottom = c.Top;
    return c;
}

TRect DefaultFrame::CaptionRect(WindowStyle style, int width) {
    if (!(style & WS_CAPTION)) return {};
    return {kBorder, kBorder, width - kBorder, kBorder + CaptionHeight(style)};
}

TRect DefaultFrame::CloseButtonRect(WindowStyle style, int width) {
    TRect cap = CaptionRect(style, width);
    if (cap.IsEmpty()) return {};
    int size = cap.Height() - 4;
    return {cap.Right - 2 - size, cap.Top + 2, cap.Right - 2, cap.Top + 2 + size};
}

int DefaultFrame::HitTest(WindowStyle style, const TRect& clientInWindow, int width, int height,
                          TPoint p) {
    if (!TRect(0, 0, width, height).Contains(p)) return HTNOWHERE;
    if (clientInWindow.Contains(p)) return HTCLIENT;
    if (style & WS_CAPTION) {
        if (style & WS_SIZEBOX) {
            bool left = p.X < kSizeGrip, right = p.X >= width - kSizeGrip;
            bool top = p.Y < kSizeGrip, bottom = p.Y >= height - kSizeGrip;
            if (top && left) return HTTOPLEFT;
            if (top && right) return HTTOPRIGHT;
            if (bottom && left) return HTBOTTOMLEFT;
            if (bottom && right) return HTBOTTOMRIGHT;
            if (left) return HTLEFT;
            if (right) return HTRIGHT;
            if (top) return HTTOP;
            if (bottom) return HTBOTTOM;
        }
        if (CloseButtonRect(style, width).Contains(p)) return HTCLOSE;
        if (CaptionRect(style, width).Contains(p)) return HTCAPTION;
    }
    return HTBORDER;
}

void DefaultFrame::PaintRaisedBorder(gfx::Canvas& c, int width, int height) {
    c.Save();
    c.Brush().style = gfx::BrushStyle::Solid;
    const TRect r{0, 0, width, height};
    c.Brush().color = clBtnFace;
    c.FrameRect(r.Inflate(-1, -1));
    c.FrameRect(r.Inflate(-2, -2));
    c.Brush().color = cl3DDkShadow;
    c.FillRect({0, height - 1, width, height});
    c.FillRect({width - 1, 0, width, height});
    c.Brush().color = clBtnHighlight;
    c.FillRect({0, 0, width - 1, 1});
    c.FillRect({0, 0, 1, height - 1});
    c.Restore();
}

void DefaultFrame::Paint(gfx::Canvas& c, WindowStyle style, int width, int height,
                         const std::string& title, bool active) {
    c.Save();
    c.Brush().style = gfx::BrushStyle::Solid;
    if (!(style & WS_CAPTION)) {
        if (style & WS_BORDER) {
            c.Brush().color = clWindowFrame;
            c.FrameRect({0, 0, width, height});
        }
        c.Restore();
        return;
    }
    PaintRaisedBorder(c, width, height);

    TRect cap = CaptionRect(style, width);
    c.Brush().color = active ? clActiveCaption : clInactiveCaption;
    c.FillRect(cap);
    gfx::FontSpec font;
    font.name = "Tahoma";
    font.height = -11;
    font.bold = true;
    c.SetFont(font);
    c.SetFontColor(active ? clCaptionText : clInactiveCaptionText);
    c.Brush().style = gfx::BrushStyle::Clear;
    TRect close = CloseButtonRect(style, width);
    gfx::TextBoxFlags flags;
    flags.endEllipsis = true;
    flags.verticalCenter = true;
    c.TextRect({cap.Left + 4, cap.Top, close.Left - 2, cap.Bottom}, title, flags);

    // Close button: a raised face with a cross.
    c.Brush().style = gfx::BrushStyle::Solid;
    c.Brush().color = clBtnFace;
    c.FillRect(close);
    c.Brush().color = clBtnHighlight;
    c.FillRect({close.Left, close.Top, close.Right - 1, close.Top + 1});
    c.FillRect({close.Left, close.Top, close.Left + 1, close.Bottom - 1});
    c.Brush().color = cl3DDkShadow;
    c.FillRect({close.Left, close.Bottom - 1, close.Right, close.Bottom});
    c.FillRect({close.Right - 1, close.Top, close.Right, close.Bottom});
    c.Pen().color = clBtnText;
    int inset = 4;
    for (int d = 0; d < 2; ++d) {
        c.MoveTo(close.Left + inset + d, close.Top + inset);
        c.LineTo(close.Right - inset + d, close.Bottom - inset);
        c.MoveTo(close.Right - inset - 1 + d, close.Top + inset);
        c.LineTo(close.Left + inset - 1 + d, close.Bottom - inset);
    }
    c.Restore();
}

}  // namespace wm
