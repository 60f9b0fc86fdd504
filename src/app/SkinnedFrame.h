#pragma once
// Every window of the program wears the skinned frame with the same settings: Verdana
// captions in the system's button text colour (button shadow while inactive), the
// window's own one-item system menu instead of the standard items, and the main window's
// skin. Called at the end of a form's description, once its controls exist.

#include "skin/frame/TbsBusinessSkinForm.h"

namespace app {

skin::TbsBusinessSkinForm* AttachSkinnedFrame(vcl::TForm* form, skin::TbsSkinData* skin,
                                              skin::TbsBorderIcons icons, vcl::TPopupMenu* systemMenu);

// Sizes the window so that its client area is width x height inside the frame it wears
// now (before the window exists the form alone cannot know the skinned frame's size).
void SetClientSizeInFrame(vcl::TForm* form, const skin::TbsBusinessSkinForm& frame, int width, int height);

}  // namespace app
