#pragma once
// The scroll bar: two buttons, a track and a thumb, from a "scrollbar" record or drawn
// plainly. Buttons repeat while held (500 ms, then every 50 ms), the thumb drags, a
// press on the track pages until the thumb reaches the pointer. OnChange follows every
// change of Position; OnLastChange comes after a drag or track paging ends.

#include "skin/controls/TbsSkinCustomControl.h"

namespace skin {

enum TScrollBarKind { sbHorizontal, sbVertical };

class TbsSkinScrollBar : public TbsSkinCustomControl {
public:
    explicit TbsSkinScrollBar(TComponent* owner);
    ~TbsSkinScrollBar() override;

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind kind);
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const { return position_; }
    void SetPosition(int v);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int v) { smallChange_ = v; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int v) { largeChange_ = v; }
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool on);
    bool Both() const { return both_; }
    void SetBoth(bool on);
    int BothMarkerWidth() const { return bothMarkerWidth_; }
    void SetBothMarkerWidth(int w) { bothMarkerWidth_ = w; Invalidate(); }
    const std::string& BothSkinDataName() const { return bothSkinDataName_; }
    void SetBothSkinDataName(const std::string& name) { bothSkinDataName_ = name; }

    // The owner's range operation: all at once, repainted, no OnChange.
    void SetRange(int min, int max, int pageSize, int position);

    // The layout of the current size (control coordinates).
    struct Parts {
        TRect track, decButton, incButton, thumb;
    };
    Parts ComputeParts();

    bool WantsKey(uint16_t key, TShiftState shift) const override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange, OnUpButtonClick, OnDownButtonClick, OnLastChange;

protected:
    void DrawDefaultImage(gfx::Bitmap& bitmap) override;
    void DrawSkinImage(gfx::Bitmap& bitmap) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;

private:
    enum Part { kNone = -1, kThumb = 0, kIncButton = 1, kDecButton = 2 };
    enum Repeat { rpNone, rpDecStep, rpIncStep, rpDecPage, rpIncPage };
    struct ButtonPictures {
        TRect rect, active, down;
    };
    const TbsDataSkinScrollBarControl* BarRecord() const { return RecordAs<TbsDataSkinScrollBarControl>(); }
    bool Horizontal() const { return kind_ == sbHorizontal; }
    int Along(TPoint p) const { return Horizontal() ? p.X : p.Y; }
    int TrackLength(const TRect& track) const { return Horizontal() ? track.Width() : track.Height(); }
    int ThumbLength(int trackLength);
    int ThumbSpan(int trackLength) { return trackLength - 2 * (ThumbLength(trackLength) / 2); }
    void SkinButtons(ButtonPictures& dec, ButtonPictures& inc);
    Part PartAt(int x, int y);
    void StepDec();
    void StepInc();
    void DoRepeat();
    void StartRepeatTimer();
    void StopRepeatTimer();
    bool PointerBeforeThumb();
    bool PointerAfterThumb();
    void DrawButtonPlain(gfx::Canvas& c, const TRect& r, int direction, bool hot, bool pressed);

    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0, max_ = 100, position_ = 0;
    int smallChange_ = 1, largeChange_ = 1, pageSize_ = 0;
    bool canFocused_ = false;
    bool both_ = false;
    int bothMarkerWidth_ = 0;
    std::string bothSkinDataName_ = "bothhscrollbar";

    Part hotPart_ = kNone;
    Part pressedPart_ = kNone;
    Repeat repeat_ = rpNone;
    bool repeatPaused_ = false;
    bool firstTick_ = false;
    bool timerRunning_ = false;
    int dragAnchor_ = 0;
    int dragThumbOffset_ = 0;
    TPoint lastPointer_;
    bool mouseHeld_ = false;
    bool trackPressed_ = false;
};

}  // namespace skin
