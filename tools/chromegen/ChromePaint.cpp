#include "ChromePaint.h"

#include <algorithm>
#include <set>

#include "base/Rounding.h"
#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"
#include "gfx/ImageFile.h"

namespace chromegen {

TColor Mix(TColor a, TColor b, double t) {
    auto ch = [&](int x, int y) { return std::clamp(base::rnd(x + (y - x) * t), 0, 255); };
    return base::RGB(ch(base::GetRValue(a), base::GetRValue(b)), ch(base::GetGValue(a), base::GetGValue(b)),
                     ch(base::GetBValue(a), base::GetBValue(b)));
}

void Fill(gfx::Bitmap& b, const TRect& r, TColor c) {
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) b.SetPixel(x, y, c);
}

void VGradient(gfx::Bitmap& b, const TRect& r, TColor top, TColor bottom) {
    const int h = std::max(1, r.Height() - 1);
    for (int y = r.Top; y < r.Bottom; ++y) Fill(b, {r.Left, y, r.Right, y + 1}, Mix(top, bottom, double(y - r.Top) / h));
}

void HGradient(gfx::Bitmap& b, const TRect& r, TColor left, TColor right) {
    const int w = std::max(1, r.Width() - 1);
    for (int x = r.Left; x < r.Right; ++x) Fill(b, {x, r.Top, x + 1, r.Bottom}, Mix(left, right, double(x - r.Left) / w));
}

void Frame(gfx::Bitmap& b, const TRect& r, TColor c) {
    Fill(b, {r.Left, r.Top, r.Right, r.Top + 1}, c);
    Fill(b, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, c);
    Fill(b, {r.Left, r.Top, r.Left + 1, r.Bottom}, c);
    Fill(b, {r.Right - 1, r.Top, r.Right, r.Bottom}, c);
}

void Bevel(gfx::Bitmap& b, const TRect& r, TColor highlight, TColor shadow) {
    Fill(b, {r.Left, r.Top, r.Right, r.Top + 1}, highlight);
    Fill(b, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, shadow);
}

void RoundCorners(gfx::Bitmap& b, const TRect& r, TColor outside) {
    const TPoint corners[] = {{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}};
    for (TPoint p : corners) b.SetPixel(p.X, p.Y, outside);
    // The outline pixels next to a cut corner become half-tones for a smoother curve.
    for (TPoint p : corners) {
        int dx = p.X == r.Left ? 1 : -1, dy = p.Y == r.Top ? 1 : -1;
        b.SetPixel(p.X + dx, p.Y, Mix(b.Pixel(p.X + dx, p.Y), outside, 0.35));
        b.SetPixel(p.X, p.Y + dy, Mix(b.Pixel(p.X, p.Y + dy), outside, 0.35));
    }
}

void SilverFace(gfx::Bitmap& b, const TRect& r, FaceState state, bool rounded, TColor outside) {
    TColor top = tone::SilverTop, bottom = tone::SilverBottom, outline = tone::Outline;
    TColor hi = tone::Light, lo = Mix(tone::SilverBottom, tone::Shadow, 0.5);
    switch (state) {
    case FaceState::Normal: break;
    case FaceState::Hot:
        top = base::RGB(250, 250, 250);
        bottom = base::RGB(216, 218, 222);
        outline = Mix(tone::Outline, tone::Accent, 0.45);
        break;
    case FaceState::Down:
        top = base::RGB(176, 178, 182);
        bottom = base::RGB(206, 206, 208);
        hi = base::RGB(160, 162, 166);
        lo = base::RGB(214, 214, 216);
        break;
    case FaceState::Disabled:
        top = bottom = base::RGB(222, 220, 216);
        outline = base::RGB(160, 160, 160);
        hi = lo = top;
        break;
    }
    VGradient(b, r.Inflate(-1, -1), top, bottom);
    Bevel(b, r.Inflate(-1, -1), hi, lo);
    Frame(b, r, outline);
    if (rounded) RoundCorners(b, r, outside);
}

void BandButton(gfx::Bitmap& b, const TRect& r, FaceState state, TColor outside) {
    TColor top = base::RGB(104, 108, 116), bottom = base::RGB(66, 70, 78);
    TColor edge = base::RGB(38, 40, 44), hi = base::RGB(138, 142, 150);
    if (state == FaceState::Hot) {
        top = base::RGB(150, 156, 166);
        bottom = base::RGB(96, 102, 112);
        hi = base::RGB(186, 190, 198);
    } else if (state == FaceState::Down) {
        top = base::RGB(46, 48, 54);
        bottom = base::RGB(70, 74, 82);
        hi = base::RGB(40, 42, 46);
    }
    VGradient(b, r.Inflate(-1, -1), top, bottom);
    Fill(b, {r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 2}, hi);
    Frame(b, r, edge);
    RoundCorners(b, r, outside);
}

namespace {

void Pixel(gfx::Bitmap& b, int x, int y, TColor c) { b.SetPixel(x, y, c); }

void HLine(gfx::Bitmap& b, int x0, int x1, int y, TColor c) { Fill(b, {x0, y, x1, y + 1}, c); }
void VLine(gfx::Bitmap& b, int x, int y0, int y1, TColor c) { Fill(b, {x, y0, x + 1, y1}, c); }

}  // namespace

void DrawGlyph(gfx::Bitmap& b, const TRect& r, Glyph g, TColor c, bool pressed) {
    const int cx = r.Left + r.Width() / 2 + (pressed ? 1 : 0);
    const int cy = r.Top + r.Height() / 2 + (pressed ? 1 : 0);
    switch (g) {
    case Glyph::Close:  // an 8 x 8 cross, two pixels thick
        for (int i = 0; i < 8; ++i) {
            Pixel(b, cx - 4 + i, cy - 4 + i, c);
            Pixel(b, cx - 3 + i, cy - 4 + i, c);
            Pixel(b, cx + 3 - i, cy - 4 + i, c);
            Pixel(b, cx + 2 - i, cy - 4 + i, c);
        }
        break;
    case Glyph::Minimize: Fill(b, {cx - 4, cy + 2, cx + 4, cy + 4}, c); break;
    case Glyph::Maximize:
        Frame(b, {cx - 4, cy - 4, cx + 4, cy + 4}, c);
        HLine(b, cx - 4, cx + 4, cy - 3, c);
        break;
    case Glyph::Restore:
        Frame(b, {cx - 2, cy - 5, cx + 5, cy + 1}, c);
        HLine(b, cx - 2, cx + 5, cy - 4, c);
        Fill(b, {cx - 5, cy - 2, cx + 2, cy + 4}, Mix(c, tone::BandMid, 1.0));
        Frame(b, {cx - 5, cy - 2, cx + 2, cy + 4}, c);
        HLine(b, cx - 5, cx + 2, cy - 1, c);
        break;
    case Glyph::RollUp:
    case Glyph::ArrowUp:
        for (int i = 0; i < 4; ++i) HLine(b, cx - i, cx + i + 1, cy - 2 + i, c);
        break;
    case Glyph::RollDown:
    case Glyph::ArrowDown:
        for (int i = 0; i < 4; ++i) HLine(b, cx - i, cx + i + 1, cy + 1 - i, c);
        break;
    case Glyph::ArrowLeft:
        for (int i = 0; i < 4; ++i) VLine(b, cx - 2 + i, cy - i, cy + i + 1, c);
        break;
    case Glyph::ArrowRight:
        for (int i = 0; i < 4; ++i) VLine(b, cx + 1 - i, cy - i, cy + i + 1, c);
        break;
    case Glyph::SysMenu:  // a small window: title bar and body
        Frame(b, {cx - 5, cy - 4, cx + 5, cy + 4}, c);
        Fill(b, {cx - 5, cy - 4, cx + 5, cy - 2}, c);
        break;
    case Glyph::Tray:  // a bar with a dot above: "to the tray"
        Fill(b, {cx - 3, cy + 1, cx + 3, cy + 3}, c);
        Fill(b, {cx - 1, cy - 3, cx + 1, cy - 1}, c);
        break;
    case Glyph::Grip:
        for (int i = -2; i <= 2; i += 2) VLine(b, cx + i, cy - 3, cy + 3, c);
        break;
    case Glyph::GripV:
        for (int i = -2; i <= 2; i += 2) HLine(b, cx - 3, cx + 3, cy + i, c);
        break;
    }
}

void CheckGlyph(gfx::Bitmap& b, int x, int y, TColor c) {
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k <= 2; ++k) Pixel(b, x + k, y + 5 - i + k, c);
        for (int k = 0; k < 5; ++k) Pixel(b, x + 2 + k, y + 7 - i - k, c);
    }
}

void SaveBmp(const gfx::Bitmap& b, const std::string& path, int bits) {
    if (bits == 1) {
        gfx::Bitmap mono = b;
        mono.SetFormat(gfx::PixelFormat::Mono1);
        gfx::WriteImageFile(path, gfx::WriteBmp(mono, 1));
        return;
    }
    // Fewer colours by snapping channels to coarser steps until 256 are enough.
    for (int step : {1, 2, 3, 4, 6, 8, 12, 16}) {
        gfx::Bitmap q = b;
        if (step > 1)
            for (int y = 0; y < q.Height(); ++y)
                for (int x = 0; x < q.Width(); ++x) {
                    TColor c = q.Pixel(x, y);
                    auto s = [&](int v) { return std::min(255, base::rnd(double(v) / step) * step); };
                    q.SetPixel(x, y, base::RGB(s(base::GetRValue(c)), s(base::GetGValue(c)), s(base::GetBValue(c))));
                }
        try {
            gfx::WriteImageFile(path, gfx::WriteBmp(q, 8));
            return;
        } catch (const gfx::ImageError&) {
        }
    }
    gfx::WriteImageFile(path, gfx::WriteBmp(b, 24));
}

}  // namespace chromegen
