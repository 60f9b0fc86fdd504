// TWinControl: the list of children, their alignment and the tab order.
#include <algorithm>

#include "vcl/TWinControl.h"
#include "vcl/Errors.h"
#include "vcl/TForm.h"
#include "wm/Input.h"
#include "wm/Windows.h"

namespace vcl {

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount()) return nullptr;
    return controls_[static_cast<size_t>(index)];
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

void TWinControl::InsertControl(TControl* control) {
    if (auto* w = dynamic_cast<TWinControl*>(control); w && w->ContainsControl(this))
        throw EInvalidOperation("Ein Steuerelement kann nicht sein eigenes übergeordnetes Element sein");
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        tabList_.push_back(w);
        if (handle_ && w->Visible() && !w->handle_) w->CreateHandle();
        else if (w->handle_) wm::SetParent(w->handle_, handle_);
    }
    control->ParentFontChanged();
    control->ParentColorChanged();
    control->ParentShowHintChanged();
    if (control->Visible()) control->Invalidate();
    Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end()) return;
    if (control->Visible()) control->Invalidate();
    controls_.erase(it);
    // Compared as controls: a control being destroyed is no longer a TWinControl to
    // dynamic_cast.
    std::erase_if(tabList_, [control](TWinControl* w) { return static_cast<TControl*>(w) == control; });
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        // A window cannot live without its parent window: it goes, and comes back when
        // the control is needed again under a new parent.
        if (w->handle_) w->DestroyHandle();
    }
    if (captureControl_ == control) captureControl_ = nullptr;
    if (hoverControl_ == control) hoverControl_ = nullptr;
    control->parent_ = nullptr;
    Realign();
}

void TWinControl::MoveControl(TControl* control, bool toFront) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end()) return;
    controls_.erase(it);
    if (toFront) controls_.push_back(control);
    else controls_.insert(controls_.begin(), control);
    if (auto* w = dynamic_cast<TWinControl*>(control); w && w->handle_)
        wm::SetWindowPos(w->handle_, toFront ? wm::HWND_TOP : wm::HWND_BOTTOM, 0, 0, 0, 0,
                         wm::SWP_NOMOVE | wm::SWP_NOSIZE | wm::SWP_NOACTIVATE);
    control->Invalidate();
}

TControl* TWinControl::ControlAtPos(TPoint client, bool allowDisabled, bool allowWinControls) const {
    // The topmost child first: the one created (or brought to the front) last.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!allowWinControls && dynamic_cast<TWinControl*>(c)) continue;
        if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
        if (c->BoundsRect().Contains(client)) return c;
    }
    return nullptr;
}

// --- alignment ------------------------------------------------------------------------

void TWinControl::EnableAlign() {
    if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void TWinControl::Realign() {
    if (alignDisabled_ > 0 || aligning_ || IsLoading() || IsDestroying()) return;
    TRect rect = ClientRect();
    AlignControls(nullptr, rect);
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
    aligning_ = true;
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient})
        for (TControl* c : std::vector<TControl*>(controls_))
            if (c->Align() == align && c->Visible()) AlignPosition(c, align, rect);
    aligning_ = false;
}

void TWinControl::AlignPosition(TControl* c, TAlign align, TRect& rect) {
    int w = c->Width(), h = c->Height();
    switch (align) {
        case alTop:
            c->SetBounds(rect.Left, rect.Top, rect.Width(), h);
            rect.Top += c->Height();
            break;
        case alBottom:
            c->SetBounds(rect.Left, rect.Bottom - h, rect.Width(), h);
            rect.Bottom -= c->Height();
            break;
        case alLeft:
            c->SetBounds(rect.Left, rect.Top, w, rect.Height());
            rect.Left += c->Width();
            break;
        case alRight:
            c->SetBounds(rect.Right - w, rect.Top, w, rect.Height());
            rect.Right -= c->Width();
            break;
        case alClient:
            c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
            break;
        case alNone: break;
    }
}

// --- focus and tab order ----------------------------------------------------------------

bool TWinControl::Focused() const { return handle_ && wm::GetFocus() == handle_; }

bool TWinControl::CanFocus() const { return IsVisibleChain() && IsEnabledChain(); }

void TWinControl::SetFocus() {
    if (!CanFocus())
        throw EInvalidOperation("Ein deaktiviertes oder unsichtbares Fenster kann nicht den Fokus erhalten");
    wm::SetFocus(Handle());
}

void TWinControl::SetTabStop(bool on) {
    if (on == tabStop_) return;
    tabStop_ = on;
    if (handle_) {
        wm::WindowStyle s = wm::GetWindowStyle(handle_);
        wm::SetWindowStyle(handle_, on ? (s | wm::WS_TABSTOP) : (s & ~wm::WS_TABSTOP));
    }
}

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent()) return;
    auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    int n = static_cast<int>(list.size());
    auto found = std::find(list.begin(), list.end(), current);
    int start = found == list.end() ? (forward ? n - 1 : 0) : static_cast<int>(found - list.begin());
    for (int step = 1; step <= n; ++step) {
        int i = ((forward ? start + step : start - step) % n + n) % n;
        TWinControl* c = list[static_cast<size_t>(i)];
        if (c == current) continue;
        if (checkTabStop && !c->TabStop()) continue;
        if (checkParent && c->Parent() != this) continue;
        if (c->CanFocus()) return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop, false)) next->SetFocus();
}

// --- keys ---------------------------------------------------------------------------------

bool TWinControl::DialogKey(uint16_t key, TShiftState shift) {
    for (TControl* c : std::vector<TControl*>(controls_))
        if (c->Visible() && c->Enabled() && c->DialogKey(key, shift)) return true;
    return false;
}

bool TWinControl::DialogChar(char32_t ch, TShiftState shift) {
    for (TControl* c : std::vector<TControl*>(controls_))
        if (c->Visible() && c->Enabled() && c->DialogChar(ch, shift)) return true;
    return false;
}

static TWinControl* PreviewForm(TWinControl* self) {
    return static_cast<TWinControl*>(GetParentForm(self));
}

bool TWinControl::DoKeyDown(uint16_t& key, TShiftState shift) {
    TWinControl* form = PreviewForm(this);
    if (form && form != this && form->PreviewsKeys()) {
        form->KeyDown(key, shift);
        if (key == 0) return true;
    }
    KeyDown(key, shift);
    return key == 0;
}

bool TWinControl::DoKeyPress(char32_t& ch) {
    TWinControl* form = PreviewForm(this);
    if (form && form != this && form->PreviewsKeys()) {
        form->KeyPress(ch);
        if (ch == 0) return true;
    }
    KeyPress(ch);
    return ch == 0;
}

bool TWinControl::DoKeyUp(uint16_t& key, TShiftState shift) {
    TWinControl* form = PreviewForm(this);
    if (form && form != this && form->PreviewsKeys()) {
        form->KeyUp(key, shift);
        if (key == 0) return true;
    }
    KeyUp(key, shift);
    return key == 0;
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}
void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}
void TWinControl::KeyUp(uint16_t& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}
void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}
void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

}  // namespace vcl
