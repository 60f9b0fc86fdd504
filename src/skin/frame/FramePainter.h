#pragma once
// The look of a skinned frame: the four border images built from the frame picture at the
// window's size (through the inactive effect when the window is inactive), the frame
// elements drawn from their pictures, and the caption text with its shadow, shortened
// with "..." to its text rectangle.

#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "skin/frame/FrameElementLayout.h"
#include "skin/frame/FrameGeometry.h"

namespace skin {

class TbsSkinData;

// The whole window's picture; the client rectangle is left black for the form to paint.
gfx::Bitmap PaintSkinnedFrame(const TbsSkinData& skin, const FrameGeometry& g,
                              const std::vector<FrameElementSlot>& elements,
                              const std::string& caption, bool active);

}  // namespace skin
