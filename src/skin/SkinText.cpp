#include "skin/SkinText.h"

#include "gfx/TextEllipsis.h"
#include "gfx/TextRenderer.h"

namespace skin {
namespace {

// The canvas's origin and clip region applied to a text call in bitmap pixels.
gfx::TextClip DeviceClip(const gfx::Canvas& canvas, const TRect& logical) {
    gfx::TextClip clip;
    clip.rect = logical.Offset(canvas.Origin().X, canvas.Origin().Y);
    clip.region = canvas.ClipRegion();
    return clip;
}

}  // namespace

std::string EllipsizeText(const gfx::Font& font, std::string_view text, int width) {
    return gfx::EllipsizeText(font, text, width);
}

void DrawTextVCenter(gfx::Canvas& canvas, const gfx::Font& font, TColor color,
                     std::string_view text, const TRect& r) {
    gfx::TextStyle style;
    style.color = color;
    gfx::TextBoxFlags flags;
    flags.verticalCenter = true;
    const TRect box = r.Offset(canvas.Origin().X, canvas.Origin().Y);
    gfx::TextClip clip;
    clip.region = canvas.ClipRegion();
    gfx::DrawTextInBox(canvas.Target(), font, box, text, style, flags, clip);
}

void DrawTextLeftVCenter(gfx::Canvas& canvas, const gfx::Font& font, TColor color,
                         std::string_view text, const TRect& r, int indent) {
    gfx::TextStyle style;
    style.color = color;
    style.reference = gfx::TextReference::Top;
    const int x = r.Left + indent + 2;
    const int y = r.Top + r.Height() / 2 - font.Height() / 2;
    const TPoint at{x + canvas.Origin().X, y + canvas.Origin().Y};
    gfx::DrawText(canvas.Target(), font, at, text, style, DeviceClip(canvas, r));
}

}  // namespace skin
