#include "app/SkinnedFrame.h"

namespace app {

skin::TbsBusinessSkinForm* AttachSkinnedFrame(vcl::TForm* form, skin::TbsSkinData* skin,
                                              skin::TbsBorderIcons icons, vcl::TPopupMenu* systemMenu) {
    auto* frame = new skin::TbsBusinessSkinForm(form);
    frame->SetName("bsBusinessSkinForm1");
    frame->SetBorderIcons(icons);
    frame->DefCaptionFont()->SetName("Verdana");
    frame->DefCaptionFont()->SetHeight(-11);
    frame->DefCaptionFont()->SetColor(clBtnText);
    frame->DefInActiveCaptionFont()->SetName("Verdana");
    frame->DefInActiveCaptionFont()->SetHeight(-11);
    frame->DefInActiveCaptionFont()->SetColor(clBtnShadow);
    frame->SetSystemMenu(systemMenu);
    frame->SetUseDefaultSysMenu(false);
    // Last: a loaded skin is applied at once.
    frame->SetSkinData(skin);
    return frame;
}

void SetClientSizeInFrame(vcl::TForm* form, const skin::TbsBusinessSkinForm& frame, int width, int height) {
    if (form->HandleAllocated()) {
        form->SetClientSize(width, height);
        return;
    }
    const TRect margins = frame.FrameMargins();
    form->SetBounds(form->Left(), form->Top(), width + margins.Left + margins.Right,
                    height + margins.Top + margins.Bottom);
}

}  // namespace app
