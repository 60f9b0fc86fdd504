#include "vcl/TLMDGlobalHotKey.h"

#include <set>
#include <stdexcept>

#include "vcl/TApplication.h"
#include "wm/DefWindowProc.h"
#include "wm/Messages.h"
#include "wm/WindowSystem.h"
#include "wm/Windows.h"

namespace vcl {
namespace {

// Identifiers are unique per live component, in the range of string atoms.
constexpr int kFirstIdentifier = 0xC000;
constexpr int kLastIdentifier = 0xFFFF;
std::set<int>& IdentifiersInUse() {
    static std::set<int> inUse;
    return inUse;
}

int TakeIdentifier() {
    std::set<int>& inUse = IdentifiersInUse();
    for (int id = kFirstIdentifier; id <= kLastIdentifier; ++id)
        if (inUse.insert(id).second) return id;
    return 0;
}

unsigned ModifiersOf(TShortCut hotKey) {
    unsigned modifiers = 0;
    if (hotKey & base::scCtrl) modifiers |= wm::MOD_CONTROL;
    if (hotKey & base::scAlt) modifiers |= wm::MOD_ALT;
    if (hotKey & base::scShift) modifiers |= wm::MOD_SHIFT;
    return modifiers;
}

TShiftState ShiftOf(TShortCut hotKey) {
    TShiftState shift;
    if (hotKey & base::scShift) shift.Include(ssShift);
    if (hotKey & base::scAlt) shift.Include(ssAlt);
    if (hotKey & base::scCtrl) shift.Include(ssCtrl);
    return shift;
}

wm::Display* CurrentDisplay() {
    wm::WindowSystem* ws = wm::WindowSystem::Current();
    return ws ? &ws->GetDisplay() : nullptr;
}

}  // namespace

TLMDGlobalHotKey::TLMDGlobalHotKey(TComponent* owner) : TLMDCustomComponent(owner) {
    identifier_ = TakeIdentifier();
    wm::CreateParams params;
    params.className = "TLMDGlobalHotKeyWindow";
    params.style = wm::WS_POPUP;
    params.bounds = TRect{0, 0, 0, 0};
    params.proc = [this](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        return WindowProc(hwnd, message, wParam, lParam);
    };
    window_ = wm::CreateWindow(params);
}

TLMDGlobalHotKey::~TLMDGlobalHotKey() {
    if (hotKey_ != 0) SetHotKey(0);
    IdentifiersInUse().erase(identifier_);
    if (window_) wm::DestroyWindow(window_);
}

void TLMDGlobalHotKey::SetHotKey(TShortCut value) {
    if (value == hotKey_) return;
    if (active_) {
        if (value != 0) {
            // A combination another program holds fails silently, as does a second
            // registration of the same combination by this one.
            if (wm::Display* display = CurrentDisplay())
                display->RegisterHotKey(window_, identifier_, ModifiersOf(value), base::ShortCutKey(value));
        } else {
            Unregister();
        }
    }
    hotKey_ = value;
}

void TLMDGlobalHotKey::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (active_) {
        Register();
    } else if (hotKey_ != 0) {
        Unregister();
    }
}

void TLMDGlobalHotKey::Register() {
    wm::Display* display = CurrentDisplay();
    if (display && hotKey_ != 0)
        display->RegisterHotKey(window_, identifier_, ModifiersOf(hotKey_), base::ShortCutKey(hotKey_));
}

void TLMDGlobalHotKey::Unregister() {
    if (wm::Display* display = CurrentDisplay()) display->UnregisterHotKey(window_, identifier_);
}

LRESULT TLMDGlobalHotKey::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != wm::WM_HOTKEY) return wm::DefWindowProc(hwnd, message, wParam, lParam);
    if (OnKeyDown) {
        uint16_t key = base::ShortCutKey(hotKey_);
        try {
            OnKeyDown(this, key, ShiftOf(hotKey_));
        } catch (const std::exception& error) {
            HandleException(this, error);
        }
    }
    return 0;
}

}  // namespace vcl
