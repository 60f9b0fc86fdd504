#pragma once
// The scroll box: a container whose skin frame lies in the non-client area, with a tiled
// background, that can scroll its children with attached skinned scroll bars placed
// elsewhere (each shown only while the children reach beyond the client area).

#include "skin/controls/NonClientFrame.h"
#include "skin/controls/TbsSkinPanel.h"

namespace skin {

class TbsSkinScrollBar;

class TbsSkinScrollBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinScrollBox(TComponent* owner);
    ~TbsSkinScrollBox() override;

    TbsSkinBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TbsSkinBorderStyle style);
    TbsSkinScrollBar* VScrollBar() const { return vBar_; }
    void SetVScrollBar(TbsSkinScrollBar* bar);
    TbsSkinScrollBar* HScrollBar() const { return hBar_; }
    void SetHScrollBar(TbsSkinScrollBar* bar);

    TbsFrameInsets FrameInsets();
    // Compares the children's extent with the client area and updates the bars.
    void UpdateScrollBars();

    void ApplySkinChange() override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void DrawDefaultImage(gfx::Bitmap& bitmap) override;
    void DrawSkinImage(gfx::Bitmap& bitmap) override;
    TRect ClientRectWithoutHandle() const override;
    void BoundsChanged(bool sizeChanged) override;
    void VisibleChanged() override;
    void Notification(TComponent* component, vcl::TOperation operation) override;

private:
    const TbsDataSkinScrollBoxControl* BoxRecord() const { return RecordAs<TbsDataSkinScrollBoxControl>(); }
    void PaintFrame();
    void AttachBar(TbsSkinScrollBar* bar, bool vertical);
    void ScrollChildren(int dx, int dy);
    void UpdateBar(TbsSkinScrollBar* bar, bool vertical);

    TbsSkinBorderStyle borderStyle_ = bvFrame;
    TbsSkinScrollBar* vBar_ = nullptr;
    TbsSkinScrollBar* hBar_ = nullptr;
    int vPos_ = 0, hPos_ = 0;
};

}  // namespace skin
