#pragma once
// The clipboard as the forms and controls use it: text for the edit's cut, copy and
// paste, a picture for the chart's copy command. It goes through the display (the
// CLIPBOARD selection on X11, memory on the headless display).

#include <optional>
#include <stdexcept>
#include <string>

#include "gfx/Bitmap.h"

namespace vcl {

// The display could not take the content (no window system, another client refused).
struct EClipboardError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class TClipboard {
public:
    // The text offered for pasting, from this program or another; "" when there is none.
    std::string AsText() const;
    bool HasText() const;
    // Replaces the content with the text; throws EClipboardError when that fails.
    void SetAsText(const std::string& utf8);
    // Replaces the content with the picture; throws EClipboardError when that fails.
    void Assign(const gfx::Bitmap& picture);
    std::optional<gfx::Bitmap> Picture() const;
};

// The program's clipboard object.
TClipboard* Clipboard();

}  // namespace vcl
