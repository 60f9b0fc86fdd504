#pragma once
// The small symbols of a window frame's commands, drawn in one colour: on the frame's
// own buttons without skin and beside the frame's system-menu items.

#include <string_view>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Canvas.h"

namespace skin {

enum TFrameGlyph { fgNone, fgClose, fgMinimize, fgMaximize, fgRestore, fgRollUp, fgRollDown,
                   fgToTray, fgSysMenu };

// The glyph of a system-menu item name ("BSF_CLOSE", "TRAY_BSF_RESTORE" ...), fgNone for
// every other name.
TFrameGlyph FrameGlyphOfItemName(std::string_view name);

// Draws the glyph centred in `box` at about size x size pixels (at least 6).
void DrawFrameGlyph(gfx::Canvas& canvas, TFrameGlyph glyph, const TRect& box, int size,
                    TColor color);

}  // namespace skin
