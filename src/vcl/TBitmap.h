#pragma once
// A picture in memory (24-bit colour or a 1-bit mask) with a canvas to draw on, BMP
// reading and writing, and an optional transparent colour for drawing it onto others.

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "gfx/Bitmap.h"
#include "vcl/TCanvas.h"
#include "vcl/TPersistent.h"

namespace vcl {

enum TPixelFormat { pf1bit, pf24bit };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TPersistent {
public:
    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = pf24bit);
    ~TBitmap() override;

    int Width() const { return pixels_.Width(); }
    int Height() const { return pixels_.Height(); }
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    void SetSize(int width, int height);
    bool Empty() const { return pixels_.IsEmpty(); }

    TPixelFormat PixelFormat() const { return pixels_.IsMono() ? pf1bit : pf24bit; }
    void SetPixelFormat(TPixelFormat format);
    // A bitmap made monochrome: classic name for pf1bit.
    bool Monochrome() const { return PixelFormat() == pf1bit; }
    void SetMonochrome(bool mono) { SetPixelFormat(mono ? pf1bit : pf24bit); }

    // Draws on the pixels; stays valid for the bitmap's life.
    TCanvas* Canvas() { return canvas_.get(); }
    const gfx::Bitmap& Pixels() const { return pixels_; }
    gfx::Bitmap& Pixels() { return pixels_; }
    uint8_t* ScanLine(int y);

    // Transparent drawing: with tmAuto the colour is the bottom-left pixel's.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on) { transparent_ = on; Changed(); }
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode) { transparentMode_ = mode; Changed(); }
    // The RGB colour left out when drawing transparently.
    TColor EffectiveTransparentColor() const;

    // BMP files; a 1-bit bitmap is written with 1 bit per pixel, others with 24.
    // Reading throws gfx::ImageError for a bad file.
    void LoadFromStream(std::istream& in);
    void SaveToStream(std::ostream& out) const;
    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;

    void Assign(const TPersistent* source) override;
    void Dormant() {}

    std::function<void(TObject* sender)> OnChange;

private:
    void Changed() { if (OnChange) OnChange(this); }

    gfx::Bitmap pixels_;
    gfx::Canvas surface_{pixels_};
    std::unique_ptr<TCanvas> canvas_;
    bool transparent_ = false;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
};

}  // namespace vcl
