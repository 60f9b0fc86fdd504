#include "skin/controls/TbsSkinScrollBar.h"

#include <algorithm>

#include "base/Rounding.h"
#include "base/ShortCut.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinTiling.h"
#include "skin/controls/DefaultLook.h"
#include "wm/Input.h"
#include "wm/Messages.h"
#include "wm/Timers.h"

namespace skin {

namespace {
constexpr uintptr_t kRepeatTimer = 1;
constexpr unsigned kFirstDelay = 500;
constexpr unsigned kRepeatPeriod = 50;
constexpr int kPlainButton = 17;
constexpr int kPlainThumb = 16;
}  // namespace

TbsSkinScrollBar::TbsSkinScrollBar(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName("hscrollbar");
    SetTabStop(false);
    SetBounds(0, 0, 200, 20);
}

TbsSkinScrollBar::~TbsSkinScrollBar() = default;

void TbsSkinScrollBar::SetKind(TScrollBarKind kind) {
    kind_ = kind;
    if (IsDesigning()) SetSkinDataName(kind == sbVertical ? "vscrollbar" : "hscrollbar");
    Invalidate();
}

void TbsSkinScrollBar::SetCanFocused(bool on) {
    canFocused_ = on;
    SetTabStop(on);
}

void TbsSkinScrollBar::SetBoth(bool on) {
    if (on == both_) return;
    both_ = on;
    std::string old = SkinDataName();
    SetSkinDataName(bothSkinDataName_);
    bothSkinDataName_ = old;
    ApplySkinChange();
}

// --- position rules ------------------------------------------------------------------

void TbsSkinScrollBar::SetPosition(int v) {
    int upper = pageSize_ != 0 ? max_ - pageSize_ + 1 : max_;
    v = std::max(min_, std::min(v, upper));
    if (v == position_) return;
    position_ = v;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TbsSkinScrollBar::SetRange(int min, int max, int pageSize, int position) {
    min_ = min;
    max_ = max;
    pageSize_ = pageSize;
    int upper = pageSize_ != 0 ? max_ - pageSize_ + 1 : max_;
    position_ = std::max(min_, std::min(position, upper));
    Invalidate();
}

void TbsSkinScrollBar::SetMin(int v) {
    min_ = v;
    if (position_ < min_) position_ = min_;
    Invalidate();
}

void TbsSkinScrollBar::SetMax(int v) {
    max_ = v;
    if (pageSize_ != 0) {
        if (position_ + pageSize_ > max_ - min_) position_ = std::max(min_, max_ - min_ - pageSize_ + 1);
    } else if (position_ > max_) {
        position_ = max_;
    }
    Invalidate();
}

void TbsSkinScrollBar::SetPageSize(int v) {
    if (max_ - min_ + 1 >= v + position_) pageSize_ = v;
    Invalidate();
}

// --- layout --------------------------------------------------------------------------

void TbsSkinScrollBar::SkinButtons(ButtonPictures& dec, ButtonPictures& inc) {
    const auto* r = BarRecord();
    int dw = Width() - SkinRect().Width(), dh = Height() - SkinRect().Height();
    auto moved = [&](TRect rect) {
        if (Horizontal() && rect.Left >= rt_.X) return rect.Offset(dw, 0);
        if (!Horizontal() && rect.Top >= lb_.Y) return rect.Offset(0, dh);
        return rect;
    };
    ButtonPictures up{moved(r->upbuttonrect), r->activeupbuttonrect,
                      OrElse(r->downupbuttonrect, r->activeupbuttonrect)};
    ButtonPictures down{moved(r->downbuttonrect), r->activedownbuttonrect,
                        OrElse(r->downdownbuttonrect, r->activedownbuttonrect)};
    // The button at the start of the bar steps back, whatever the record calls it.
    if (Along(up.rect.TopLeft()) < Along(down.rect.TopLeft())) std::swap(up, down);
    dec = down;
    inc = up;
}

int TbsSkinScrollBar::ThumbLength(int trackLength) {
    const auto* r = BarRecord();
    int minimum = kPlainThumb;
    if (r) minimum = Horizontal() ? r->thumbrect.Width() : r->thumbrect.Height();
    if (pageSize_ == 0) return minimum;
    int span = max_ - min_;
    int t = base::rnd(static_cast<double>(trackLength) * pageSize_ / (span + 1));
    return std::max(t, minimum);
}

TbsSkinScrollBar::Parts TbsSkinScrollBar::ComputeParts() {
    FetchSkinRecord();
    Parts p;
    int w = Width(), h = Height();
    const auto* r = BarRecord();
    if (r) {
        int dw = w - SkinRect().Width(), dh = h - SkinRect().Height();
        p.track = r->trackarea;
        if (Horizontal())
            p.track.Right += dw;
        else
            p.track.Bottom += dh;
        ButtonPictures dec, inc;
        SkinButtons(dec, inc);
        p.decButton = dec.rect;
        p.incButton = inc.rect;
    } else if (Horizontal()) {
        int wb = both_ ? w - bothMarkerWidth_ : w;
        p.decButton = {1, 1, kPlainButton, h - 1};
        p.incButton = {wb - kPlainButton, 1, wb - 1, h - 1};
        p.track = {kPlainButton, 1, wb - kPlainButton, h - 1};
    } else {
        p.decButton = {1, 1, w - 1, kPlainButton};
        p.incButton = {1, h - kPlainButton, w - 1, h - 1};
        p.track = {1, kPlainButton, w - 1, h - kPlainButton};
    }
    int length = TrackLength(p.track);
    int t = ThumbLength(length);
    int drawn = 2 * (t / 2);
    int span = max_ - min_;
    double f = 0;
    if (pageSize_ == 0) {
        if (span != 0) f = static_cast<double>(position_ - min_) / span;
    } else if (span - pageSize_ + 1 > 0) {
        f = static_cast<double>(position_ - min_) / (span - pageSize_ + 1);
    }
    int offset = base::rnd(f * (length - drawn));
    int thickness = Horizontal() ? p.track.Height() : p.track.Width();
    if (r) thickness = Horizontal() ? r->thumbrect.Height() : r->thumbrect.Width();
    if (Horizontal()) {
        int top = p.track.Top + (p.track.Height() - thickness) / 2;
        p.thumb = {p.track.Left + offset, top, p.track.Left + offset + drawn, top + thickness};
    } else {
        int left = p.track.Left + (p.track.Width() - thickness) / 2;
        p.thumb = {left, p.track.Top + offset, left + thickness, p.track.Top + offset + drawn};
    }
    return p;
}

// --- painting ------------------------------------------------------------------------

void TbsSkinScrollBar::DrawButtonPlain(gfx::Canvas& c, const TRect& r, int direction, bool hot,
                                       bool pressed) {
    DrawPlainButtonFace(c, r, hot, pressed);
    DrawArrow(c, r, clBlack, direction);
}

void TbsSkinScrollBar::DrawDefaultImage(gfx::Bitmap& bitmap) {
    gfx::Canvas c(bitmap);
    FillSolid(c, bitmap.Bounds(), clBtnFace);
    Parts p = ComputeParts();
    DrawButtonPlain(c, p.decButton, Horizontal() ? 1 : 3, hotPart_ == kDecButton, pressedPart_ == kDecButton);
    DrawButtonPlain(c, p.incButton, Horizontal() ? 2 : 4, hotPart_ == kIncButton, pressedPart_ == kIncButton);
    if (!IsEnabledChain()) return;
    bool dragged = pressedPart_ == kThumb || (canFocused_ && Focused());
    DrawPlainButtonFace(c, p.thumb, hotPart_ == kThumb || dragged, dragged);
}

void TbsSkinScrollBar::DrawSkinImage(gfx::Bitmap& bitmap) {
    const auto* r = BarRecord();
    if (!r || !SkinPicture()) return;
    BuildSkinImage(bitmap, SkinPicture(), SkinRect());
    gfx::Canvas c(bitmap);
    Parts p = ComputeParts();
    ButtonPictures dec, inc;
    SkinButtons(dec, inc);
    auto button = [&](const ButtonPictures& b, Part part) {
        bool hot = hotPart_ == part, pressed = pressedPart_ == part;
        TRect src = hot && pressed ? b.down : hot ? b.active : TRect{};
        if (!IsEmptyRect(src)) c.CopyRect(b.rect, *SkinPicture(), src);
    };
    button(dec, kDecButton);
    button(inc, kIncButton);
    if (!IsEnabledChain()) return;
    TRect active = OrElse(r->activethumbrect, r->thumbrect);
    TRect down = OrElse(r->downthumbrect, active);
    TRect glyphActive = OrElse(r->activeglyphrect, r->glyphrect);
    TRect glyphDown = OrElse(r->downglyphrect, glyphActive);
    bool dragged = pressedPart_ == kThumb || (canFocused_ && Focused());
    TRect src = dragged ? down : hotPart_ == kThumb ? active : r->thumbrect;
    TRect glyph = dragged ? glyphDown : hotPart_ == kThumb ? glyphActive : r->glyphrect;
    if (p.thumb.IsEmpty() || IsEmptyRect(src)) return;
    gfx::Bitmap thumb;
    if (pageSize_ != 0) {
        if (Horizontal())
            TileHorzImage(thumb, *SkinPicture(), src, r->thumboffset1, r->thumboffset2, p.thumb.Width());
        else
            TileVertImage(thumb, *SkinPicture(), src, r->thumboffset1, r->thumboffset2, p.thumb.Height());
        c.CopyRect(p.thumb, thumb, thumb.Bounds());
    } else {
        c.CopyRect(p.thumb, *SkinPicture(), src);
    }
    if (!IsEmptyRect(glyph)) {
        int gx = p.thumb.Left + (p.thumb.Width() - glyph.Width()) / 2;
        int gy = p.thumb.Top + (p.thumb.Height() - glyph.Height()) / 2;
        c.CopyRect(TRect::FromSize(gx, gy, glyph.Width(), glyph.Height()), *SkinPicture(), glyph);
    }
}

// --- mouse ---------------------------------------------------------------------------

TbsSkinScrollBar::Part TbsSkinScrollBar::PartAt(int x, int y) {
    Parts p = ComputeParts();
    if (IsEnabledChain() && p.thumb.Contains(x, y)) return kThumb;
    if (p.incButton.Contains(x, y)) return kIncButton;
    if (p.decButton.Contains(x, y)) return kDecButton;
    return kNone;
}

void TbsSkinScrollBar::StepInc() {
    if (OnUpButtonClick)
        OnUpButtonClick(this);
    else
        SetPosition(position_ + smallChange_);
}

void TbsSkinScrollBar::StepDec() {
    if (OnDownButtonClick)
        OnDownButtonClick(this);
    else
        SetPosition(position_ - smallChange_);
}

void TbsSkinScrollBar::StartRepeatTimer() {
    if (!HandleAllocated()) return;
    wm::SetTimer(Handle(), kRepeatTimer, kFirstDelay);
    timerRunning_ = true;
    firstTick_ = true;
}

void TbsSkinScrollBar::StopRepeatTimer() {
    if (timerRunning_ && HandleAllocated()) wm::KillTimer(Handle(), kRepeatTimer);
    timerRunning_ = false;
    repeat_ = rpNone;
}

bool TbsSkinScrollBar::PointerBeforeThumb() {
    Parts p = ComputeParts();
    return Along(lastPointer_) < Along(p.thumb.TopLeft());
}

bool TbsSkinScrollBar::PointerAfterThumb() {
    Parts p = ComputeParts();
    return Along(lastPointer_) >= Along(p.thumb.BottomRight());
}

void TbsSkinScrollBar::DoRepeat() {
    switch (repeat_) {
        case rpDecStep: if (!repeatPaused_) StepDec(); break;
        case rpIncStep: if (!repeatPaused_) StepInc(); break;
        case rpDecPage:
            if (!PointerBeforeThumb()) { StopRepeatTimer(); break; }
            SetPosition(position_ - largeChange_);
            break;
        case rpIncPage:
            if (!PointerAfterThumb()) { StopRepeatTimer(); break; }
            SetPosition(position_ + largeChange_);
            break;
        case rpNone: StopRepeatTimer(); break;
    }
}

void TbsSkinScrollBar::WndProc(TMessage& m) {
    if (m.Msg == wm::WM_TIMER && m.WParam == kRepeatTimer) {
        if (firstTick_) {
            firstTick_ = false;
            wm::SetTimer(Handle(), kRepeatTimer, kRepeatPeriod);
        } else {
            DoRepeat();
        }
        return;
    }
    if (m.Msg == wm::WM_MOUSEWHEEL && canFocused_ && Focused()) {
        int notches = wm::WheelDelta(m.WParam) / wm::kWheelNotch;
        SetPosition(position_ - notches * smallChange_);
        m.Result = 1;
        return;
    }
    TbsSkinCustomControl::WndProc(m);
}

void TbsSkinScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != vcl::mbLeft) return;
    if (canFocused_ && !Focused() && CanFocus()) SetFocus();
    mouseHeld_ = true;
    lastPointer_ = {x, y};
    Part part = PartAt(x, y);
    repeatPaused_ = false;
    if (part == kIncButton || part == kDecButton) {
        pressedPart_ = hotPart_ = part;
        Invalidate();
        if (part == kIncButton) {
            StepInc();
            repeat_ = rpIncStep;
        } else {
            StepDec();
            repeat_ = rpDecStep;
        }
        StartRepeatTimer();
    } else if (part == kThumb) {
        pressedPart_ = hotPart_ = kThumb;
        Parts p = ComputeParts();
        dragAnchor_ = Along({x, y});
        dragThumbOffset_ = Along(p.thumb.TopLeft()) - Along(p.track.TopLeft());
        Invalidate();
    } else if (ComputeParts().track.Contains(x, y)) {
        trackPressed_ = true;
        if (PointerBeforeThumb()) {
            SetPosition(position_ - largeChange_);
            StartRepeatTimer();
            repeat_ = rpDecPage;
        } else {
            SetPosition(position_ + largeChange_);
            StartRepeatTimer();
            repeat_ = rpIncPage;
        }
    }
}

void TbsSkinScrollBar::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    lastPointer_ = {x, y};
    if (pressedPart_ == kThumb) {
        Parts p = ComputeParts();
        int span = ThumbSpan(TrackLength(p.track));
        double g = span > 0 ? static_cast<double>(dragThumbOffset_ + Along({x, y}) - dragAnchor_) / span : 0;
        g = std::clamp(g, 0.0, 1.0);
        int s = max_ - min_;
        SetPosition(pageSize_ != 0 ? min_ + base::rnd((s - pageSize_ + 1) * g) : min_ + base::rnd(s * g));
        return;
    }
    Part part = PartAt(x, y);
    if (pressedPart_ == kIncButton || pressedPart_ == kDecButton) {
        bool over = part == pressedPart_;
        repeatPaused_ = !over;
        Part hot = over ? pressedPart_ : kNone;
        if (hot != hotPart_) {
            hotPart_ = hot;
            Invalidate();
        }
        return;
    }
    if (pressedPart_ == kNone && part != hotPart_) {
        hotPart_ = part;
        Invalidate();
    }
}

void TbsSkinScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == vcl::mbLeft) {
        mouseHeld_ = false;
        bool buttonWasPressed = pressedPart_ == kIncButton || pressedPart_ == kDecButton;
        bool wasLive = pressedPart_ == kThumb || trackPressed_;
        trackPressed_ = false;
        StopRepeatTimer();
        pressedPart_ = kNone;
        hotPart_ = PartAt(x, y);
        Invalidate();
        if (!buttonWasPressed && wasLive && OnLastChange) OnLastChange(this);
    }
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinScrollBar::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    if (pressedPart_ == kNone && hotPart_ != kNone) {
        hotPart_ = kNone;
        Invalidate();
    }
    if (repeat_ == rpIncPage) StopRepeatTimer();
}

// --- keyboard ------------------------------------------------------------------------

bool TbsSkinScrollBar::WantsKey(uint16_t key, TShiftState) const {
    return canFocused_ && (key == base::VK_LEFT || key == base::VK_RIGHT || key == base::VK_UP ||
                           key == base::VK_DOWN);
}

void TbsSkinScrollBar::KeyDown(uint16_t& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    if (!canFocused_) return;
    if (key == base::VK_LEFT || key == base::VK_UP) SetPosition(position_ - smallChange_);
    if (key == base::VK_RIGHT || key == base::VK_DOWN) SetPosition(position_ + smallChange_);
}

void TbsSkinScrollBar::DoEnter() {
    TbsSkinCustomControl::DoEnter();
    Invalidate();
}

void TbsSkinScrollBar::DoExit() {
    TbsSkinCustomControl::DoExit();
    Invalidate();
}

}  // namespace skin
