#pragma once
// The expanding panel (record "expanel"): a caption with a close button and a roll
// button. Rolling hides the visible children and shrinks the panel to its caption, across
// (rkRollVertical: the height) or sideways (rkRollHorizontal: the width, the caption then
// written upwards); unrolling restores the size and exactly the children it hid.

#include <vector>

#include "skin/controls/TbsSkinCustomControl.h"

namespace skin {

enum TbsExPanelRollKind { rkRollHorizontal, rkRollVertical };

class TbsSkinExPanel : public TbsSkinCustomControl {
public:
    explicit TbsSkinExPanel(TComponent* owner);
    ~TbsSkinExPanel() override;

    int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
    void SetDefaultCaptionHeight(int h);
    bool ShowRollButton() const { return showRollButton_; }
    void SetShowRollButton(bool on) { showRollButton_ = on; Invalidate(); }
    bool ShowCloseButton() const { return showCloseButton_; }
    void SetShowCloseButton(bool on) { showCloseButton_ = on; Invalidate(); }
    bool RollState() const { return rollState_; }
    void SetRollState(bool on);
    TbsExPanelRollKind RollKind() const { return rollKind_; }
    void SetRollKind(TbsExPanelRollKind kind) { rollKind_ = kind; Invalidate(); }

    // The size along the rolling direction while rolled.
    int RolledSize();
    // Button rectangles of the current look (control coordinates); empty when hidden.
    TRect CloseButtonRect();
    TRect RollButtonRect();
    TRect ChildArea();

    void SetBounds(int left, int top, int width, int height) override;
    void ApplySkinChange() override;

    TNotifyEvent OnChangeRollState, OnClose;

protected:
    void DrawDefaultImage(gfx::Bitmap& bitmap) override;
    void DrawSkinImage(gfx::Bitmap& bitmap) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void TextChanged() override { Invalidate(); }

private:
    struct Layout {
        TRect caption;  // where the text goes
        TRect close, roll;
        bool upwards = false;
    };
    const TbsDataSkinExPanelControl* PanelRecord() const { return RecordAs<TbsDataSkinExPanelControl>(); }
    Layout ComputeLayout();
    void TrackHot(int x, int y);
    void DrawButtonSkin(gfx::Canvas& c, const TRect& at, TRect normal, TRect active, TRect down,
                        bool hot, bool isDown);
    void DrawButtonPlain(gfx::Canvas& c, const TRect& at, bool isClose, bool hot, bool isDown);

    int defaultCaptionHeight_ = 21;
    bool showRollButton_ = true;
    bool showCloseButton_ = true;
    bool rollState_ = false;
    TbsExPanelRollKind rollKind_ = rkRollVertical;
    bool rolling_ = false;
    int sizeBeforeRoll_ = 0;
    std::vector<TControl*> hiddenByRoll_;
    // 0 the close button, 1 the roll button, -1 none.
    int hotButton_ = -1;
    int pressedButton_ = -1;
};

}  // namespace skin
