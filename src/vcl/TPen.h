#pragma once
// The pen of a TCanvas: colour, style and raster operation. Width is always 1.

#include <functional>

#include "gfx/Canvas.h"
#include "vcl/TPersistent.h"

namespace vcl {

enum TPenStyle { psSolid, psClear };
enum TPenMode { pmCopy, pmNot, pmXor, pmNotXor };

class TPen : public TPersistent {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; Changed(); }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style) { style_ = style; Changed(); }
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode mode) { mode_ = mode; Changed(); }
    int Width() const { return 1; }

    gfx::PenState State() const;
    void Assign(const TPersistent* source) override;

    std::function<void(TObject* sender)> OnChange;

private:
    void Changed() { if (OnChange) OnChange(this); }
    TColor color_ = clBlack;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

}  // namespace vcl
