#pragma once
// The framed skinned control: the record's skin rectangle, four corner points and client
// rectangle, fitted to the control's size by the frame mode:
//   fmCorners    any size; corners fixed, edges and centre tiled;
//   fmHorizontal the height is the skin's, the middle is tiled across;
//   fmVertical   the width is the skin's, the middle is tiled down;
//   fmFixed      the size is the skin's;
//   fmNone       an empty skin rectangle: nothing is fitted or drawn.
// Without a record the control keeps its size (or DefaultWidth/DefaultHeight) and draws
// with DefaultFont.

#include <optional>

#include "gfx/Region.h"
#include "skin/SkinTiling.h"
#include "skin/controls/TbsSkinControl.h"

namespace skin {

enum TbsFrameMode { fmNone = -1, fmFixed = 0, fmCorners = 1, fmHorizontal = 2, fmVertical = 3 };

class TbsSkinCustomControl : public TbsSkinControl {
public:
    explicit TbsSkinCustomControl(TComponent* owner);
    ~TbsSkinCustomControl() override;

    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int value);
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int value);
    vcl::TFont* DefaultFont() { return &defaultFont_; }
    const vcl::TFont* DefaultFont() const { return &defaultFont_; }
    void SetDefaultFont(const vcl::TFont* font) { defaultFont_.Assign(font); }
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool on);

    TbsFrameMode FrameMode() const { return frameMode_; }
    const TRect& SkinRect() const { return skinRect_; }
    const TRect& ResizedClientRect() const { return resizedClientRect_; }
    const gfx::Bitmap* SkinPicture() const { return skinPicture_; }
    const gfx::Bitmap* SkinMask() const { return skinMask_; }

    void FetchSkinRecord() override;
    void ApplySkinChange() override;
    virtual void ApplyDefaultFont() {}
    // Adjusts a requested size to the record and moves the corner points and the client
    // rectangle to it.
    virtual void FitSizeToSkin(int& width, int& height);
    virtual void UpdateWindowRegion();

    // The control's face built from `source` of `picture` by the frame mode.
    void BuildSkinImage(gfx::Bitmap& bitmap, const gfx::Bitmap* picture, const TRect& source) const;
    // A rectangle of the skin rectangle's coordinates moved to the control's size.
    TRect MapSkinRect(const TRect& r) const;

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void DrawDefaultImage(gfx::Bitmap& bitmap) override;
    void DrawSkinImage(gfx::Bitmap& bitmap) override;
    void CreateWnd() override;
    // Source and destination frame geometry for the tiling and region helpers.
    TbsFrameGeometry SourceGeometry() const;
    TbsFrameGeometry ResizedGeometry() const;

    TPoint lt_, rt_, lb_, rb_;           // as read
    TPoint newLt_, newRt_, newLb_, newRb_;  // moved to the current size
    TRect clientRect_;

private:
    void ResetResized();

    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    vcl::TFont defaultFont_;
    bool useSkinFont_ = true;
    TbsFrameMode frameMode_ = fmFixed;
    TRect skinRect_;
    TRect resizedClientRect_;
    const gfx::Bitmap* skinPicture_ = nullptr;
    const gfx::Bitmap* skinMask_ = nullptr;
    std::optional<gfx::Region> region_;
};

}  // namespace skin
