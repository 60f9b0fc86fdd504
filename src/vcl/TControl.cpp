#include "vcl/TControl.h"

#include "vcl/Errors.h"
#include "vcl/TForm.h"
#include "vcl/TPopupMenu.h"
#include "vcl/TWinControl.h"
#include "wm/Input.h"
#include "wm/Messages.h"
#include "wm/Paint.h"
#include "wm/Windows.h"

namespace vcl {

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    font_.OnChange = [this](TObject*) {
        if (!followingParent_) parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    if (parent_) parent_->RemoveControl(this);
}

TForm* GetParentForm(const TControl* control) {
    const TControl* c = control;
    while (c && c->Parent()) c = c->Parent();
    return c ? dynamic_cast<TForm*>(const_cast<TControl*>(c)) : nullptr;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("Ein Steuerelement kann nicht sein eigenes übergeordnetes Element sein");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    bool sized = width != width_ || height != height_;
    // The old place shows the parent again: repaint it with its background.
    if (parent_ && visible_ && parent_->HandleAllocated() && IsVisibleChain()) {
        TRect old = BoundsRect();
        wm::InvalidateRect(parent_->Handle(), &old, true);
    }
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged(sized);
}

void TControl::BoundsChanged(bool sizeChanged) {
    if (parent_ && visible_) Invalidate();
    if (align_ != alNone || sizeChanged) RequestAlign();
    if (sizeChanged) Resize();
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

void TControl::SetClientSize(int width, int height) {
    TRect client = ClientRect();
    SetBounds(left_, top_, width_ + width - client.Width(), height_ + height - client.Height());
}

TPoint TControl::ClientOrigin() const {
    if (!parent_) return {left_, top_};
    return parent_->ClientOrigin() + TPoint{left_, top_};
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    RequestAlign();
}

void TControl::RequestAlign() {
    if (parent_) parent_->Realign();
}

bool TControl::IsVisibleChain() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

bool TControl::IsEnabledChain() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->enabled_) return false;
    return true;
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible && parent_ && parent_->HandleAllocated() && IsVisibleChain()) {
        TRect area = BoundsRect();  // uncovers the parent
        wm::InvalidateRect(parent_->Handle(), &area, true);
    }
    visible_ = visible;
    VisibleChanged();
}

void TControl::VisibleChanged() {
    if (visible_) Invalidate();
    RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
}

void TControl::SetColor(TColor color) {
    parentColor_ = followingParent_ ? parentColor_ : false;
    if (color == color_) return;
    color_ = color;
    ColorChanged();
}

void TControl::SetParentColor(bool on) {
    parentColor_ = on;
    if (on) ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!parentColor_ || !parent_) return;
    followingParent_ = true;
    SetColor(parent_->Color());
    followingParent_ = false;
}

void TControl::SetParentFont(bool on) {
    parentFont_ = on;
    if (on) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_) return;
    followingParent_ = true;
    font_.Assign(parent_->Font());
    followingParent_ = false;
}

void TControl::SetShowHint(bool on) {
    parentShowHint_ = false;
    showHint_ = on;
}

void TControl::SetParentShowHint(bool on) {
    parentShowHint_ = on;
    if (on) ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
    if (parentShowHint_ && parent_) showHint_ = parent_->ShowHint();
}

void TControl::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    TextChanged();
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (menu == popupMenu_) return;
    if (popupMenu_) RemoveFreeNotification(popupMenu_);
    popupMenu_ = menu;
    if (menu) FreeNotification(menu);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::Loaded() {
    TComponent::Loaded();
    ParentFontChanged();
    ParentColorChanged();
    ParentShowHintChanged();
    RequestAlign();
}

void TControl::Invalidate() {
    if (!parent_ || !parent_->HandleAllocated() || !IsVisibleChain()) return;
    TRect r = BoundsRect();
    wm::InvalidateRect(parent_->Handle(), &r, !controlStyle_.Contains(csOpaque));
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

void TControl::BringToFront() {
    if (parent_) {
        parent_->MoveControl(this, true);
    } else if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated()) {
        wm::SetWindowPos(w->Handle(), wm::HWND_TOP, 0, 0, 0, 0,
                         wm::SWP_NOMOVE | wm::SWP_NOSIZE | wm::SWP_NOACTIVATE);
    }
}

void TControl::SendToBack() {
    if (parent_) parent_->MoveControl(this, false);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::DefaultHandler(TMessage&) {}

static bool IsMouseMessage(UINT msg) {
    return msg >= wm::WM_MOUSEMOVE && msg <= wm::WM_MBUTTONDBLCLK;
}

void TControl::WndProc(TMessage& m) {
    if (IsMouseMessage(m.Msg)) {
        HandleMouseMessage(m);
    } else if (m.Msg == wm::WM_MOUSEENTER) {
        MouseEnter();
    } else if (m.Msg == wm::WM_MOUSELEAVE) {
        MouseLeave();
    } else if (m.Msg == wm::WM_CANCELMODE) {
        clicked_ = false;
    }
    DefaultHandler(m);
}

void TControl::HandleMouseMessage(TMessage& m) {
    using namespace wm;
    int x = PointParamX(m.LParam), y = PointParamY(m.LParam);
    TShiftState shift = ShiftStateFromMouseKeys(m.WParam);
    auto down = [&](TMouseButton button, bool dbl) {
        if (button == mbLeft) {
            if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
            if (controlStyle_.Contains(csClickEvents)) clicked_ = true;
        }
        if (dbl) {
            shift.Include(ssDouble);
            if (button == mbLeft && controlStyle_.Contains(csDoubleClicks)) DblClick();
        }
        MouseDown(button, shift, x, y);
    };
    auto up = [&](TMouseButton button) {
        if (button == mbLeft) {
            if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(false);
            if (clicked_) {
                clicked_ = false;
                if (ClientRect().Contains(x, y)) Click();
            }
        }
        MouseUp(button, shift, x, y);
        if (button == mbRight && ClientRect().Contains(x, y)) DoContextPopup(ClientToScreen({x, y}));
    };
    switch (m.Msg) {
        case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
        case WM_LBUTTONDOWN: down(mbLeft, false); break;
        case WM_LBUTTONDBLCLK: down(mbLeft, true); break;
        case WM_RBUTTONDOWN: down(mbRight, false); break;
        case WM_RBUTTONDBLCLK: down(mbRight, true); break;
        case WM_MBUTTONDOWN: down(mbMiddle, false); break;
        case WM_MBUTTONDBLCLK: down(mbMiddle, true); break;
        case WM_LBUTTONUP: up(mbLeft); break;
        case WM_RBUTTONUP: up(mbRight); break;
        case WM_MBUTTONUP: up(mbMiddle); break;
        default: break;
    }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}
void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}
void TControl::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}
void TControl::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}
void TControl::Click() {
    if (OnClick) OnClick(this);
}
void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

bool TControl::DoContextPopup(TPoint screen) {
    for (TControl* c = this; c; c = c->parent_) {
        TPopupMenu* menu = c->popupMenu_;
        if (!menu) continue;
        if (!menu->AutoPopup()) return false;
        menu->SetPopupComponent(this);
        menu->Popup(screen.X, screen.Y);
        return true;
    }
    return false;
}

void TControl::SetMouseCapture(bool capture) {
    if (!parent_) return;
    parent_->SetCaptureControl(capture ? this : nullptr);
}

bool TControl::MouseCapture() const {
    return parent_ && parent_->CaptureControl() == this;
}

}  // namespace vcl
