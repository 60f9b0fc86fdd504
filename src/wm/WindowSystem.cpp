#include "wm/WindowSystem.h"

#include <algorithm>
#include <cassert>

#include "wm/DeviceContext.h"

namespace wm {

namespace {
WindowSystem* gCurrent = nullptr;
}

WindowSystem::WindowSystem(Display& display) : display_(display) {
    assert(gCurrent == nullptr && "one window system at a time");
    gCurrent = this;
    display_.SetInputSink(this);
}

WindowSystem::~WindowSystem() {
    display_.SetInputSink(nullptr);
    for (auto& [handle, window] : windows)
        if (window->IsTopLevel() && window->surface) display_.DestroySurface(window->surface);
    dcs.clear();
    windows.clear();
    if (gCurrent == this) gCurrent = nullptr;
}

WindowSystem* WindowSystem::Current() { return gCurrent; }

void WindowSystem::FeedInput(const InputEvent& event) {
    QueueItem item;
    item.isInput = true;
    item.input = event;
    queue.push_back(item);
}

Window* WindowSystem::Find(HWND hwnd) const {
    if (hwnd == 0) return nullptr;
    auto it = windows.find(hwnd);
    return it == windows.end() ? nullptr : it->second.get();
}

Window* WindowSystem::FindLive(HWND hwnd) const {
    Window* w = Find(hwnd);
    return w && !w->destroying ? w : nullptr;
}

Window* WindowSystem::RootOf(const Window& w) const {
    const Window* cur = &w;
    while (cur->IsChild()) {
        Window* p = Find(cur->parent);
        if (!p) break;
        cur = p;
    }
    return const_cast<Window*>(cur);
}

bool WindowSystem::IsAncestorOf(HWND ancestor, HWND hwnd) const {
    for (Window* w = Find(hwnd); w; w = w->IsChild() ? Find(w->parent) : nullptr)
        if (w->handle == ancestor) return true;
    return false;
}

TPoint WindowSystem::OriginInRoot(const Window& w) const {
    TPoint origin;
    const Window* cur = &w;
    while (cur->IsChild()) {
        const Window* p = Find(cur->parent);
        if (!p) break;
        origin = origin + cur->bounds.TopLeft() + p->clientRect.TopLeft();
        cur = p;
    }
    return origin;
}

TPoint WindowSystem::ScreenOrigin(const Window& w) const {
    return RootOf(w)->bounds.TopLeft() + OriginInRoot(w);
}

bool WindowSystem::IsShown(const Window& w) const {
    for (const Window* cur = &w; cur; cur = cur->IsChild() ? Find(cur->parent) : nullptr) {
        if (!cur->HasFlag(WS_VISIBLE)) return false;
        if (cur->IsChild() && !Find(cur->parent)) return false;
    }
    return true;
}

std::vector<HWND>& WindowSystem::SiblingsOf(const Window& w) {
    if (w.IsChild())
        if (Window* p = Find(w.parent)) return p->children;
    return topLevels;
}

void WindowSystem::RestackDisplay() {
    std::vector<SurfaceId> order;
    for (HWND h : topLevels)
        if (Window* w = Find(h); w && w->surface) order.push_back(w->surface);
    display_.RestackSurfaces(order);
}

std::vector<HWND> WindowSystem::TreeOf(HWND root) const {
    std::vector<HWND> out;
    std::vector<HWND> stack{root};
    while (!stack.empty()) {
        HWND h = stack.back();
        stack.pop_back();
        Window* w = Find(h);
        if (!w) continue;
        out.push_back(h);
        // Reverse, so children come out in their order (bottom first).
        for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) stack.push_back(*it);
    }
    return out;
}

}  // namespace wm
