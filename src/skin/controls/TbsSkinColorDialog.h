#pragma once
// The colour dialog: shows TbsColorDialogForm modally, starting at Color; Execute returns
// whether the user confirmed, and only then Color holds the chosen colour.

#include <functional>
#include <string>

#include "skin/TbsSkinData.h"
#include "vcl/TComponent.h"

namespace skin {

class TbsColorDialogForm;

class TbsSkinColorDialog : public vcl::TComponent {
public:
    explicit TbsSkinColorDialog(vcl::TComponent* owner) : vcl::TComponent(owner) {}

    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* data) { skinData_ = data; }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    bool Execute();
    // Called with the form after it was built and before it is shown.
    std::function<void(TbsColorDialogForm&)> OnShowForm;

private:
    TbsSkinData* skinData_ = nullptr;
    TColor color_ = clBlack;
    std::string title_ = "Farbe";
};

}  // namespace skin
