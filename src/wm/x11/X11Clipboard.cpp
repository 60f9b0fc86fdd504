#include "wm/x11/X11Clipboard.h"

#include <X11/Xatom.h>
#include <poll.h>

#include <algorithm>
#include <cstring>

#include "gfx/BmpCodec.h"
#include "gfx/PngCodec.h"

namespace wm::x11 {

namespace {

using Clock = std::chrono::steady_clock;

std::string Utf8ToLatin1(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        auto c = static_cast<unsigned char>(utf8[i]);
        unsigned cp = c;
        size_t len = 1;
        if (c >= 0xF0) { len = 4; cp = c & 0x07; }
        else if (c >= 0xE0) { len = 3; cp = c & 0x0F; }
        else if (c >= 0xC0) { len = 2; cp = c & 0x1F; }
        for (size_t k = 1; k < len && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += len;
        out.push_back(cp <= 0xFF ? static_cast<char>(cp) : '?');
    }
    return out;
}

std::string Latin1ToUtf8(const std::vector<uint8_t>& latin1) {
    std::string out;
    for (uint8_t c : latin1) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

// Atoms and integers go into properties as longs, whatever their wire size.
std::vector<uint8_t> LongsAsBytes(const std::vector<long>& values) {
    std::vector<uint8_t> bytes(values.size() * sizeof(long));
    std::memcpy(bytes.data(), values.data(), bytes.size());
    return bytes;
}

}  // namespace

X11Clipboard::X11Clipboard(::Display* dpy, const X11Atoms& atoms) : dpy_(dpy), atoms_(atoms) {
    XSetWindowAttributes attributes{};
    attributes.event_mask = PropertyChangeMask;
    window_ = XCreateWindow(dpy_, DefaultRootWindow(dpy_), -10, -10, 1, 1, 0, CopyFromParent,
                            InputOnly, CopyFromParent, CWEventMask, &attributes);
    long maxRequest = XExtendedMaxRequestSize(dpy_);
    if (maxRequest == 0) maxRequest = XMaxRequestSize(dpy_);
    maxChunk_ = std::min<size_t>(static_cast<size_t>(maxRequest) * 4 - 256, 256 * 1024);
}

X11Clipboard::~X11Clipboard() { XDestroyWindow(dpy_, window_); }

Time X11Clipboard::ServerTime() {
    // A zero-length append makes the server report the time in a PropertyNotify.
    XChangeProperty(dpy_, window_, atoms_.timestampProperty, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XEvent event;
    auto accept = [this](const XEvent& e) {
        return e.type == PropertyNotify && e.xproperty.window == window_ &&
               e.xproperty.atom == atoms_.timestampProperty;
    };
    if (WaitFor(accept, event, Clock::now() + kReadTimeout)) return event.xproperty.time;
    return CurrentTime;
}

bool X11Clipboard::Set(const Display::ClipboardContent& content) {
    content_ = content;
    encoded_.clear();
    ownedSince_ = ServerTime();
    XSetSelectionOwner(dpy_, atoms_.clipboard, window_, ownedSince_);
    owned_ = XGetSelectionOwner(dpy_, atoms_.clipboard) == window_;
    if (!owned_) content_ = {};
    return owned_;
}

std::vector<Atom> X11Clipboard::OfferedTargets() const {
    std::vector<Atom> targets{atoms_.targets, atoms_.timestamp, atoms_.multiple};
    if (content_.picture) {
        targets.push_back(atoms_.imagePng);
        targets.push_back(atoms_.imageBmp);
    }
    if (content_.text) {
        targets.push_back(atoms_.utf8String);
        targets.push_back(atoms_.textPlainUtf8);
        targets.push_back(XA_STRING);
        targets.push_back(atoms_.text);
    }
    return targets;
}

bool X11Clipboard::Encode(Atom target, Atom& type, int& format, std::vector<uint8_t>& data) {
    format = 8;
    type = target;
    if (target == atoms_.targets) {
        std::vector<Atom> atoms = OfferedTargets();
        type = XA_ATOM;
        format = 32;
        data = LongsAsBytes(std::vector<long>(atoms.begin(), atoms.end()));
        return true;
    }
    if (target == atoms_.timestamp) {
        type = XA_INTEGER;
        format = 32;
        data = LongsAsBytes({static_cast<long>(ownedSince_)});
        return true;
    }
    if (content_.picture && (target == atoms_.imagePng || target == atoms_.imageBmp)) {
        auto it = encoded_.find(target);
        if (it == encoded_.end()) {
            std::vector<uint8_t> bytes = target == atoms_.imagePng ? gfx::EncodePng(*content_.picture)
                                                                   : gfx::WriteBmp(*content_.picture);
            it = encoded_.emplace(target, std::move(bytes)).first;
        }
        data = it->second;
        return true;
    }
    if (content_.text) {
        if (target == atoms_.utf8String || target == atoms_.textPlainUtf8 || target == atoms_.text) {
            if (target == atoms_.text) type = atoms_.utf8String;
            data.assign(content_.text->begin(), content_.text->end());
            return true;
        }
        if (target == XA_STRING) {
            std::string latin1 = Utf8ToLatin1(*content_.text);
            data.assign(latin1.begin(), latin1.end());
            return true;
        }
    }
    return false;
}

bool X11Clipboard::Answer(Window requestor, Atom target, Atom property) {
    Atom type;
    int format;
    std::vector<uint8_t> data;
    if (!Encode(target, type, format, data)) return false;
    if (format == 8 && data.size() > maxChunk_) {
        // Too large for one request: announce the size, then send chunks each time the
        // requestor deletes the property.
        XSelectInput(dpy_, requestor, PropertyChangeMask);
        long size = static_cast<long>(data.size());
        XChangeProperty(dpy_, requestor, property, atoms_.incr, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&size), 1);
        std::erase_if(outgoing_, [&](const OutgoingIncr& o) {
            return o.requestor == requestor && o.property == property;
        });
        outgoing_.push_back({requestor, property, type, std::move(data), 0});
        return true;
    }
    int elements = format == 32 ? static_cast<int>(data.size() / sizeof(long)) : static_cast<int>(data.size());
    XChangeProperty(dpy_, requestor, property, type, format, PropModeReplace, data.data(), elements);
    return true;
}

void X11Clipboard::AnswerRequest(const XSelectionRequestEvent& request) {
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.time = request.time;
    Atom property = request.property == None ? request.target : request.property;  // old clients
    bool ok = false;
    if (owned_ && request.selection == atoms_.clipboard &&
        (request.time == CurrentTime || ownedSince_ == CurrentTime || request.time >= ownedSince_)) {
        if (request.target == atoms_.multiple && request.property != None) {
            // A list of (target, property) pairs; a pair we cannot convert gets None.
            Atom actualType;
            int actualFormat;
            unsigned long count, after;
            unsigned char* raw = nullptr;
            if (XGetWindowProperty(dpy_, request.requestor, property, 0, 1 << 16, False, AnyPropertyType,
                                   &actualType, &actualFormat, &count, &after, &raw) == Success &&
                raw && actualFormat == 32) {
                auto* pairs = reinterpret_cast<long*>(raw);
                for (unsigned long i = 0; i + 1 < count; i += 2)
                    if (!Answer(request.requestor, static_cast<Atom>(pairs[i]), static_cast<Atom>(pairs[i + 1])))
                        pairs[i] = None;
                XChangeProperty(dpy_, request.requestor, property, actualType, 32, PropModeReplace, raw,
                                static_cast<int>(count));
                ok = true;
            }
            if (raw) XFree(raw);
        } else {
            ok = Answer(request.requestor, request.target, property);
        }
    }
    reply.property = ok ? property : None;
    XSendEvent(dpy_, request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
    XFlush(dpy_);
}

void X11Clipboard::SendIncrChunk(OutgoingIncr& t) {
    size_t n = std::min(maxChunk_, t.data.size() - t.sent);
    XChangeProperty(dpy_, t.requestor, t.property, t.type, 8, PropModeReplace, t.data.data() + t.sent,
                    static_cast<int>(n));
    t.sent += n;
    if (n == 0) t.data.clear();  // the empty chunk ends the transfer
}

bool X11Clipboard::HandleEvent(const XEvent& e) {
    switch (e.type) {
        case SelectionRequest:
            if (e.xselectionrequest.owner != window_) return false;
            AnswerRequest(e.xselectionrequest);
            return true;
        case SelectionClear:
            if (e.xselectionclear.window != window_) return false;
            if (e.xselectionclear.selection == atoms_.clipboard) {
                owned_ = false;
                content_ = {};
                encoded_.clear();
            }
            return true;
        case PropertyNotify: {
            if (e.xproperty.state != PropertyDelete) return e.xproperty.window == window_;
            // The requestor took the last chunk: send the next one (the empty one ends it).
            for (auto it = outgoing_.begin(); it != outgoing_.end(); ++it) {
                if (it->requestor != e.xproperty.window || it->property != e.xproperty.atom) continue;
                SendIncrChunk(*it);
                if (it->data.empty()) outgoing_.erase(it);
                XFlush(dpy_);
                return true;
            }
            return e.xproperty.window == window_;
        }
        default: return false;
    }
}

bool X11Clipboard::WaitFor(const std::function<bool(const XEvent&)>& accept, XEvent& out, Deadline deadline) {
    struct Context {
        const std::function<bool(const XEvent&)>* accept;
        X11Clipboard* self;
    } context{&accept, this};
    // Our own selection traffic is handled while waiting; everything else stays queued.
    auto predicate = [](::Display*, XEvent* e, XPointer arg) -> Bool {
        auto* c = reinterpret_cast<Context*>(arg);
        if ((*c->accept)(*e)) return True;
        bool selectionTraffic = (e->type == SelectionRequest && e->xselectionrequest.owner == c->self->window_) ||
                                (e->type == SelectionClear && e->xselectionclear.window == c->self->window_) ||
                                (e->type == PropertyNotify && e->xproperty.state == PropertyDelete &&
                                 std::any_of(c->self->outgoing_.begin(), c->self->outgoing_.end(),
                                             [&](const OutgoingIncr& o) { return o.requestor == e->xproperty.window; }));
        return selectionTraffic ? True : False;
    };
    XFlush(dpy_);
    for (;;) {
        XEvent event;
        while (XCheckIfEvent(dpy_, &event, predicate, reinterpret_cast<XPointer>(&context))) {
            if (accept(event)) {
                out = event;
                return true;
            }
            HandleEvent(event);
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd fd{ConnectionNumber(dpy_), POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(left)) > 0 && (fd.revents & (POLLERR | POLLHUP))) return false;
        XEventsQueued(dpy_, QueuedAfterReading);
    }
}

std::optional<X11Clipboard::Incoming> X11Clipboard::Read(Atom selection, Atom target, Deadline deadline) {
    XDeleteProperty(dpy_, window_, atoms_.transferProperty);
    XConvertSelection(dpy_, selection, target, atoms_.transferProperty, window_, CurrentTime);
    XEvent event;
    auto accept = [&](const XEvent& e) {
        return e.type == SelectionNotify && e.xselection.requestor == window_ && e.xselection.selection == selection;
    };
    if (!WaitFor(accept, event, deadline) || event.xselection.property == None) return std::nullopt;

    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* raw = nullptr;
    if (XGetWindowProperty(dpy_, window_, atoms_.transferProperty, 0, 0x7FFFFFFF, True, AnyPropertyType, &type,
                           &format, &count, &after, &raw) != Success)
        return std::nullopt;
    Incoming in;
    in.type = type;
    if (type == atoms_.incr) {
        if (raw) XFree(raw);
        return ReadIncr(deadline);
    }
    if (raw && format == 8) in.data.assign(raw, raw + count);
    if (raw) XFree(raw);
    return in;
}

std::optional<X11Clipboard::Incoming> X11Clipboard::ReadIncr(Deadline deadline) {
    // The property was deleted when it was read: each new value is one chunk, the empty
    // one ends the transfer.
    Incoming in;
    for (;;) {
        XEvent event;
        auto accept = [this](const XEvent& e) {
            return e.type == PropertyNotify && e.xproperty.window == window_ &&
                   e.xproperty.atom == atoms_.transferProperty && e.xproperty.state == PropertyNewValue;
        };
        if (!WaitFor(accept, event, deadline)) return std::nullopt;
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* raw = nullptr;
        if (XGetWindowProperty(dpy_, window_, atoms_.transferProperty, 0, 0x7FFFFFFF, True, AnyPropertyType, &type,
                               &format, &count, &after, &raw) != Success)
            return std::nullopt;
        bool last = count == 0;
        if (raw && format == 8) in.data.insert(in.data.end(), raw, raw + count);
        in.type = type;
        if (raw) XFree(raw);
        if (last) return in;
    }
}

std::optional<std::string> X11Clipboard::Text() {
    if (owned_) return content_.text;
    Deadline deadline = Clock::now() + kReadTimeout;
    // UTF8_STRING first; an owner may still answer it with STRING data.
    std::optional<Incoming> in = Read(atoms_.clipboard, atoms_.utf8String, deadline);
    if (!in) in = Read(atoms_.clipboard, XA_STRING, deadline);
    if (!in) return std::nullopt;
    if (in->type == XA_STRING) return Latin1ToUtf8(in->data);
    return std::string(in->data.begin(), in->data.end());
}

std::optional<gfx::Bitmap> X11Clipboard::Picture() {
    if (owned_) return content_.picture;
    Deadline deadline = Clock::now() + kReadTimeout;
    try {
        if (auto in = Read(atoms_.clipboard, atoms_.imagePng, deadline); in && !in->data.empty())
            return gfx::DecodePng(in->data);
        if (auto in = Read(atoms_.clipboard, atoms_.imageBmp, deadline); in && !in->data.empty())
            return gfx::ReadBmp(in->data);
    } catch (const std::exception&) {
        // Another program's broken picture: nothing to paste.
    }
    return std::nullopt;
}

bool X11Clipboard::HandOverToManager(std::chrono::milliseconds timeout) {
    if (!owned_ || XGetSelectionOwner(dpy_, atoms_.clipboardManager) == None) return false;
    XConvertSelection(dpy_, atoms_.clipboardManager, atoms_.saveTargets, None, window_, CurrentTime);
    XEvent event;
    auto accept = [this](const XEvent& e) {
        return e.type == SelectionNotify && e.xselection.requestor == window_ &&
               e.xselection.selection == atoms_.clipboardManager;
    };
    // The manager converts our targets meanwhile; WaitFor serves those requests.
    bool answered = WaitFor(accept, event, Clock::now() + timeout);
    return answered && event.xselection.property != None;
}

}  // namespace wm::x11
