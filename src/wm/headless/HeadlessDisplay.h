#pragma once
// A display without a display server: a virtual screen whose surfaces keep what was
// presented to them, composed in stacking order with their shapes; a virtual clock; and a
// script of input events that the window system takes whenever a loop waits for input.
// Behaviour tests drive it through HeadlessSession.

#include <deque>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "wm/Display.h"

namespace wm::headless {

// A loop waits for input, but the test queued none: the test would hang otherwise.
struct HeadlessStall : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class HeadlessDisplay final : public Display {
public:
    struct Surface {
        HWND window = 0;
        TRect bounds;
        SurfaceOptions options;
        bool visible = false;
        bool minimized = false;
        std::string title;
        std::optional<gfx::Region> shape;
        gfx::Bitmap image;  // what was presented
        int presents = 0;
    };

    HeadlessDisplay(int width, int height);

    void SetScreenSize(int width, int height);
    void SetWorkArea(const TRect& area) { workArea_ = area; }
    TColor DesktopColor() const { return desktop_; }

    // The script taken by WaitForInput.
    void QueueInput(const InputEvent& event);
    void QueueAdvance(uint64_t ms);
    bool HasScript() const { return !script_.empty(); }
    // Feeds the first script item: input to the window system, or clock time. With a
    // deadline, an advance stops there (keeping the rest). False when the script is empty.
    bool RunScriptStep(std::optional<uint64_t> deadline);
    void SetTime(uint64_t now) { now_ = now; }

    // Read-back.
    gfx::Bitmap ComposeScreen() const;
    // One pixel of the composed screen, without composing all of it.
    TColor ScreenPixel(int x, int y) const;
    const Surface* FindSurface(SurfaceId id) const;
    const Surface* SurfaceOf(HWND window) const;
    CursorShape Cursor() const { return cursor_; }
    SurfaceId Grab() const { return grab_; }
    int Beeps() const { return beeps_; }
    SurfaceId LastActivated() const { return lastActivated_; }
    const std::vector<SurfaceId>& Stacking() const { return stacking_; }

    // Display
    TRect ScreenRect() const override { return screen_; }
    TRect WorkArea() const override { return workArea_; }
    SurfaceId CreateSurface(HWND window, const TRect& bounds, const SurfaceOptions& o) override;
    void DestroySurface(SurfaceId surface) override;
    void ShowSurface(SurfaceId surface, bool visible) override;
    void MoveSurface(SurfaceId surface, const TRect& bounds) override;
    void SetSurfaceTitle(SurfaceId surface, std::string_view utf8) override;
    void SetSurfaceShape(SurfaceId surface, const gfx::Region* shape) override;
    void RestackSurfaces(const std::vector<SurfaceId>& bottomToTop) override;
    void Present(SurfaceId surface, const gfx::Bitmap& backBuffer, const gfx::Region& area) override;
    void SetCursor(CursorShape shape) override { cursor_ = shape; }
    bool GrabPointer(SurfaceId surface) override;
    void UngrabPointer() override { grab_ = 0; }
    void Minimize(SurfaceId surface) override;
    void Activate(SurfaceId surface) override { lastActivated_ = surface; }
    void Beep() override { ++beeps_; }
    uint64_t Now() const override { return now_; }

    // System-wide hot keys: one holder per combination, as on a real display.
    bool RegisterHotKey(HWND window, int id, unsigned modifiers, unsigned virtualKey) override;
    void UnregisterHotKey(HWND window, int id) override;
    // Another program takes the combination (registrations of ours then fail).
    void HoldHotKeyElsewhere(unsigned modifiers, unsigned virtualKey);
    // A press of the combination anywhere on the desktop: WM_HOTKEY (wParam the id) is
    // posted to the window that registered it. False when no window of ours holds it.
    bool PressHotKey(unsigned modifiers, unsigned virtualKey);
    int HotKeyCount() const { return static_cast<int>(hotKeys_.size()); }

    void WaitForInput(std::optional<uint64_t> deadline) override;

private:
    struct ScriptItem {
        bool advance = false;
        uint64_t ms = 0;
        InputEvent event;
    };
    Surface* Find(SurfaceId id);

    TRect screen_;
    TRect workArea_;
    TColor desktop_ = 0x804000;
    std::map<SurfaceId, Surface> surfaces_;
    std::vector<SurfaceId> stacking_;
    SurfaceId nextSurface_ = 1;
    CursorShape cursor_ = CursorShape::Arrow;
    SurfaceId grab_ = 0;
    SurfaceId lastActivated_ = 0;
    int beeps_ = 0;
    uint64_t now_ = 0;
    std::deque<ScriptItem> script_;
    struct HotKeyHolder {
        HWND window = 0;  // 0: another program
        int id = 0;
    };
    std::map<std::pair<unsigned, unsigned>, HotKeyHolder> hotKeys_;  // (modifiers, key)
};

}  // namespace wm::headless
