#include "skin/controls/TbsSkinControl.h"

#include "vcl/TForm.h"
#include "wm/Messages.h"

namespace skin {

TbsSkinControl::TbsSkinControl(TComponent* owner) : vcl::TCustomControl(owner) {
    SetDoubleBuffered(true);
    // Each control decides itself when a press and release make a click.
    vcl::TControlStyle style = ControlStyle();
    SetControlStyle(style.Exclude(vcl::csClickEvents));
}

TbsSkinControl::~TbsSkinControl() = default;

void TbsSkinControl::SetSkinData(TbsSkinData* data) {
    skinData_ = data;
    if (data && !data->Empty() && !IsDesigning()) ApplySkinChange();
}

void TbsSkinControl::SetSkinDataName(const std::string& name) {
    skinDataName_ = name;
}

void TbsSkinControl::FetchSkinRecord() {
    if (!skinData_ || skinData_->Empty())
        recordIndex_ = -1;
    else
        recordIndex_ = skinData_->FindControlRecord(skinDataName_);
}

const TbsDataSkinControl* TbsSkinControl::Record() const {
    if (recordIndex_ < 0 || !skinData_) return nullptr;
    return skinData_->ControlRecord(recordIndex_);
}

void TbsSkinControl::ApplySkinChange() {
    FetchSkinRecord();
    Invalidate();
}

void TbsSkinControl::PrepareSkinChange() { recordIndex_ = -1; }

void TbsSkinControl::DrawDefaultImage(gfx::Bitmap&) {}
void TbsSkinControl::DrawSkinImage(gfx::Bitmap&) {}

void TbsSkinControl::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    FetchSkinRecord();
    gfx::Bitmap bitmap(Width(), Height());
    if (recordIndex_ == -1)
        DrawDefaultImage(bitmap);
    else
        DrawSkinImage(bitmap);
    PutImage(bitmap);
}

void TbsSkinControl::PutImage(const gfx::Bitmap& bitmap) {
    if (gfx::Canvas* c = Canvas()->Native()) c->Draw(0, 0, bitmap);
}

void TbsSkinControl::WndProc(TMessage& m) {
    if (m.Msg == wm::WM_ERASEBKGND) {
        m.Result = 1;  // every pixel comes from the off-screen bitmap
        return;
    }
    vcl::TCustomControl::WndProc(m);
}

void TbsSkinControl::DoEnter() {
    vcl::TCustomControl::DoEnter();
    AnnounceFocusMove(this);
}

namespace {
void AnnounceIn(TWinControl* parent, TWinControl* focused) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(parent->Controls(i));
        if (!child) continue;
        if (auto* skinned = dynamic_cast<TbsSkinControl*>(child)) skinned->FocusMovedInForm(focused);
        AnnounceIn(child, focused);
    }
}
}  // namespace

void AnnounceFocusMove(TWinControl* focused) {
    if (!focused) return;
    TWinControl* root = vcl::GetParentForm(focused);
    if (!root) {
        root = focused;
        while (root->Parent()) root = root->Parent();
    }
    AnnounceIn(root, focused);
}

}  // namespace skin
