// The window frame, its mask, the frame buttons and the popup window.

#include "ChromeLayout.h"
#include "ChromePaint.h"
#include "ChromePictures.h"

namespace chromegen {

using namespace layout;

namespace {

// The dark glossy caption band: a brighter upper half over a deeper lower half.
void CaptionBand(gfx::Bitmap& b, int width, int height) {
    const int half = height / 2;
    VGradient(b, {0, 0, width, half}, tone::BandTop, Mix(tone::BandTop, tone::BandMid, 0.7));
    VGradient(b, {0, half, width, height}, tone::BandMid, tone::BandBottom);
    Fill(b, {1, 1, width - 1, 2}, Mix(tone::BandTop, tone::Light, 0.45));  // top highlight
}

// Brushed silver border strip, light towards the outside edge.
void BorderStrip(gfx::Bitmap& b, const TRect& r, bool vertical) {
    const TColor shades[] = {tone::Outline, base::RGB(236, 236, 238), base::RGB(222, 222, 224),
                             base::RGB(206, 206, 210), tone::Shadow};
    const int n = vertical ? r.Width() : r.Height();
    for (int i = 0; i < n; ++i) {
        TColor c = shades[std::min(i, 4)];
        if (vertical) Fill(b, {r.Left + i, r.Top, r.Left + i + 1, r.Bottom}, c);
        else Fill(b, {r.Left, r.Top + i, r.Right, r.Top + i + 1}, c);
    }
}

}  // namespace

gfx::Bitmap DrawFramePicture() {
    gfx::Bitmap b(kFrameW, kFrameH);
    Fill(b, b.Bounds(), tone::Face);
    CaptionBand(b, kFrameW, kClient.Top);
    // Borders: left, right (mirrored) and bottom.
    BorderStrip(b, {0, kClient.Top, kClient.Left, kFrameH}, true);
    for (int i = 0; i < kFrameW - kClient.Right; ++i) {
        for (int y = kClient.Top; y < kFrameH; ++y) b.SetPixel(kFrameW - 1 - i, y, b.Pixel(i, y));
    }
    gfx::Bitmap bottom(kFrameW, kFrameH - kClient.Bottom);
    BorderStrip(bottom, bottom.Bounds(), false);
    for (int i = 0; i < bottom.Height(); ++i)
        for (int x = kClient.Left - 1; x <= kClient.Right; ++x)
            b.SetPixel(x, kFrameH - 1 - i, bottom.Pixel(0, i));
    // The corners of the bottom band keep the vertical strips' outer outline.
    Fill(b, {0, kClient.Top, 1, kFrameH}, tone::Outline);
    Fill(b, {kFrameW - 1, kClient.Top, kFrameW, kFrameH}, tone::Outline);
    Fill(b, {0, kFrameH - 1, kFrameW, kFrameH}, tone::Outline);
    // The band's outline and the dark seam above the client area.
    Fill(b, {0, 0, kFrameW, 1}, tone::Outline);
    Fill(b, {0, 0, 1, kClient.Top}, tone::Outline);
    Fill(b, {kFrameW - 1, 0, kFrameW, kClient.Top}, tone::Outline);
    Fill(b, {1, kClient.Top - 1, kFrameW - 1, kClient.Top}, base::RGB(36, 38, 42));
    // Rounded top corners (radius 4): the mask cuts the outside, the outline follows the arc.
    const int arc[] = {4, 2, 1, 1};  // pixels cut per row from the top
    for (int y = 0; y < 4; ++y) {
        b.SetPixel(arc[y], y, tone::Outline);
        b.SetPixel(kFrameW - 1 - arc[y], y, tone::Outline);
        if (y > 0 && arc[y - 1] > arc[y] + 1) {
            for (int x = arc[y] + 1; x < arc[y - 1]; ++x) {
                b.SetPixel(x, y, tone::Outline);
                b.SetPixel(kFrameW - 1 - x, y, tone::Outline);
            }
        }
    }
    return b;
}

gfx::Bitmap DrawFrameMask() {
    gfx::Bitmap m(kFrameW, kFrameH);
    Fill(m, m.Bounds(), clBlack);
    const int arc[] = {4, 2, 1, 1};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < arc[y]; ++x) {
            m.SetPixel(x, y, clWhite);
            m.SetPixel(kFrameW - 1 - x, y, clWhite);
        }
    return m;
}

namespace {

// A picture whose background is the caption band, so frame buttons sit on it seamlessly.
gfx::Bitmap BandBackground(int w, int h) {
    gfx::Bitmap b(w, h);
    for (int y0 = 0; y0 < h; y0 += 20) {
        gfx::Bitmap band(w, 24);
        CaptionBand(band, w, 24);
        for (int y = 0; y < 20 && y0 + y < h; ++y)
            for (int x = 0; x < w; ++x) b.SetPixel(x, y0 + y, band.Pixel(x, y + 4));
    }
    return b;
}

void ButtonRow(gfx::Bitmap& b, int row, Glyph normal, Glyph restore) {
    const FaceState states[] = {FaceState::Normal, FaceState::Hot, FaceState::Down};
    for (int s = 0; s < 6; ++s) {
        TRect r = Button(s, row);
        TColor outside = b.Pixel(r.Left - 1, r.Top);
        BandButton(b, r, states[s % 3], outside);
        TColor glyph = s % 3 == 1 ? tone::Field : base::RGB(226, 228, 232);
        DrawGlyph(b, r, s < 3 ? normal : restore, glyph, s % 3 == 2);
    }
}

}  // namespace

gfx::Bitmap DrawFrameButtons() {
    gfx::Bitmap b = BandBackground(120, 110);
    ButtonRow(b, kRowClose, Glyph::Close, Glyph::Close);
    ButtonRow(b, kRowMin, Glyph::Minimize, Glyph::Restore);
    ButtonRow(b, kRowRollUp, Glyph::RollUp, Glyph::RollDown);
    ButtonRow(b, kRowSysMenu, Glyph::SysMenu, Glyph::SysMenu);
    const FaceState states[] = {FaceState::Normal, FaceState::Hot, FaceState::Down};
    for (int s = 0; s < 3; ++s) {
        TRect r = TrayState(s);
        BandButton(b, r, states[s], b.Pixel(r.Left - 1, r.Top));
        DrawGlyph(b, r, Glyph::Tray, s == 1 ? tone::Field : base::RGB(226, 228, 232), s == 2);
    }
    return b;
}

gfx::Bitmap DrawMaxButton() {
    gfx::Bitmap b = BandBackground(120, 20);
    ButtonRow(b, 2, Glyph::Maximize, Glyph::Restore);
    return b;
}

gfx::Bitmap DrawPopupWindow() {
    gfx::Bitmap b(kPopupW, kPopupH);
    Fill(b, b.Bounds(), tone::MenuFace);
    Frame(b, b.Bounds(), tone::Outline);
    Frame(b, b.Bounds().Inflate(-1, -1), tone::Field);
    // A soft shade along the inner right and bottom edges.
    Fill(b, {kPopupW - 2, 2, kPopupW - 1, kPopupH - 1}, base::RGB(214, 214, 216));
    Fill(b, {2, kPopupH - 2, kPopupW - 1, kPopupH - 1}, base::RGB(214, 214, 216));
    return b;
}

}  // namespace chromegen
