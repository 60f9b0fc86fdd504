#include "skin/controls/TbsSkinEdit.h"

#include <algorithm>

#include "base/Encoding.h"
#include "base/ShortCut.h"
#include "skin/SkinTiling.h"
#include "skin/controls/DefaultLook.h"
#include "wm/Paint.h"
#include "wm/WindowSystem.h"
#include "wm/Windows.h"

namespace skin {

namespace {
constexpr int kLeftMargin = 2;
constexpr int kPlainButtonWidth = 20;
// The hit code of the edit's button: its own, so the frame's presses come as WM_NC*.
constexpr wm::LRESULT kHitEditButton = 100;
}  // namespace

TbsSkinEdit::TbsSkinEdit(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName("edit");
    SetTabStop(true);
    SetCursor(vcl::crIBeam);
    SetDefaultHeight(20);
    SetBounds(0, 0, 121, 20);
}

TbsSkinEdit::~TbsSkinEdit() = default;

void TbsSkinEdit::SetEditText(const std::string& text) {
    if (text == buffer_.Text()) return;
    buffer_.SetText(text);
    Changed();
}

void TbsSkinEdit::SetButtonMode(bool on) {
    buttonMode_ = on;
    if (IsDesigning()) SetSkinDataName(on ? "buttonedit" : "edit");
    RefreshAll();
}

void TbsSkinEdit::Changed() {
    scroll_ = std::min(scroll_, std::max(0, XOfPosition(buffer_.Length()) + scroll_ - ClientWidth() + 2));
    Invalidate();
    if (OnChange) OnChange(this);
}

void TbsSkinEdit::RefreshAll() {
    if (HandleAllocated())
        wm::SetWindowPos(Handle(), 0, 0, 0, 0, 0,
                         wm::SWP_NOMOVE | wm::SWP_NOSIZE | wm::SWP_NOZORDER | wm::SWP_FRAMECHANGED);
    Invalidate();
}

// --- geometry ------------------------------------------------------------------------

TbsFrameInsets TbsSkinEdit::FrameInsets() {
    FetchSkinRecord();
    if (const auto* r = EditRecord()) return SkinFrameInsets(r->skinrect, r->clientrect);
    return {2, 2, buttonMode_ ? kPlainButtonWidth + 2 : 2, 2};
}

TRect TbsSkinEdit::ClientRectWithoutHandle() const {
    TRect r = InsetRect({0, 0, Width(), Height()}, const_cast<TbsSkinEdit*>(this)->FrameInsets());
    return {0, 0, std::max(0, r.Width()), std::max(0, r.Height())};
}

TRect TbsSkinEdit::ButtonRect() {
    if (!buttonMode_) return {};
    FetchSkinRecord();
    if (const auto* r = EditRecord()) {
        TRect b = r->buttonrect;
        if (b.Left >= rt_.X) b = b.Offset(Width() - SkinRect().Width(), 0);
        return b;
    }
    return {Width() - kPlainButtonWidth, 0, Width(), Height()};
}

gfx::Font TbsSkinEdit::TextFont() {
    if (const auto* r = EditRecord()) return SkinFont(r->font, UseSkinFont(), *DefaultFont());
    return PlainFont(*DefaultFont());
}

TColor TbsSkinEdit::TextColor() {
    FetchSkinRecord();
    const auto* r = EditRecord();
    if (!IsEnabledChain()) return r && UseSkinFont() ? r->disabledfontcolor : clGrayText;
    if (!r) return DefaultFont()->Color();
    return hot_ || Focused() ? r->activefontcolor : r->font.fontcolor;
}

int TbsSkinEdit::TextOrigin() {
    gfx::Font font = TextFont();
    int width = font.TextWidth(buffer_.Shown(passwordChar_));
    int client = ClientWidth();
    switch (alignment_) {
        case taRightJustify: return client - 3 - width;
        case taCenter: return (client - width) / 2;
        default: return kLeftMargin - scroll_;
    }
}

int TbsSkinEdit::XOfPosition(size_t pos) {
    return TextOrigin() + TextFont().TextWidth(buffer_.ShownPrefix(pos, passwordChar_));
}

size_t TbsSkinEdit::PositionAt(int x) {
    size_t best = 0;
    int bestDistance = INT32_MAX;
    for (size_t i = 0; i <= buffer_.Length(); ++i) {
        int d = std::abs(XOfPosition(i) - x);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// --- painting ------------------------------------------------------------------------

gfx::Bitmap TbsSkinEdit::FrameImage() {
    int w = Width(), h = Height();
    gfx::Bitmap image(w, h);
    gfx::Canvas c(image);
    FetchSkinRecord();
    const auto* r = EditRecord();
    bool active = hot_ || Focused();
    if (r && SkinPicture()) {
        TRect src = active ? OrElse(r->activeskinrect, r->skinrect) : r->skinrect;
        gfx::Bitmap face;
        TileHorzImage(face, *SkinPicture(), src, lt_.X, SkinRect().Width() - rt_.X, w);
        c.Draw(0, 0, face);
        if (buttonMode_) {
            TRect pic;
            if (!IsEnabledChain())
                pic = r->unenabledbuttonrect;
            else if (buttonPressed_ && buttonHot_)
                pic = OrElse(r->downbuttonrect, r->activebuttonrect);
            else if (buttonHot_)
                pic = r->activebuttonrect;
            if (!IsEmptyRect(pic)) c.CopyRect(ButtonRect(), *SkinPicture(), pic);
        }
        return image;
    }
    FillSolid(c, image.Bounds(), clWindow);
    int bw = buttonMode_ ? kPlainButtonWidth : 0;
    TRect outer{0, 0, w - bw, h};
    DrawBevel(c, outer, active ? clBtnShadow : clBtnFace, active ? clBtnShadow : clBtnFace);
    DrawBevel(c, outer.Inflate(-1, -1), active ? clBtnFace : clBtnShadow, active ? clBtnFace : clBtnShadow);
    if (buttonMode_) DrawPlainButtonFace(c, ButtonRect(), buttonHot_, buttonPressed_);
    return image;
}

void TbsSkinEdit::PaintFrame() {
    if (!HandleAllocated()) return;
    TbsFrameInsets in = FrameInsets();
    if (in.left == 0 && in.top == 0 && in.right == 0 && in.bottom == 0) return;
    gfx::Bitmap image = FrameImage();
    int w = Width(), h = Height();
    wm::HDC dc = wm::GetWindowDC(Handle());
    if (gfx::Canvas* c = wm::GetCanvas(dc))
        for (TRect piece : {TRect{0, 0, w, in.top}, TRect{0, h - in.bottom, w, h},
                            TRect{0, in.top, in.left, h - in.bottom},
                            TRect{w - in.right, in.top, w, h - in.bottom}})
            if (!piece.IsEmpty()) c->CopyRect(piece, image, piece);
    wm::ReleaseDC(Handle(), dc);
}

void TbsSkinEdit::PaintTextBackground(gfx::Bitmap& bitmap) {
    TbsFrameInsets in = FrameInsets();
    gfx::Bitmap frame = FrameImage();
    CopyUnscaled(bitmap, 0, 0, frame, TRect::FromSize(in.left, in.top, bitmap.Width(), bitmap.Height()));
}

void TbsSkinEdit::Paint() {
    TRect client = ClientRect();
    if (client.Width() <= 0 || client.Height() <= 0) return;
    gfx::Bitmap bitmap(client.Width(), client.Height());
    PaintTextBackground(bitmap);
    gfx::Canvas c(bitmap);
    gfx::Font font = TextFont();
    std::string shown = buffer_.Shown(passwordChar_);
    int x0 = TextOrigin();
    // A disabled edit writes its text 2 pixels higher, as its own drawing always did.
    int y = (client.Height() - font.Height()) / 2 - (IsEnabledChain() ? 0 : 2);
    c.SetFont(font);
    c.Brush().style = gfx::BrushStyle::Clear;
    c.SetFontColor(TextColor());
    c.TextOut(x0, y, shown);
    if (buffer_.HasSelection() && IsEnabledChain()) {
        int sx = XOfPosition(buffer_.SelStart()), ex = XOfPosition(buffer_.SelEnd());
        TRect sel{sx, 0, ex, client.Height()};
        FillSolid(c, sel, clHighlight);
        c.Save();
        c.IntersectClipRect(sel);
        c.SetFontColor(clHighlightText);
        c.TextOut(x0, y, shown);
        c.Restore();
    }
    if (Focused() && IsEnabledChain()) {
        int cx = XOfPosition(buffer_.Caret());
        FillSolid(c, {cx, y, cx + 1, y + font.Height()}, TextColor());
    }
    PutImage(bitmap);
}

// --- clipboard and editing -----------------------------------------------------------

void TbsSkinEdit::CopyToClipboard() {
    if (!buffer_.HasSelection() || passwordChar_ != 0) return;
    wm::Display::ClipboardContent content;
    content.text = buffer_.SelectedText();
    wm::WindowSystem::Current()->GetDisplay().SetClipboard(content);
}

void TbsSkinEdit::CutToClipboard() {
    if (buffer_.ReadOnly()) return;
    CopyToClipboard();
    if (buffer_.DeleteSelection()) Changed();
}

void TbsSkinEdit::PasteFromClipboard() {
    std::optional<std::string> text = wm::WindowSystem::Current()->GetDisplay().ClipboardText();
    if (!text) return;
    // One line: a pasted text ends at its first line break.
    std::string line = text->substr(0, text->find_first_of("\r\n"));
    if (buffer_.Insert(line)) Changed();
}

void TbsSkinEdit::Undo() {
    if (buffer_.Undo()) Changed();
}

bool TbsSkinEdit::WantsKey(uint16_t key, TShiftState) const {
    return key == base::VK_LEFT || key == base::VK_RIGHT || key == base::VK_HOME || key == base::VK_END ||
           key == base::VK_DELETE || key == base::VK_BACK || key == base::VK_INSERT;
}

void TbsSkinEdit::KeyDown(uint16_t& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    bool ext = shift.Contains(vcl::ssShift), ctrl = shift.Contains(vcl::ssCtrl);
    bool moved = true;
    switch (key) {
        case base::VK_LEFT: buffer_.MoveLeft(ext); break;
        case base::VK_RIGHT: buffer_.MoveRight(ext); break;
        case base::VK_HOME: buffer_.MoveTo(0, ext); break;
        case base::VK_END: buffer_.MoveTo(buffer_.Length(), ext); break;
        case base::VK_DELETE:
            moved = false;
            if (ext)
                CutToClipboard();
            else if (buffer_.DeleteForward())
                Changed();
            break;
        case base::VK_BACK:
            moved = false;
            if (buffer_.DeleteBackward()) Changed();
            break;
        case base::VK_INSERT:
            moved = false;
            if (ctrl) CopyToClipboard();
            if (ext) PasteFromClipboard();
            break;
        default:
            moved = false;
            if (ctrl && key == 'C') CopyToClipboard();
            if (ctrl && key == 'X') CutToClipboard();
            if (ctrl && key == 'V') PasteFromClipboard();
            if (ctrl && key == 'Z') Undo();
            if (ctrl && key == 'A') SelectAll();
            break;
    }
    if (moved) {
        // Keep the caret in view.
        int cx = XOfPosition(buffer_.Caret());
        if (cx < 0) scroll_ += cx - 0;
        if (cx > ClientWidth() - 2) scroll_ += cx - (ClientWidth() - 2);
        scroll_ = std::max(0, scroll_);
        Invalidate();
    }
}

void TbsSkinEdit::KeyPress(char32_t& key) {
    TbsSkinCustomControl::KeyPress(key);
    if (key < 0x20 || key == 0x7F) return;  // control characters come as keys
    std::string utf8;
    base::Utf8Append(utf8, key);
    if (buffer_.Insert(utf8)) {
        Changed();
        int cx = XOfPosition(buffer_.Caret());
        if (cx > ClientWidth() - 2) {
            scroll_ += cx - (ClientWidth() - 2);
            Invalidate();
        }
    }
}

// --- mouse, focus, frame -------------------------------------------------------------

void TbsSkinEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == vcl::mbLeft) {
        if (!Focused() && CanFocus()) SetFocus();
        if (shift.Contains(vcl::ssDouble)) {
            buffer_.SelectAll();
        } else {
            buffer_.MoveTo(PositionAt(x), shift.Contains(vcl::ssShift));
            selecting_ = true;
        }
        Invalidate();
    }
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
}

void TbsSkinEdit::MouseMove(TShiftState shift, int x, int y) {
    if (selecting_) {
        buffer_.MoveTo(PositionAt(x), true);
        Invalidate();
    }
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == vcl::mbLeft) selecting_ = false;
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinEdit::MouseEnter() {
    hot_ = true;
    if (!Focused()) {
        if (HandleAllocated()) wm::InvalidateFrame(Handle());
        Invalidate();
    }
    TbsSkinCustomControl::MouseEnter();
}

void TbsSkinEdit::MouseLeave() {
    hot_ = false;
    buttonHot_ = buttonPressed_ = false;
    if (HandleAllocated()) wm::InvalidateFrame(Handle());
    Invalidate();
    TbsSkinCustomControl::MouseLeave();
}

void TbsSkinEdit::DoEnter() {
    TbsSkinCustomControl::DoEnter();
    if (HandleAllocated()) wm::InvalidateFrame(Handle());
    Invalidate();
}

void TbsSkinEdit::DoExit() {
    TbsSkinCustomControl::DoExit();
    selecting_ = false;
    if (HandleAllocated()) wm::InvalidateFrame(Handle());
    Invalidate();
}

void TbsSkinEdit::EnabledChanged() {
    TbsSkinCustomControl::EnabledChanged();
    if (HandleAllocated()) wm::InvalidateFrame(Handle());
    Invalidate();
}

void TbsSkinEdit::BoundsChanged(bool sizeChanged) {
    TbsSkinCustomControl::BoundsChanged(sizeChanged);
    if (sizeChanged && HandleAllocated()) wm::InvalidateFrame(Handle());
}

void TbsSkinEdit::ApplySkinChange() {
    TbsSkinCustomControl::ApplySkinChange();
    RefreshAll();
}

void TbsSkinEdit::WndProc(TMessage& m) {
    using namespace wm;
    switch (m.Msg) {
        case WM_NCCALCSIZE: {
            auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
            if (params) params->rgrc[0] = InsetRect(params->rgrc[0], FrameInsets());
            m.Result = 0;
            return;
        }
        case WM_NCPAINT:
            PaintFrame();
            m.Result = 0;
            return;
        case WM_NCHITTEST: {
            // Presses on the frame never reach the text; the button answers as a client.
            TPoint p = PointFromParam(m.LParam);
            TPoint local{p.X - ClientOrigin().X + FrameInsets().left, p.Y - ClientOrigin().Y + FrameInsets().top};
            TRect client = InsetRect({0, 0, Width(), Height()}, FrameInsets());
            if (client.Contains(local)) break;
            bool onButton = ButtonRect().Contains(local);
            if (onButton != buttonHot_) {
                buttonHot_ = onButton;
                PaintFrame();
            }
            m.Result = onButton ? kHitEditButton : HTBORDER;
            return;
        }
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
            if (buttonHot_) {
                buttonPressed_ = true;
                PaintFrame();
            }
            return;
        case WM_NCLBUTTONUP:
            if (buttonPressed_) {
                buttonPressed_ = false;
                PaintFrame();
                if (CanFocus()) SetFocus();
                if (buttonHot_ && OnButtonClick) OnButtonClick(this);
            }
            return;
        default: break;
    }
    TbsSkinCustomControl::WndProc(m);
}

}  // namespace skin
