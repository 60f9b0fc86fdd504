#pragma once
// Visits a form and then its controls depth-first in child order (a windowed control's
// own children right after it), the order in which skin changes reach them.

#include <functional>

#include "skin/SkinChangeAware.h"
#include "vcl/TForm.h"

namespace skin {

void ForEachSkinChangeAware(vcl::TForm* form, const std::function<void(SkinChangeAware&)>& visit);

// The skin is about to change: every control using `skin` lets go of it.
void PrepareFormSkinChange(vcl::TForm* form, TbsSkinData* skin);
// The skin changed: every control using `skin` (every one when skin is null) applies it.
void ApplyFormSkinChange(vcl::TForm* form, TbsSkinData* skin);

}  // namespace skin
