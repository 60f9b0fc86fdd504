// TbsBusinessSkinForm: life cycle, properties, the skin, geometry and painting.
#include "skin/frame/TbsBusinessSkinForm.h"

#include <algorithm>
#include <stdexcept>

#include "skin/FrameBorders.h"
#include "skin/SkinRegions.h"
#include "skin/SkinTiling.h"
#include "skin/TbsSkinData.h"
#include "skin/menus/TbsSkinMenu.h"
#include "skin/menus/TbsSkinPopupMenu.h"
#include "vcl/TApplication.h"
#include "wm/DefaultFrame.h"
#include "wm/Paint.h"
#include "wm/Timers.h"
#include "wm/Windows.h"

namespace skin {

namespace {

vcl::TForm* RequireForm(vcl::TComponent* owner) {
    auto* form = dynamic_cast<vcl::TForm*>(owner);
    if (!form) throw std::invalid_argument("TbsBusinessSkinForm needs a form as its owner");
    return form;
}

void SetCaptionFont(vcl::TFont& font, TColor color) {
    font.SetName("Arial");
    font.SetHeight(14);
    font.SetStyle(vcl::TFontStyles{vcl::fsBold});
    font.SetColor(color);
}

}  // namespace

TbsBusinessSkinForm::TbsBusinessSkinForm(vcl::TComponent* owner)
    : vcl::TComponent(owner), form_(RequireForm(owner)) {
    SetCaptionFont(defCaptionFont_, clBtnText);
    SetCaptionFont(defInactiveCaptionFont_, clBtnShadow);
    form_->SetBorderIcons({});
    hoverTimer_ = new vcl::TTimer(this);
    hoverTimer_->SetEnabled(false);
    hoverTimer_->SetInterval(kHoverInterval);
    hoverTimer_->SetOnTimer([this](vcl::TObject*) { HoverTick(); });
    morphTimer_ = new vcl::TTimer(this);
    morphTimer_->SetEnabled(false);
    morphTimer_->SetInterval(kMorphInterval);
    morphTimer_->SetOnTimer([this](vcl::TObject*) { MorphTick(); });
    menuEngine_ = new TbsSkinMenu(this);
    internalSystemMenu_ = new TbsSkinPopupMenu(this);
    internalSystemMenu_->SetComponentForm(form_);
    form_->OnShortCut = [this](TShortCut shortCut, bool& handled) { HandleShortCut(shortCut, handled); };
    if (ComponentState().Contains(vcl::csDesigning)) return;
    previousProc_ = form_->WindowProc;
    form_->WindowProc = [this](vcl::TMessage& m) { FrameWndProc(m); };
    form_->RecreateWnd();
    if (form_->HandleAllocated()) {
        const wm::HWND h = form_->Handle();
        wm::SetWindowStyle(h, wm::GetWindowStyle(h) & ~wm::WS_CAPTION);
        menuEngine_->SetFrameWindow(h);
    }
}

TbsBusinessSkinForm::~TbsBusinessSkinForm() {
    hoverTimer_->SetEnabled(false);
    morphTimer_->SetEnabled(false);
    UnhookMessageLoop();
    HideElementHint();
    elements_.clear();
    if (previousProc_) {
        form_->WindowProc = previousProc_;
        if (form_->HandleAllocated()) {
            wm::KillTimer(form_->Handle(), kFadeTimerId);
            if (hasRegion_) wm::SetWindowRgn(form_->Handle(), nullptr, false);
        }
    }
    // While the form itself is going, only its window-control part is left to touch.
    if (!form_->ComponentState().Contains(vcl::csDestroying)) form_->OnShortCut = nullptr;
}

void TbsBusinessSkinForm::Notification(vcl::TComponent* component, vcl::TOperation operation) {
    vcl::TComponent::Notification(component, operation);
    if (operation != vcl::opRemove) return;
    if (component == systemMenu_) systemMenu_ = nullptr;
    if (component == skinHint_) skinHint_ = nullptr;
    if (component == mainMenuBarComponent_) {
        mainMenuBar_ = nullptr;
        mainMenuBarComponent_ = nullptr;
    }
}

// --- properties ----------------------------------------------------------------------

void TbsBusinessSkinForm::SetSkinData(TbsSkinData* skin) {
    skinData_ = skin;
    internalSystemMenu_->SetSkinData(skin);
    if (!ComponentState().Contains(vcl::csDesigning)) ApplySkin();
}

void TbsBusinessSkinForm::SetBorderIcons(TbsBorderIcons icons) {
    borderIcons_ = icons;
    BuildElements();
    if (form_->HandleAllocated()) UpdateFrame(true);
    DrawFrameOnWindow();
}

void TbsBusinessSkinForm::SetShowIcon(bool on) {
    showIcon_ = on;
    if (skinned_ && form_->HandleAllocated()) UpdateFrame(true);
    DrawFrameOnWindow();
}

void TbsBusinessSkinForm::SetAlphaBlend(bool on) {
    alphaBlend_ = on;
    ApplyAlphaBlend();
}

void TbsBusinessSkinForm::SetAlphaBlendValue(uint8_t value) {
    alphaBlendValue_ = value;
    ApplyAlphaBlend();
}

bool TbsBusinessSkinForm::MenusAlphaBlend() const { return menuEngine_->MenusAlphaBlend(); }
void TbsBusinessSkinForm::SetMenusAlphaBlend(bool on) { menuEngine_->SetMenusAlphaBlend(on); }
bool TbsBusinessSkinForm::MenusAlphaBlendAnimation() const { return menuEngine_->MenusAlphaBlendAnimation(); }
void TbsBusinessSkinForm::SetMenusAlphaBlendAnimation(bool on) { menuEngine_->SetMenusAlphaBlendAnimation(on); }
uint8_t TbsBusinessSkinForm::MenusAlphaBlendValue() const {
    return static_cast<uint8_t>(menuEngine_->MenusAlphaBlendValue());
}
void TbsBusinessSkinForm::SetMenusAlphaBlendValue(uint8_t value) { menuEngine_->SetMenusAlphaBlendValue(value); }
int TbsBusinessSkinForm::DefMenuItemHeight() const { return menuEngine_->DefMenuItemHeight(); }
void TbsBusinessSkinForm::SetDefMenuItemHeight(int height) { menuEngine_->SetDefMenuItemHeight(height); }
vcl::TFont* TbsBusinessSkinForm::DefMenuItemFont() { return menuEngine_->DefMenuItemFont(); }
bool TbsBusinessSkinForm::UseSkinFontInMenu() const { return menuEngine_->UseSkinFont(); }
void TbsBusinessSkinForm::SetUseSkinFontInMenu(bool on) { menuEngine_->SetUseSkinFont(on); }

void TbsBusinessSkinForm::SetSystemMenu(vcl::TPopupMenu* menu) {
    if (systemMenu_) RemoveFreeNotification(systemMenu_);
    systemMenu_ = menu;
    if (menu) FreeNotification(menu);
}

void TbsBusinessSkinForm::SetMainMenuBar(FrameMenuBar* bar) {
    if (mainMenuBarComponent_) RemoveFreeNotification(mainMenuBarComponent_);
    mainMenuBar_ = bar;
    mainMenuBarComponent_ = dynamic_cast<vcl::TComponent*>(bar);
    if (mainMenuBarComponent_) FreeNotification(mainMenuBarComponent_);
}

void TbsBusinessSkinForm::SetSkinHint(vcl::THintWindow* hint) {
    if (skinHint_) RemoveFreeNotification(skinHint_);
    skinHint_ = hint;
    if (hint) FreeNotification(hint);
}

TbsActiveSkinObject* TbsBusinessSkinForm::Element(int index) const {
    if (index < 0 || index >= ElementCount()) return nullptr;
    return elements_[static_cast<size_t>(index)].get();
}

TbsActiveSkinObject* TbsBusinessSkinForm::FindElement(const std::string& name) const {
    for (const auto& e : elements_)
        if (e->ElementName == name) return e.get();
    return nullptr;
}

TbsSkinData* TbsBusinessSkinForm::MenuSkinData() {
    return menusSkinData_ ? menusSkinData_ : skinData_;
}

// --- the window ----------------------------------------------------------------------

bool TbsBusinessSkinForm::HasBorder() const { return form_->BorderStyle() != vcl::bsNone; }

bool TbsBusinessSkinForm::Sizeable() const {
    return form_->BorderStyle() == vcl::bsSizeable || form_->BorderStyle() == vcl::bsSizeToolWin;
}

bool TbsBusinessSkinForm::FrameToolWindow() const {
    return form_->BorderStyle() == vcl::bsToolWindow || form_->BorderStyle() == vcl::bsSizeToolWin;
}

wm::HWND TbsBusinessSkinForm::WindowHandle() const {
    return form_->HandleAllocated() ? form_->Handle() : 0;
}

int TbsBusinessSkinForm::PlainCaptionHeight() const {
    return FrameToolWindow() ? wm::DefaultFrame::kToolCaptionHeight : wm::DefaultFrame::kCaptionHeight;
}

TRect TbsBusinessSkinForm::FrameMargins() const {
    if (!HasBorder()) return {};
    if (!skinned_) return {3, PlainCaptionHeight() + 3, 3, 3};
    const TRect& client = geometry_.client;
    return {client.Left, client.Top, geometry_.width - client.Right, geometry_.height - client.Bottom};
}

TRect TbsBusinessSkinForm::WorkOrScreen() const {
    return maximizeOnFullScreen_ ? wm::GetScreenRect() : wm::GetWorkArea();
}

void TbsBusinessSkinForm::SetFormBounds(const TRect& r) {
    form_->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

// --- the skin ------------------------------------------------------------------------

void TbsBusinessSkinForm::DropElements() {
    if (hoverIndex_ >= 0) HideElementHint();
    hoverIndex_ = -1;
    pressedIndex_ = -1;
    menuButtonIndex_ = -1;
    elements_.clear();
}

void TbsBusinessSkinForm::BuildElements() {
    DropElements();
    if (skinned_) elements_ = CreateFrameElements(*this, *skinData_);
    else if (HasBorder()) elements_ = CreateDefaultFrameButtons(*this);
    ApplyElementBorderIcons();
    LayoutElements();
}

void TbsBusinessSkinForm::ApplyElementBorderIcons() {
    std::vector<FrameElementSlot> slots;
    for (const auto& e : elements_) slots.push_back(e->Slot());
    ApplyBorderIcons(slots, {borderIcons_.Contains(biSystemMenu), borderIcons_.Contains(biMinimize),
                             borderIcons_.Contains(biMaximize), borderIcons_.Contains(biRollUp)});
    for (size_t i = 0; i < elements_.size(); ++i) {
        elements_[i]->IsVisible = slots[i].visible;
        elements_[i]->IsEnabled = slots[i].enabled;
    }
}

void TbsBusinessSkinForm::LayoutElements() {
    const int width = frameWidth_ > 0 ? frameWidth_ : form_->Width();
    if (!skinned_) {
        LayoutDefaultFrameButtons(elements_, width, FrameToolWindow());
        return;
    }
    std::vector<FrameElementSlot> slots;
    for (const auto& e : elements_) slots.push_back(e->Slot());
    LayoutFrameElements(slots, *skinData_, geometry_);
    for (size_t i = 0; i < elements_.size(); ++i) elements_[i]->TakeLayout(slots[i]);
    // A system-menu button shown as the form's icon has the small icon's size.
    if (showIcon_)
        for (auto& e : elements_)
            if (auto* b = dynamic_cast<TbsSkinStdButtonObject*>(e.get());
                b && b->ButtonCommand == cmSysMenu && b->InPicture)
                b->WindowRect = TRect::FromSize(b->WindowRect.Left, b->WindowRect.Top, 16, 16);
}

void TbsBusinessSkinForm::ApplySkin() {
    hoverIndex_ = -1;
    pressedIndex_ = -1;
    skinned_ = skinData_ && !skinData_->Empty();
    if (!skinned_) RemoveRegion();
    if (skinned_) geometry_ = ComputeFrameGeometry(*skinData_, form_->Width(), form_->Height());
    BuildElements();
    BringToMinimumSize();
    frameWidth_ = form_->Width();
    frameHeight_ = form_->Height();
    if (skinned_ && form_->HandleAllocated()) UpdateFrame(true);
    if (form_->HandleAllocated()) {
        wm::SetWindowPos(form_->Handle(), 0, 0, 0, 0, 0,
                         wm::SWP_NOMOVE | wm::SWP_NOSIZE | wm::SWP_NOZORDER | wm::SWP_NOACTIVATE |
                             wm::SWP_FRAMECHANGED);
        DrawFrameOnWindow();
        form_->Invalidate();
    }
    StartHoverTracking();
    if (OnChangeSkinData) OnChangeSkinData(this);
}

void TbsBusinessSkinForm::BringToMinimumSize() {
    const int minW = MinFrameWidth(), minH = MinFrameHeight();
    int w = form_->Width(), h = form_->Height();
    if (rolledUp_ || frameState_ == fsMinimized) h = minH;
    if (frameState_ == fsMinimized) w = minW;
    w = std::max(w, minW);
    h = std::max(h, minH);
    if (w != form_->Width() || h != form_->Height()) {
        form_->SetBounds(form_->Left(), form_->Top(), w, h);
    } else {
        // Nudged and back, so the window recalculates its frame.
        form_->SetBounds(form_->Left(), form_->Top(), w + 1, h);
        form_->SetBounds(form_->Left(), form_->Top(), w, h);
    }
}

int TbsBusinessSkinForm::MinFrameWidth() const {
    if (skinned_) return skin::MinFrameWidth(*skinData_, minWidth_, frameState_ == fsMinimized);
    return minWidth_ > 0 ? minWidth_ : 120;
}

int TbsBusinessSkinForm::MinFrameHeight() const {
    const bool small = rolledUp_ || frameState_ == fsMinimized;
    if (skinned_) return skin::MinFrameHeight(*skinData_, minHeight_, small);
    const int frame = HasBorder() ? PlainCaptionHeight() + 6 : 0;
    return frame >= minHeight_ || small ? frame : minHeight_;
}

int TbsBusinessSkinForm::MaxFrameWidth() const { return WorkOrScreen().Width(); }
int TbsBusinessSkinForm::MaxFrameHeight() const { return WorkOrScreen().Height(); }

// --- the frame's shape ---------------------------------------------------------------

void TbsBusinessSkinForm::RemoveRegion() {
    for (auto& image : maskBorders_) image = gfx::Bitmap();
    if (hasRegion_ && form_->HandleAllocated()) wm::SetWindowRgn(form_->Handle(), nullptr, true);
    hasRegion_ = false;
}

void TbsBusinessSkinForm::UpdateFrame(bool rebuild) {
    if (!skinned_) return;
    const int w = frameWidth_ > 0 ? frameWidth_ : form_->Width();
    const int h = frameHeight_ > 0 ? frameHeight_ : form_->Height();
    geometry_ = ComputeFrameGeometry(*skinData_, w, h);
    if (rebuild) LayoutElements();
    const gfx::Bitmap& mask = skinData_->Mask();
    if (!HasBorder() || mask.IsEmpty()) {
        RemoveRegion();
        DrawFrameOnWindow();
        return;
    }
    const TbsFormInfo& f = skinData_->FormInfo();
    const TbsFrameGeometry source{f.lefttoppoint, f.righttoppoint, f.leftbottompoint,
                                  f.rightbottompoint, f.maskrectarea};
    const FrameGeometry& g = geometry_;
    const TbsFrameGeometry dest{g.lt, g.rt, g.lb, g.rb, g.maskArea};
    TbsFrameBorderImages images = BuildFrameBordersTiled(mask, source, w, h, dest);
    maskBorders_ = {images.top, images.bottom, images.left, images.right};
    gfx::Region region = gfx::Region::FromRect(g.maskArea.IsEmpty() ? TRect{} : g.maskArea);
    const TPoint places[4] = {{0, 0}, {0, g.maskArea.Bottom}, {0, g.maskArea.Top},
                              {g.maskArea.Right, g.maskArea.Top}};
    for (size_t i = 0; i < 4; ++i)
        if (!maskBorders_[i].IsEmpty())
            region = gfx::Region::Combine(
                region, MaskToRegion(maskBorders_[i], places[i].X, places[i].Y), gfx::RegionOp::Or);
    if (form_->HandleAllocated()) {
        wm::SetWindowRgn(form_->Handle(), &region, true);
        hasRegion_ = true;
    }
}

bool TbsBusinessSkinForm::MaskOpaque(TPoint p) const {
    const FrameGeometry& g = geometry_;
    if (g.maskArea.Contains(p)) return true;
    const TPoint places[4] = {{0, 0}, {0, g.maskArea.Bottom}, {0, g.maskArea.Top},
                              {g.maskArea.Right, g.maskArea.Top}};
    for (size_t i = 0; i < 4; ++i) {
        const gfx::Bitmap& image = maskBorders_[i];
        const int x = p.X - places[i].X, y = p.Y - places[i].Y;
        if (image.IsEmpty() || x < 0 || y < 0 || x >= image.Width() || y >= image.Height()) continue;
        return base::ColorToRGB(image.Pixel(x, y)) == 0;
    }
    return false;
}

int TbsBusinessSkinForm::FrameHitTest(TPoint p) {
    const int w = form_->Width(), h = form_->Height();
    if (!HasBorder()) return TRect{0, 0, w, h}.Contains(p) ? wm::HTCLIENT : wm::HTNOWHERE;
    if (!skinned_) {
        const int caption = PlainCaptionHeight();
        if (rolledUp_ || frameState_ == fsMinimized) {
            if (hoverIndex_ >= 0) return wm::HTOBJECT;
            return TRect{3, 3, w - 3, 3 + caption}.Contains(p) ? wm::HTCAPTION : wm::HTOBJECT;
        }
        if (Sizeable() && frameState_ == fsNormal) {
            const bool left = p.X < 2, right = p.X >= w - 2, top = p.Y < 2, bottom = p.Y >= h - 2;
            if (top && left) return wm::HTTOPLEFT;
            if (top && right) return wm::HTTOPRIGHT;
            if (bottom && left) return wm::HTBOTTOMLEFT;
            if (bottom && right) return wm::HTBOTTOMRIGHT;
            if (left) return wm::HTLEFT;
            if (right) return wm::HTRIGHT;
            if (top) return wm::HTTOP;
            if (bottom) return wm::HTBOTTOM;
        }
        for (const auto& e : elements_)
            if (e->IsVisible && e->IsEnabled && e->WindowRect.Contains(p)) return wm::HTOBJECT;
        if (TRect{3, 3, w - 3, 3 + caption}.Contains(p)) return wm::HTCAPTION;
        if (TRect{3, caption + 3, w - 3, h - 3}.Contains(p)) return wm::HTCLIENT;
        return wm::HTOBJECT;
    }
    geometry_ = ComputeFrameGeometry(*skinData_, w, h);
    FrameHitQuery q;
    q.point = p;
    q.rolledUpOrMinimized = rolledUp_ || frameState_ == fsMinimized;
    q.sizeable = Sizeable() && frameState_ == fsNormal;
    // Only a button under the point keeps the system from sizing there; a hover left
    // from an earlier point or a decoration (the size grip) does not.
    const TbsActiveSkinObject* hovered = Element(hoverIndex_);
    q.elementHovered = hovered && hovered->WindowRect.Contains(p) &&
                       dynamic_cast<const TbsSkinButtonObject*>(hovered) != nullptr;
    for (const auto& e : elements_)
        if (e->IsCaption()) q.captions.push_back(e->WindowRect);
    q.borderWidth = skinData_->FormInfo().borderwidth;
    q.hasMask = hasRegion_;
    q.opaque = [this](TPoint probe) { return MaskOpaque(probe); };
    return skin::FrameHitTest(geometry_, q);
}

// --- painting ------------------------------------------------------------------------

void TbsBusinessSkinForm::PaintOnBand(size_t index, gfx::Canvas& band) {
    TbsActiveSkinObject& e = *elements_[index];
    e.PaintElement(band, false);
    if (OnPaintEvent && dynamic_cast<TbsUserObject*>(&e)) OnPaintEvent(e.ElementName, band, e.WindowRect);
}

void TbsBusinessSkinForm::PaintCaption(size_t index, gfx::Canvas& window) {
    if (auto* caption = dynamic_cast<TbsSkinCaptionObject*>(elements_[index].get()))
        caption->PaintCaption(window);
}

void TbsBusinessSkinForm::PaintPlainFrame(gfx::Canvas& c, int width, int height) {
    // A 3-pixel raised border and a caption bar.
    wm::DefaultFrame::PaintRaisedBorder(c, width, height);
    c.Save();
    c.Brush().style = gfx::BrushStyle::Solid;
    const TRect caption{3, 3, width - 3, 3 + PlainCaptionHeight()};
    c.Brush().color = clBtnFace;
    c.FillRect(caption);
    int textLeft = caption.Left + 4, textRight = caption.Right - 4;
    for (const auto& e : elements_) {
        if (!e->IsVisible) continue;
        if (e->WindowRect.Left < width / 2) textLeft = std::max(textLeft, e->WindowRect.Right + 4);
        else textRight = std::min(textRight, e->WindowRect.Left - 4);
    }
    const vcl::TFont& font = active_ ? defCaptionFont_ : defInactiveCaptionFont_;
    c.SetFont(font.Attributes());
    c.SetFontColor(font.Color());
    c.Brush().style = gfx::BrushStyle::Clear;
    gfx::TextBoxFlags flags;
    flags.endEllipsis = true;
    flags.verticalCenter = true;
    if (textRight > textLeft) c.TextRect({textLeft, caption.Top, textRight, caption.Bottom}, form_->Caption(), flags);
    c.Restore();
    for (const auto& e : elements_)
        if (e->IsVisible) e->PaintElement(c, true);
}

gfx::Bitmap TbsBusinessSkinForm::RenderFrame() {
    const int w = form_->Width(), h = form_->Height();
    if (skinned_) {
        if (w < MinFrameWidth() || h < MinFrameHeight()) return gfx::Bitmap(std::max(w, 0), std::max(h, 0));
        geometry_ = ComputeFrameGeometry(*skinData_, w, h);
        LayoutElements();
        std::vector<FrameElementSlot> slots;
        for (const auto& e : elements_) slots.push_back(e->Slot());
        return PaintSkinnedFrame(*skinData_, geometry_, slots, form_->Caption(), active_, this);
    }
    gfx::Bitmap image(std::max(w, 0), std::max(h, 0));
    if (!HasBorder()) return image;
    LayoutDefaultFrameButtons(elements_, w, FrameToolWindow());
    gfx::Canvas c(image);
    PaintPlainFrame(c, w, h);
    return image;
}

void TbsBusinessSkinForm::PaintFrame() {
    const wm::HWND h = WindowHandle();
    if (!h || !HasBorder()) return;
    // No frame for a skin without its picture, nor for a window below the minimum size.
    if (skinned_ && (skinData_->Picture().IsEmpty() || form_->Width() < MinFrameWidth() ||
                     form_->Height() < MinFrameHeight()))
        return;
    const gfx::Bitmap image = RenderFrame();
    const wm::HDC dc = wm::GetWindowDC(h);
    if (gfx::Canvas* canvas = wm::GetCanvas(dc)) {
        const TRect client = wm::GetClientRectInWindow(h);
        gfx::Region frame = gfx::Region::Combine(gfx::Region::FromRect({0, 0, image.Width(), image.Height()}),
                                                 gfx::Region::FromRect(client), gfx::RegionOp::Diff);
        wm::SelectClipRegion(dc, &frame);
        canvas->Draw(0, 0, image);
    }
    wm::ReleaseDC(h, dc);
}

void TbsBusinessSkinForm::DrawFrameOnWindow() {
    if (form_->HandleAllocated() && HasBorder()) wm::InvalidateFrame(form_->Handle());
}

void TbsBusinessSkinForm::RepaintElement(TbsActiveSkinObject& element) {
    const wm::HWND h = WindowHandle();
    if (!h || !HasBorder()) return;
    if (element.IsCaption() || !skinned_) {
        PaintFrame();
        return;
    }
    const wm::HDC dc = wm::GetWindowDC(h);
    if (gfx::Canvas* canvas = wm::GetCanvas(dc)) {
        wm::IntersectClipRect(dc, element.WindowRect);
        element.PaintElement(*canvas, true);
    }
    wm::ReleaseDC(h, dc);
}

void TbsBusinessSkinForm::PaintClientBackground(gfx::Canvas& canvas) {
    if (!skinned_) return;
    const TRect area = form_->ClientRect();
    const TbsFormInfo& f = skinData_->FormInfo();
    canvas.Save();
    if (const gfx::Bitmap* bg = f.bgpictureindex >= 0 ? skinData_->ActivePicture(f.bgpictureindex) : nullptr) {
        for (int y = 0; y < area.Bottom; y += std::max(bg->Height(), 1))
            for (int x = 0; x < area.Right; x += std::max(bg->Width(), 1)) canvas.Draw(x, y, *bg);
    } else if (!f.clientrect.IsEmpty() && !skinData_->Picture().IsEmpty()) {
        gfx::Bitmap tiles(area.Width(), area.Height());
        TileRect(tiles, {0, 0, area.Width(), area.Height()}, skinData_->Picture(), f.clientrect);
        canvas.Draw(area.Left, area.Top, tiles);
    } else {
        canvas.Brush().style = gfx::BrushStyle::Solid;
        canvas.Brush().color = clBtnFace;
        canvas.FillRect(area);
    }
    canvas.Restore();
}

}  // namespace skin
