#pragma once
// A system-wide hot key as a component: registers one key combination with the display,
// whichever program has the keyboard, and reports each press through OnKeyDown. Each
// component has a hidden window of its own that the presses arrive at.

#include <string>

#include "base/ShortCut.h"
#include "vcl/TComponent.h"
#include "vcl/TWinControl.h"
#include "wm/Types.h"

namespace vcl {

// A plain owned component with a design-time note nothing else reads.
class TLMDCustomComponent : public TComponent {
public:
    using TComponent::TComponent;
    const std::string& About() const { return about_; }
    void SetAbout(const std::string& value) { about_ = value; }

private:
    std::string about_;
};

class TLMDGlobalHotKey : public TLMDCustomComponent {
public:
    explicit TLMDGlobalHotKey(TComponent* owner);
    ~TLMDGlobalHotKey() override;

    bool Active() const { return active_; }
    void SetActive(bool value);
    TShortCut HotKey() const { return hotKey_; }
    void SetHotKey(TShortCut value);

    TKeyEvent OnKeyDown;

    // The hidden window and the identifier the display knows the key by (tests).
    HWND WindowHandle() const { return window_; }
    int Identifier() const { return identifier_; }

private:
    LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Register();
    void Unregister();

    int identifier_ = 0;
    HWND window_ = 0;
    bool active_ = true;
    TShortCut hotKey_ = 0;
};

}  // namespace vcl
