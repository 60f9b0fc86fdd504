#pragma once
// The two colour fields of the colour dialog, each on a skinned panel: a grid of basic
// colours to pick from with the mouse, and a preview of the colour being chosen.

#include <vector>

#include "skin/controls/TbsSkinPanel.h"

namespace skin {

class TbsColorGrid : public TbsSkinPanel {
public:
    explicit TbsColorGrid(TComponent* owner);

    static constexpr int kColumns = 8;
    static constexpr int kRows = 3;
    int CellCount() const { return static_cast<int>(colors_.size()); }
    TColor CellColor(int index) const { return colors_.at(static_cast<size_t>(index)); }
    // The cell a colour is in, -1 for none.
    int IndexOf(TColor color) const;
    // The picked cell, -1 for none; setting it fires no event.
    int SelectedIndex() const { return selected_; }
    void SetSelectedIndex(int index);
    // A cell in control coordinates.
    TRect CellRect(int index) const;

    // A cell was picked with the mouse.
    TNotifyEvent OnChange;

protected:
    void DrawDefaultImage(gfx::Bitmap& bitmap) override;
    void DrawSkinImage(gfx::Bitmap& bitmap) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void DrawCells(gfx::Bitmap& bitmap) const;

    std::vector<TColor> colors_;
    int selected_ = -1;
};

class TbsColorPreview : public TbsSkinPanel {
public:
    explicit TbsColorPreview(TComponent* owner);

    TColor PreviewColor() const { return color_; }
    void SetPreviewColor(TColor color);

protected:
    void DrawDefaultImage(gfx::Bitmap& bitmap) override;
    void DrawSkinImage(gfx::Bitmap& bitmap) override;

private:
    TColor color_ = clBlack;
};

}  // namespace skin
