#pragma once
// The window of the colour dialog, built from the skinned controls: a grid of basic
// colours, a scroll bar and a number field for each of red, green and blue, a preview,
// "OK" (default) and "Abbrechen" (cancel). The three channels always agree: picking a
// cell, moving a bar or typing a number updates the other two views and the preview.

#include <array>

#include "skin/controls/TbsColorSwatches.h"
#include "skin/controls/TbsSkinButton.h"
#include "skin/controls/TbsSkinEdit.h"
#include "skin/controls/TbsSkinScrollBar.h"
#include "vcl/TForm.h"

namespace skin {

class TbsColorDialogForm : public vcl::TForm {
public:
    TbsColorDialogForm(TComponent* owner, TbsSkinData* skinData);

    enum Channel { chRed, chGreen, chBlue };

    // The colour shown (0x00BBGGRR); system colours are resolved when set.
    TColor SelectedColor() const;
    void SetSelectedColor(TColor color);

    TbsColorGrid* Grid() const { return grid_; }
    TbsSkinScrollBar* ChannelBar(Channel c) const { return bars_[c]; }
    TbsSkinEdit* ChannelEdit(Channel c) const { return edits_[c]; }
    TbsColorPreview* Preview() const { return preview_; }
    TbsSkinButton* OkButton() const { return ok_; }
    TbsSkinButton* CancelButton() const { return cancel_; }

private:
    void SetChannel(Channel c, int value, bool fromEdit);
    void EditChanged(Channel c);
    void Refresh();

    std::array<int, 3> values_{};
    bool syncing_ = false;
    TbsColorGrid* grid_ = nullptr;
    std::array<TbsSkinScrollBar*, 3> bars_{};
    std::array<TbsSkinEdit*, 3> edits_{};
    TbsColorPreview* preview_ = nullptr;
    TbsSkinButton* ok_ = nullptr;
    TbsSkinButton* cancel_ = nullptr;
};

}  // namespace skin
