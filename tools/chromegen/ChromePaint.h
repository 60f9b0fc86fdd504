#pragma once
// Drawing helpers of the Chrome skin generator: gradients, bevels and pixel glyphs.
// Everything is drawn pixel by pixel into 24-bit bitmaps, so every edge is crisp.

#include <string>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"

namespace chromegen {

// The palette of the look.
namespace tone {
constexpr TColor Face = base::RGB(212, 208, 200);       // the forms' own button face
constexpr TColor Outline = base::RGB(74, 76, 80);        // crisp dark-grey outlines
constexpr TColor Shadow = base::RGB(140, 142, 146);
constexpr TColor Light = base::RGB(246, 246, 246);
constexpr TColor SilverTop = base::RGB(238, 238, 238);
constexpr TColor SilverBottom = base::RGB(200, 200, 202);
constexpr TColor BandTop = base::RGB(112, 116, 124);     // the glossy caption band
constexpr TColor BandMid = base::RGB(78, 82, 90);
constexpr TColor BandBottom = base::RGB(54, 57, 63);
constexpr TColor Accent = base::RGB(70, 110, 160);       // steel blue
constexpr TColor AccentLight = base::RGB(112, 150, 196);
constexpr TColor Text = base::RGB(40, 40, 44);
constexpr TColor Field = base::RGB(255, 255, 255);
constexpr TColor MenuFace = base::RGB(240, 240, 240);
constexpr TColor Key = base::RGB(255, 0, 255);          // transparent in glyph cells
}  // namespace tone

TColor Mix(TColor a, TColor b, double t);
void Fill(gfx::Bitmap& b, const TRect& r, TColor c);
// Rows from `top` to `bottom` colour.
void VGradient(gfx::Bitmap& b, const TRect& r, TColor top, TColor bottom);
void HGradient(gfx::Bitmap& b, const TRect& r, TColor left, TColor right);
void Frame(gfx::Bitmap& b, const TRect& r, TColor c);
// A one-pixel highlight along the top and shadow along the bottom, inside r.
void Bevel(gfx::Bitmap& b, const TRect& r, TColor highlight, TColor shadow);
// Cuts the four corner pixels of r to `outside` and softens the diagonal neighbours.
void RoundCorners(gfx::Bitmap& b, const TRect& r, TColor outside);

// A raised silver face: outline, glossy vertical gradient, highlight and shadow lines.
enum class FaceState { Normal, Hot, Down, Disabled };
void SilverFace(gfx::Bitmap& b, const TRect& r, FaceState state, bool rounded, TColor outside);
// The small frame buttons on the dark band.
void BandButton(gfx::Bitmap& b, const TRect& r, FaceState state, TColor outside);

// Glyphs drawn centred in r, 1 pixel lower right when `pressed`.
enum class Glyph { Close, Minimize, Maximize, Restore, RollUp, RollDown, SysMenu, Tray,
                   ArrowLeft, ArrowRight, ArrowUp, ArrowDown, Grip, GripV };
void DrawGlyph(gfx::Bitmap& b, const TRect& r, Glyph g, TColor c, bool pressed = false);
void CheckGlyph(gfx::Bitmap& b, int x, int y, TColor c);

// Writes the bitmap as a BMP of 8 bits per pixel (reducing colours if there are more
// than 256), or 1 bit for masks.
void SaveBmp(const gfx::Bitmap& b, const std::string& path, int bits = 8);

}  // namespace chromegen
