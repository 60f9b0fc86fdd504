#include "wm/headless/HeadlessSession.h"

#include "base/Encoding.h"
#include "wm/MessageLoop.h"

namespace wm::headless {

HeadlessSession::HeadlessSession(int width, int height)
    : display_(std::make_unique<HeadlessDisplay>(width, height)),
      system_(std::make_unique<WindowSystem>(*display_)) {}

HeadlessSession::~HeadlessSession() {
    system_.reset();
    display_.reset();
}

void HeadlessSession::ProcessPending() {
    for (;;) {
        if (!ProcessPendingMessages()) return;  // a quit is pending: the loops end
        if (!display_->RunScriptStep(std::nullopt)) return;
    }
}

void HeadlessSession::Advance(uint64_t ms) {
    ProcessPending();
    uint64_t target = Now() + ms;
    while (auto due = system_->timers.NextDue()) {
        if (*due > target || IsQuitPending()) break;
        if (*due > Now()) display_->SetTime(*due);
        ProcessPending();
        if (IsQuitPending()) break;
    }
    if (Now() < target) display_->SetTime(target);
    ProcessPending();
}

void HeadlessSession::Queue(InputEvent e) {
    if (e.kind != InputEvent::Kind::KeyDown && e.kind != InputEvent::Kind::KeyUp) e.screen = pointer_;
    display_->QueueInput(e);
}

void HeadlessSession::QueueMove(int x, int y) {
    pointer_ = {x, y};
    InputEvent e;
    e.kind = InputEvent::Kind::PointerMove;
    Queue(e);
}

void HeadlessSession::QueueButton(MouseButton button, bool down) {
    InputEvent e;
    e.kind = down ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp;
    e.button = button;
    Queue(e);
}

void HeadlessSession::QueueKey(int virtualKey, bool down, uint32_t character) {
    InputEvent e;
    e.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
    e.virtualKey = virtualKey;
    e.character = down ? character : 0;
    Queue(e);
}

void HeadlessSession::MoveTo(int x, int y) {
    QueueMove(x, y);
    ProcessPending();
}

void HeadlessSession::Press(MouseButton button) {
    QueueButton(button, true);
    ProcessPending();
}

void HeadlessSession::Release(MouseButton button) {
    QueueButton(button, false);
    ProcessPending();
}

void HeadlessSession::Click(int x, int y, MouseButton button) {
    QueueMove(x, y);
    QueueButton(button, true);
    QueueButton(button, false);
    ProcessPending();
}

void HeadlessSession::DoubleClick(int x, int y, MouseButton button) {
    QueueMove(x, y);
    for (int i = 0; i < 2; ++i) {
        QueueButton(button, true);
        QueueButton(button, false);
    }
    ProcessPending();
}

void HeadlessSession::Drag(TPoint from, TPoint to, int steps, MouseButton button) {
    if (steps < 1) steps = 1;
    QueueMove(from.X, from.Y);
    QueueButton(button, true);
    for (int i = 1; i <= steps; ++i)
        QueueMove(from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps);
    QueueButton(button, false);
    ProcessPending();
}

void HeadlessSession::Wheel(int x, int y, int delta) {
    QueueMove(x, y);
    InputEvent e;
    e.kind = InputEvent::Kind::Wheel;
    e.wheelDelta = delta;
    Queue(e);
    ProcessPending();
}

void HeadlessSession::KeyDown(int virtualKey, uint32_t character) {
    QueueKey(virtualKey, true, character);
    ProcessPending();
}

void HeadlessSession::KeyUp(int virtualKey) {
    QueueKey(virtualKey, false);
    ProcessPending();
}

void HeadlessSession::Key(int virtualKey, uint32_t character) {
    QueueKey(virtualKey, true, character);
    QueueKey(virtualKey, false);
    ProcessPending();
}

void HeadlessSession::TypeText(std::string_view utf8) {
    for (size_t pos = 0; pos < utf8.size();) {
        char32_t c = base::Utf8Next(utf8, pos);
        int vk = 0;
        if (c >= 'a' && c <= 'z') vk = static_cast<int>(c - 'a' + 'A');
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') vk = static_cast<int>(c);
        QueueKey(vk, true, static_cast<uint32_t>(c));
        QueueKey(vk, false);
    }
    ProcessPending();
}

TColor HeadlessSession::ScreenPixel(int x, int y) const { return display_->ScreenPixel(x, y); }

gfx::Bitmap HeadlessSession::WindowImage(HWND topLevel) const {
    const HeadlessDisplay::Surface* s = display_->SurfaceOf(topLevel);
    return s ? s->image : gfx::Bitmap();
}

}  // namespace wm::headless
