#pragma once
// What a skinned popup menu needs of the skinned frame on its form: the frame's menu
// controller, the skin its menus use, and the notice that a menu is opening (the frame
// then hooks the message loop for the menu's keys). The frame component implements it;
// the popup menu finds it among the form's components.

namespace vcl {
class TForm;
}

namespace skin {

class TbsSkinData;
class TbsSkinMenu;

class SkinMenuHost {
public:
    virtual ~SkinMenuHost() = default;
    virtual TbsSkinMenu* SkinMenuEngine() = 0;
    // MenusSkinData, else SkinData (may be null).
    virtual TbsSkinData* MenuSkinData() = 0;
    virtual void SkinMenuOpening() = 0;
};

// The host among the form's components, or null.
SkinMenuHost* FindSkinMenuHost(vcl::TForm* form);

}  // namespace skin
