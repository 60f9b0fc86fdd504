#include "vcl/TFont.h"

#include "base/Rounding.h"

namespace vcl {

void TFont::Changed() {
    if (OnChange) OnChange(this);
}

void TFont::SetName(const std::string& name) {
    if (name.empty() || name == spec_.name) return;
    spec_.name = name;
    Changed();
}

void TFont::SetHeight(int height) {
    height = gfx::ClampFontHeight(height);
    if (height == spec_.height) return;
    spec_.height = height;
    Changed();
}

int TFont::Size() const {
    // -height * 72 / 96, rounded: -11 px is 8 pt.
    return -base::rnd(static_cast<double>(spec_.height) * 72.0 / kPixelsPerInch);
}

void TFont::SetSize(int points) { SetHeight(gfx::FontHeightFromPoints(points)); }

TFontStyles TFont::Style() const {
    TFontStyles s;
    s.Set(fsBold, spec_.bold);
    s.Set(fsItalic, spec_.italic);
    s.Set(fsUnderline, spec_.underline);
    s.Set(fsStrikeOut, spec_.strikeOut);
    return s;
}

void TFont::SetStyle(TFontStyles style) {
    if (style == Style()) return;
    spec_.bold = style.Contains(fsBold);
    spec_.italic = style.Contains(fsItalic);
    spec_.underline = style.Contains(fsUnderline);
    spec_.strikeOut = style.Contains(fsStrikeOut);
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::SetSpec(const gfx::FontSpec& value) {
    gfx::FontSpec clamped = value;
    clamped.height = gfx::ClampFontHeight(value.height);
    if (clamped == spec_) return;
    spec_ = clamped;
    Changed();
}

void TFont::Assign(const TPersistent* source) {
    if (auto* f = dynamic_cast<const TFont*>(source)) {
        if (f->spec_ == spec_ && f->color_ == color_) return;
        spec_ = f->spec_;
        color_ = f->color_;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

}  // namespace vcl
