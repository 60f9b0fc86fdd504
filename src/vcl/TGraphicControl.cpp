#include "vcl/TGraphicControl.h"

#include "wm/Messages.h"

namespace vcl {

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& m) {
    if (m.Msg == wm::WM_PAINT && m.LParam) {
        // The parent's surface, its origin at the parent's client top-left.
        auto* surface = reinterpret_cast<gfx::Canvas*>(m.LParam);
        surface->Save();
        surface->SetOrigin(surface->Origin() + TPoint{Left(), Top()});
        surface->IntersectClipRect({0, 0, Width(), Height()});
        canvas_->Font()->Assign(Font());
        canvas_->Attach(surface);
        Paint();
        canvas_->Detach();
        surface->Restore();
        m.Result = 0;
        return;
    }
    TControl::WndProc(m);
}

}  // namespace vcl
