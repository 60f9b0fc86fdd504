#pragma once
// A popup menu shown by the skinned menu controller of its form's frame.

#include "vcl/TPopupMenu.h"

namespace vcl {
class TForm;
}

namespace skin {

class TbsSkinData;

class TbsSkinPopupMenu : public vcl::TPopupMenu {
public:
    explicit TbsSkinPopupMenu(vcl::TComponent* owner);
    ~TbsSkinPopupMenu() override;

    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* skin) { skinData_ = skin; }
    // The form whose frame shows the menu; none: the owner (or its owner) that is a form.
    vcl::TForm* ComponentForm() const { return componentForm_; }
    void SetComponentForm(vcl::TForm* form);

    // The form used to find the frame.
    vcl::TForm* HostForm() const;

protected:
    // Shows the root's children at the screen point through the frame's controller;
    // nothing without a skinned frame.
    void ShowMenu(int x, int y) override;
    void Notification(vcl::TComponent* component, vcl::TOperation operation) override;

private:
    TbsSkinData* skinData_ = nullptr;
    vcl::TForm* componentForm_ = nullptr;
};

}  // namespace skin
