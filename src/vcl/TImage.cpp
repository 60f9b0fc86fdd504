#include "vcl/TImage.h"

namespace vcl {

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TBitmap>()) {
    SetBounds(0, 0, 105, 105);
    picture_->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() { picture_->OnChange = nullptr; }

void TImage::SetTransparent(bool on) {
    transparent_ = on;
    picture_->SetTransparent(on);
}

void TImage::PictureChanged() {
    if (autoSize_ && !picture_->Empty()) SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
    Invalidate();
}

TRect TImage::DestRect() const {
    int w = picture_->Width(), h = picture_->Height();
    if (stretch_) return ClientRect();
    if (center_) return TRect::FromSize((Width() - w) / 2, (Height() - h) / 2, w, h);
    return {0, 0, w, h};
}

void TImage::Paint() {
    if (picture_->Empty()) return;
    TRect dest = DestRect();
    Canvas()->StretchDraw(dest, picture_.get());
}

}  // namespace vcl
