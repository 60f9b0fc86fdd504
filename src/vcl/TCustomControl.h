#pragma once
// A windowed control that draws itself: Paint() on its own canvas, called for every
// WM_PAINT. With DoubleBuffered the control paints into one off-screen bitmap that is
// copied in one step, and background erasing is suppressed, so it never flickers.
//
// The canvas also works outside the paint cycle (focus outlines, hover marks): it then
// draws through a device context of the window, shown when the next message is handled.

#include <memory>

#include "vcl/TBitmap.h"
#include "vcl/TCanvas.h"
#include "vcl/TWinControl.h"

namespace vcl {

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    TCanvas* Canvas() { return canvas_.get(); }
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool on);

    // Shows and gives back every device context taken for drawing outside the paint
    // cycle (the application calls it before each message).
    static void ReleaseDeviceContexts();

    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}
    void PaintWindow(gfx::Canvas& surface) override;
    void DestroyWnd() override;

private:
    void AcquireDeviceContext();
    void ReleaseDeviceContext();

    std::unique_ptr<TCanvas> canvas_;
    bool doubleBuffered_ = false;
    bool painting_ = false;
    wm::HDC heldDc_ = 0;
};

}  // namespace vcl
