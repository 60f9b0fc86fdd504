#include "skin/controls/TbsPopupListBox.h"

#include "wm/Messages.h"
#include "wm/Styles.h"
#include "wm/Windows.h"

namespace skin {

TbsPopupListBox::TbsPopupListBox(TComponent* owner) : TbsSkinListBox(owner) {
    SetVisible(false);
    SetTabStop(false);
}

void TbsPopupListBox::CreateParams(wm::CreateParams& p) {
    TbsSkinListBox::CreateParams(p);
    p.className = "TbsPopupListBox";
    p.style &= ~(wm::WS_CHILD | wm::WS_VISIBLE | wm::WS_TABSTOP);
    p.style |= wm::WS_POPUP | wm::WS_EX_TOPMOST | wm::WS_EX_NOACTIVATE;
    p.parent = 0;
    if (auto* owner = dynamic_cast<TWinControl*>(Owner()); owner && owner->HandleAllocated())
        p.owner = owner->Handle();
}

void TbsPopupListBox::ShowAt(const TRect& screen) {
    SetBounds(screen.Left, screen.Top, screen.Width(), screen.Height());
    UpdateScrollBar();
    wm::HWND h = Handle();
    wm::SetWindowPos(h, wm::HWND_TOPMOST, Left(), Top(), Width(), Height(),
                     wm::SWP_SHOWWINDOW | wm::SWP_NOACTIVATE);
    StoreVisible(true);
    Invalidate();
}

void TbsPopupListBox::HideList() {
    if (!Visible()) return;
    if (HandleAllocated()) wm::ShowWindow(Handle(), wm::SW_HIDE);
    StoreVisible(false);
}

void TbsPopupListBox::WndProc(TMessage& m) {
    using namespace wm;
    switch (m.Msg) {
        case WM_MOUSEACTIVATE:
            m.Result = MA_NOACTIVATE;
            return;
        case WM_MOUSEMOVE: {
            int index = ItemAtPos(PointFromParam(m.LParam));
            if (index >= 0) SetItemIndex(index);
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return;  // the list never sees these
        case WM_LBUTTONUP:
            if (ClientRect().Contains(PointFromParam(m.LParam)) && OnAccept) OnAccept(this);
            return;
        default: break;
    }
    TbsSkinListBox::WndProc(m);
}

}  // namespace skin
