#include "skin/controls/TbsSkinCustomControl.h"

#include "skin/SkinRegions.h"
#include "wm/Windows.h"

namespace skin {

TbsSkinCustomControl::TbsSkinCustomControl(TComponent* owner) : TbsSkinControl(owner) {
    defaultFont_.SetName("Arial");
    defaultFont_.SetHeight(14);
    defaultFont_.OnChange = [this](vcl::TObject*) {
        ApplyDefaultFont();
        if (RecordIndex() == -1) Invalidate();
    };
}

TbsSkinCustomControl::~TbsSkinCustomControl() { defaultFont_.OnChange = nullptr; }

void TbsSkinCustomControl::SetDefaultWidth(int value) {
    defaultWidth_ = value;
    if (RecordIndex() == -1 && value > 0) SetWidth(value);
}

void TbsSkinCustomControl::SetDefaultHeight(int value) {
    defaultHeight_ = value;
    if (RecordIndex() == -1 && value > 0) SetHeight(value);
}

void TbsSkinCustomControl::SetUseSkinFont(bool on) {
    useSkinFont_ = on;
    Invalidate();
}

void TbsSkinCustomControl::FetchSkinRecord() {
    TbsSkinControl::FetchSkinRecord();
    if (RecordIndex() == -1) {
        // The pictures belong to the skin, which may be reloading: never keep them.
        skinPicture_ = skinMask_ = nullptr;
        return;
    }
    const auto* framed = RecordAs<TbsDataSkinCustomControl>();
    if (!framed) {
        frameMode_ = fmFixed;
        skinPicture_ = skinMask_ = nullptr;
        return;
    }
    bool sameGeometry = skinRect_ == framed->skinrect && lt_ == framed->lefttoppoint &&
                        rt_ == framed->righttoppoint && lb_ == framed->leftbottompoint &&
                        rb_ == framed->rightbottompoint && clientRect_ == framed->clientrect;
    lt_ = framed->lefttoppoint;
    rt_ = framed->righttoppoint;
    lb_ = framed->leftbottompoint;
    rb_ = framed->rightbottompoint;
    skinRect_ = framed->skinrect;
    clientRect_ = framed->clientrect;
    skinPicture_ = SkinData()->ActivePicture(framed->pictureindex);
    skinMask_ = SkinData()->ActivePicture(framed->maskpictureindex);
    if (IsEmptyRect(skinRect_))
        frameMode_ = fmNone;
    else if (rb_.X != 0 && rb_.Y != 0)
        frameMode_ = fmCorners;
    else if (rt_.X != 0 || rt_.Y != 0)
        frameMode_ = fmHorizontal;
    else if (lb_.X != 0 || lb_.Y != 0)
        frameMode_ = fmVertical;
    else
        frameMode_ = fmFixed;
    // A new record: its geometry at the current size until the next fit.
    if (!sameGeometry) {
        int w = Width(), h = Height();
        ResetResized();
        if (frameMode_ != fmFixed) FitSizeToSkin(w, h);
    }
}

void TbsSkinCustomControl::ResetResized() {
    newLt_ = lt_;
    newRt_ = rt_;
    newLb_ = lb_;
    newRb_ = rb_;
    resizedClientRect_ = clientRect_;
}

void TbsSkinCustomControl::FitSizeToSkin(int& width, int& height) {
    int dw = width - skinRect_.Width(), dh = height - skinRect_.Height();
    switch (frameMode_) {
        case fmNone: break;
        case fmFixed:
            if (RecordIndex() != -1) {
                width = skinRect_.Width();
                height = skinRect_.Height();
                ResetResized();
            }
            break;
        case fmCorners:
            newLt_ = lt_;
            newRt_ = {rt_.X + dw, rt_.Y};
            newLb_ = {lb_.X, lb_.Y + dh};
            newRb_ = {rb_.X + dw, rb_.Y + dh};
            resizedClientRect_ = {clientRect_.Left, clientRect_.Top, clientRect_.Right + dw,
                                  clientRect_.Bottom + dh};
            break;
        case fmHorizontal:
            height = skinRect_.Height();
            newLt_ = lt_;
            newRt_ = {rt_.X + dw, rt_.Y};
            newLb_ = lb_;
            newRb_ = rb_;
            resizedClientRect_ = {clientRect_.Left, clientRect_.Top, clientRect_.Right + dw,
                                  clientRect_.Bottom};
            break;
        case fmVertical:
            width = skinRect_.Width();
            newLt_ = lt_;
            newRt_ = rt_;
            newLb_ = {lb_.X, lb_.Y + dh};
            newRb_ = rb_;
            resizedClientRect_ = {clientRect_.Left, clientRect_.Top, clientRect_.Right,
                                  clientRect_.Bottom + dh};
            break;
    }
}

void TbsSkinCustomControl::SetBounds(int left, int top, int width, int height) {
    FetchSkinRecord();
    bool fitted = false;
    if ((width != Width() || height != Height()) && RecordIndex() != -1) {
        FitSizeToSkin(width, height);
        if (frameMode_ == fmFixed) resizedClientRect_ = clientRect_;
        fitted = true;
    }
    TbsSkinControl::SetBounds(left, top, width, height);
    if (fitted) {
        UpdateWindowRegion();
        Invalidate();
    }
}

void TbsSkinCustomControl::ApplySkinChange() {
    int oldW = Width(), oldH = Height();
    FetchSkinRecord();
    if (RecordIndex() == -1) {
        int w = defaultWidth_ > 0 ? defaultWidth_ : Width();
        int h = defaultHeight_ > 0 ? defaultHeight_ : Height();
        if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
    } else {
        int w = Width(), h = Height();
        FitSizeToSkin(w, h);
        if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
    }
    if ((Width() == oldW && Height() == oldH) || RecordIndex() == -1) {
        UpdateWindowRegion();
        Invalidate();
    }
}

TbsFrameGeometry TbsSkinCustomControl::SourceGeometry() const {
    return {lt_, rt_, lb_, rb_, clientRect_};
}

TbsFrameGeometry TbsSkinCustomControl::ResizedGeometry() const {
    return {newLt_, newRt_, newLb_, newRb_, resizedClientRect_};
}

void TbsSkinCustomControl::UpdateWindowRegion() {
    bool wanted = skinMask_ && RecordIndex() != -1;
    if (!wanted) {
        if (region_) {
            region_.reset();
            if (HandleAllocated()) wm::SetWindowRgn(Handle(), nullptr, true);
        }
        return;
    }
    std::optional<gfx::Region> region;
    if (frameMode_ == fmFixed) {
        region = MaskToRegion(*skinMask_, 0, 0);
    } else {
        TbsFrameGeometry dest = ResizedGeometry();
        if (frameMode_ == fmHorizontal) dest.rt.X = Width() + rt_.X - skinRect_.Width();
        if (frameMode_ == fmVertical) dest.lb.Y = Height() + lb_.Y - skinRect_.Height();
        region = TileFrameRegion(*skinMask_, SourceGeometry(), Width(), Height(), dest);
    }
    region_ = region;
    if (HandleAllocated()) wm::SetWindowRgn(Handle(), region_ ? &*region_ : nullptr, true);
}

void TbsSkinCustomControl::CreateWnd() {
    TbsSkinControl::CreateWnd();
    if (region_) wm::SetWindowRgn(Handle(), &*region_, false);
}

void TbsSkinCustomControl::BuildSkinImage(gfx::Bitmap& bitmap, const gfx::Bitmap* picture,
                                          const TRect& source) const {
    if (!picture) return;
    switch (frameMode_) {
        case fmFixed:
            bitmap.SetSize(source.Width(), source.Height());
            CopyUnscaled(bitmap, 0, 0, *picture, source);
            break;
        case fmCorners:
            TileFrameImage(bitmap, *picture, source, SourceGeometry(), Width(), Height(),
                           ResizedGeometry(), true);
            break;
        case fmHorizontal:
            TileHorzImage(bitmap, *picture, source, lt_.X, skinRect_.Width() - rt_.X, Width());
            break;
        case fmVertical:
            TileVertImage(bitmap, *picture, source, lt_.Y, skinRect_.Height() - lb_.Y, Height());
            break;
        case fmNone: break;
    }
}

namespace {
// Both corners of r lie in the area, right and bottom of the area excluded.
bool Inside(const TRect& r, const TRect& area) {
    return area.Contains(r.Left, r.Top) && area.Contains(r.Right, r.Bottom);
}
// The point lies in the area, all four edges included.
bool PointIn(TPoint p, const TRect& a) {
    return p.X >= a.Left && p.X <= a.Right && p.Y >= a.Top && p.Y <= a.Bottom;
}
}  // namespace

TRect TbsSkinCustomControl::MapSkinRect(const TRect& r) const {
    int dw = Width() - skinRect_.Width(), dh = Height() - skinRect_.Height();
    int sw = skinRect_.Width(), sh = skinRect_.Height();
    switch (frameMode_) {
        case fmCorners: {
            TRect tl{0, 0, lt_.X, lt_.Y}, bl{0, lb_.Y, lb_.X, sh}, tr{rt_.X, 0, sw, rt_.Y},
                br{rb_.X, rb_.Y, sw, sh};
            if (Inside(r, tl)) return r;
            if (Inside(r, tr)) return r.Offset(dw, 0);
            if (Inside(r, bl)) return r.Offset(0, dh);
            if (Inside(r, br)) return r.Offset(dw, dh);
            TPoint p1{r.Left, r.Top}, p2{r.Right, r.Bottom};
            if (PointIn(p1, tl) && PointIn(p2, br)) return {r.Left, r.Top, r.Right + dw, r.Bottom + dh};
            if (PointIn(p1, tl) && PointIn(p2, tr)) return {r.Left, r.Top, r.Right + dw, r.Bottom};
            if (PointIn(p1, bl) && PointIn(p2, br)) return {r.Left, r.Top + dh, r.Right + dw, r.Bottom + dh};
            if (PointIn(p1, tl) && PointIn(p2, bl)) return {r.Left, r.Top, r.Right, r.Bottom + dh};
            if (PointIn(p1, tr) && PointIn(p2, br)) return {r.Left + dw, r.Top, r.Right + dw, r.Bottom + dh};
            return r;
        }
        case fmHorizontal:
            if (r.Left <= lt_.X && r.Right >= rt_.X) return {r.Left, r.Top, r.Right + dw, r.Bottom};
            if (r.Left >= rt_.X && r.Right > rt_.X) return r.Offset(dw, 0);
            return r;
        case fmVertical:
            if (r.Top <= lt_.Y && r.Bottom >= lb_.Y) return {r.Left, r.Top, r.Right, r.Bottom + dh};
            if (r.Top >= lb_.Y && r.Bottom > lb_.Y) return r.Offset(0, dh);
            return r;
        default: return r;
    }
}

void TbsSkinCustomControl::DrawDefaultImage(gfx::Bitmap& bitmap) {
    gfx::Canvas c(bitmap);
    c.Brush().color = clBtnFace;
    c.FillRect(bitmap.Bounds());
}

void TbsSkinCustomControl::DrawSkinImage(gfx::Bitmap& bitmap) {
    BuildSkinImage(bitmap, skinPicture_, skinRect_);
}

}  // namespace skin
