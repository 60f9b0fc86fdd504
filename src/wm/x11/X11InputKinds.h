#pragma once
// Input kinds whose names Xlib's headers take as macros (Expose, FocusIn, FocusOut):
// included before them, these constants let the event code name the kinds.

#include "wm/Display.h"

namespace wm::x11 {

inline constexpr InputEvent::Kind kExposeKind = InputEvent::Kind::Expose;
inline constexpr InputEvent::Kind kFocusInKind = InputEvent::Kind::FocusIn;
inline constexpr InputEvent::Kind kFocusOutKind = InputEvent::Kind::FocusOut;

}  // namespace wm::x11
