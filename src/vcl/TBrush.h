#pragma once
// The brush of a TCanvas: fill colour, solid or clear.

#include <functional>

#include "gfx/Canvas.h"
#include "vcl/TPersistent.h"

namespace vcl {

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TPersistent {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; style_ = bsSolid; Changed(); }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style) { style_ = style; Changed(); }

    gfx::BrushState State() const {
        return {color_, style_ == bsClear ? gfx::BrushStyle::Clear : gfx::BrushStyle::Solid};
    }
    void Assign(const TPersistent* source) override;

    std::function<void(TObject* sender)> OnChange;

private:
    void Changed() { if (OnChange) OnChange(this); }
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

}  // namespace vcl
