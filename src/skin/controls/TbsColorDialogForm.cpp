#include "skin/controls/TbsColorDialogForm.h"

#include <algorithm>
#include <string>

#include "skin/controls/DialogControls.h"
#include "vcl/TLabel.h"

namespace skin {

namespace {
// The number typed into a channel field: 0..255 (larger numbers count as 255), or -1
// when the field holds anything but digits.
int ParseChannel(const std::string& text) {
    if (text.empty() || text.size() > 3) return -1;
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return -1;
        value = value * 10 + (ch - '0');
    }
    return std::min(value, 255);
}
}  // namespace

TbsColorDialogForm::TbsColorDialogForm(TComponent* owner, TbsSkinData* skinData) : vcl::TForm(owner) {
    SetBorderStyle(vcl::bsDialog);
    SetPosition(vcl::poScreenCenter);
    SetCaption("Farbe");
    SetClientSize(300, 240);
    grid_ = MakeDialogControl<TbsColorGrid>(this, skinData, {10, 10, 290, 90});
    grid_->OnChange = [this](vcl::TObject*) {
        if (grid_->SelectedIndex() >= 0) SetSelectedColor(grid_->CellColor(grid_->SelectedIndex()));
    };
    const char* names[] = {"Rot:", "Grün:", "Blau:"};
    for (int i = 0; i < 3; ++i) {
        auto channel = static_cast<Channel>(i);
        int top = 102 + i * 30;
        auto* label = new vcl::TLabel(this);
        label->SetParent(this);
        label->SetBounds(10, top + 3, 40, 16);
        label->SetCaption(names[i]);
        bars_[channel] = MakeDialogControl<TbsSkinScrollBar>(this, skinData, {55, top, 225, top + 20});
        bars_[channel]->SetRange(0, 255, 0, 0);
        bars_[channel]->SetLargeChange(16);
        bars_[channel]->OnChange = [this, channel](vcl::TObject*) {
            SetChannel(channel, bars_[channel]->Position(), false);
        };
        edits_[channel] = MakeDialogControl<TbsSkinEdit>(this, skinData, {235, top, 290, top + 20});
        edits_[channel]->SetMaxLength(3);
        edits_[channel]->OnChange = [this, channel](vcl::TObject*) { EditChanged(channel); };
        // Entering a field selects its number, so typing replaces it.
        edits_[channel]->OnEnter = [this, channel](vcl::TObject*) { edits_[channel]->SelectAll(); };
    }
    preview_ = MakeDialogControl<TbsColorPreview>(this, skinData, {10, 195, 120, 230});
    ok_ = MakeDialogControl<TbsSkinButton>(this, skinData, {130, 200, 205, 225});
    ok_->SetCaption("OK");
    ok_->SetDefault(true);
    ok_->SetModalResult(vcl::mrOk);
    cancel_ = MakeDialogControl<TbsSkinButton>(this, skinData, {215, 200, 290, 225});
    cancel_->SetCaption("Abbrechen");
    cancel_->SetCancel(true);
    cancel_->SetModalResult(vcl::mrCancel);
    SetActiveControl(edits_[chRed]);
    Refresh();
}

TColor TbsColorDialogForm::SelectedColor() const { return base::RGB(values_[0], values_[1], values_[2]); }

void TbsColorDialogForm::SetSelectedColor(TColor color) {
    TColor rgb = base::ColorToRGB(color);
    values_ = {base::GetRValue(rgb), base::GetGValue(rgb), base::GetBValue(rgb)};
    Refresh();
}

void TbsColorDialogForm::SetChannel(Channel c, int value, bool fromEdit) {
    if (syncing_) return;
    values_[c] = value;
    syncing_ = true;
    bars_[c]->SetPosition(value);
    if (!fromEdit) edits_[c]->SetEditText(std::to_string(value));
    syncing_ = false;
    grid_->SetSelectedIndex(grid_->IndexOf(SelectedColor()));
    preview_->SetPreviewColor(SelectedColor());
}

void TbsColorDialogForm::EditChanged(Channel c) {
    if (syncing_) return;
    // Anything but a number leaves the channel as it was until the field holds one.
    int value = ParseChannel(edits_[c]->EditText());
    if (value >= 0) SetChannel(c, value, true);
}

void TbsColorDialogForm::Refresh() {
    syncing_ = true;
    for (int i = 0; i < 3; ++i) {
        bars_[static_cast<size_t>(i)]->SetPosition(values_[static_cast<size_t>(i)]);
        edits_[static_cast<size_t>(i)]->SetEditText(std::to_string(values_[static_cast<size_t>(i)]));
    }
    syncing_ = false;
    grid_->SetSelectedIndex(grid_->IndexOf(SelectedColor()));
    preview_->SetPreviewColor(SelectedColor());
}

}  // namespace skin
