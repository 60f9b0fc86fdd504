#pragma once
// A line of text on its parent: Caption in Font, on Color unless Transparent, placed by
// Alignment and Layout, sized to the text while AutoSize. An accelerator in the caption
// ("&Laufwerk") focuses FocusControl.

#include "vcl/TGraphicControl.h"

namespace vcl {

class TWinControl;

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment) { alignment_ = alignment; Invalidate(); }
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout) { layout_ = layout; Invalidate(); }
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool on) { showAccelChar_ = on; AdjustSize(); Invalidate(); }
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);

    bool DialogChar(char32_t ch, TShiftState shift) override;
    // The caption as drawn (accelerator marks removed).
    std::string DisplayText() const;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void AdjustSize();
    void UnderlineAccelerator(int x, int y);

    bool autoSize_ = true;
    bool transparent_ = false;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

}  // namespace vcl
