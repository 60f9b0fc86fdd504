#include "vcl/TBitmap.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"

namespace vcl {

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>()) {
    canvas_->Attach(&surface_);
    canvas_->OnChange = [this](TObject*) { Changed(); };
}

TBitmap::TBitmap(int width, int height, TPixelFormat format) : TBitmap() {
    if (format == pf1bit) pixels_.SetFormat(gfx::PixelFormat::Mono1);
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
    if (width == Width() && height == Height()) return;
    pixels_.SetSize(width, height);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == PixelFormat()) return;
    pixels_.SetFormat(format == pf1bit ? gfx::PixelFormat::Mono1 : gfx::PixelFormat::Bgr24);
    Changed();
}

uint8_t* TBitmap::ScanLine(int y) {
    if (y < 0 || y >= Height()) return nullptr;
    return pixels_.Row(y);
}

TColor TBitmap::TransparentColor() const {
    if (transparentMode_ == tmFixed && transparentColor_ != clDefault) return transparentColor_;
    if (Empty()) return clDefault;
    return pixels_.Pixel(0, Height() - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
    transparentColor_ = color;
    transparentMode_ = color == clDefault ? tmAuto : tmFixed;
    Changed();
}

TColor TBitmap::EffectiveTransparentColor() const { return base::ColorToRGB(TransparentColor()); }

void TBitmap::LoadFromStream(std::istream& in) {
    std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    gfx::Bitmap read = gfx::ReadBmp(data);
    pixels_ = std::move(read);
    Changed();
}

void TBitmap::SaveToStream(std::ostream& out) const {
    std::vector<uint8_t> data = gfx::WriteBmp(pixels_, pixels_.IsMono() ? 1 : 24);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

void TBitmap::LoadFromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw gfx::ImageError("Datei " + path + " kann nicht geöffnet werden");
    LoadFromStream(in);
}

void TBitmap::SaveToFile(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    if (!out) throw gfx::ImageError("Datei " + path + " kann nicht erstellt werden");
    SaveToStream(out);
}

void TBitmap::Assign(const TPersistent* source) {
    if (auto* b = dynamic_cast<const TBitmap*>(source)) {
        if (b == this) return;
        pixels_ = b->pixels_;
        transparent_ = b->transparent_;
        transparentMode_ = b->transparentMode_;
        transparentColor_ = b->transparentColor_;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

}  // namespace vcl
