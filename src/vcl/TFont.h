#pragma once
// A font as components keep it: a gfx::FontSpec (name, height, styles) plus a colour,
// with a change notice so the owner can repaint or pass the font on to its children.

#include <functional>
#include <string>

#include "base/Color.h"
#include "gfx/Font.h"
#include "gfx/FontSpec.h"
#include "vcl/Set.h"
#include "vcl/TPersistent.h"

namespace vcl {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

class TFont : public TPersistent {
public:
    static constexpr int kPixelsPerInch = 96;

    TFont() = default;

    const std::string& Name() const { return spec_.name; }
    void SetName(const std::string& name);
    // Negative: character height in pixels; positive: cell height (see gfx/FontSpec.h).
    int Height() const { return spec_.height; }
    void SetHeight(int height);
    // Points at 96 dpi; setting it stores the matching negative height.
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const;
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    const gfx::FontSpec& Attributes() const { return spec_; }
    void SetSpec(const gfx::FontSpec& value);
    // The resolved font for measuring and drawing.
    gfx::Font Resolved() const { return gfx::Font(spec_); }

    void Assign(const TPersistent* source) override;

    // Runs after every change.
    std::function<void(TObject* sender)> OnChange;

private:
    void Changed();

    gfx::FontSpec spec_;
    TColor color_ = clWindowText;
};

}  // namespace vcl
