#pragma once
// The look of the main menu bar: its background, its items with the skin and without,
// and the overflow mark. Pure drawing: the bar decides what to draw and when.

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/Font.h"
#include "skin/SkinControlRecords.h"
#include "skin/frame/MenuBarItem.h"

namespace skin {

// Highlighted and down fills of items without skin (inside a navy frame).
inline constexpr TColor kBarItemHotFill = 13811126;
inline constexpr TColor kBarItemDownFill = 11899781;
inline constexpr TColor kBarItemFrame = 0x00800000;  // navy

// The bar's "skinrect" tiled to the width with the items area's margins as fixed ends;
// the button face without a record or picture.
void PaintMenuBarBackground(gfx::Canvas& canvas, const TbsDataSkinMainMenuBar* record,
                            const gfx::Bitmap* picture, int width, int height);

// An item from its skin object: down, morphing, highlighted or normal face, and the
// caption centred in "textrect" in the colour of that state.
void PaintSkinnedBarItem(gfx::Canvas& canvas, const TbsSkinMainMenuBarItem& item,
                         const gfx::Font& font);

// An item without skin: button face, a framed fill while highlighted or down, the caption
// centred (one pixel right and down while down) in `textColor`.
void PaintDefaultBarItem(gfx::Canvas& canvas, const TbsSkinMainMenuBarItem& item,
                         const gfx::Font& font, TColor textColor);

// The mark that tells that items did not fit: an arrow pointing right.
void PaintOverflowMark(gfx::Canvas& canvas, const TRect& mark, TColor color);

}  // namespace skin
