#pragma once
// The push button: a face from the "button" record (normal, active, down, disabled),
// a caption with an optional glyph, hover, press, focus, groups of toggle buttons,
// repeated clicks while held, a fade between normal and active face, Enter and Escape
// for its form.

#include <string>

#include "skin/controls/GlyphAndText.h"
#include "skin/controls/TbsSkinFadeControl.h"
#include "vcl/TImageList.h"

namespace skin {

class TbsSkinButton : public TbsSkinFadeControl {
public:
    explicit TbsSkinButton(TComponent* owner);
    ~TbsSkinButton() override;

    gfx::Bitmap& Glyph() { return glyph_; }
    void SetGlyph(const gfx::Bitmap& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int n);
    TbsButtonLayout Layout() const { return layout_; }
    void SetLayout(TbsButtonLayout layout);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    bool Down() const { return down_; }
    void SetDown(bool down);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool on) { allowAllUp_ = on; }
    bool RepeatMode() const { return repeatMode_; }
    void SetRepeatMode(bool on) { repeatMode_ = on; }
    int RepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int ms) { if (ms > 0) repeatInterval_ = ms; }
    bool Default() const { return default_; }
    void SetDefault(bool on);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    // A picture of an image list stands in for an empty Glyph, as a linked action's
    // image does: one cell, its masked-out pixels transparent.
    vcl::TImageList* Images() const { return images_; }
    void SetImages(vcl::TImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; Invalidate(); }
    vcl::TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(vcl::TModalResult r) { modalResult_ = r; }

    bool EnterTarget() const;

    virtual void PerformClick();
    void ApplySkinChange() override;
    void FocusMovedInForm(TWinControl* focused) override;
    bool DialogKey(uint16_t key, TShiftState shift) override;
    bool DialogChar(char32_t ch, TShiftState shift) override;
    bool WantsKey(uint16_t key, TShiftState shift) const override;
    void WndProc(TMessage& message) override;

protected:
    void Notification(TComponent* component, vcl::TOperation operation) override;
    virtual void DrawButtonFace(gfx::Bitmap& bitmap, const TRect& source, bool active, bool down);
    void DrawDefaultImage(gfx::Bitmap& bitmap) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void CreateWnd() override;
    bool Morphing() const override;

private:
    const TbsDataSkinButtonControl* ButtonRecord() const { return RecordAs<TbsDataSkinButtonControl>(); }
    bool ShowsDown() const;
    TRect ActiveRect() const;
    TRect DownRect() const;
    int GlyphCell(bool active, bool down) const;
    bool HotChangeShows() const;
    void StartRepeat();
    void StopRepeat();
    void ReleaseSiblings();
    // Draws the caption with Glyph, or with the image list's picture when Glyph is empty.
    void DrawCaption(gfx::Canvas& c, const TRect& rect, bool pressed, bool active, bool down,
                     const gfx::Font& font, TColor color);

    gfx::Bitmap glyph_;
    int numGlyphs_ = 2;
    TbsButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 1;
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool repeatMode_ = false;
    int repeatInterval_ = 100;
    bool default_ = false;
    bool cancel_ = false;
    vcl::TModalResult modalResult_ = vcl::mrNone;
    vcl::TImageList* images_ = nullptr;
    int imageIndex_ = -1;

    bool mouseHeld_ = false;
    bool enterTarget_ = false;
    bool pressedWhileDown_ = false;
    bool repeatTimer_ = false;
};

}  // namespace skin
