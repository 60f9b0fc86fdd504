#include "vcl/TClipboard.h"

#include "wm/WindowSystem.h"

namespace vcl {

namespace {
wm::Display* CurrentDisplay() {
    wm::WindowSystem* ws = wm::WindowSystem::Current();
    return ws ? &ws->GetDisplay() : nullptr;
}

void Place(const wm::Display::ClipboardContent& content) {
    wm::Display* display = CurrentDisplay();
    if (!display || !display->SetClipboard(content)) throw EClipboardError("Die Zwischenablage kann nicht geöffnet werden");
}
}  // namespace

std::string TClipboard::AsText() const {
    wm::Display* display = CurrentDisplay();
    if (!display) return {};
    return display->ClipboardText().value_or(std::string());
}

bool TClipboard::HasText() const {
    wm::Display* display = CurrentDisplay();
    return display && display->ClipboardText().has_value();
}

void TClipboard::SetAsText(const std::string& utf8) {
    wm::Display::ClipboardContent content;
    content.text = utf8;
    Place(content);
}

void TClipboard::Assign(const gfx::Bitmap& picture) {
    if (picture.IsEmpty()) throw EClipboardError("Die Zwischenablage kann nicht geöffnet werden");
    wm::Display::ClipboardContent content;
    content.picture = picture;
    Place(content);
}

std::optional<gfx::Bitmap> TClipboard::Picture() const {
    wm::Display* display = CurrentDisplay();
    return display ? display->ClipboardPicture() : std::nullopt;
}

TClipboard* Clipboard() {
    static TClipboard clipboard;
    return &clipboard;
}

}  // namespace vcl
