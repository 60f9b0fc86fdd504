#pragma once
// The check box and the radio button: a check picture and a caption from a "checkradio"
// record, hover and focus, toggling on click, unchecking radio siblings of the same
// group, and OnClick by these rules: a radio box fires when it becomes (or is set)
// checked, a check box on every change; siblings are unchecked silently first.

#include "skin/controls/TbsSkinFadeControl.h"

namespace skin {

class TbsSkinCheckRadioBox : public TbsSkinFadeControl {
public:
    explicit TbsSkinCheckRadioBox(TComponent* owner);
    ~TbsSkinCheckRadioBox() override;

    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    bool Radio() const { return radio_; }
    void SetRadio(bool on);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool Flat() const { return flat_; }
    void SetFlat(bool on);

    virtual void Toggle();

    // Text and check-picture rectangles of the skinned layout (control coordinates).
    TRect TextRect() const { return textRect_; }
    TRect CheckRect() const { return checkRect_; }

    void FitSizeToSkin(int& width, int& height) override;
    void ApplySkinChange() override;
    bool DialogChar(char32_t ch, TShiftState shift) override;

protected:
    void Paint() override;
    void DrawDefaultImage(gfx::Bitmap& bitmap) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void TextChanged() override { Invalidate(); }
    void BoundsChanged(bool sizeChanged) override;
    bool Morphing() const override;

private:
    const TbsDataSkinCheckRadioControl* BoxRecord() const { return RecordAs<TbsDataSkinCheckRadioControl>(); }
    TRect CheckPicture() const;
    void DrawFace(gfx::Bitmap& bitmap, const TRect& face, bool active);
    void DrawFlat(gfx::Bitmap& bitmap);
    void DrawPlainBox(gfx::Canvas& c, int height);

    bool checked_ = false;
    bool radio_ = false;
    int groupIndex_ = 0;
    bool flat_ = false;
    TRect textRect_, checkRect_;
};

}  // namespace skin
