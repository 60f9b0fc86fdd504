#pragma once
// A sheet of every record's faces (normal, active, down, disabled) drawn from a loaded
// skin with the skin primitives: the picture reviewers look at.

#include "gfx/Bitmap.h"
#include "skin/TbsSkinData.h"

namespace chromegen {

gfx::Bitmap RenderFacesSheet(const skin::TbsSkinData& data);

}  // namespace chromegen
