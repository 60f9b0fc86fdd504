#pragma once
// A visual component: bounds in its parent's client area, alignment, visibility, colour,
// font, caption, hint, cursor, popup menu, and mouse handling.
//
// Messages reach a control through WindowProc (replaceable: a component may put its own
// function in front and call the previous one), which by default calls the virtual
// WndProc; what WndProc does not handle goes to DefaultHandler. Windowless controls
// (TGraphicControl) get their mouse messages from their parent, with coordinates in
// their own client area.

#include <cstdint>
#include <functional>
#include <string>

#include "base/Geometry.h"
#include "vcl/TComponent.h"
#include "vcl/TFont.h"
#include "vcl/Types.h"

namespace vcl {

class TWinControl;
class TPopupMenu;
class TForm;

enum TControlStyleValue { csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csAcceptsControls };
using TControlStyle = TSet<TControlStyleValue>;

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    // --- bounds (parent client coordinates; screen for top-level windows) ---
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return TRect::FromSize(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // The client area in its own coordinates: (0, 0, ClientWidth, ClientHeight).
    virtual TRect ClientRect() const { return {0, 0, width_, height_}; }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int w) { SetClientSize(w, ClientHeight()); }
    void SetClientHeight(int h) { SetClientSize(ClientWidth(), h); }
    virtual void SetClientSize(int width, int height);
    // The client area's top-left on the screen.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const { return p + ClientOrigin(); }
    TPoint ScreenToClient(TPoint p) const { return p - ClientOrigin(); }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all its parents.
    bool IsVisibleChain() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool IsEnabledChain() const;

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    TFont* Font() { return &font_; }
    const TFont* Font() const { return &font_; }
    void SetFont(const TFont* font) { font_.Assign(font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool on);

    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& text) { SetText(text); }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool on);

    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);
    TCursor Cursor() const { return cursor_; }
    virtual void SetCursor(TCursor cursor) { cursor_ = cursor; }

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle style) { controlStyle_ = style; }

    // --- painting ---
    virtual void Invalidate();
    virtual void Update();
    void Repaint() { Invalidate(); Update(); }
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // --- messages ---
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    std::function<void(TMessage&)> WindowProc;
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    // Keyboard navigation offered to every control of a form: a dialog key (Enter,
    // Escape) or an accelerator character ("&Datei": Alt+D, or D in a dialog). True when
    // the control took it.
    virtual bool DialogKey(uint16_t key, TShiftState shift) { return false; }
    virtual bool DialogChar(char32_t ch, TShiftState shift) { return false; }

    virtual void Click();
    virtual void DblClick();

    // --- events ---
    TNotifyEvent OnClick, OnDblClick, OnMouseEnter, OnMouseLeave, OnResize;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // A right click: opens the popup menu at the pointer (screen coordinates). True when
    // a menu took it.
    virtual bool DoContextPopup(TPoint screen);
    // Takes or releases the mouse for the pressed button.
    virtual void SetMouseCapture(bool capture);
    bool MouseCapture() const;

    virtual void TextChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }
    virtual void ColorChanged() { Invalidate(); }
    virtual void EnabledChanged() { Invalidate(); }
    virtual void VisibleChanged();
    virtual void BoundsChanged(bool sizeChanged);
    virtual void Resize();
    // The parent's font / colour / hint setting changed (or the parent itself).
    virtual void ParentFontChanged();
    virtual void ParentColorChanged();
    virtual void ParentShowHintChanged();
    // Asks the parent to realign its children (this one is aligned or changed size).
    void RequestAlign();

    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

    // Sets the stored bounds without telling anyone (windows report moves this way).
    void StoreVisible(bool visible) { visible_ = visible; }
    void StoreBounds(const TRect& r) { left_ = r.Left; top_ = r.Top; width_ = r.Width(); height_ = r.Height(); }

    friend class TWinControl;

private:
    void HandleMouseMessage(TMessage& m);

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool followingParent_ = false;  // copying the parent's font or colour
    std::string text_;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TPopupMenu* popupMenu_ = nullptr;
    TCursor cursor_ = crDefault;
    TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csDoubleClicks};
    bool clicked_ = false;
};

// The form a control lives on (the control itself when it is a form), or null.
TForm* GetParentForm(const TControl* control);

}  // namespace vcl
