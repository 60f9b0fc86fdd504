#pragma once
// The single-line text field: our own editing (caret, selection by mouse and Shift+arrows,
// Home/End, Delete/Backspace, cut/copy/paste through the display's clipboard, undo,
// MaxLength, read-only, a password character, alignment) inside a frame drawn from the
// "edit" record in the window's non-client area. The text lies over the skin picture;
// its colour follows hover and focus. ButtonMode adds a small button at the right end.

#include "skin/controls/NonClientFrame.h"
#include "skin/controls/TbsEditBuffer.h"
#include "skin/controls/TbsSkinCustomControl.h"

namespace skin {

class TbsSkinEdit : public TbsSkinCustomControl {
public:
    explicit TbsSkinEdit(TComponent* owner);
    ~TbsSkinEdit() override;

    std::string EditText() const { return buffer_.Text(); }
    void SetEditText(const std::string& text);
    int MaxLength() const { return static_cast<int>(buffer_.MaxLength()); }
    void SetMaxLength(int n) { buffer_.SetMaxLength(n > 0 ? static_cast<size_t>(n) : 0); }
    bool ReadOnly() const { return buffer_.ReadOnly(); }
    void SetReadOnly(bool on) { buffer_.SetReadOnly(on); }
    char32_t EditPasswordChar() const { return passwordChar_; }
    void SetEditPasswordChar(char32_t c) { passwordChar_ = c; Invalidate(); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a) { alignment_ = a; Invalidate(); }
    bool ButtonMode() const { return buttonMode_; }
    void SetButtonMode(bool on);
    bool Hot() const { return hot_; }
    TbsEditBuffer& Buffer() { return buffer_; }

    void SelectAll() { buffer_.SelectAll(); Invalidate(); }
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();

    virtual TbsFrameInsets FrameInsets();
    // The button at the right end (window coordinates); empty without ButtonMode.
    TRect ButtonRect();
    // The colour the text is drawn in now.
    TColor TextColor();

    void ApplySkinChange() override;
    bool WantsKey(uint16_t key, TShiftState shift) const override;
    bool WantsChars() const override { return true; }
    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange, OnButtonClick;

protected:
    // What lies behind the text: the frame picture's part under the client area.
    virtual void PaintTextBackground(gfx::Bitmap& bitmap);
    void Paint() override;
    TRect ClientRectWithoutHandle() const override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override;
    void BoundsChanged(bool sizeChanged) override;

private:
    const TbsDataSkinEditControl* EditRecord() const { return RecordAs<TbsDataSkinEditControl>(); }
    gfx::Font TextFont();
    gfx::Bitmap FrameImage();
    void PaintFrame();
    void Changed();
    void RefreshAll();
    // Client x of the caret position `pos` and the character at client x.
    int XOfPosition(size_t pos);
    size_t PositionAt(int x);
    int TextOrigin();

    TbsEditBuffer buffer_;
    char32_t passwordChar_ = 0;
    TAlignment alignment_ = taLeftJustify;
    bool buttonMode_ = false;
    bool hot_ = false;
    bool buttonHot_ = false;
    bool buttonPressed_ = false;
    bool selecting_ = false;
    int scroll_ = 0;  // pixels the text is shifted left to keep the caret visible
};

}  // namespace skin
