#include "skin/controls/TbsColorSwatches.h"

#include "skin/controls/DefaultLook.h"

namespace skin {

namespace {
constexpr int kInset = 4;  // the panel's frame and a little air around the cells

// Solid colours and one pixel of black round them, so light ones stay visible.
void DrawSwatch(gfx::Bitmap& bitmap, const TRect& r, TColor color) {
    gfx::Canvas c(bitmap);
    FillFramed(c, r, clBlack, color);
}
}  // namespace

// --- grid ----------------------------------------------------------------------------

TbsColorGrid::TbsColorGrid(TComponent* owner) : TbsSkinPanel(owner) {
    SetBorderStyle(bvLowered);
    colors_ = {
        clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray,
        clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite,
        clMoneyGreen, clSkyBlue, clCream, clMedGray,
        base::RGB(255, 128, 0), base::RGB(128, 64, 0), base::RGB(255, 128, 192), base::RGB(128, 192, 255),
    };
}

int TbsColorGrid::IndexOf(TColor color) const {
    TColor rgb = base::ColorToRGB(color);
    for (int i = 0; i < CellCount(); ++i)
        if (CellColor(i) == rgb) return i;
    return -1;
}

void TbsColorGrid::SetSelectedIndex(int index) {
    if (index < -1 || index >= CellCount()) return;
    selected_ = index;
    Invalidate();
}

TRect TbsColorGrid::CellRect(int index) const {
    int cellWidth = (Width() - 2 * kInset) / kColumns;
    int cellHeight = (Height() - 2 * kInset) / kRows;
    int column = index % kColumns, row = index / kColumns;
    return TRect::FromSize(kInset + column * cellWidth, kInset + row * cellHeight, cellWidth, cellHeight);
}

void TbsColorGrid::DrawCells(gfx::Bitmap& bitmap) const {
    for (int i = 0; i < CellCount(); ++i) {
        TRect cell = CellRect(i);
        if (i == selected_) {
            // The picked cell: a black frame with a white one inside, seen on any colour.
            gfx::Canvas c(bitmap);
            DrawBevel(c, cell, clBlack, clBlack);
            DrawBevel(c, cell.Inflate(-1, -1), clWhite, clWhite);
        }
        DrawSwatch(bitmap, cell.Inflate(-3, -3), CellColor(i));
    }
}

void TbsColorGrid::DrawDefaultImage(gfx::Bitmap& bitmap) {
    TbsSkinPanel::DrawDefaultImage(bitmap);
    DrawCells(bitmap);
}

void TbsColorGrid::DrawSkinImage(gfx::Bitmap& bitmap) {
    TbsSkinPanel::DrawSkinImage(bitmap);
    DrawCells(bitmap);
}

void TbsColorGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinPanel::MouseDown(button, shift, x, y);
    if (button != vcl::mbLeft) return;
    for (int i = 0; i < CellCount(); ++i)
        if (CellRect(i).Contains(x, y)) {
            SetSelectedIndex(i);
            if (OnChange) OnChange(this);
            return;
        }
}

// --- preview -------------------------------------------------------------------------

TbsColorPreview::TbsColorPreview(TComponent* owner) : TbsSkinPanel(owner) { SetBorderStyle(bvLowered); }

void TbsColorPreview::SetPreviewColor(TColor color) {
    color_ = color;
    Invalidate();
}

void TbsColorPreview::DrawDefaultImage(gfx::Bitmap& bitmap) {
    TbsSkinPanel::DrawDefaultImage(bitmap);
    DrawSwatch(bitmap, bitmap.Bounds().Inflate(-kInset, -kInset), color_);
}

void TbsColorPreview::DrawSkinImage(gfx::Bitmap& bitmap) {
    TbsSkinPanel::DrawSkinImage(bitmap);
    DrawSwatch(bitmap, bitmap.Bounds().Inflate(-kInset, -kInset), color_);
}

}  // namespace skin
