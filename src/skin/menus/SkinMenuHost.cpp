#include "skin/menus/SkinMenuHost.h"

#include "vcl/TForm.h"

namespace skin {

SkinMenuHost* FindSkinMenuHost(vcl::TForm* form) {
    if (!form) return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* host = dynamic_cast<SkinMenuHost*>(form->Components(i))) return host;
    return nullptr;
}

}  // namespace skin
