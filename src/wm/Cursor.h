#pragma once
// The pointer shapes the window system shows.

namespace wm {

enum class CursorShape {
    Arrow,
    Hand,
    Wait,
    IBeam,
    SizeWE,    // left and right edges
    SizeNS,    // top and bottom edges
    SizeNWSE,  // top-left and bottom-right corners
    SizeNESW,  // top-right and bottom-left corners
    SizeAll,   // moving
};

// The sizing shape for a hit code, Arrow for the others.
CursorShape CursorForHitCode(int hit);

}  // namespace wm
