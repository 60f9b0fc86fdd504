#pragma once
// The CLIPBOARD selection, owned by a hidden window of our own.
//
// Offering: a picture as image/png and image/bmp, text as UTF8_STRING,
// text/plain;charset=utf-8, STRING (Latin-1) and TEXT, with TARGETS, TIMESTAMP and
// MULTIPLE. Data larger than one request goes through INCR. The encodings are made once,
// when first asked for.
//
// Reading: another program's text or picture is converted into a property of our window
// and read back, INCR included, within a time bound, so a hung owner cannot freeze the
// program. While waiting, other events stay queued for the main loop.
//
// At exit, when a clipboard manager runs (it owns CLIPBOARD_MANAGER), it is asked to save
// our targets (SAVE_TARGETS) and our requests are served until it answers or time runs out.

#include "wm/Display.h"  // before Xlib.h: its macros clash with our names

#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "wm/x11/X11Atoms.h"

namespace wm::x11 {

class X11Clipboard {
public:
    X11Clipboard(::Display* dpy, const X11Atoms& atoms);
    ~X11Clipboard();
    X11Clipboard(const X11Clipboard&) = delete;
    X11Clipboard& operator=(const X11Clipboard&) = delete;

    bool Set(const Display::ClipboardContent& content);
    std::optional<std::string> Text();
    std::optional<gfx::Bitmap> Picture();
    // Selection requests, losing the selection, INCR transfers. True when the event was ours.
    bool HandleEvent(const XEvent& event);
    // Asks a running clipboard manager to keep our content; false when none took it.
    bool HandOverToManager(std::chrono::milliseconds timeout);
    bool Owns() const { return owned_; }

    // How long reading another program's selection may take.
    static constexpr std::chrono::milliseconds kReadTimeout{1000};

private:
    struct Incoming {
        Atom type = None;
        std::vector<uint8_t> data;
    };
    struct OutgoingIncr {
        Window requestor;
        Atom property;
        Atom type;
        std::vector<uint8_t> data;
        size_t sent = 0;
    };
    using Deadline = std::chrono::steady_clock::time_point;

    Time ServerTime();
    std::vector<Atom> OfferedTargets() const;
    // The data and its type for a target; false when we do not offer it.
    bool Encode(Atom target, Atom& type, int& format, std::vector<uint8_t>& data);
    bool Answer(Window requestor, Atom target, Atom property);
    void AnswerRequest(const XSelectionRequestEvent& request);
    void SendIncrChunk(OutgoingIncr& transfer);
    std::optional<Incoming> Read(Atom selection, Atom target, Deadline deadline);
    std::optional<Incoming> ReadIncr(Deadline deadline);
    // Waits for an event the predicate accepts, serving selection requests meanwhile.
    bool WaitFor(const std::function<bool(const XEvent&)>& accept, XEvent& out, Deadline deadline);

    ::Display* dpy_;
    const X11Atoms& atoms_;
    ::Window window_;
    size_t maxChunk_;
    bool owned_ = false;
    Time ownedSince_ = CurrentTime;
    Display::ClipboardContent content_;
    std::map<Atom, std::vector<uint8_t>> encoded_;  // image/png and image/bmp, made on demand
    std::vector<OutgoingIncr> outgoing_;
};

}  // namespace wm::x11
