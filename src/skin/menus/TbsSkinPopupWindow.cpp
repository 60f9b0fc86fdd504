#include "skin/menus/TbsSkinPopupWindow.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/ShortCut.h"
#include "skin/SkinRegions.h"
#include "skin/SkinWindowHooks.h"
#include "skin/TbsSkinData.h"
#include "skin/menus/AccelText.h"
#include "skin/menus/MenuLevelPlacement.h"
#include "skin/menus/MenuPainter.h"
#include "skin/menus/MenuPointerGrab.h"
#include "skin/menus/TbsSkinMenu.h"
#include "vcl/Accelerators.h"
#include "vcl/TMenu.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Windows.h"

namespace skin {

namespace {

constexpr int kScrollMarkerHeight = 10;

gfx::Font LevelFont(TbsSkinMenu* controller) {
    TbsSkinData* skin = controller->Skin();
    if (controller->UseSkinFont() && skin && !skin->Empty()) {
        for (const auto& record : skin->ObjectRecords()) {
            if (auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(record.get())) {
                gfx::FontSpec fontSpec;
                fontSpec.name = item->fontname;
                fontSpec.height = item->fontheight;
                fontSpec.bold = item->fontstyle.bold;
                fontSpec.italic = item->fontstyle.italic;
                fontSpec.underline = item->fontstyle.underline;
                fontSpec.strikeOut = item->fontstyle.strikeOut;
                return gfx::Font(fontSpec);
            }
        }
    }
    return controller->DefMenuItemFont()->Resolved();
}

}  // namespace

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu* controller, int level)
    : vcl::TCustomControl(controller), controller_(controller), level_(level) {
    SetVisible(false);
    SetDoubleBuffered(true);
    // The first level holds the pointer for all levels; a level never takes it itself.
    SetControlStyle(ControlStyle().Exclude(vcl::csCaptureMouse));
    mouseTimer_ = new vcl::TTimer(this);
    mouseTimer_->SetEnabled(false);
    mouseTimer_->SetInterval(50);
    mouseTimer_->SetOnTimer([this](vcl::TObject*) { TrackPointer(false); });
    morphTimer_ = new vcl::TTimer(this);
    morphTimer_->SetEnabled(false);
    morphTimer_->SetInterval(20);
    morphTimer_->SetOnTimer([this](vcl::TObject*) { MorphStep(); });
    scrollTimer_ = new vcl::TTimer(this);
    scrollTimer_->SetEnabled(false);
    scrollTimer_->SetInterval(100);
    scrollTimer_->SetOnTimer([this](vcl::TObject*) { AutoScrollStep(); });
}

TbsSkinPopupWindow::~TbsSkinPopupWindow() { LetPointerGo(); }

void TbsSkinPopupWindow::CreateParams(wm::CreateParams& p) {
    vcl::TCustomControl::CreateParams(p);
    p.className = "TbsSkinPopupWindow";
    p.style &= ~(wm::WS_CHILD | wm::WS_VISIBLE | wm::WS_TABSTOP);
    p.style |= wm::WS_POPUP | wm::WS_EX_TOPMOST | wm::WS_EX_NOACTIVATE;
    p.parent = 0;
    p.owner = controller_->FrameWindow();
}

void TbsSkinPopupWindow::WndProc(vcl::TMessage& m) {
    if (m.Msg == wm::WM_MOUSEACTIVATE) {
        m.Result = wm::MA_NOACTIVATE;
        return;
    }
    if (holdsPointer_ && RouteHeldPointer(m)) return;
    if (m.Msg == wm::WM_CAPTURECHANGED && holdsPointer_ && !closed_ &&
        static_cast<wm::HWND>(m.LParam) != Handle()) {
        // Another window took the pointer (a move loop, a drag): the menu gives way.
        holdsPointer_ = false;
        if (displayGrabbed_) UngrabDisplayPointer();
        displayGrabbed_ = false;
        controller_->CloseAll();
    }
    vcl::TCustomControl::WndProc(m);
}

// --- holding the pointer --------------------------------------------------------------------

void TbsSkinPopupWindow::HoldPointer() {
    holdsPointer_ = true;
    wm::SetCapture(Handle());
    // The display may refuse while the window is not yet viewable; the 50 ms timer tries
    // again.
    displayGrabbed_ = GrabDisplayPointer(Handle());
}

void TbsSkinPopupWindow::LetPointerGo() {
    if (!holdsPointer_) return;
    holdsPointer_ = false;
    if (displayGrabbed_) UngrabDisplayPointer();
    displayGrabbed_ = false;
    if (HandleAllocated() && wm::GetCapture() == Handle()) wm::ReleaseCapture();
}

TbsSkinPopupWindow* TbsSkinPopupWindow::LevelAt(TPoint screen) const {
    const wm::HWND under = wm::WindowFromPoint(screen);
    for (int i = 0; i < controller_->LevelCount(); ++i) {
        TbsSkinPopupWindow* level = controller_->Levels(i);
        if (level && level->HandleAllocated() && level->Handle() == under) return level;
    }
    return nullptr;
}

bool TbsSkinPopupWindow::RouteHeldPointer(vcl::TMessage& m) {
    const bool press = m.Msg == wm::WM_LBUTTONDOWN || m.Msg == wm::WM_RBUTTONDOWN ||
                       m.Msg == wm::WM_MBUTTONDOWN || m.Msg == wm::WM_LBUTTONDBLCLK ||
                       m.Msg == wm::WM_RBUTTONDBLCLK || m.Msg == wm::WM_MBUTTONDBLCLK;
    const bool pointer = press || m.Msg == wm::WM_MOUSEMOVE || m.Msg == wm::WM_LBUTTONUP ||
                         m.Msg == wm::WM_RBUTTONUP || m.Msg == wm::WM_MBUTTONUP;
    if (!pointer || closed_) return false;
    const TPoint screen = ClientToScreen(wm::PointFromParam(m.LParam));
    TbsSkinPopupWindow* level = LevelAt(screen);
    if (level == this) return false;
    if (level) {
        // A deeper level gets what happens over it, in its own coordinates.
        m.Result = wm::SendMessage(level->Handle(), m.Msg, m.WParam,
                                   wm::MakePointParam(level->ScreenToClient(screen)));
        return true;
    }
    // Outside every level: a press closes the menu and goes no further.
    if (press) controller_->CloseAll();
    return true;
}

void TbsSkinPopupWindow::OpenLevel(vcl::TMenuItem* parent, int firstChild, const TRect& opener,
                                   bool upward, bool subMenu) {
    const vcl::TMenu* menu = parent->GetParentMenu();
    look_ = MakeMenuLevelLook(controller_->Skin(), LevelFont(controller_),
                              menu ? menu->Images() : nullptr, controller_->DefMenuItemHeight());
    for (int i = std::max(0, firstChild); i < parent->Count(); ++i) {
        vcl::TMenuItem* child = parent->Items(i);
        if (child->Visible()) items_.push_back(std::make_unique<TbsSkinMenuItem>(this, child));
    }
    int width = 0, height = 0;
    ComputeSize(width, height);
    SetBounds(0, 0, width, height);
    LayoutItems();

    if (look_.maskPicture) {
        auto region = TileFrameRegion(*look_.maskPicture, look_.PictureGeometry(), width, height,
                                      look_.WindowGeometry(width, height));
        if (region) wm::SetWindowRgn(Handle(), &*region, false);
    }

    MenuLevelPlacement placement;
    placement.opener = opener;
    placement.workArea = controller_->WorkArea();
    placement.width = width;
    placement.height = height;
    placement.itemsTop = itemsRect_.Top;
    placement.scrolls = scrolling_;
    placement.subMenu = subMenu;
    placement.upward = upward;
    TPoint at = PlaceMenuLevel(placement);
    SetBounds(at.X, at.Y, width, height);

    if (LayeredWindowsAvailable() && controller_->MenusAlphaBlend()) {
        const bool fadeIn = controller_->FirstLevel() && controller_->MenusAlphaBlendAnimation();
        SetWindowAlpha(this, fadeIn ? 0 : controller_->MenusAlphaBlendValue());
        if (fadeIn) SetWindowAlpha(this, controller_->MenusAlphaBlendValue());
    }
    wm::SetWindowPos(Handle(), wm::HWND_TOPMOST, 0, 0, 0, 0,
                     wm::SWP_NOMOVE | wm::SWP_NOSIZE | wm::SWP_NOACTIVATE | wm::SWP_SHOWWINDOW);
    StoreVisible(true);
    if (level_ == 0) HoldPointer();
    lastPointer_ = wm::GetCursorPos();
    mouseTimer_->SetEnabled(true);
    for (int i = 0; i < ItemCount(); ++i) {
        if (Item(i).IsSelectable()) {
            SelectItem(i, false);
            break;
        }
    }
}

void TbsSkinPopupWindow::CloseLevel() {
    if (closed_) return;
    closed_ = true;
    mouseTimer_->SetEnabled(false);
    morphTimer_->SetEnabled(false);
    scrollTimer_->SetEnabled(false);
    LetPointerGo();
    if (HandleAllocated()) wm::ShowWindow(Handle(), wm::SW_HIDE);
    StoreVisible(false);
}

void TbsSkinPopupWindow::ComputeSize(int& width, int& height) {
    const gfx::Font& font = look_.font;
    int widest = 0;
    int sum = 0;
    for (const auto& item : items_) {
        const vcl::TMenuItem* mi = item->MenuItem();
        sum += look_.ItemHeight(item->IsDivider());
        if (item->IsDivider()) continue;
        int w = AccelTextWidth(font, mi->Caption());
        if (mi->ShortCut() != 0) w += font.TextWidth("  " + base::ShortCutToText(mi->ShortCut()));
        widest = std::max(widest, w + 2);
    }
    width = widest + look_.GlyphColumn() + look_.ExtraWidth();
    height = sum + look_.ExtraHeight();
    const int workHeight = controller_->WorkArea().Height();
    scrolling_ = workHeight > 0 && height > workHeight;
    if (scrolling_) height = workHeight;
}

void TbsSkinPopupWindow::LayoutItems() {
    itemsRect_ = look_.WindowGeometry(Width(), Height()).client;
    int y = itemsRect_.Top + (scrolling_ ? kScrollMarkerHeight : 0);
    const int bottom = itemsRect_.Bottom - (scrolling_ ? kScrollMarkerHeight : 0);
    visibleCount_ = 0;
    bool full = false;
    for (int i = 0; i < ItemCount(); ++i) {
        TbsSkinMenuItem& item = Item(i);
        const int h = look_.ItemHeight(item.IsDivider());
        if (scrolling_ && i < firstVisible_) {
            item.InView = false;
            item.ItemRect = {};
            continue;
        }
        item.ItemRect = {itemsRect_.Left, y, itemsRect_.Right, y + h};
        item.InView = !full && y + h <= bottom;
        if (!item.InView) {
            full = true;
            item.ItemRect = {};
        } else {
            ++visibleCount_;
        }
        y += h;
    }
}

int TbsSkinPopupWindow::LastVisible() const {
    int last = -1;
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
        if (items_[static_cast<size_t>(i)]->InView) last = i;
    return last;
}

TRect TbsSkinPopupWindow::ItemScreenRect(int index) {
    if (index < 0 || index >= ItemCount()) return {};
    const TRect& r = Item(index).ItemRect;
    TPoint origin{Left(), Top()};
    return r.Offset(origin.X, origin.Y);
}

int TbsSkinPopupWindow::ItemAt(TPoint p) const {
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        const TbsSkinMenuItem& item = *items_[static_cast<size_t>(i)];
        if (item.InView && item.ItemRect.Contains(p)) return i;
    }
    return -1;
}

void TbsSkinPopupWindow::Paint() {
    gfx::Canvas* c = Canvas()->Native();
    if (!c) return;
    PaintMenuBackground(*c, look_, Width(), Height(), scrolling_);
    for (const auto& item : items_) PaintMenuItem(*c, look_, *item);
    if (scrolling_) PaintScrollMarkers(*c, look_, itemsRect_, Width(), Height(), autoScroll_);
}

// --- selection and execution ------------------------------------------------------------

void TbsSkinPopupWindow::SelectItem(int index, bool byMouse) {
    if (index < 0 || index >= ItemCount()) return;
    previous_ = active_;
    active_ = index;
    TbsSkinMenuItem& item = Item(index);
    item.Active = true;
    for (int i = 0; i < ItemCount(); ++i)
        if (i != index) Item(i).Down = false;
    TbsSkinPopupWindow* next = controller_->Levels(level_ + 1);
    if (item.Down && next) {
        controller_->CloseFrom(level_ + 2);
        return;
    }
    item.Down = false;
    StartMorph();
    Repaint();
    controller_->CloseFrom(level_ + 1);
    if (item.HasChildren() && byMouse) controller_->ScheduleSubMenu(this, index);
}

void TbsSkinPopupWindow::DeselectItem(int index) {
    if (index < 0 || index >= ItemCount()) return;
    Item(index).Active = false;
    if (active_ == index) active_ = -1;
    StartMorph();
    Repaint();
    controller_->CancelSubMenu(this, index);
}

void TbsSkinPopupWindow::ExecuteItem(int index) {
    if (index < 0 || index >= ItemCount()) return;
    TbsSkinMenuItem& item = Item(index);
    if (!item.IsSelectable()) return;
    if (item.Down && controller_->Levels(level_ + 1)) return;
    vcl::TMenuItem* menuItem = item.MenuItem();
    if (!item.HasChildren()) {
        controller_->StopSubMenuTimer();
        controller_->CloseAll();
        // Every menu window is gone now; this object is only waiting to be freed.
        menuItem->Click();
        return;
    }
    menuItem->Click();
    controller_->StopSubMenuTimer();
    if (closed_ || index >= ItemCount()) return;  // the handler closed the menu
    Item(index).Down = true;
    Repaint();
    controller_->OpenSubMenu(this, index);
}

void TbsSkinPopupWindow::SubMenuClosed() {
    for (const auto& item : items_) item->Down = false;
    Repaint();
}

// --- keyboard -------------------------------------------------------------------------------

void TbsSkinPopupWindow::HandleMenuKey(uint16_t key) {
    const bool letter = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
    if (letter) {
        for (int i = 0; i < ItemCount(); ++i) {
            TbsSkinMenuItem& item = Item(i);
            if (item.IsDivider() || !vcl::IsAccel(static_cast<char32_t>(key), item.MenuItem()->Caption()))
                continue;
            const int old = active_;
            SelectItem(i, true);
            if (old >= 0 && old != i) DeselectItem(old);
            active_ = i;
            ExecuteItem(i);
            return;
        }
        return;
    }
    switch (key) {
        case base::VK_RETURN: ExecuteItem(active_); break;
        case base::VK_ESCAPE:
            if (level_ == 0) {
                controller_->CloseAll();
            } else {
                controller_->CloseFrom(level_);
            }
            break;
        case base::VK_LEFT:
            if (level_ >= 1) controller_->CloseFrom(level_);
            break;
        case base::VK_RIGHT:
            if (active_ >= 0 && Item(active_).HasChildren()) ExecuteItem(active_);
            break;
        case base::VK_DOWN: MoveActive(true); break;
        case base::VK_UP: MoveActive(false); break;
        default: break;
    }
}

void TbsSkinPopupWindow::MoveActive(bool forward) {
    const int n = ItemCount();
    if (n == 0) return;
    int start = active_ >= 0 ? active_ : (forward ? n - 1 : 0);
    for (int step = 1; step <= n; ++step) {
        int i = ((start + (forward ? step : -step)) % n + n) % n;
        if (!Item(i).IsSelectable()) continue;
        if (i == active_) return;
        const int old = active_;
        EnsureVisible(i);
        SelectItem(i, false);
        if (old >= 0) DeselectItem(old);
        active_ = i;
        return;
    }
}

void TbsSkinPopupWindow::EnsureVisible(int index) {
    if (!scrolling_ || Item(index).InView) return;
    if (index < firstVisible_) {
        firstVisible_ = index;
    } else {
        // Move down until the item shows at the bottom of the view.
        while (!Item(index).InView && firstVisible_ < index) {
            ++firstVisible_;
            LayoutItems();
        }
    }
    LayoutItems();
    Repaint();
}

// --- mouse ----------------------------------------------------------------------------------

void TbsSkinPopupWindow::MouseMove(vcl::TShiftState shift, int x, int y) {
    vcl::TCustomControl::MouseMove(shift, x, y);
    TrackPointer(true);
}

void TbsSkinPopupWindow::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) {
    vcl::TCustomControl::MouseUp(button, shift, x, y);
    if (button != vcl::mbLeft || closed_) return;
    int index = ItemAt({x, y});
    if (index < 0 || !Item(index).IsSelectable()) return;
    if (index != active_) {
        const int old = active_;
        SelectItem(index, true);
        if (old >= 0) DeselectItem(old);
        active_ = index;
    }
    ExecuteItem(index);
}

void TbsSkinPopupWindow::TrackPointer(bool force) {
    if (closed_ || !HandleAllocated()) return;
    if (holdsPointer_ && !displayGrabbed_) displayGrabbed_ = GrabDisplayPointer(Handle());
    const TPoint screen = wm::GetCursorPos();
    if (!force && screen == lastPointer_) return;
    lastPointer_ = screen;
    if (wm::WindowFromPoint(screen) != Handle()) {
        SetAutoScroll(0);
        return;
    }
    const TPoint p = ScreenToClient(screen);
    if (scrolling_) {
        const bool canUp = firstVisible_ > 0;
        const bool canDown = LastVisible() < ItemCount() - 1;
        if (canUp && ScrollUpZone(look_, itemsRect_, Width()).Contains(p)) {
            SetAutoScroll(-1);
            return;
        }
        if (canDown && ScrollDownZone(look_, itemsRect_, Width(), Height()).Contains(p)) {
            SetAutoScroll(1);
            return;
        }
        SetAutoScroll(0);
    }
    const int index = ItemAt(p);
    if (index < 0 || index == active_ || !Item(index).IsSelectable()) return;
    const int old = active_;
    if (old >= 0) DeselectItem(old);
    SelectItem(index, true);
}

void TbsSkinPopupWindow::SetAutoScroll(int direction) {
    if (autoScroll_ == direction) return;
    autoScroll_ = direction;
    Repaint();
    if (direction == 0) {
        scrollTimer_->SetEnabled(false);
        return;
    }
    controller_->CloseFrom(level_ + 1);
    scrollTimer_->SetEnabled(true);
}

void TbsSkinPopupWindow::AutoScrollStep() {
    if (autoScroll_ < 0 && firstVisible_ > 0) {
        --firstVisible_;
    } else if (autoScroll_ > 0 && LastVisible() < ItemCount() - 1) {
        ++firstVisible_;
    }
    LayoutItems();
    if ((autoScroll_ < 0 && firstVisible_ == 0) ||
        (autoScroll_ > 0 && LastVisible() >= ItemCount() - 1))
        SetAutoScroll(0);
    Repaint();
}

// --- fades ----------------------------------------------------------------------------------

void TbsSkinPopupWindow::StartMorph() {
    if (look_.ItemsSkinned() && look_.itemRecord->morphing && !look_.itemRecord->activeskinrect.IsEmpty())
        morphTimer_->SetEnabled(true);
}

void TbsSkinPopupWindow::MorphStep() {
    bool moved = false;
    for (const auto& item : items_) {
        const double target = item->Active || item->Down ? 1.0 : 0.0;
        if (item->MorphLevel == target) continue;
        item->MorphLevel = target > item->MorphLevel ? std::min(1.0, item->MorphLevel + 0.1)
                                                     : std::max(0.0, item->MorphLevel - 0.1);
        if (std::abs(item->MorphLevel - target) < 1e-9) item->MorphLevel = target;
        moved = true;
    }
    if (moved) Repaint();
    else morphTimer_->SetEnabled(false);
}

}  // namespace skin
