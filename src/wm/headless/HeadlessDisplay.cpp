#include "wm/headless/HeadlessDisplay.h"

#include <algorithm>

#include "wm/MessageLoop.h"

namespace wm::headless {

HeadlessDisplay::HeadlessDisplay(int width, int height) { SetScreenSize(width, height); }

void HeadlessDisplay::SetScreenSize(int width, int height) {
    screen_ = {0, 0, width, height};
    workArea_ = screen_;
}

void HeadlessDisplay::QueueInput(const InputEvent& event) {
    ScriptItem item;
    item.event = event;
    script_.push_back(item);
}

void HeadlessDisplay::QueueAdvance(uint64_t ms) {
    ScriptItem item;
    item.advance = true;
    item.ms = ms;
    script_.push_back(item);
}

bool HeadlessDisplay::RunScriptStep(std::optional<uint64_t> deadline) {
    if (script_.empty()) return false;
    ScriptItem& item = script_.front();
    if (!item.advance) {
        InputEvent e = item.event;
        script_.pop_front();
        if (Sink()) Sink()->FeedInput(e);
        return true;
    }
    uint64_t target = now_ + item.ms;
    if (deadline && *deadline < target) {
        uint64_t step = *deadline > now_ ? *deadline - now_ : 0;
        now_ += step;
        item.ms -= step;
        if (item.ms == 0) script_.pop_front();
    } else {
        now_ = target;
        script_.pop_front();
    }
    return true;
}

void HeadlessDisplay::WaitForInput(std::optional<uint64_t> deadline) {
    if (deadline && *deadline <= now_) return;
    if (!RunScriptStep(deadline))
        throw HeadlessStall("a message loop waits for input, but the test queued none");
}

HeadlessDisplay::Surface* HeadlessDisplay::Find(SurfaceId id) {
    auto it = surfaces_.find(id);
    return it == surfaces_.end() ? nullptr : &it->second;
}

const HeadlessDisplay::Surface* HeadlessDisplay::FindSurface(SurfaceId id) const {
    auto it = surfaces_.find(id);
    return it == surfaces_.end() ? nullptr : &it->second;
}

const HeadlessDisplay::Surface* HeadlessDisplay::SurfaceOf(HWND window) const {
    for (const auto& [id, s] : surfaces_)
        if (s.window == window) return &s;
    return nullptr;
}

SurfaceId HeadlessDisplay::CreateSurface(HWND window, const TRect& bounds, const SurfaceOptions& o) {
    SurfaceId id = nextSurface_++;
    Surface s;
    s.window = window;
    s.bounds = bounds;
    s.options = o;
    s.image = gfx::Bitmap(bounds.Width(), bounds.Height());
    surfaces_.emplace(id, std::move(s));
    stacking_.push_back(id);
    return id;
}

void HeadlessDisplay::DestroySurface(SurfaceId surface) {
    surfaces_.erase(surface);
    std::erase(stacking_, surface);
    if (grab_ == surface) grab_ = 0;
}

void HeadlessDisplay::ShowSurface(SurfaceId surface, bool visible) {
    if (Surface* s = Find(surface)) {
        s->visible = visible;
        if (visible) s->minimized = false;
    }
}

void HeadlessDisplay::MoveSurface(SurfaceId surface, const TRect& bounds) {
    Surface* s = Find(surface);
    if (!s) return;
    if (bounds.Width() != s->bounds.Width() || bounds.Height() != s->bounds.Height())
        s->image.SetSize(bounds.Width(), bounds.Height());
    s->bounds = bounds;
}

void HeadlessDisplay::SetSurfaceTitle(SurfaceId surface, std::string_view utf8) {
    if (Surface* s = Find(surface)) s->title = std::string(utf8);
}

void HeadlessDisplay::SetSurfaceShape(SurfaceId surface, const gfx::Region* shape) {
    if (Surface* s = Find(surface)) {
        if (shape)
            s->shape = *shape;
        else
            s->shape.reset();
    }
}

void HeadlessDisplay::RestackSurfaces(const std::vector<SurfaceId>& bottomToTop) {
    stacking_ = bottomToTop;
    for (const auto& [id, s] : surfaces_)
        if (std::find(stacking_.begin(), stacking_.end(), id) == stacking_.end())
            stacking_.insert(stacking_.begin(), id);
}

void HeadlessDisplay::Present(SurfaceId surface, const gfx::Bitmap& backBuffer,
                              const gfx::Region& area) {
    Surface* s = Find(surface);
    if (!s) return;
    if (s->image.Width() != backBuffer.Width() || s->image.Height() != backBuffer.Height())
        s->image.SetSize(backBuffer.Width(), backBuffer.Height());
    for (const TRect& r : area.Rects()) gfx::StretchCopy(s->image, r, backBuffer, r);
    ++s->presents;
}

bool HeadlessDisplay::GrabPointer(SurfaceId surface) {
    if (!Find(surface)) return false;
    grab_ = surface;
    return true;
}

void HeadlessDisplay::Minimize(SurfaceId surface) {
    if (Surface* s = Find(surface)) s->minimized = true;
}

gfx::Bitmap HeadlessDisplay::ComposeScreen() const {
    gfx::Bitmap screen(screen_.Width(), screen_.Height());
    screen.Fill(desktop_);
    for (SurfaceId id : stacking_) {
        const Surface* s = FindSurface(id);
        if (!s || !s->visible || s->minimized) continue;
        for (int y = 0; y < s->image.Height(); ++y) {
            for (int x = 0; x < s->image.Width(); ++x) {
                if (s->shape && !s->shape->Contains(x, y)) continue;
                screen.SetPixel(s->bounds.Left + x, s->bounds.Top + y, s->image.Pixel(x, y));
            }
        }
    }
    return screen;
}

TColor HeadlessDisplay::ScreenPixel(int x, int y) const {
    if (!screen_.Contains(x, y)) return clNone;
    for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
        const Surface* s = FindSurface(*it);
        if (!s || !s->visible || s->minimized || !s->bounds.Contains(x, y)) continue;
        int lx = x - s->bounds.Left, ly = y - s->bounds.Top;
        if (s->shape && !s->shape->Contains(lx, ly)) continue;
        return s->image.Pixel(lx, ly);
    }
    return base::ColorToRGB(desktop_);
}

}  // namespace wm::headless

namespace wm::headless {

bool HeadlessDisplay::RegisterHotKey(HWND window, int id, unsigned modifiers, unsigned virtualKey) {
    auto [it, added] = hotKeys_.try_emplace({modifiers, virtualKey}, HotKeyHolder{window, id});
    return added;
}

void HeadlessDisplay::UnregisterHotKey(HWND window, int id) {
    std::erase_if(hotKeys_, [&](const auto& entry) {
        return entry.second.window == window && entry.second.id == id;
    });
}

void HeadlessDisplay::HoldHotKeyElsewhere(unsigned modifiers, unsigned virtualKey) {
    hotKeys_[{modifiers, virtualKey}] = HotKeyHolder{};
}

bool HeadlessDisplay::PressHotKey(unsigned modifiers, unsigned virtualKey) {
    auto it = hotKeys_.find({modifiers, virtualKey});
    if (it == hotKeys_.end() || it->second.window == 0) return false;
    return PostMessage(it->second.window, WM_HOTKEY, static_cast<WPARAM>(it->second.id),
                       static_cast<LPARAM>(modifiers | (virtualKey << 16)));
}

}  // namespace wm::headless
