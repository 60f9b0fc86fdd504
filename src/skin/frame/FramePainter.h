#pragma once
// The look of a skinned frame: the four border images built from the frame picture at the
// window's size (through the inactive effect when the window is inactive), the frame
// elements drawn from their pictures, and the caption text with its shadow, shortened
// with "..." to its text rectangle.

#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/Font.h"
#include "skin/frame/FrameElementLayout.h"
#include "skin/frame/FrameGeometry.h"

namespace skin {

class TbsSkinData;
class TbsDataSkinCaption;

// A caption's text as its skin record lays it out in `box`: the record's font, the text
// shortened with "..." to the box's width, and where it starts for the record's alignment.
struct CaptionTextLayout {
    gfx::Font font;
    std::string shown;
    int x = 0, y = 0;
};
CaptionTextLayout LayoutCaptionText(const TbsDataSkinCaption& rec, const std::string& text, const TRect& box);
// Draws the laid-out text clipped to `box`, with the record's shadow one pixel right and
// down when it has one.
void PaintCaptionText(gfx::Canvas& c, const TbsDataSkinCaption& rec, const CaptionTextLayout& t,
                      const TRect& box, bool active);

// Draws the frame's live elements (their hover, press and fade states) in place of the
// plain copies from their pictures.
class FrameElementPainter {
public:
    virtual ~FrameElementPainter() = default;
    // Element `index` onto a band whose canvas origin maps window coordinates.
    virtual void PaintOnBand(size_t index, gfx::Canvas& band) = 0;
    // A caption element onto the window's picture, after the inactive effect.
    virtual void PaintCaption(size_t index, gfx::Canvas& window) = 0;
};

// The whole window's picture; the client rectangle is left black for the form to paint.
// Without a painter, elements are copied from their pictures and the caption text drawn
// from its record.
gfx::Bitmap PaintSkinnedFrame(const TbsSkinData& skin, const FrameGeometry& g,
                              const std::vector<FrameElementSlot>& elements,
                              const std::string& caption, bool active,
                              FrameElementPainter* painter = nullptr);

}  // namespace skin
