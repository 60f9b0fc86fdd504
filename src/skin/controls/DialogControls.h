#pragma once
// How the dialogs built from skinned controls place one: on the form, with the form's
// skin, the dialog font rather than the skin's, at a client rectangle.

#include "base/Geometry.h"
#include "skin/TbsSkinData.h"
#include "vcl/TForm.h"

namespace skin {

template <typename T>
T* MakeDialogControl(vcl::TForm* form, TbsSkinData* data, const TRect& bounds) {
    auto* c = new T(form);
    c->SetParent(form);
    c->SetUseSkinFont(false);
    c->SetSkinData(data);
    c->SetBoundsRect(bounds);
    return c;
}

}  // namespace skin
