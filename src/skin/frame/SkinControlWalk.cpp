#include "skin/frame/SkinControlWalk.h"

namespace skin {

namespace {

void Visit(vcl::TControl* control, const std::function<void(SkinChangeAware&)>& visit) {
    if (auto* aware = dynamic_cast<SkinChangeAware*>(control)) visit(*aware);
    auto* windowed = dynamic_cast<vcl::TWinControl*>(control);
    if (!windowed) return;
    for (int i = 0; i < windowed->ControlCount(); ++i) Visit(windowed->Controls(i), visit);
}

}  // namespace

void ForEachSkinChangeAware(vcl::TForm* form, const std::function<void(SkinChangeAware&)>& visit) {
    if (form) Visit(form, visit);
}

void PrepareFormSkinChange(vcl::TForm* form, TbsSkinData* skin) {
    ForEachSkinChangeAware(form, [skin](SkinChangeAware& c) {
        if (c.SkinChangeData() == skin) c.PrepareSkinChange();
    });
}

void ApplyFormSkinChange(vcl::TForm* form, TbsSkinData* skin) {
    ForEachSkinChangeAware(form, [skin](SkinChangeAware& c) {
        if (!skin || c.SkinChangeData() == skin) c.ApplySkinChange();
    });
}

}  // namespace skin
