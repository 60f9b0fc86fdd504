// TbsBusinessSkinForm: hover, press and fades of the frame elements.
#include "skin/frame/TbsBusinessSkinForm.h"
#include "wm/Input.h"
#include "wm/Windows.h"

namespace skin {

void TbsBusinessSkinForm::UpdateHover(TPoint p) {
    if (TbsActiveSkinObject* pressed = Element(pressedIndex_)) {
        // While an element is pressed no other one becomes hovered.
        SetHover(pressed->WindowRect.Contains(p) ? pressedIndex_ : -1);
        return;
    }
    int found = -1;
    for (int i = 0; i < ElementCount(); ++i) {
        const TbsActiveSkinObject& e = *elements_[static_cast<size_t>(i)];
        if (e.IsEnabled && e.IsVisible && e.WindowRect.Contains(p)) {
            found = i;
            break;
        }
    }
    SetHover(found);
}

void TbsBusinessSkinForm::SetHover(int index) {
    if (index == hoverIndex_) return;
    if (TbsActiveSkinObject* old = Element(hoverIndex_)) {
        hoverIndex_ = -1;
        HideElementHint();
        old->MouseLeave();
        if (OnMouseLeaveEvent) OnMouseLeaveEvent(old->ElementName);
    }
    hoverIndex_ = index;
    if (TbsActiveSkinObject* e = Element(index)) {
        e->MouseEnter();
        ShowElementHint(*e);
        if (OnMouseEnterEvent) OnMouseEnterEvent(e->ElementName);
    }
}

void TbsBusinessSkinForm::StartHoverTracking() {
    const wm::HWND h = WindowHandle();
    if (h && wm::IsWindowVisible(h)) hoverTimer_->SetEnabled(true);
}

void TbsBusinessSkinForm::StopTimers() {
    hoverTimer_->SetEnabled(false);
    morphTimer_->SetEnabled(false);
}

void TbsBusinessSkinForm::HoverTick() {
    if (inSizeMove_) return;
    const wm::HWND h = WindowHandle();
    const TPoint cursor = wm::GetCursorPos();
    const wm::HWND under = h ? wm::WindowFromPoint(cursor) : 0;
    if (!h || !under || wm::GetRootWindow(under) != h) {
        SetHover(-1);
        hoverTimer_->SetEnabled(false);
        return;
    }
    const TPoint p = cursor - wm::GetWindowRect(h).TopLeft();
    if (wm::GetClientRectInWindow(h).Contains(p)) SetHover(-1);
    else UpdateHover(p);
}

void TbsBusinessSkinForm::StartMorphTimer() {
    if (!morphTimer_->Enabled()) morphTimer_->SetEnabled(true);
}

void TbsBusinessSkinForm::MorphTick() {
    bool stepped = false;
    // A step may repaint; the list stays as it is meanwhile.
    for (auto& e : elements_) {
        if (e->MorphOn && e->NeedsMorph()) {
            e->MorphStep();
            stepped = true;
        }
    }
    if (!stepped) morphTimer_->SetEnabled(false);
}

void TbsBusinessSkinForm::ElementMouseDown(TPoint p, vcl::TMouseButton button, int hitCode) {
    UpdateHover(p);
    TbsActiveSkinObject* e = Element(hoverIndex_);
    if (!e) return;
    pressedIndex_ = hoverIndex_;
    const TPoint local = p - e->WindowRect.TopLeft();
    if (OnMouseDownEvent && !dynamic_cast<TbsSkinStdButtonObject*>(e))
        OnMouseDownEvent(e->ElementName, button, local.X, local.Y, e->WindowRect);
    e->MouseDown(local.X, local.Y, button);
    if (hitCode == wm::HTCAPTION || (menuOpen_ && Element(menuButtonIndex_) == e)) {
        // A button whose menu opened stays down until the menu closes; the menu holds
        // the pointer, so the frame must not take it.
        pressedIndex_ = -1;
        return;
    }
    if (!e->IsCaption() && WindowHandle()) wm::SetCapture(WindowHandle());
}

void TbsBusinessSkinForm::ElementMouseUp(TPoint p, vcl::TMouseButton button) {
    UpdateHover(p);
    TbsActiveSkinObject* e = Element(pressedIndex_);
    pressedIndex_ = -1;
    const wm::HWND h = WindowHandle();
    if (h && wm::GetCapture() == h) wm::ReleaseCapture();
    if (!e) return;
    const TPoint local = p - e->WindowRect.TopLeft();
    if (OnMouseUpEvent && e->MouseIn) OnMouseUpEvent(e->ElementName, button, local.X, local.Y, e->WindowRect);
    e->MouseUp(local.X, local.Y, button);  // may close the form: nothing after this
}

void TbsBusinessSkinForm::ElementMouseMove(TPoint p) {
    TbsActiveSkinObject* e = Element(pressedIndex_);
    if (!e) e = Element(hoverIndex_);
    if (!e) return;
    const TPoint local = p - e->WindowRect.TopLeft();
    if (OnMouseMoveEvent) OnMouseMoveEvent(e->ElementName, vcl::mbLeft, local.X, local.Y, e->WindowRect);
    e->MouseMove(local.X, local.Y);
}

void TbsBusinessSkinForm::ShowElementHint(TbsActiveSkinObject& e) {
    if (!showObjectHint_ || !skinHint_ || e.ElementHint.empty()) return;
    const TPoint cursor = wm::GetCursorPos();
    const TRect r = skinHint_->CalcHintRect(300, e.ElementHint);
    skinHint_->ActivateHint(r.Offset(cursor.X, cursor.Y + 20), e.ElementHint);
}

void TbsBusinessSkinForm::HideElementHint() {
    if (skinHint_ && skinHint_->HandleAllocated()) skinHint_->ReleaseHandle();
}

}  // namespace skin
