#include "vcl/TCustomControl.h"

#include <algorithm>
#include <vector>

#include "wm/Messages.h"
#include "wm/Paint.h"

namespace vcl {

namespace {
std::vector<TCustomControl*>& Holders() {
    static std::vector<TCustomControl*> holders;
    return holders;
}
}  // namespace

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TCanvas>()) {
    canvas_->RequireSurface = [this](TCanvas*) { AcquireDeviceContext(); };
}

TCustomControl::~TCustomControl() {
    ReleaseDeviceContext();
}

void TCustomControl::SetDoubleBuffered(bool on) {
    doubleBuffered_ = on;
    TControlStyle style = ControlStyle();
    SetControlStyle(style.Set(csOpaque, on));
}

void TCustomControl::WndProc(TMessage& m) {
    if (m.Msg == wm::WM_PAINT) ReleaseDeviceContext();
    if (m.Msg == wm::WM_ERASEBKGND && ControlStyle().Contains(csOpaque)) {
        m.Result = 1;  // Paint covers every pixel
        return;
    }
    TWinControl::WndProc(m);
}

void TCustomControl::PaintWindow(gfx::Canvas& surface) {
    painting_ = true;
    canvas_->Font()->Assign(Font());
    if (doubleBuffered_ && Width() > 0 && Height() > 0) {
        TRect client = ClientRect();
        TBitmap buffer(client.Width(), client.Height());
        gfx::Canvas bufferSurface(buffer.Pixels());
        canvas_->Attach(&bufferSurface);
        canvas_->Brush()->SetColor(Color());
        canvas_->FillRect(client);
        Paint();
        canvas_->Detach();
        surface.Draw(0, 0, buffer.Pixels());
    } else {
        canvas_->Attach(&surface);
        surface.Save();
        Paint();
        surface.Restore();
        canvas_->Detach();
    }
    painting_ = false;
}

void TCustomControl::AcquireDeviceContext() {
    if (painting_ || heldDc_ || !HandleAllocated()) return;
    heldDc_ = wm::GetDC(Handle());
    gfx::Canvas* surface = wm::GetCanvas(heldDc_);
    if (!surface) {
        wm::ReleaseDC(Handle(), heldDc_);
        heldDc_ = 0;
        return;
    }
    canvas_->Attach(surface);
    Holders().push_back(this);
}

void TCustomControl::ReleaseDeviceContext() {
    if (!heldDc_) return;
    canvas_->Detach();
    if (HandleAllocated()) wm::ReleaseDC(Handle(), heldDc_);
    heldDc_ = 0;
    std::erase(Holders(), this);
}

void TCustomControl::DestroyWnd() {
    ReleaseDeviceContext();
    TWinControl::DestroyWnd();
}

void TCustomControl::ReleaseDeviceContexts() {
    while (!Holders().empty()) Holders().back()->ReleaseDeviceContext();
}

}  // namespace vcl
