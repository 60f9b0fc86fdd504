#pragma once
// Window styles. One flag set per window; CreateWindow takes it, GetWindowStyle and
// SetWindowStyle read and change it.

#include <cstdint>

namespace wm {

using WindowStyle = uint32_t;

constexpr WindowStyle WS_CHILD = 1u << 0;          // lives inside its parent's client area
constexpr WindowStyle WS_POPUP = 1u << 1;          // top-level without decorations
constexpr WindowStyle WS_VISIBLE = 1u << 2;
constexpr WindowStyle WS_DISABLED = 1u << 3;
constexpr WindowStyle WS_CLIPCHILDREN = 1u << 4;   // informative: children are always clipped
constexpr WindowStyle WS_CLIPSIBLINGS = 1u << 5;   // informative: siblings are always clipped
constexpr WindowStyle WS_TABSTOP = 1u << 6;        // Tab may move the focus here
constexpr WindowStyle WS_CAPTION = 1u << 7;        // the default frame: caption and border
constexpr WindowStyle WS_SIZEBOX = 1u << 8;        // the default frame may be sized
constexpr WindowStyle WS_BORDER = 1u << 9;         // a one-pixel border (children: NC area)
constexpr WindowStyle WS_EX_TOPMOST = 1u << 16;    // above every window without it
constexpr WindowStyle WS_EX_NOACTIVATE = 1u << 17; // never activated, never takes focus by click
constexpr WindowStyle WS_EX_TOOLWINDOW = 1u << 18; // small caption; no task-bar entry
constexpr WindowStyle WS_EX_TRANSPARENTINPUT = 1u << 19;  // never takes the pointer (hints)
constexpr WindowStyle CS_DBLCLKS = 1u << 24;       // wants client double clicks

}  // namespace wm
