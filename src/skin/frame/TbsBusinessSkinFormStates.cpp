// TbsBusinessSkinForm: normal, minimized and maximized; rolled up; translucency; the
// commands of the frame buttons.
#include "skin/frame/TbsBusinessSkinForm.h"
#include "vcl/TApplication.h"
#include "vcl/TScreen.h"
#include "wm/MessageLoop.h"
#include "wm/Timers.h"
#include "wm/Translucency.h"
#include "wm/Windows.h"

namespace skin {

namespace {

// The skinned frame of a form, or null.
TbsBusinessSkinForm* FrameOf(vcl::TForm* form) {
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* frame = dynamic_cast<TbsBusinessSkinForm*>(form->Components(i))) return frame;
    return nullptr;
}

}  // namespace

void TbsBusinessSkinForm::SetFrameState(TbsFrameState state) {
    if (state == frameState_) return;
    switch (state) {
        case fsNormal: {
            rolledUpWhenMaximized_ = false;
            frameState_ = fsNormal;
            if (!restoreBounds_.IsEmpty()) SetFormBounds(restoreBounds_);
            restoreBounds_ = {};
            StartHoverTracking();
            break;
        }
        case fsMinimized: {
            if (vcl::Application && vcl::Application->MainForm() == form_) {
                // The main window takes the whole application down; its own state stays.
                for (int i = 0; i < vcl::Screen->FormCount(); ++i) {
                    vcl::TForm* f = vcl::Screen->Forms(i);
                    if (f->HandleAllocated() && wm::IsWindowVisible(f->Handle()))
                        wm::ShowWindow(f->Handle(), wm::SW_MINIMIZE);
                }
                return;
            }
            if (restoreBounds_.IsEmpty()) restoreBounds_ = form_->BoundsRect();
            frameState_ = fsMinimized;
            MinimizeToFreePlace();
            break;
        }
        case fsMaximized: {
            if (restoreBounds_.IsEmpty()) restoreBounds_ = form_->BoundsRect();
            frameState_ = fsMaximized;
            SetFormBounds(WorkOrScreen());
            break;
        }
    }
    DrawFrameOnWindow();
}

void TbsBusinessSkinForm::MinimizeToFreePlace() {
    const int w = MinFrameWidth(), h = MinFrameHeight();
    const TRect area = wm::GetWorkArea();
    auto taken = [this](int x, int y) {
        for (int i = 0; i < vcl::Screen->FormCount(); ++i) {
            vcl::TForm* f = vcl::Screen->Forms(i);
            TbsBusinessSkinForm* frame = f == form_ ? nullptr : FrameOf(f);
            if (frame && frame->Skinned() && frame->FrameState() == fsMinimized &&
                f->Left() == x && f->Top() == y)
                return true;
        }
        return false;
    };
    TRect place = TRect::FromSize(area.Left, area.Bottom - h, w, h);
    bool found = false;
    for (int y = area.Bottom - h; !found && y >= area.Top && h > 0; y -= h)
        for (int x = area.Left; !found && x + w <= area.Right && w > 0; x += w)
            if (!taken(x, y)) {
                place = TRect::FromSize(x, y, w, h);
                found = true;
            }
    SetFormBounds(place);
}

void TbsBusinessSkinForm::SetRollUp(bool on) {
    if (!borderIcons_.Contains(biRollUp) || frameState_ == fsMinimized) return;
    if (rolledUp_ && frameState_ == fsMaximized && !rolledUpWhenMaximized_) return;
    if (on == rolledUp_) return;
    if (frameState_ == fsMaximized) rolledUpWhenMaximized_ = on;
    if (on) {
        rolledHeight_ = form_->Height();
        rolledUp_ = true;
        form_->SetBounds(form_->Left(), form_->Top(), form_->Width(), MinFrameHeight());
    } else {
        rolledUp_ = false;
        form_->SetBounds(form_->Left(), form_->Top(), form_->Width(), rolledHeight_);
    }
    DrawFrameOnWindow();
    if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TbsBusinessSkinForm::RunFrameCommand(TbsStdCommand command) {
    switch (command) {
        case cmClose: form_->Close(); break;
        case cmMaximize: SetFrameState(frameState_ == fsMaximized ? fsNormal : fsMaximized); break;
        case cmMinimize: SetFrameState(frameState_ == fsMinimized ? fsNormal : fsMinimized); break;
        case cmRollUp: SetRollUp(!rolledUp_); break;
        case cmSysMenu:
        case cmDefault: break;
    }
}

// --- translucency --------------------------------------------------------------------

void TbsBusinessSkinForm::ApplyAlphaBlend() {
    const wm::HWND h = WindowHandle();
    if (!h || !wm::LayeredWindowsAvailable()) return;
    wm::SetWindowOpacity(h, alphaBlend_ ? alphaBlendValue_ : 255);
}

void TbsBusinessSkinForm::StartFadeIn() {
    const wm::HWND h = WindowHandle();
    if (!h || !(alphaBlend_ || alphaBlendAnimation_) || !wm::LayeredWindowsAvailable()) return;
    wm::SetWindowOpacity(h, 0);
    wm::SetTimer(h, kFadeTimerId, 1);
}

void TbsBusinessSkinForm::FadeTimer() {
    const wm::HWND h = WindowHandle();
    if (!h) return;
    wm::KillTimer(h, kFadeTimerId);
    const int target = alphaBlend_ ? alphaBlendValue_ : 255;
    if (alphaBlendAnimation_) {
        wm::ProcessPendingMessages();
        for (int alpha = 5; alpha < target && wm::IsWindow(h); alpha += 5)
            wm::SetWindowOpacity(h, static_cast<uint8_t>(alpha));
    }
    if (wm::IsWindow(h)) wm::SetWindowOpacity(h, static_cast<uint8_t>(target));
}

}  // namespace skin
