#pragma once
// Connects the skin's window-bound primitives to the window system: skinned elements name
// their control (a vcl::TControl) and get its parent's background and window translucency.

namespace skin {

// Installs the hooks (see SkinWindowHooks.h). Called once at start-up.
void InstallSkinWindowBridge();

}  // namespace skin
