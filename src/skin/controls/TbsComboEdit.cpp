#include "skin/controls/TbsComboEdit.h"

#include "base/ShortCut.h"
#include "skin/controls/DefaultLook.h"
#include "skin/controls/TbsSkinCustomComboBox.h"
#include "wm/Messages.h"
#include "wm/Paint.h"

namespace skin {

TbsComboEdit::TbsComboEdit(TComponent* owner, TbsSkinCustomComboBox* box) : TbsSkinEdit(owner), box_(box) {
    SetTabStop(false);
    SetSkinDataName("");
}

static bool ForBox(uint16_t key) {
    return key == base::VK_UP || key == base::VK_DOWN || key == base::VK_PRIOR || key == base::VK_NEXT;
}

bool TbsComboEdit::WantsKey(uint16_t key, TShiftState shift) const {
    if (ForBox(key)) return true;
    if (key == base::VK_RETURN || key == base::VK_ESCAPE) return box_->IsListOpen();
    return TbsSkinEdit::WantsKey(key, shift);
}

void TbsComboEdit::KeyDown(uint16_t& key, TShiftState shift) {
    bool listKey = (key == base::VK_RETURN || key == base::VK_ESCAPE) && box_->IsListOpen();
    if (ForBox(key) || listKey) {
        box_->HandleListKey(key, shift);
        key = 0;
        return;
    }
    TbsSkinEdit::KeyDown(key, shift);
}

void TbsComboEdit::DoExit() {
    TbsSkinEdit::DoExit();
    if (!box_->Focused()) box_->CloseList(false);  // the focus left the box
}

void TbsComboEdit::WndProc(TMessage& m) {
    if (m.Msg == wm::WM_MOUSEWHEEL) {  // the wheel steps the box's items
        box_->Perform(m.Msg, m.WParam, m.LParam);
        m.Result = 1;
        return;
    }
    TbsSkinEdit::WndProc(m);
}

void TbsComboEdit::PaintTextBackground(gfx::Bitmap& bitmap) {
    gfx::Canvas c(bitmap);
    FillSolid(c, bitmap.Bounds(), clWindow);
    if (HandleAllocated()) wm::PaintParentBackground(Handle(), bitmap, {0, 0});
}

}  // namespace skin
