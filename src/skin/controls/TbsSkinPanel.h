#pragma once
// The panel (record "panel") and, with caption mode on, the base of the group box: a
// framed container whose children are aligned inside its client area, with an optional
// caption bar carrying a glyph, a check box and a roll-up marker.

#include <vector>

#include "skin/controls/TbsSkinCustomControl.h"

namespace skin {

enum TbsSkinBorderStyle { bvRaised, bvLowered, bvNone, bvFrame };

class TbsSkinPanel : public TbsSkinCustomControl {
public:
    explicit TbsSkinPanel(TComponent* owner);
    ~TbsSkinPanel() override;

    bool CaptionMode() const { return captionMode_; }
    virtual void SetCaptionMode(bool on);
    int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
    virtual void SetDefaultCaptionHeight(int height);
    TAlignment DefaultAlignment() const { return defaultAlignment_; }
    void SetDefaultAlignment(TAlignment a) { defaultAlignment_ = a; Invalidate(); }
    TbsSkinBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TbsSkinBorderStyle style);
    bool CheckedMode() const { return checkedMode_; }
    void SetCheckedMode(bool on) { checkedMode_ = on; Invalidate(); }
    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    bool AutoEnabledControls() const { return autoEnabledControls_; }
    void SetAutoEnabledControls(bool on) { autoEnabledControls_ = on; }
    bool RollUpMode() const { return rollUpMode_; }
    void SetRollUpMode(bool on) { rollUpMode_ = on; Invalidate(); }
    bool RollUpState() const { return rollUpState_; }
    void SetRollUpState(bool on);
    gfx::Bitmap& Glyph() { return glyph_; }
    void SetGlyph(const gfx::Bitmap& glyph) { glyph_ = glyph; Invalidate(); }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int n) { if (n >= 1 && n <= 2) { numGlyphs_ = n; Invalidate(); } }
    int Spacing() const { return spacing_; }
    void SetSpacing(int s) { spacing_ = s; Invalidate(); }

    // Where aligned children go.
    TRect ChildArea() const;
    // The caption rectangle of the current look (control coordinates).
    TRect CaptionRect();

    void ApplySkinChange() override;

    TNotifyEvent OnChecked;

protected:
    void DrawDefaultImage(gfx::Bitmap& bitmap) override;
    void DrawSkinImage(gfx::Bitmap& bitmap) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void TextChanged() override;
    void EnabledChanged() override;
    void BoundsChanged(bool sizeChanged) override;

private:
    const TbsDataSkinPanelControl* PanelRecord() const { return RecordAs<TbsDataSkinPanelControl>(); }
    void DrawCaptionContent(gfx::Canvas& c, TRect r, TAlignment alignment, const gfx::Font& font,
                            TColor color, int indent);
    void RollUp();
    void RollDown();

    bool captionMode_ = false;
    int defaultCaptionHeight_ = 22;
    TAlignment defaultAlignment_ = taLeftJustify;
    TbsSkinBorderStyle borderStyle_ = bvRaised;
    bool checkedMode_ = false;
    bool checked_ = false;
    bool autoEnabledControls_ = true;
    bool rollUpMode_ = false;
    bool rollUpState_ = false;
    gfx::Bitmap glyph_;
    int numGlyphs_ = 1;
    int spacing_ = 2;
    int heightBeforeRoll_ = -1;
    std::vector<TControl*> hiddenByRoll_;
};

}  // namespace skin
