#include "skin/controls/TbsSkinScrollBox.h"

#include <algorithm>

#include "skin/SkinTiling.h"
#include "skin/controls/DefaultLook.h"
#include "skin/controls/TbsSkinScrollBar.h"
#include "wm/Paint.h"
#include "wm/Windows.h"

namespace skin {

TbsSkinScrollBox::TbsSkinScrollBox(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName("scrollbox");
    vcl::TControlStyle style = ControlStyle();
    SetControlStyle(style.Include(vcl::csAcceptsControls));
    SetBounds(0, 0, 150, 150);
}

TbsSkinScrollBox::~TbsSkinScrollBox() = default;

void TbsSkinScrollBox::SetBorderStyle(TbsSkinBorderStyle style) {
    borderStyle_ = style;
    if (HandleAllocated())
        wm::SetWindowPos(Handle(), 0, 0, 0, 0, 0,
                         wm::SWP_NOMOVE | wm::SWP_NOSIZE | wm::SWP_NOZORDER | wm::SWP_FRAMECHANGED);
    Invalidate();
}

TbsFrameInsets TbsSkinScrollBox::FrameInsets() {
    FetchSkinRecord();
    const auto* r = BoxRecord();
    if (r) {
        if (r->bgpictureindex != -1 || borderStyle_ == bvNone) return {};
        return SkinFrameInsets(r->skinrect, r->clientrect);
    }
    return borderStyle_ == bvNone ? TbsFrameInsets{} : TbsFrameInsets{1, 1, 1, 1};
}

TRect TbsSkinScrollBox::ClientRectWithoutHandle() const {
    TbsFrameInsets in = const_cast<TbsSkinScrollBox*>(this)->FrameInsets();
    TRect r = InsetRect({0, 0, Width(), Height()}, in);
    return {0, 0, std::max(0, r.Width()), std::max(0, r.Height())};
}

// --- painting ------------------------------------------------------------------------

void TbsSkinScrollBox::PaintFrame() {
    TbsFrameInsets in = FrameInsets();
    if (in.left == 0 && in.top == 0 && in.right == 0 && in.bottom == 0) return;
    int w = Width(), h = Height();
    gfx::Bitmap frame(w, h);
    gfx::Canvas fc(frame);
    if (BoxRecord() && SkinPicture()) {
        BuildSkinImage(frame, SkinPicture(), SkinRect());
    } else {
        FillSolid(fc, frame.Bounds(), clBtnFace);
        switch (borderStyle_) {
            case bvRaised: DrawBevel(fc, frame.Bounds(), clBtnShadow, clBtnHighlight); break;
            case bvLowered: DrawBevel(fc, frame.Bounds(), clBtnHighlight, clBtnShadow); break;
            default: DrawBevel(fc, frame.Bounds(), clBtnShadow, clBtnShadow); break;
        }
    }
    wm::HDC dc = wm::GetWindowDC(Handle());
    if (gfx::Canvas* c = wm::GetCanvas(dc)) {
        // Four pieces, so the client area is never touched.
        for (TRect piece : {TRect{0, 0, w, in.top}, TRect{0, h - in.bottom, w, h},
                            TRect{0, in.top, in.left, h - in.bottom},
                            TRect{w - in.right, in.top, w, h - in.bottom}})
            if (!piece.IsEmpty()) c->CopyRect(piece, frame, piece);
    }
    wm::ReleaseDC(Handle(), dc);
}

void TbsSkinScrollBox::Paint() {
    TRect client = ClientRect();
    if (client.Width() <= 0 || client.Height() <= 0) return;
    FetchSkinRecord();
    gfx::Bitmap bitmap(client.Width(), client.Height());
    if (RecordIndex() == -1)
        DrawDefaultImage(bitmap);
    else
        DrawSkinImage(bitmap);
    PutImage(bitmap);
}

void TbsSkinScrollBox::DrawDefaultImage(gfx::Bitmap& bitmap) {
    gfx::Canvas c(bitmap);
    FillSolid(c, bitmap.Bounds(), clBtnFace);
}

void TbsSkinScrollBox::DrawSkinImage(gfx::Bitmap& bitmap) {
    const auto* r = BoxRecord();
    if (!r) return;
    if (const gfx::Bitmap* bg = SkinData()->ActivePicture(r->bgpictureindex)) {
        TileRect(bitmap, bitmap.Bounds(), *bg, bg->Bounds());
        return;
    }
    if (!SkinPicture()) return;
    TileRect(bitmap, bitmap.Bounds(), *SkinPicture(), clientRect_.Offset(SkinRect().Left, SkinRect().Top));
}

void TbsSkinScrollBox::WndProc(TMessage& m) {
    if (m.Msg == wm::WM_NCCALCSIZE) {
        auto* params = reinterpret_cast<wm::NCCALCSIZE_PARAMS*>(m.LParam);
        if (params) params->rgrc[0] = InsetRect(params->rgrc[0], FrameInsets());
        m.Result = 0;
        return;
    }
    if (m.Msg == wm::WM_NCPAINT) {
        PaintFrame();
        m.Result = 0;
        return;
    }
    TbsSkinCustomControl::WndProc(m);
}

void TbsSkinScrollBox::ApplySkinChange() {
    TbsSkinCustomControl::ApplySkinChange();
    if (HandleAllocated()) RecreateWnd();
    UpdateScrollBars();
}

void TbsSkinScrollBox::BoundsChanged(bool sizeChanged) {
    TbsSkinCustomControl::BoundsChanged(sizeChanged);
    if (sizeChanged) {
        if (HandleAllocated()) wm::InvalidateFrame(Handle());
        UpdateScrollBars();
    }
}

// --- attached scroll bars ------------------------------------------------------------

void TbsSkinScrollBox::Notification(TComponent* component, vcl::TOperation operation) {
    TbsSkinCustomControl::Notification(component, operation);
    if (operation != vcl::opRemove) return;
    if (component == vBar_) vBar_ = nullptr;
    if (component == hBar_) hBar_ = nullptr;
}

void TbsSkinScrollBox::AttachBar(TbsSkinScrollBar* bar, bool vertical) {
    if (!bar) return;
    FreeNotification(bar);
    bar->SetCanFocused(false);
    bar->SetEnabled(true);
    bar->Hide();
    bar->OnChange = [this, bar, vertical](vcl::TObject*) {
        int pos = bar->Position();
        if (vertical) {
            ScrollChildren(0, vPos_ - pos);
            vPos_ = pos;
        } else {
            ScrollChildren(hPos_ - pos, 0);
            hPos_ = pos;
        }
    };
    bar->OnLastChange = [this](vcl::TObject*) { Invalidate(); };
    UpdateScrollBars();
}

void TbsSkinScrollBox::SetVScrollBar(TbsSkinScrollBar* bar) {
    vBar_ = bar;
    AttachBar(bar, true);
}

void TbsSkinScrollBox::SetHScrollBar(TbsSkinScrollBar* bar) {
    hBar_ = bar;
    AttachBar(bar, false);
}

void TbsSkinScrollBox::ScrollChildren(int dx, int dy) {
    if (dx == 0 && dy == 0) return;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
    Invalidate();
}

void TbsSkinScrollBox::UpdateBar(TbsSkinScrollBar* bar, bool vertical) {
    if (!bar) return;
    TRect client = ClientRect();
    int size = vertical ? client.Height() : client.Width();
    int extent = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Visible()) extent = std::max(extent, vertical ? c->Top() + c->Height() : c->Left() + c->Width());
    }
    int& pos = vertical ? vPos_ : hPos_;
    bool wasVisible = bar->Visible();
    if (extent > size) {
        int total = extent + pos;
        int maxPos = std::max(0, total - size);
        if (pos > maxPos) {  // the box grew: scroll back by up to the growth
            if (vertical) ScrollChildren(0, pos - maxPos); else ScrollChildren(pos - maxPos, 0);
            pos = maxPos;
        }
        bar->SetRange(0, total - 1, size, pos);
        bar->Show();
    } else {
        if (vertical) ScrollChildren(0, pos); else ScrollChildren(pos, 0);
        pos = 0;
        bar->SetRange(0, 0, 0, 0);
        bar->Hide();
    }
    if (wasVisible != bar->Visible() && Align() != vcl::alNone && Parent()) Parent()->Realign();
}

void TbsSkinScrollBox::UpdateScrollBars() {
    UpdateBar(vBar_, true);
    UpdateBar(hBar_, false);
    if (hBar_) hBar_->SetBoth(vBar_ && vBar_->Visible());
}

void TbsSkinScrollBox::VisibleChanged() {
    TbsSkinCustomControl::VisibleChanged();
    if (!Visible()) {
        if (vBar_) vBar_->Hide();
        if (hBar_) hBar_->Hide();
    } else {
        UpdateScrollBars();
    }
}

}  // namespace skin
