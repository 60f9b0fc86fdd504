#pragma once
// Names the skinned controls share: the framework types they build on, the skin font of
// a record turned into a drawable font, and the colours of the look without skin.

#include "base/Color.h"
#include "gfx/Font.h"
#include "skin/SkinControlRecords.h"
#include "vcl/TFont.h"
#include "vcl/TWinControl.h"

namespace skin {

using vcl::TComponent;
using vcl::TControl;
using vcl::TMessage;
using vcl::TMouseButton;
using vcl::TNotifyEvent;
using vcl::TShiftState;
using vcl::TWinControl;

// Hot and pressed faces of the look without skin.
constexpr TColor kNavy = base::RGB(0, 0, 128);
constexpr TColor kHotFill = base::RGB(182, 189, 210);
constexpr TColor kPressedFill = base::RGB(133, 147, 181);

// A record's font, or a copy of the default font when the skin font is not wanted.
gfx::Font SkinFont(const TbsSkinFontGroup& group, bool useSkinFont, const vcl::TFont& defaultFont);
// The default font as a drawable font.
gfx::Font PlainFont(const vcl::TFont& font);

// The rectangle is empty (width or height below 1).
inline bool IsEmptyRect(const TRect& r) { return r.Width() < 1 || r.Height() < 1; }
// `r` unless it is empty, else `fallback`.
inline TRect OrElse(const TRect& r, const TRect& fallback) { return IsEmptyRect(r) ? fallback : r; }

}  // namespace skin
