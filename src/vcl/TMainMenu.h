#pragma once
// The menu of a form's menu bar (the skinned menu bar shows it).

#include "vcl/TMenu.h"

namespace vcl {

class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
};

}  // namespace vcl
