#pragma once
// A control with a window of its own, and a parent for other controls.
//
// The window is created when first needed: when Handle() is asked for, or when the
// control is visible and its parent's window exists (so showing a form creates the
// windows of its visible controls). Until then the control keeps every property itself.
//
// Children are aligned inside the client area (AlignControls): top-aligned ones first,
// then bottom, left, right and client, each group in creation order. Windowless
// children are painted by this control after its own painting and get the mouse
// messages that fall on them.

#include <cstdint>
#include <functional>
#include <vector>

#include "gfx/Canvas.h"
#include "vcl/TControl.h"
#include "wm/Window.h"

namespace vcl {

class TCanvas;

using TKeyEvent = std::function<void(TObject* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // --- the window ---
    HWND Handle();  // creates the window when it does not exist yet
    bool HandleAllocated() const { return handle_ != 0; }
    void HandleNeeded() { Handle(); }
    // Destroys the window and creates it again from fresh CreateParams (when it existed).
    void RecreateWnd();
    void DestroyHandle();
    // The control whose window this is, or null.
    static TWinControl* FindControl(HWND hwnd);

    // --- children ---
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;
    // The visible child under a client point (windowless ones only unless asked).
    TControl* ControlAtPos(TPoint client, bool allowDisabled = false, bool allowWinControls = false) const;
    bool ContainsControl(const TControl* control) const;

    // --- alignment ---
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    void Realign();

    // --- focus ---
    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on);
    int TabOrder() const;
    void SetTabOrder(int order);
    // Every windowed descendant in tab order (depth first).
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                 bool checkParent) const;
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    // Keys the control handles itself, so the form does not treat them as dialog keys
    // (Tab, Enter, Escape) or characters as accelerators.
    virtual bool WantsKey(uint16_t key, TShiftState shift) const { return false; }
    virtual bool WantsChars() const { return false; }
    // A form with KeyPreview sees its controls' keys first.
    virtual bool PreviewsKeys() const { return false; }
    // Offered to every child in order.
    bool DialogKey(uint16_t key, TShiftState shift) override;
    bool DialogChar(char32_t ch, TShiftState shift) override;

    // --- painting ---
    void Invalidate() override;
    void Update() override;
    // Draws the control and its children into a canvas at (x, y) of it.
    void PaintTo(TCanvas* canvas, int x, int y);
    void PaintTo(gfx::Canvas& surface, int x, int y);

    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetCursor(TCursor cursor) override;

    void DefaultHandler(TMessage& message) override;
    void WndProc(TMessage& message) override;

    // Key events (key by reference: set it to 0 to swallow the key).
    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter, OnExit;

    // Internal: the child the mouse is captured for.
    TControl* CaptureControl() const { return captureControl_; }
    void SetCaptureControl(TControl* control);

protected:
    // The window's settings; subclasses add styles or make it a top-level window.
    virtual void CreateParams(wm::CreateParams& params);
    virtual void CreateHandle();
    // After the window was created (children's windows are made afterwards).
    virtual void CreateWnd() {}
    // Before the window goes.
    virtual void DestroyWnd() {}
    // The client rectangle while there is no window (the frame the styles would give).
    virtual TRect ClientRectWithoutHandle() const;

    virtual void AlignControls(TControl* control, TRect& rect);
    virtual void AlignPosition(TControl* control, TAlign align, TRect& rect);

    // Painting: the window's own drawing, then its windowless children's.
    virtual void PaintWindow(gfx::Canvas& surface) {}
    void PaintControls(gfx::Canvas& surface);
    virtual void PaintHandler(TMessage& m);

    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void DoEnter();
    virtual void DoExit();
    bool DoKeyDown(uint16_t& key, TShiftState shift);
    bool DoKeyPress(char32_t& key);
    bool DoKeyUp(uint16_t& key, TShiftState shift);

    void TextChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    void BoundsChanged(bool sizeChanged) override;
    void SetMouseCapture(bool capture) override;
    void Loaded() override;

    // Creates the windows of visible children (called once this window exists).
    void UpdateShowing();
    // Top-level windows are placed on the screen and have no parent window.
    virtual bool IsTopLevel() const { return false; }

    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void MoveControl(TControl* control, bool toFront);

private:
    LRESULT MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool RouteMouseToChild(TMessage& m);
    void SetHoverControl(TControl* control, LPARAM lParam);
    void SyncBoundsFromWindow();

    HWND handle_ = 0;
    std::vector<TControl*> controls_;     // creation order
    std::vector<TWinControl*> tabList_;   // windowed children in tab order
    bool tabStop_ = false;
    int alignDisabled_ = 0;
    bool aligning_ = false;
    TControl* captureControl_ = nullptr;
    TControl* hoverControl_ = nullptr;
    TRect lastClientRect_;
};

}  // namespace vcl
