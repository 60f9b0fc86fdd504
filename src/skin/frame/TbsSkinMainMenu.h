#pragma once
// The main menu of a skinned form: an ordinary main menu that also names the skin its
// menu bar and drop-downs are drawn with.

#include "skin/TbsSkinData.h"
#include "vcl/TMainMenu.h"

namespace skin {

class TbsSkinMainMenu : public vcl::TMainMenu {
public:
    explicit TbsSkinMainMenu(vcl::TComponent* owner) : TMainMenu(owner) {}

    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* data) { skinData_ = data; }

private:
    TbsSkinData* skinData_ = nullptr;
};

}  // namespace skin
