#include "vcl/TForm.h"

#include "vcl/Errors.h"
#include "vcl/TApplication.h"
#include "vcl/TMainMenu.h"
#include "vcl/TScreen.h"
#include "vcl/VclMessages.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Windows.h"

namespace vcl {

TForm::TForm(TComponent* owner) : TCustomControl(owner) {
    SetVisible(false);
    SetBounds(0, 0, 320, 240);
    SetParentFont(false);
    Screen->AddForm(this);
}

TForm::~TForm() {
    if (!destroyDone_) DoDestroy();  // a form that was not destroyed through Free
    Screen->RemoveForm(this);
    if (Application) Application->FormDestroyed(this);
}

void TForm::AfterConstruction() {
    TCustomControl::AfterConstruction();
    if (IsLoading()) EndLoading();
    if (!created_) {
        created_ = true;
        DoCreate();
    }
}

void TForm::BeforeDestruction() {
    TCustomControl::BeforeDestruction();
    if (!destroyDone_) DoDestroy();
}

void TForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void TForm::DoDestroy() {
    destroyDone_ = true;
    if (OnDestroy) OnDestroy(this);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu_) RemoveFreeNotification(menu_);
    menu_ = menu;
    if (menu) FreeNotification(menu);
}

void TForm::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == menu_) menu_ = nullptr;
    if (component == activeControl_) activeControl_ = nullptr;
}

void TForm::CreateParams(wm::CreateParams& p) {
    TCustomControl::CreateParams(p);
    p.className = "TForm";
    p.style &= ~(wm::WS_CHILD | wm::WS_VISIBLE | wm::WS_TABSTOP);
    p.style |= wm::WS_POPUP;
    switch (borderStyle_) {
        case bsNone: break;
        case bsSingle:
        case bsDialog: p.style |= wm::WS_CAPTION; break;
        case bsSizeable: p.style |= wm::WS_CAPTION | wm::WS_SIZEBOX; break;
        case bsToolWindow: p.style |= wm::WS_CAPTION | wm::WS_EX_TOOLWINDOW; break;
        case bsSizeToolWin: p.style |= wm::WS_CAPTION | wm::WS_SIZEBOX | wm::WS_EX_TOOLWINDOW; break;
    }
    p.parent = 0;
    if (Application && Application->MainForm() && Application->MainForm() != this &&
        Application->MainForm()->HandleAllocated())
        p.owner = Application->MainForm()->Handle();
}

TWinControl* TForm::ActiveControl() const {
    if (HandleAllocated()) {
        HWND focus = wm::GetFocus();
        if (focus && focus != const_cast<TForm*>(this)->Handle()) {
            TWinControl* c = TWinControl::FindControl(focus);
            if (c && ContainsControl(c)) return c;
        }
    }
    return activeControl_;
}

void TForm::SetActiveControl(TWinControl* control) {
    if (control && !ContainsControl(control)) return;
    if (activeControl_) RemoveFreeNotification(activeControl_);
    activeControl_ = control;
    if (control) {
        FreeNotification(control);
        if (Active() && control->CanFocus()) control->SetFocus();
    }
}

bool TForm::Active() const {
    return HandleAllocated() && wm::GetActiveWindow() == const_cast<TForm*>(this)->Handle();
}

void TForm::ApplyPosition() {
    TRect area;
    if (position_ == poDesktopCenter) area = wm::GetWorkArea();
    else if (position_ == poScreenCenter) area = wm::GetScreenRect();
    else if ((position_ == poMainFormCenter || position_ == poOwnerFormCenter) && Application &&
             Application->MainForm() && Application->MainForm() != this)
        area = Application->MainForm()->BoundsRect();
    else return;
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2,
              Width(), Height());
}

void TForm::VisibleChanged() {
    if (Visible()) {
        if (!shownOnce_) {
            shownOnce_ = true;
            ApplyPosition();
        }
        Handle();
        DoShow();
        TCustomControl::VisibleChanged();
        FocusFirstControl();
    } else {
        if (HandleAllocated()) DoHide();
        TCustomControl::VisibleChanged();
    }
}

void TForm::FocusFirstControl() {
    if (!Active()) return;
    TWinControl* target = activeControl_;
    if (!target || !target->CanFocus()) target = FindNextControl(nullptr, true, true, false);
    if (target && target->CanFocus()) target->SetFocus();
}

void TForm::DoShow() {
    if (OnShow) OnShow(this);
}
void TForm::DoHide() {
    if (OnHide) OnHide(this);
}
void TForm::Activate() {
    Screen->SetActiveForm(this);
    if (OnActivate) OnActivate(this);
}
void TForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(this);
}
void TForm::Paint() {
    if (OnPaint) OnPaint(this);
}

void TForm::EndSession(bool ending) {
    if (OnEndSession) OnEndSession(this, ending);
}

void TForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    if (action == caHide || action == caMinimize) Hide();
    else if (action == caFree) Release();
}

void TForm::Release() {
    if (modal_) {
        releasePending_ = true;
        return;
    }
    // Posted, so the form goes after the handler that released it has returned.
    if (HandleAllocated()) wm::PostMessage(Handle(), CM_RELEASE);
    else Free(this);
}

bool TForm::CloseModal() {
    // The modal result is set: the form may still refuse (OnCloseQuery, caNone).
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone) modalResult_ = mrNone;
    return modalResult_ != mrNone;
}

TModalResult TForm::ShowModal() {
    if (Visible() || !Enabled() || modal_)
        throw EInvalidOperation("Aus einem sichtbaren Fenster kann kein modales gemacht werden");
    modal_ = true;
    modalResult_ = mrNone;
    Show();
    wm::SetActiveWindow(Handle());
    wm::RunModalLoop(Handle(), [this] {
        if (Application && Application->Terminated()) return true;
        if (!Visible() || !HandleAllocated()) return true;
        return modalResult_ != mrNone && CloseModal();
    });
    modal_ = false;
    TModalResult result = modalResult_;
    if (HandleAllocated()) Hide();
    if (releasePending_) Free(this);
    return result;
}

void TForm::WndProc(TMessage& m) {
    using namespace wm;
    switch (m.Msg) {
        case WM_CLOSE:
            Close();
            m.Result = 0;
            return;
        case WM_ENDSESSION:
            EndSession(m.WParam != 0);
            m.Result = 0;
            return;
        case WM_ACTIVATE:
            if (LowWord(m.WParam) != WA_INACTIVE) Activate();
            else Deactivate();
            break;
        case WM_SETFOCUS:
            // The form itself got the focus: hand it to the control that should have it.
            TCustomControl::WndProc(m);
            if (activeControl_ && activeControl_->CanFocus()) activeControl_->SetFocus();
            return;
        default: break;
    }
    TCustomControl::WndProc(m);
}

}  // namespace vcl
