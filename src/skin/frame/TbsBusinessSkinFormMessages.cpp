// TbsBusinessSkinForm: the window procedure in front of the form's.
#include <algorithm>

#include "skin/TbsSkinData.h"
#include "skin/frame/SkinControlWalk.h"
#include "skin/frame/TbsBusinessSkinForm.h"
#include "skin/menus/TbsSkinMenu.h"
#include "wm/Input.h"
#include "wm/Paint.h"
#include "wm/Timers.h"
#include "wm/Translucency.h"
#include "wm/Windows.h"

namespace skin {

namespace {

// Messages before which open menus close (a press, a move, a change of focus).
bool ClosesMenus(wm::UINT msg) {
    switch (msg) {
        case wm::WM_MOVE: case wm::WM_SIZE: case wm::WM_ACTIVATE: case wm::WM_KILLFOCUS:
        case wm::WM_CANCELMODE: case wm::WM_MOUSEACTIVATE: case wm::WM_NCLBUTTONDOWN:
        case wm::WM_NCRBUTTONDOWN: case wm::WM_NCMBUTTONDOWN: case wm::WM_LBUTTONDOWN:
        case wm::WM_RBUTTONDOWN: case wm::WM_MBUTTONDOWN: case wm::WM_PARENTNOTIFY:
            return true;
        default: return false;
    }
}

}  // namespace

void TbsBusinessSkinForm::FrameWndProc(vcl::TMessage& m) {
    if (ClosesMenus(m.Msg)) CloseMenusBeforeMessage();
    if (!HandleMessage(m)) CallPrevious(m);
}

void TbsBusinessSkinForm::CloseMenusBeforeMessage() {
    HideElementHint();
    if (menuMode_ && !menuOpen_) {
        EndMenuMode();
    } else if (menuOpen_ && menuEngine_->MenuOpen()) {
        menuEngine_->CloseAll();
    } else if (menuOpen_) {
        ResetMenuState();  // a menu was just being opened
    }
}

bool TbsBusinessSkinForm::HandleMessage(vcl::TMessage& m) {
    using namespace wm;
    const wm::HWND h = WindowHandle();
    switch (m.Msg) {
        case WM_CREATE:
            CallPrevious(m);
            if (h) {
                SetWindowStyle(h, GetWindowStyle(h) & ~WS_CAPTION);
                menuEngine_->SetFrameWindow(h);
            }
            return true;
        case WM_NCCALCSIZE:
            if (!HasBorder()) return false;
            OnNcCalcSize(m);
            return true;
        case WM_NCPAINT:
            if (!HasBorder()) return false;
            PaintFrame();
            m.Result = 0;
            return true;
        case WM_NCACTIVATE:
            active_ = m.WParam != 0;
            m.Result = 1;
            for (auto& e : elements_)
                if (e->IsCaption()) e->IsActive = active_;
            PaintFrame();
            return true;
        case WM_ACTIVATE:
            HandleActivate(m);
            return true;
        case WM_NCHITTEST: {
            const TPoint p = PointFromParam(m.LParam) - GetWindowRect(h).TopLeft();
            m.Result = FrameHitTest(p);
            if (m.Result == HTOBJECT && !hoverTimer_->Enabled()) {
                UpdateHover(p);
                StartHoverTracking();
            }
            return true;
        }
        case WM_NCMOUSEMOVE:
            CallPrevious(m);
            if (h && !inSizeMove_) {
                const TPoint p = PointFromParam(m.LParam) - GetWindowRect(h).TopLeft();
                UpdateHover(p);
                ElementMouseMove(p);
            }
            return true;
        case WM_MOUSEMOVE:
            CallPrevious(m);
            // Under the capture of a pressed button the pointer arrives as client moves.
            if (pressedIndex_ >= 0 && h) {
                const TPoint p = PointFromParam(m.LParam) + GetClientRectInWindow(h).TopLeft();
                UpdateHover(p);
                ElementMouseMove(p);
            }
            return true;
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN: {
            const int hit = static_cast<int>(m.WParam);
            const TPoint screen = PointFromParam(m.LParam);
            CallPrevious(m);  // the system's move or size loop runs here for those codes
            ElementMouseDown(screen - GetWindowRect(h).TopLeft(),
                             m.Msg == WM_NCLBUTTONDOWN ? vcl::mbLeft : vcl::mbRight, hit);
            if (hit == HTCAPTION && m.Msg == WM_NCRBUTTONDOWN) ShowSystemMenu(&screen);
            return true;
        }
        case WM_NCLBUTTONUP:
        case WM_NCRBUTTONUP:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP: {
            CallPrevious(m);
            if (pressedIndex_ < 0 || !h) return true;
            TPoint p = PointFromParam(m.LParam);
            p = (m.Msg == WM_LBUTTONUP || m.Msg == WM_RBUTTONUP)
                    ? p + GetClientRectInWindow(h).TopLeft()
                    : p - GetWindowRect(h).TopLeft();
            const bool left = m.Msg == WM_NCLBUTTONUP || m.Msg == WM_LBUTTONUP;
            ElementMouseUp(p, left ? vcl::mbLeft : vcl::mbRight);
            return true;
        }
        case WM_NCLBUTTONDBLCLK: {
            const int hit = static_cast<int>(m.WParam);
            CallPrevious(m);
            if (TbsActiveSkinObject* e = Element(hoverIndex_)) {
                auto* button = dynamic_cast<TbsSkinStdButtonObject*>(e);
                if (button && button->ButtonCommand == cmSysMenu) {
                    e->DblClick();  // closes the form
                    return true;
                }
                e->DblClick();
                // The second press of a quick double click on a button is a press too.
                if (hit != HTCAPTION && dynamic_cast<TbsSkinButtonObject*>(e))
                    ElementMouseDown(PointFromParam(m.LParam) - GetWindowRect(h).TopLeft(), vcl::mbLeft, hit);
            }
            if (hit == HTCAPTION) OnCaptionDoubleClick();
            return true;
        }
        case WM_GETMINMAXINFO: {
            CallPrevious(m);
            if (auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam)) {
                info->ptMinTrackSize = {MinFrameWidth(), MinFrameHeight()};
                info->ptMaxTrackSize = {MaxFrameWidth(), MaxFrameHeight()};
            }
            return true;
        }
        case WM_SIZE:
            OnSize(m);
            return true;
        case WM_ENTERSIZEMOVE:
            inSizeMove_ = true;
            fullDrag_ = true;  // the window follows the pointer while it is dragged
            CallPrevious(m);
            return true;
        case WM_EXITSIZEMOVE:
            inSizeMove_ = false;
            fullDrag_ = false;
            CallPrevious(m);
            frameWidth_ = form_->Width();
            frameHeight_ = form_->Height();
            if (skinned_) UpdateFrame(true);
            DrawFrameOnWindow();
            return true;
        case WM_SIZING:
            CallPrevious(m);
            if (fullDrag_ && skinned_) {
                if (auto* r = reinterpret_cast<TRect*>(m.LParam)) {
                    frameWidth_ = r->Width();
                    frameHeight_ = r->Height();
                    UpdateFrame(true);
                }
            }
            return true;
        case WM_MOVING:
            CallPrevious(m);
            if (magnetic_)
                if (auto* r = reinterpret_cast<TRect*>(m.LParam))
                    *r = SnapToWorkArea(*r, GetWorkArea(), magneticSize_);
            return true;
        case WM_ERASEBKGND:
            if (!skinned_) return false;
            if (gfx::Canvas* canvas = GetCanvas(static_cast<HDC>(m.WParam))) PaintClientBackground(*canvas);
            m.Result = 1;
            return true;
        case WM_SHOWWINDOW:
            CallPrevious(m);
            if (m.WParam) {
                StartFadeIn();
                if (h && HasBorder()) {
                    const TRect r = GetWindowBounds(h);
                    form_->SetBounds(r.Left, r.Top, r.Width() + 1, r.Height());
                    form_->SetBounds(r.Left, r.Top, r.Width(), r.Height());
                }
                form_->SetMenu(nullptr);  // the skinned menu bar shows it instead
            } else if (alphaBlend_ && h) {
                SetWindowOpacity(h, 255);
            }
            return true;
        case WM_SETTEXT:
            CallPrevious(m);
            DrawFrameOnWindow();
            return true;
        case WM_SYSCOMMAND:
            if ((m.WParam & 0xFFF0) != SC_KEYMENU) return false;
            KeyMenu();
            m.Result = 0;
            return true;
        case WM_TIMER:
            if (m.WParam != kFadeTimerId) return false;
            FadeTimer();
            return true;
        case WM_DESTROY:
            StopTimers();
            if (h) KillTimer(h, kFadeTimerId);
            return false;
        case WM_SKIN_CHANGING:
            OnSkinChanging(m);
            return true;
        case WM_SKIN_CHANGED:
            OnSkinChanged(m);
            return true;
        case WM_SKIN_MENU_CLOSED:
            OnSkinMenuClosed();
            return true;
        default:
            return false;
    }
}

void TbsBusinessSkinForm::OnNcCalcSize(vcl::TMessage& m) {
    auto* params = reinterpret_cast<wm::NCCALCSIZE_PARAMS*>(m.LParam);
    m.Result = 0;
    if (!params) return;
    TRect& r = params->rgrc[0];
    if (skinned_) {
        geometry_ = ComputeFrameGeometry(*skinData_, r.Width(), r.Height());
        const TRect& c = skinData_->FormInfo().clientrect;
        const int pw = skinData_->Picture().Width(), ph = skinData_->Picture().Height();
        r = {r.Left + c.Left, r.Top + c.Top, r.Right + c.Right - pw, r.Bottom + c.Bottom - ph};
    } else {
        r = {r.Left + 3, r.Top + PlainCaptionHeight() + 3, r.Right - 3, r.Bottom - 3};
    }
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
}

void TbsBusinessSkinForm::HandleActivate(vcl::TMessage& m) {
    CallPrevious(m);
    const bool active = wm::LowWord(m.WParam) != wm::WA_INACTIVE;
    active_ = active;
    bool captionDone = false;
    for (auto& e : elements_) {
        if (e->IsCaption()) {
            if (!captionDone) {
                captionDone = true;
                e->SetActive(active);
            }
            continue;
        }
        e->IsActive = false;
        e->MorphProgress = 0.0;
    }
    PaintFrame();
    if (active && OnActivate) OnActivate(this);
    if (!active && OnDeActivate) OnDeActivate(this);
}

void TbsBusinessSkinForm::OnSize(vcl::TMessage& m) {
    CallPrevious(m);
    if (inSizeMove_ && fullDrag_ && skinned_) return;
    frameWidth_ = form_->Width();
    frameHeight_ = form_->Height();
    if (skinned_) {
        if (frameWidth_ >= MinFrameWidth() && frameHeight_ >= MinFrameHeight()) UpdateFrame(true);
    } else {
        LayoutElements();
        DrawFrameOnWindow();
    }
    if (alphaBlend_ || alphaBlendAnimation_) {
        DrawFrameOnWindow();
        form_->Invalidate();
    }
}

void TbsBusinessSkinForm::OnSkinChanging(vcl::TMessage& m) {
    auto* skin = reinterpret_cast<TbsSkinData*>(m.WParam);
    if (skin && skin == skinData_) {
        skinned_ = false;
        StopTimers();
        DropElements();
        PrepareFormSkinChange(form_, skin);
    }
    m.Result = 0;
}

void TbsBusinessSkinForm::OnSkinChanged(vcl::TMessage& m) {
    auto* skin = reinterpret_cast<TbsSkinData*>(m.WParam);
    if (skin && skin == skinData_) ApplySkin();
    ApplyFormSkinChange(form_, skin);
    m.Result = 0;
}

void TbsBusinessSkinForm::OnCaptionDoubleClick() {
    if (Sizeable() && frameState_ == fsMinimized) {
        SetFrameState(fsNormal);
    } else if (Sizeable() && frameState_ == fsNormal && !rolledUp_ && borderIcons_.Contains(biMaximize)) {
        SetFrameState(fsMaximized);
    } else if (Sizeable() && frameState_ == fsMaximized && !rolledUp_) {
        SetFrameState(fsNormal);
    } else {
        SetRollUp(!rolledUp_);
    }
}

}  // namespace skin
