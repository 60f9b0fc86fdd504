// The menu picture and the sheet of control faces.

#include "ChromeLayout.h"
#include "ChromePaint.h"
#include "ChromePictures.h"

namespace chromegen {

using namespace layout;

namespace {

void Highlight(gfx::Bitmap& b, const TRect& r, bool rounded, TColor outside) {
    VGradient(b, r, tone::AccentLight, tone::Accent);
    Frame(b, r, Mix(tone::Accent, tone::Outline, 0.4));
    Fill(b, {r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 2}, Mix(tone::AccentLight, tone::Field, 0.4));
    if (rounded) RoundCorners(b, r, outside);
}

// A flat face with a one-pixel frame (sunken: dark top-left; raised: light top-left).
void FlatPanel(gfx::Bitmap& b, const TRect& r, bool raised, TColor face) {
    Fill(b, r, face);
    Frame(b, r, raised ? tone::Shadow : base::RGB(150, 150, 154));
    Fill(b, {r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 2}, raised ? tone::Light : base::RGB(196, 194, 188));
    Fill(b, {r.Left + 1, r.Top + 1, r.Left + 2, r.Bottom - 1}, raised ? tone::Light : base::RGB(196, 194, 188));
}

// A caption bar on top of a framed body (group box, expanding panel).
void HeaderedBox(gfx::Bitmap& b, const TRect& r, int header) {
    Fill(b, r, tone::Face);
    TRect head{r.Left, r.Top, r.Right, r.Top + header};
    SilverFace(b, head, FaceState::Normal, true, tone::Face);
    Frame(b, {r.Left, r.Top + header - 1, r.Right, r.Bottom}, tone::Shadow);
}

void Field(gfx::Bitmap& b, const TRect& r, bool focused) {
    Fill(b, r, tone::Field);
    Frame(b, r, focused ? tone::Accent : base::RGB(132, 134, 138));
    Fill(b, {r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 2}, focused ? Mix(tone::AccentLight, tone::Field, 0.6)
                                                                    : base::RGB(226, 226, 228));
}

void ArrowButton(gfx::Bitmap& b, const TRect& r, FaceState s, Glyph g, TColor outside) {
    SilverFace(b, r, s, false, outside);
    DrawGlyph(b, r, g, s == FaceState::Disabled ? tone::Shadow : tone::Text, s == FaceState::Down);
}

void CheckImage(gfx::Bitmap& b, const TRect& r, bool radio, bool checked, FaceState s) {
    Fill(b, r, tone::Key);  // bottom-left pixel: transparent
    TColor edge = s == FaceState::Disabled ? base::RGB(170, 170, 170)
                  : s == FaceState::Hot    ? tone::Accent
                                           : base::RGB(110, 112, 118);
    TColor top = s == FaceState::Disabled ? base::RGB(232, 230, 226) : tone::Field;
    TColor bottom = s == FaceState::Disabled ? base::RGB(232, 230, 226) : base::RGB(226, 228, 232);
    TColor mark = s == FaceState::Disabled ? base::RGB(160, 160, 160) : tone::Accent;
    if (!radio) {
        VGradient(b, r.Inflate(-1, -1), top, bottom);
        Frame(b, r, edge);
        b.SetPixel(r.Left, r.Bottom - 1, tone::Key);  // keeps the key colour at the bottom-left
        if (checked) CheckGlyph(b, r.Left + 3, r.Top + 2, mark);
        return;
    }
    // A 13 x 13 disc: rows of the circle, outline and fill.
    const int span[13] = {4, 2, 1, 1, 0, 0, 0, 0, 0, 1, 1, 2, 4};
    for (int y = 0; y < 13; ++y) {
        int x0 = r.Left + span[y], x1 = r.Right - span[y];
        Fill(b, {x0, r.Top + y, x1, r.Top + y + 1}, Mix(top, bottom, y / 12.0));
        b.SetPixel(x0, r.Top + y, edge);
        b.SetPixel(x1 - 1, r.Top + y, edge);
        if (y == 0 || y == 12) Fill(b, {x0, r.Top + y, x1, r.Top + y + 1}, edge);
    }
    for (int y = 1; y < 4; ++y) {  // close the arc between the wider rows
        for (int x = r.Left + span[y]; x < r.Left + span[y - 1]; ++x) {
            b.SetPixel(x, r.Top + y, edge);
            b.SetPixel(r.Right - 1 - (x - r.Left), r.Top + y, edge);
            b.SetPixel(x, r.Bottom - 1 - y, edge);
            b.SetPixel(r.Right - 1 - (x - r.Left), r.Bottom - 1 - y, edge);
        }
    }
    if (checked) {
        Fill(b, {r.Left + 4, r.Top + 5, r.Left + 9, r.Top + 8}, mark);
        Fill(b, {r.Left + 5, r.Top + 4, r.Left + 8, r.Top + 9}, mark);
    }
}

void Thumb(gfx::Bitmap& b, const TRect& r, FaceState s, bool vertical) {
    SilverFace(b, r, s, true, tone::Face);
    DrawGlyph(b, r, vertical ? Glyph::GripV : Glyph::Grip, s == FaceState::Hot ? tone::Accent : tone::Shadow,
              false);
}

}  // namespace

gfx::Bitmap DrawMenuPicture() {
    gfx::Bitmap b(140, 100);
    Fill(b, b.Bounds(), tone::MenuFace);
    Highlight(b, kMenuItemActive, true, tone::MenuFace);
    Fill(b, {kMenuDivider.Left + 2, kMenuDivider.Top + 2, kMenuDivider.Right - 2, kMenuDivider.Top + 3}, tone::Shadow);
    Fill(b, {kMenuDivider.Left + 2, kMenuDivider.Top + 3, kMenuDivider.Right - 2, kMenuDivider.Top + 4}, tone::Field);
    // The menu bar: light silver with a shade at its bottom.
    const TRect barArea{kBarItem.Left, kBarItem.Top, kBarItem.Right, kBarItemDown.Bottom};
    Fill(b, barArea, tone::Face);
    VGradient(b, kMenuBar, base::RGB(232, 230, 226), tone::Face);
    Fill(b, {kMenuBar.Left, kMenuBar.Bottom - 1, kMenuBar.Right, kMenuBar.Bottom}, tone::Shadow);
    for (int y = 0; y < 20; ++y) {  // bar items share the bar's rows 1..21
        TColor c = b.Pixel(kMenuBar.Left + 5, kMenuBar.Top + 1 + y);
        Fill(b, {kBarItem.Left, kBarItem.Top + y, kBarItem.Right, kBarItem.Top + y + 1}, c);
        Fill(b, {kBarItem.Left, kBarItemActive.Top + y, kBarItem.Right, kBarItemActive.Top + y + 1}, c);
        Fill(b, {kBarItem.Left, kBarItemDown.Top + y, kBarItem.Right, kBarItemDown.Top + y + 1}, c);
    }
    SilverFace(b, kBarItemActive, FaceState::Hot, true, tone::Face);
    Highlight(b, kBarItemDown, true, tone::Face);
    const Glyph glyphs[] = {Glyph::Close, Glyph::Minimize, Glyph::Maximize, Glyph::SysMenu};
    for (int n = 0; n < 4; ++n)
        for (bool active : {false, true}) {
            TRect r = BarButton(n, active);
            SilverFace(b, r, active ? FaceState::Hot : FaceState::Normal, false, tone::MenuFace);
            DrawGlyph(b, r, glyphs[n], tone::Text);
        }
    return b;
}

gfx::Bitmap DrawControlsPicture() {
    gfx::Bitmap b(kControlsW, kControlsH);
    Fill(b, b.Bounds(), tone::Face);
    // Push buttons.
    SilverFace(b, kButton, FaceState::Normal, true, tone::Face);
    SilverFace(b, kButtonHot, FaceState::Hot, true, tone::Face);
    SilverFace(b, kButtonDown, FaceState::Down, true, tone::Face);
    // Resizable buttons: gradient only in the fixed top and bottom rows, so the tiled
    // middle stays seamless at any height.
    for (auto [r, s] : {std::pair{kResize, FaceState::Normal}, std::pair{kResizeHot, FaceState::Hot},
                        std::pair{kResizeDown, FaceState::Down}}) {
        SilverFace(b, r, s, true, tone::Face);
        TColor mid = b.Pixel(r.Left + 5, r.Top + 12);
        Fill(b, {r.Left + 1, r.Top + 4, r.Right - 1, r.Bottom - 4}, mid);
    }
    for (auto [r, s] : {std::pair{kMenuButton, FaceState::Normal}, std::pair{kMenuButtonHot, FaceState::Hot},
                        std::pair{kMenuButtonDown, FaceState::Down}}) {
        SilverFace(b, r, s, true, tone::Face);
        Fill(b, {r.Right - 15, r.Top + 4, r.Right - 14, r.Bottom - 4}, tone::Shadow);
        DrawGlyph(b, {r.Right - 14, r.Top, r.Right, r.Bottom}, Glyph::ArrowDown, tone::Text, s == FaceState::Down);
    }
    // Panels.
    FlatPanel(b, kPanel, false, tone::Face);
    Fill(b, kPanel.Inflate(-2, -2), tone::Face);
    FlatPanel(b, kToolPanel, true, tone::Face);
    Fill(b, kStatusBar, tone::Face);
    Fill(b, {kStatusBar.Left, kStatusBar.Top, kStatusBar.Right, kStatusBar.Top + 1}, tone::Shadow);
    Fill(b, {kStatusBar.Left, kStatusBar.Top + 1, kStatusBar.Right, kStatusBar.Top + 2}, tone::Light);
    FlatPanel(b, kBigToolPanel, true, tone::Face);
    Frame(b, kScrollBox, base::RGB(132, 134, 138));
    FlatPanel(b, kControlBar, true, tone::Face);
    Fill(b, kSplitter, tone::Face);
    Fill(b, {kSplitter.Left + 2, kSplitter.Top, kSplitter.Left + 3, kSplitter.Bottom}, tone::Shadow);
    Fill(b, kLabel, tone::Face);
    HeaderedBox(b, kGroupBox, 20);
    HeaderedBox(b, kExPanel, 20);
    SilverFace(b, kExPanelRollV, FaceState::Normal, true, tone::Face);
    SilverFace(b, kExPanelRollH, FaceState::Normal, true, tone::Face);
    // Expanding-panel buttons: close, roll up, restore down, roll left, restore right.
    const Glyph exGlyphs[] = {Glyph::Close, Glyph::ArrowUp, Glyph::ArrowDown, Glyph::ArrowLeft, Glyph::ArrowRight};
    const FaceState states[] = {FaceState::Normal, FaceState::Hot, FaceState::Down};
    for (int g = 0; g < 5; ++g)
        for (int s = 0; s < 3; ++s) {
            TRect r = Glyph14(g * 3 + s);
            SilverFace(b, r, states[s], true, tone::Face);
            DrawGlyph(b, r, exGlyphs[g], s == 1 ? tone::Accent : tone::Text, s == 2);
        }
    // Combo box: white field with the drop-down button inside the frame.
    Field(b, kCombo, false);
    ArrowButton(b, {kCombo.Left + 41, kCombo.Top + 1, kCombo.Right - 1, kCombo.Bottom - 1}, FaceState::Normal,
                Glyph::ArrowDown, tone::Field);
    Frame(b, kCombo, base::RGB(132, 134, 138));
    ArrowButton(b, kComboDown, FaceState::Down, Glyph::ArrowDown, tone::Face);
    ArrowButton(b, kComboDisabled, FaceState::Disabled, Glyph::ArrowDown, tone::Face);
    Fill(b, kComboItem, tone::Field);
    Highlight(b, kComboFocusItem, false, tone::Face);
    Field(b, kEdit, false);
    Field(b, kEditActive, true);
    Field(b, kSpinEdit, false);
    // List box and its items.
    Field(b, kListBox, false);
    Fill(b, kListItem, tone::Field);
    Highlight(b, kListItemActive, false, tone::Field);
    Highlight(b, kListItemFocus, false, tone::Field);
    Frame(b, kListItemFocus, tone::Outline);
    // Check and radio boxes: the face is the form's face; the pictures are separate.
    Fill(b, kCheckBox, tone::Face);
    Fill(b, kRadioBox, tone::Face);
    Fill(b, kCheckBoxHot, tone::Face);
    for (bool radio : {false, true}) {
        CheckImage(b, CheckImage(radio, 0), radio, true, FaceState::Normal);
        CheckImage(b, CheckImage(radio, 1), radio, false, FaceState::Normal);
        CheckImage(b, CheckImage(radio, 2), radio, true, FaceState::Hot);
        CheckImage(b, CheckImage(radio, 3), radio, false, FaceState::Hot);
        CheckImage(b, CheckImage(radio, 4), radio, true, FaceState::Disabled);
        CheckImage(b, CheckImage(radio, 5), radio, false, FaceState::Disabled);
    }
    // Scroll bars: a sunken track with arrow buttons at both ends.
    VGradient(b, kHScroll, base::RGB(196, 196, 198), base::RGB(222, 222, 224));
    HGradient(b, kVScroll, base::RGB(196, 196, 198), base::RGB(222, 222, 224));
    ArrowButton(b, {kHScroll.Left, kHScroll.Top, kHScroll.Left + 16, kHScroll.Bottom}, FaceState::Normal, Glyph::ArrowLeft, tone::Face);
    ArrowButton(b, {kHScroll.Right - 16, kHScroll.Top, kHScroll.Right, kHScroll.Bottom}, FaceState::Normal, Glyph::ArrowRight, tone::Face);
    ArrowButton(b, {kVScroll.Left, kVScroll.Top, kVScroll.Right, kVScroll.Top + 16}, FaceState::Normal, Glyph::ArrowUp, tone::Face);
    ArrowButton(b, {kVScroll.Left, kVScroll.Bottom - 16, kVScroll.Right, kVScroll.Bottom}, FaceState::Normal, Glyph::ArrowDown, tone::Face);
    const Glyph scrollGlyphs[] = {Glyph::ArrowLeft, Glyph::ArrowLeft, Glyph::ArrowRight, Glyph::ArrowRight,
                                  Glyph::ArrowUp, Glyph::ArrowUp, Glyph::ArrowDown, Glyph::ArrowDown};
    for (int n = 0; n < 8; ++n)
        ArrowButton(b, ScrollPart(n), n % 2 ? FaceState::Down : FaceState::Hot, scrollGlyphs[n], tone::Face);
    Thumb(b, kHThumb, FaceState::Normal, false);
    Thumb(b, kHThumbHot, FaceState::Hot, false);
    Thumb(b, kHThumbDown, FaceState::Down, false);
    Thumb(b, kVThumb, FaceState::Normal, true);
    Thumb(b, kVThumbHot, FaceState::Hot, true);
    Thumb(b, kVThumbDown, FaceState::Down, true);
    // Gauge, track bar, tabs and grid cells (kinds no window shows).
    Field(b, kGauge, false);
    Highlight(b, kGaugeBar, false, tone::Face);
    Fill(b, kTrack, tone::Face);
    Field(b, {kTrack.Left, kTrack.Top + 6, kTrack.Right, kTrack.Top + 10}, false);
    SilverFace(b, kTrackThumb, FaceState::Normal, true, tone::Face);
    SilverFace(b, kTrackThumbHot, FaceState::Hot, true, tone::Face);
    FlatPanel(b, kTab, true, tone::Face);
    SilverFace(b, kTabItem, FaceState::Normal, true, tone::Face);
    SilverFace(b, kTabItemActive, FaceState::Hot, true, tone::Face);
    Fill(b, kGridCell, tone::Field);
    Frame(b, kGridCell, base::RGB(200, 200, 204));
    Highlight(b, kGridSelect, false, tone::Field);
    SilverFace(b, kGridFixed, FaceState::Normal, false, tone::Face);
    return b;
}

}  // namespace chromegen
