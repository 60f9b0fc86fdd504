#pragma once
// What the chart needs from the window that shows it. The chart draws into bitmaps by
// itself; the host gives it a surface on screen, coordinates and the hint window's place.
// A host built on the component framework implements this; tests use a small fake.

#include "base/Geometry.h"
#include "gfx/Canvas.h"
#include "gfx/FontSpec.h"

namespace chart {

class TSCHintWindow;

class ChartHost {
public:
    virtual ~ChartHost() = default;

    // Asks for a paint soon (the chart's picture changed).
    virtual void InvalidateChart() = 0;
    // A canvas onto the chart's pixels on screen, logical (0, 0) at the chart's top-left;
    // its origin is the chart's position in the surface. Null while the chart is not shown.
    virtual gfx::Canvas* ChartScreenCanvas() = 0;
    virtual TPoint ChartClientToScreen(TPoint client) = 0;
    // The desktop area hint windows must stay inside, in screen coordinates.
    virtual TRect DesktopWorkArea() = 0;
    // Shows the window at its BoundsRect (screen coordinates), top-most and inactive, or
    // takes it off the screen.
    virtual void ShowHintWindow(TSCHintWindow& window) = 0;
    virtual void HideHintWindow(TSCHintWindow& window) = 0;
    // The system hint font, which hint texts are measured and drawn with.
    virtual gfx::FontSpec HintFont() {
        gfx::FontSpec font;
        font.name = "Tahoma";
        font.height = -11;
        return font;
    }
};

}  // namespace chart
