#pragma once
// A picture on its parent: drawn at the top-left, centred, or stretched to the bounds;
// optionally with the picture's transparent colour left out.

#include "vcl/TBitmap.h"
#include "vcl/TGraphicControl.h"

namespace vcl {

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    TBitmap* Picture() { return picture_.get(); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on) { stretch_ = on; Invalidate(); }
    bool Center() const { return center_; }
    void SetCenter(bool on) { center_ = on; Invalidate(); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on) { autoSize_ = on; PictureChanged(); }
    // Where the picture lands in the client area.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();

    std::unique_ptr<TBitmap> picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

}  // namespace vcl
