// X11Display: waiting for events and turning them into the core's input.

#include "wm/MessageLoop.h"
#include "wm/x11/X11InputKinds.h"  // before the X headers, whose macros take these names
#include "wm/x11/X11Display.h"

#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include <cstdio>
#include <cstdlib>

#include "wm/x11/SessionSignals.h"
#include "wm/x11/X11Atoms.h"
#include "wm/x11/X11Clipboard.h"
#include "wm/x11/X11HotKeys.h"
#include "wm/x11/X11KeyMap.h"
#include "wm/x11/X11Modifiers.h"

namespace wm::x11 {

namespace {

uint32_t FirstCodePoint(const char* s, int length) {
    if (length <= 0) return 0;
    auto c = static_cast<unsigned char>(s[0]);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    uint32_t cp = extra == 3 ? (c & 0x07u) : extra == 2 ? (c & 0x0Fu) : extra == 1 ? (c & 0x1Fu) : c;
    for (int i = 1; i <= extra && i < length; ++i) cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3Fu);
    return cp;
}

bool IsKeypadKeysym(KeySym k) { return k >= XK_KP_Space && k <= XK_KP_Equal; }

}  // namespace

void X11Display::WaitForInput(std::optional<uint64_t> deadline) {
    fed_ = false;
    for (;;) {
        DispatchQueuedEvents();
        if (signals_->TakePending()) EndSession(0);
        if (connectionLost_) EndSession(1);
        if (fed_) return;
        uint64_t now = Now();
        if (deadline && now >= *deadline) return;
        if (!inputMethodTried_) {
            // The first time there is nothing to do (the window's first frame is out):
            // the input method opens now, before the user's first key needs it.
            EnsureInputMethod(focusedWindow_);
            continue;
        }
        XFlush(dpy_);
        pollfd fds[2] = {{ConnectionNumber(dpy_), POLLIN, 0}, {signals_->ReadFd(), POLLIN, 0}};
        int timeout = deadline ? static_cast<int>(std::min<uint64_t>(*deadline - now, 60000)) : -1;
        poll(fds, signals_->ReadFd() >= 0 ? 2 : 1, timeout);
    }
}

void X11Display::DispatchQueuedEvents() {
    // XPending reads what the server sent without blocking.
    while (!connectionLost_ && XPending(dpy_) > 0) {
        XEvent event;
        XNextEvent(dpy_, &event);
        if ((event.type == KeyPress || event.type == KeyRelease) && !inputMethodTried_)
            EnsureInputMethod(event.xkey.window == root_ ? focusedWindow_ : event.xkey.window);
        if (XFilterEvent(&event, None)) continue;  // taken by the input method (compose)
        HandleEvent(event);
    }
}

void X11Display::Feed(const InputEvent& event) {
    fed_ = true;
    if (Sink()) Sink()->FeedInput(event);
}

ModifierKeys X11Display::Modifiers(unsigned state) const { return ModifierKeysFromState(state, altMask_); }

TPoint X11Display::ScreenPoint(const Surface* s, int x, int y, int xRoot, int yRoot) const {
    // Relative to where the core placed the window, so hit testing matches its picture
    // even when a window manager has moved the X window.
    if (s) return {s->bounds.Left + x, s->bounds.Top + y};
    return {xRoot, yRoot};
}

void X11Display::HandleEvent(XEvent& e) {
    if (clipboard_->HandleEvent(e)) return;
    using K = InputEvent::Kind;
    Surface* s = FindByXid(e.xany.window);
    switch (e.type) {
        case Expose:
        case GraphicsExpose:
            if (s) {
                InputEvent in;
                in.kind = kExposeKind;
                for (auto& [id, surface] : surfaces_)
                    if (&surface == s) in.surface = id;
                in.area = {e.xexpose.x, e.xexpose.y, e.xexpose.x + e.xexpose.width, e.xexpose.y + e.xexpose.height};
                Feed(in);
            }
            break;
        case MotionNotify: {
            // Only the newest position of a burst matters; a burst ends at any other event,
            // so a move never jumps ahead of a press or release queued before it.
            while (XEventsQueued(dpy_, QueuedAlready) > 0) {
                XEvent next;
                XPeekEvent(dpy_, &next);
                if (next.type != MotionNotify || next.xmotion.window != e.xmotion.window) break;
                XNextEvent(dpy_, &e);
            }
            InputEvent in;
            in.kind = K::PointerMove;
            in.screen = ScreenPoint(s, e.xmotion.x, e.xmotion.y, e.xmotion.x_root, e.xmotion.y_root);
            in.modifiers = Modifiers(e.xmotion.state);
            Feed(in);
            break;
        }
        case EnterNotify:
            if (s && e.xcrossing.mode == NotifyNormal) {
                InputEvent in;
                in.kind = K::PointerMove;
                in.screen = ScreenPoint(s, e.xcrossing.x, e.xcrossing.y, e.xcrossing.x_root, e.xcrossing.y_root);
                in.modifiers = Modifiers(e.xcrossing.state);
                Feed(in);
            }
            break;
        case LeaveNotify:
            if (s && e.xcrossing.mode == NotifyNormal && e.xcrossing.detail != NotifyInferior) {
                // Onto another of our windows: its EnterNotify follows and moves the pointer.
                InputEvent in;
                in.kind = K::PointerLeave;
                Feed(in);
            }
            break;
        case ButtonPress:
        case ButtonRelease: {
            lastUserTime_ = e.xbutton.time;
            bool down = e.type == ButtonPress;
            InputEvent in;
            in.screen = ScreenPoint(s, e.xbutton.x, e.xbutton.y, e.xbutton.x_root, e.xbutton.y_root);
            in.modifiers = Modifiers(e.xbutton.state);
            switch (e.xbutton.button) {
                case Button1: in.button = MouseButton::Left; break;
                case Button2: in.button = MouseButton::Middle; break;
                case Button3: in.button = MouseButton::Right; break;
                case Button4:
                case Button5:
                    if (!down) return;
                    in.kind = K::Wheel;
                    in.wheelDelta = e.xbutton.button == Button4 ? 120 : -120;
                    Feed(in);
                    return;
                default: return;  // horizontal wheel and extra buttons
            }
            in.kind = down ? K::ButtonDown : K::ButtonUp;
            Feed(in);
            break;
        }
        case KeyPress:
        case KeyRelease:
            lastUserTime_ = e.xkey.time;
            if (e.xkey.window == root_) HandleRootKey(e.xkey);
            else HandleKey(s, e.xkey);
            break;
        case FocusIn:
        case FocusOut:
            // A key grab (our hot keys, another program's) moves the focus for a moment
            // only; that is no activation change.
            if (!s || e.xfocus.mode == NotifyGrab || e.xfocus.mode == NotifyUngrab ||
                e.xfocus.detail == NotifyPointer || e.xfocus.detail == NotifyInferior)
                break;
            focusedWindow_ = e.type == FocusIn ? s->xid : None;
            if (s->inputContext) (e.type == FocusIn ? XSetICFocus : XUnsetICFocus)(s->inputContext);
            for (auto& [id, surface] : surfaces_)
                if (&surface == s) {
                    InputEvent in;
                    in.kind = e.type == FocusIn ? kFocusInKind : kFocusOutKind;
                    in.surface = id;
                    // Modifier releases that went to another window while it had the
                    // focus are not reported to us: take what is held now.
                    if (e.type == FocusIn) in.modifiers = QueryModifierKeys(dpy_, altMask_);
                    Feed(in);
                }
            break;
        case ClientMessage:
            if (s && e.xclient.message_type == atoms_->wmProtocols &&
                static_cast<Atom>(e.xclient.data.l[0]) == atoms_->wmDeleteWindow) {
                for (auto& [id, surface] : surfaces_)
                    if (&surface == s) {
                        InputEvent in;
                in.kind = K::CloseRequest;
                        in.surface = id;
                        Feed(in);
                    }
            }
            break;
        case MappingNotify:
            if (e.xmapping.request == MappingKeyboard || e.xmapping.request == MappingModifier) {
                XRefreshKeyboardMapping(&e.xmapping);
                hotKeys_->Regrab();
                altMask_ = FindAltModifierMask(dpy_);
            }
            break;
        default: break;
    }
}

void X11Display::HandleKey(Surface* s, XKeyEvent& e) {
    if (!s) return;
    InputEvent in;
    KeySym keysym = XLookupKeysym(&e, 0);
    // The keypad's digits with Num Lock on are on its second level.
    if (IsKeypadKeysym(keysym) && (e.state & Mod2Mask)) {
        KeySym shifted = XLookupKeysym(&e, 1);
        if (shifted != NoSymbol) keysym = shifted;
    }
    in.virtualKey = VirtualKeyFromKeysym(keysym);
    // The state before this key; a modifier key's own change is applied by the core.
    in.modifiers = Modifiers(e.state);
    if (e.type == KeyRelease) {
        keysDown_.erase(e.keycode);
        in.kind = InputEvent::Kind::KeyUp;
        if (in.virtualKey) Feed(in);
        return;
    }
    in.kind = InputEvent::Kind::KeyDown;
    // With detectable auto-repeat a held key sends presses only: a press of a key that
    // is already down is a repeat.
    in.repeat = !keysDown_.insert(e.keycode).second;
    char text[64];
    KeySym ignored;
    Status status = XLookupNone;
    int length = 0;
    if (s->inputContext)
        length = Xutf8LookupString(s->inputContext, &e, text, sizeof text - 1, &ignored, &status);
    else
        length = XLookupString(&e, text, sizeof text - 1, &ignored, nullptr);
    if (length > 0 && (!s->inputContext || status == XLookupChars || status == XLookupBoth))
        in.character = FirstCodePoint(text, length);
    if (in.virtualKey || in.character) Feed(in);
}

void X11Display::HandleRootKey(const XKeyEvent& e) {
    if (e.type != KeyPress) return;
    if (auto hit = hotKeys_->Match(e)) {
        PostMessage(hit->window, WM_HOTKEY, static_cast<WPARAM>(hit->id),
                    static_cast<LPARAM>(MakeLong(hit->modifiers, hit->virtualKey)));
        fed_ = true;  // the loop has a message to take
    }
}

void X11Display::EndSession(int exitCode) {
    if (exitCode != 0) std::fprintf(stderr, "Velmora: Verbindung zur Anzeige verloren\n");
    if (const auto& handler = SessionEndHandler()) handler();
    // The forms have written their settings; what is on the clipboard goes to a manager.
    if (!connectionLost_) clipboard_->HandOverToManager(std::chrono::milliseconds(1000));
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

}  // namespace wm::x11
