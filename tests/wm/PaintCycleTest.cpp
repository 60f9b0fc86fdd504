// The paint cycle: update regions, clipping to what a window shows, erasing, frames,
// drawing outside the cycle and transparent controls.
#include <gtest/gtest.h>

#include "WmTestSupport.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Paint.h"

using namespace wmtest;
using wm::headless::HeadlessSession;

namespace {

// Paints the client area with whatever colour `color` holds at the time.
Handler PaintsCurrent(const TColor* color, int* paints = nullptr) {
    return [color, paints](HWND h, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg != WM_PAINT) return std::nullopt;
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(h, ps);
        if (gfx::Canvas* c = GetCanvas(hdc)) {
            c->Brush().color = *color;
            c->FillRect(GetClientRect(h));
        }
        EndPaint(h, ps);
        if (paints) ++*paints;
        return 0;
    };
}

}  // namespace

TEST(PaintCycle, RepaintIsClippedToTheUpdateRegion) {
    HeadlessSession h;
    TColor color = clRed;
    int paints = 0;
    HWND top = MakeTopLevel({0, 0, 100, 100}, nullptr, PaintsCurrent(&color, &paints));
    h.ProcessPending();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(h.ScreenPixel(50, 50), clRed);
    color = clBlue;
    TRect dirty{10, 10, 20, 30};
    InvalidateRect(top, &dirty, false);
    EXPECT_EQ(GetUpdateRegion(top).Bounds(), dirty);
    h.ProcessPending();
    EXPECT_EQ(paints, 2);
    EXPECT_TRUE(GetUpdateRegion(top).IsEmpty());
    EXPECT_EQ(h.ScreenPixel(10, 10), clBlue);   // first pixel inside
    EXPECT_EQ(h.ScreenPixel(19, 29), clBlue);   // last pixel inside
    EXPECT_EQ(h.ScreenPixel(20, 20), clRed);    // right edge is exclusive
    EXPECT_EQ(h.ScreenPixel(15, 30), clRed);    // bottom edge is exclusive
    EXPECT_EQ(h.ScreenPixel(9, 15), clRed);
    // Nothing invalid: no paint at all.
    h.ProcessPending();
    EXPECT_EQ(paints, 2);
}

TEST(PaintCycle, ChildPaintsAtItsOffsetClippedBySiblingAboveAndParentLeavesItAlone) {
    HeadlessSession h;
    TColor parentColor = clWhite, lowerColor = clRed, upperColor = clBlue;
    HWND top = MakeTopLevel({0, 0, 200, 200}, nullptr, PaintsCurrent(&parentColor));
    HWND lower = MakeChild(top, {10, 10, 60, 60}, nullptr, PaintsCurrent(&lowerColor));
    HWND upper = MakeChild(top, {40, 40, 90, 90}, nullptr, PaintsCurrent(&upperColor));
    (void)upper;
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(10, 10), clRed);
    EXPECT_EQ(h.ScreenPixel(39, 39), clRed);
    EXPECT_EQ(h.ScreenPixel(45, 45), clBlue);  // the sibling above wins the overlap
    EXPECT_EQ(h.ScreenPixel(89, 89), clBlue);
    EXPECT_EQ(h.ScreenPixel(9, 9), clWhite);
    EXPECT_EQ(h.ScreenPixel(90, 90), clWhite);

    // Repainting the lower child whole still leaves the overlap to the upper one.
    lowerColor = clLime;
    InvalidateRect(lower, nullptr, true);
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(12, 12), clLime);
    EXPECT_EQ(h.ScreenPixel(45, 45), clBlue);
    // Repainting the parent whole does not paint over its children.
    parentColor = clYellow;
    InvalidateRect(top, nullptr, true);
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(5, 5), clYellow);
    EXPECT_EQ(h.ScreenPixel(12, 12), clLime);
    EXPECT_EQ(h.ScreenPixel(80, 80), clBlue);
}

TEST(PaintCycle, MovingAChildRepaintsWhatItUncovers) {
    HeadlessSession h;
    TColor parentColor = clWhite, childColor = clRed;
    HWND top = MakeTopLevel({0, 0, 200, 200}, nullptr, PaintsCurrent(&parentColor));
    HWND child = MakeChild(top, {10, 10, 60, 60}, nullptr, PaintsCurrent(&childColor));
    h.ProcessPending();
    MoveWindow(child, {100, 100, 150, 150});
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(20, 20), clWhite);
    EXPECT_EQ(h.ScreenPixel(120, 120), clRed);
    ShowWindow(child, SW_HIDE);
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(120, 120), clWhite);
}

TEST(PaintCycle, EraseBackgroundIsSentWithTheDcAndAControlCanSuppressIt) {
    HeadlessSession h;
    MessageLog log;
    HWND top = MakeTopLevel({0, 0, 200, 100}, &log, {}, WS_VISIBLE | WS_POPUP, clWhite);
    bool fErase = true;
    // A control that paints nothing and answers the erase request itself (as the skinned
    // controls do: they paint every pixel from an off-screen picture).
    Handler suppress = [&](HWND hw, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_ERASEBKGND) return 1;
        if (msg == WM_PAINT) {
            PAINTSTRUCT ps;
            BeginPaint(hw, ps);
            fErase = ps.fErase;
            EndPaint(hw, ps);
            return 0;
        }
        return std::nullopt;
    };
    HWND quiet = MakeChild(top, {10, 10, 50, 50}, &log, suppress, WS_VISIBLE, clSilver);
    HWND plain = MakeChild(top, {100, 10, 140, 50}, &log, {}, WS_VISIBLE, clSilver);
    h.ProcessPending();
    auto erase = log.Last(quiet, WM_ERASEBKGND);
    ASSERT_TRUE(erase);
    EXPECT_NE(erase->wParam, 0u);  // the paint's device context
    EXPECT_FALSE(fErase);
    EXPECT_EQ(h.ScreenPixel(120, 30), clSilver);  // default erase: background colour
    EXPECT_EQ(h.ScreenPixel(5, 5), clWhite);
    // Nobody drew the quiet control's pixels: the new back buffer's black shows.
    EXPECT_EQ(h.ScreenPixel(30, 30), clBlack);
    EXPECT_EQ(log.Count(plain, WM_ERASEBKGND), 1);
    // Invalidating without erase sends no erase request.
    InvalidateRect(plain, nullptr, false);
    h.ProcessPending();
    EXPECT_EQ(log.Count(plain, WM_ERASEBKGND), 1);
    EXPECT_EQ(log.Count(plain, WM_PAINT), 2);
}

TEST(PaintCycle, NcCalcSizeGivesTheClientAreaAndNcPaintDrawsTheRest) {
    HeadlessSession h;
    // A frame like a skin's: 5 left and right, 24 on top, 5 at the bottom.
    Handler frame = [](HWND hw, UINT msg, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
        if (msg == WM_NCCALCSIZE) {
            auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(lp);
            p->rgrc[0] = {p->rgrc[0].Left + 5, p->rgrc[0].Top + 24, p->rgrc[0].Right - 5,
                          p->rgrc[0].Bottom - 5};
            return 0;
        }
        if (msg == WM_NCPAINT) {
            HDC hdc = GetWindowDC(hw);
            GetCanvas(hdc)->Brush().color = clMaroon;
            GetCanvas(hdc)->FillRect({0, 0, 200, 150});  // the client part is clipped away
            ReleaseDC(hw, hdc);
            return 0;
        }
        return std::nullopt;
    };
    HWND top = MakeTopLevel({100, 100, 300, 250}, nullptr, frame, WS_VISIBLE | WS_POPUP, clWhite);
    EXPECT_EQ(GetClientRect(top), TRect(0, 0, 190, 121));
    EXPECT_EQ(GetClientRectInWindow(top), TRect(5, 24, 195, 145));
    EXPECT_EQ(ClientToScreen(top, {0, 0}), TPoint(105, 124));
    EXPECT_EQ(ScreenToClient(top, {105, 124}), TPoint(0, 0));
    HWND child = MakeChild(top, {0, 0, 10, 10}, nullptr, PaintsWith(clLime));
    EXPECT_EQ(GetWindowRect(child), TRect(105, 124, 115, 134));
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(104, 124), clMaroon);
    EXPECT_EQ(h.ScreenPixel(105, 123), clMaroon);
    EXPECT_EQ(h.ScreenPixel(105, 124), clLime);
    EXPECT_EQ(h.ScreenPixel(150, 200), clWhite);
    EXPECT_EQ(h.ScreenPixel(150, 245), clMaroon);
    // Resizing asks again; the client follows.
    MoveWindow(top, {100, 100, 250, 200});
    EXPECT_EQ(GetClientRect(top), TRect(0, 0, 140, 71));
}

TEST(PaintCycle, DefaultFrameInsetsTheClientAndAnswersFrameHitCodes) {
    HeadlessSession h;
    HWND top = MakeTopLevel({100, 100, 300, 250}, nullptr, {},
                            WS_VISIBLE | WS_CAPTION | WS_SIZEBOX, clWhite);
    EXPECT_EQ(GetClientRectInWindow(top), TRect(3, 22, 197, 147));
    auto hit = [&](int x, int y) { return SendMessage(top, WM_NCHITTEST, 0, MakePointParam(x, y)); };
    EXPECT_EQ(hit(150, 110), HTCAPTION);
    EXPECT_EQ(hit(150, 150), HTCLIENT);
    EXPECT_EQ(hit(100, 150), HTLEFT);
    EXPECT_EQ(hit(299, 249), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(288, 112), HTCLOSE);
    SetActiveWindow(top);
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(150, 112), base::ColorToRGB(clActiveCaption));
    EXPECT_EQ(h.ScreenPixel(150, 200), clWhite);
    // The close button closes the window.
    h.Click(288, 112);
    EXPECT_FALSE(IsWindow(top));
}

TEST(PaintCycle, DrawingThroughGetDcReachesTheScreenAtOnceAndStaysClipped) {
    HeadlessSession h;
    HWND top = MakeTopLevel({0, 0, 100, 100}, nullptr, PaintsWith(clWhite));
    HWND child = MakeChild(top, {10, 10, 40, 40}, nullptr, PaintsWith(clSilver));
    HWND cover = MakeChild(top, {30, 30, 60, 60}, nullptr, PaintsWith(clBlue));
    (void)cover;
    h.ProcessPending();
    HDC hdc = GetDC(child);
    gfx::Canvas* c = GetCanvas(hdc);
    ASSERT_NE(c, nullptr);
    c->Brush().color = clRed;
    c->FillRect({-10, -10, 100, 100});  // far beyond the control
    ReleaseDC(child, hdc);
    EXPECT_EQ(GetCanvas(hdc), nullptr);  // released contexts are stale
    // No message processing needed: the display already shows it.
    EXPECT_EQ(h.ScreenPixel(10, 10), clRed);
    EXPECT_EQ(h.ScreenPixel(29, 29), clRed);
    EXPECT_EQ(h.ScreenPixel(35, 35), clBlue);   // the sibling above is not drawn over
    EXPECT_EQ(h.ScreenPixel(9, 9), clWhite);    // nor the parent
    EXPECT_EQ(h.ScreenPixel(45, 20), clWhite);
}

TEST(PaintCycle, ParentBackgroundRendersIntoAControlsPicture) {
    HeadlessSession h;
    // The parent: left half red, right half blue (split at x = 50).
    Handler halves = [](HWND hw, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg != WM_PAINT) return std::nullopt;
        PAINTSTRUCT ps;
        gfx::Canvas* c = GetCanvas(BeginPaint(hw, ps));
        c->Brush().color = clRed;
        c->FillRect({0, 0, 50, 100});
        c->Brush().color = clBlue;
        c->FillRect({50, 0, 100, 100});
        EndPaint(hw, ps);
        return 0;
    };
    HWND top = MakeTopLevel({0, 0, 100, 100}, nullptr, halves);
    HWND control = MakeChild(top, {40, 20, 60, 40});
    h.ProcessPending();
    gfx::Bitmap picture(20, 20);
    picture.Fill(clBlack);
    ASSERT_TRUE(PaintParentBackground(control, picture));
    EXPECT_EQ(picture.Pixel(9, 5), clRed);    // parent x 49
    EXPECT_EQ(picture.Pixel(10, 5), clBlue);  // parent x 50
    EXPECT_EQ(picture.Pixel(19, 19), clBlue);
    // With an offset: picture (0, 0) shows the control's client point (5, 0).
    picture.Fill(clBlack);
    PaintParentBackground(control, picture, {5, 0});
    EXPECT_EQ(picture.Pixel(4, 0), clRed);
    EXPECT_EQ(picture.Pixel(5, 0), clBlue);
    // The real screen was not touched and nothing stays invalid.
    EXPECT_TRUE(GetUpdateRegion(top).IsEmpty());
    EXPECT_FALSE(PaintParentBackground(top, picture));  // a top-level has no parent
}
