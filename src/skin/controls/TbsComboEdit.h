#pragma once
// The text edit embedded in a combo box's item area (edit style): no frame of its own,
// the box's item area shows through behind the text, and the keys the box handles
// (arrows, pages, Enter and Escape while the list is open) go to the box.

#include "skin/controls/TbsSkinEdit.h"

namespace skin {

class TbsSkinCustomComboBox;

class TbsComboEdit : public TbsSkinEdit {
public:
    TbsComboEdit(TComponent* owner, TbsSkinCustomComboBox* box);

    TbsFrameInsets FrameInsets() override { return {}; }
    bool WantsKey(uint16_t key, TShiftState shift) const override;
    void WndProc(TMessage& message) override;

protected:
    void PaintTextBackground(gfx::Bitmap& bitmap) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void DoExit() override;

private:
    TbsSkinCustomComboBox* box_;
};

}  // namespace skin
