#include "skin/controls/TbsSkinColorComboBox.h"

#include <array>

#include "base/ShortCut.h"
#include "skin/controls/DefaultLook.h"
#include "skin/controls/TbsSkinColorDialog.h"

namespace skin {

namespace {
struct ColorEntry {
    const char* name;
    TColor color;
};
// The identifier table, in its order: 16 standard, 4 extended, 29 system colours.
const std::array<ColorEntry, 49> kColorTable{{
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue}, {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clActiveBorder", clActiveBorder}, {"clActiveCaption", clActiveCaption},
    {"clAppWorkSpace", clAppWorkSpace}, {"clBackground", clBackground}, {"clBtnFace", clBtnFace},
    {"clBtnHighlight", clBtnHighlight}, {"clBtnShadow", clBtnShadow}, {"clBtnText", clBtnText},
    {"clCaptionText", clCaptionText}, {"clDefault", clDefault},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption}, {"clGrayText", clGrayText},
    {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
    {"clInactiveBorder", clInactiveBorder}, {"clInactiveCaption", clInactiveCaption},
    {"clInactiveCaptionText", clInactiveCaptionText}, {"clInfoBk", clInfoBk}, {"clInfoText", clInfoText},
    {"clMenu", clMenu}, {"clMenuText", clMenuText}, {"clNone", clNone}, {"clScrollBar", clScrollBar},
    {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight}, {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame}, {"clWindowText", clWindowText},
}};
constexpr const char* kCustomItem = "Custom...";
}  // namespace

std::string PrettyColorName(const std::string& identifier) {
    std::string name = identifier.rfind("cl", 0) == 0 ? identifier.substr(2) : identifier;
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        if (i > 0 && name[i] >= 'A' && name[i] <= 'Z') out += ' ';
        out += name[i];
    }
    return out;
}

TbsSkinColorComboBox::TbsSkinColorComboBox(TComponent* owner) : TbsSkinCustomComboBox(owner) {}

void TbsSkinColorComboBox::CreateWnd() {
    TbsSkinCustomComboBox::CreateWnd();
    RebuildList();
}

void TbsSkinColorComboBox::RebuildList() {
    TbsPopupListBox* list = ListBox();
    list->Clear();
    struct Item {
        std::string text;
        TColor color;
    };
    std::vector<Item> items;
    for (const ColorEntry& e : kColorTable)
        items.push_back({exStyle_ & bscbPrettyNames ? PrettyColorName(e.name) : e.name, e.color});
    auto eraseColor = [&](TColor c) {
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].color == c) {
                items.erase(items.begin() + static_cast<long>(i));
                return;
            }
    };
    if (!(exStyle_ & bscbIncludeNone)) eraseColor(clNone);
    if (!(exStyle_ & bscbIncludeDefault)) eraseColor(clDefault);
    if (!(exStyle_ & bscbSystemColors) && items.size() > 20) items.erase(items.begin() + 20, items.end());
    if (!(exStyle_ & bscbExtendedColors) && items.size() > 16)
        items.erase(items.begin() + 16, items.begin() + std::min<long>(20, static_cast<long>(items.size())));
    if (!(exStyle_ & bscbStandardColors))
        items.erase(items.begin(), items.begin() + std::min<long>(16, static_cast<long>(items.size())));
    if (exStyle_ & bscbCustomColor) items.insert(items.begin(), {kCustomItem, customColor_});
    for (const Item& i : items) list->AddItem(i.text, static_cast<intptr_t>(i.color));
    built_ = true;
    SetSelected(selected_);
}

void TbsSkinColorComboBox::SetExStyle(TbsColorBoxStyle style) {
    exStyle_ = style;
    SetEnabled((style & (bscbStandardColors | bscbExtendedColors | bscbSystemColors | bscbCustomColor)) != 0);
    RebuildList();
    if (ItemIndex() == -1 && ItemCount() > 0) SetItemIndex(0);
}

TColor TbsSkinColorComboBox::Selected() const {
    if (!built_) return selected_;
    int i = ItemIndex();
    return i < 0 ? kNoColorSelected : ItemColor(i);
}

void TbsSkinColorComboBox::SetSelected(TColor color) {
    if (!built_) {
        selected_ = color;
        return;
    }
    int found = -1;
    int first = (exStyle_ & bscbCustomColor) ? 1 : 0;
    for (int i = first; i < ItemCount() && found < 0; ++i)
        if (ItemColor(i) == color) found = i;
    if (found < 0 && (exStyle_ & bscbCustomColor) && color != kNoColorSelected) {
        customColor_ = color;
        ListBox()->SetItemValue(0, static_cast<intptr_t>(color));
        found = 0;
    }
    if (found < 0) {
        // Nothing carries the colour: no selection; ItemIndex -1 keeps Text.
        ListBox()->SetItemIndex(-1);
        Invalidate();
        if (!IsLoading() && !IsDesigning()) FireClick();
    } else {
        SetItemIndex(found);
    }
    selected_ = color;
}

// --- the custom colour ----------------------------------------------------------------

bool TbsSkinColorComboBox::ExecuteCustomColorDialog(TColor& color) {
    TbsSkinColorDialog dialog(nullptr);
    dialog.SetSkinData(SkinData());
    dialog.SetColor(color);
    if (!dialog.Execute()) return false;
    color = dialog.Color();
    return true;
}

void TbsSkinColorComboBox::PickCustomColor() {
    if (!(exStyle_ & bscbCustomColor) || ItemCount() == 0) return;
    TColor color = customColor_;
    if (!ExecuteCustomColorDialog(color)) return;
    customColor_ = color;
    ListBox()->SetItemValue(0, static_cast<intptr_t>(color));
    selected_ = color;
    Invalidate();
    FireClick();
    if (OnChange) OnChange(this);
}

void TbsSkinColorComboBox::ListClosed(bool accepted) {
    if (accepted && CustomItemSelected()) PickCustomColor();
}

bool TbsSkinColorComboBox::WantsKey(uint16_t key, TShiftState shift) const {
    if (key == base::VK_RETURN && CustomItemSelected()) return true;
    return TbsSkinCustomComboBox::WantsKey(key, shift);
}

void TbsSkinColorComboBox::KeyDown(uint16_t& key, TShiftState shift) {
    // Enter on the selected "Custom..." item with the list closed asks for its colour;
    // with the list open, closing it does.
    bool pick = key == base::VK_RETURN && !IsListOpen() && CustomItemSelected();
    TbsSkinCustomComboBox::KeyDown(key, shift);
    if (pick) PickCustomColor();
}

// --- drawing -------------------------------------------------------------------------

void TbsSkinColorComboBox::DrawItemContent(gfx::Canvas& c, int index, const TRect& itemRect,
                                           const TRect& textRect, TbsItemState state,
                                           const gfx::Font& font, TColor color) {
    if (OnComboBoxDrawItem || OnListBoxDrawItem) {
        TbsSkinCustomComboBox::DrawItemContent(c, index, itemRect, textRect, state, font, color);
        return;
    }
    TRect swatch = textRect.Inflate(-2, -2);
    TColor fill = ItemColor(index);
    if (fill == clDefault) fill = defaultColorColor_;
    if (fill == clNone) fill = noneColorColor_;
    if (showNames_) swatch.Right = swatch.Left + swatch.Height();
    FillFramed(c, swatch, clBlack, fill);
    if (!showNames_) return;
    int x = textRect.Left + swatch.Width() + 5;
    c.Save();
    c.IntersectClipRect(textRect);
    c.SetFont(font);
    c.SetFontColor(color);
    c.Brush().style = gfx::BrushStyle::Clear;
    c.TextOut(x + 2, textRect.Top + (textRect.Height() - font.Height()) / 2, ListBox()->Item(index));
    c.Restore();
}

}  // namespace skin
