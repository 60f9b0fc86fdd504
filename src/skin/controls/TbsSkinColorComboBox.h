#pragma once
// The colour combo box: one item per colour of the identifier table (standard, extended
// and system colours, optionally "none", "default" and a "Custom..." item), each drawn as
// a swatch with or without its name. The list is built when the window is created or the
// style changes; Selected chooses the item carrying a colour.

#include <cstdint>

#include "skin/controls/TbsSkinCustomComboBox.h"

namespace skin {

enum TbsColorBoxStyleValue : unsigned {
    bscbStandardColors = 1u << 0,
    bscbExtendedColors = 1u << 1,
    bscbSystemColors = 1u << 2,
    bscbIncludeNone = 1u << 3,
    bscbIncludeDefault = 1u << 4,
    bscbCustomColor = 1u << 5,
    bscbPrettyNames = 1u << 6,
};
using TbsColorBoxStyle = unsigned;

// The value Selected reads when nothing is selected.
constexpr TColor kNoColorSelected = static_cast<TColor>(0xFF000000u);

class TbsSkinColorComboBox : public TbsSkinCustomComboBox {
public:
    explicit TbsSkinColorComboBox(TComponent* owner);

    TbsColorBoxStyle ExStyle() const { return exStyle_; }
    void SetExStyle(TbsColorBoxStyle style);
    TColor Selected() const;
    void SetSelected(TColor color);
    bool ShowNames() const { return showNames_; }
    void SetShowNames(bool on) { showNames_ = on; Invalidate(); }
    TColor DefaultColorColor() const { return defaultColorColor_; }
    void SetDefaultColorColor(TColor c) { defaultColorColor_ = c; Invalidate(); }
    TColor NoneColorColor() const { return noneColorColor_; }
    void SetNoneColorColor(TColor c) { noneColorColor_ = c; Invalidate(); }

    TColor ItemColor(int index) const { return static_cast<TColor>(ListBox()->ItemValue(index)); }
    void RebuildList();
    // The colour the "Custom..." item carries.
    TColor CustomColor() const { return customColor_; }
    // Asks for a colour for the "Custom..." item, starting at its colour; on
    // confirmation the item takes it, the box repaints, and OnClick then OnChange fire.
    void PickCustomColor();

    bool WantsKey(uint16_t key, TShiftState shift) const override;

protected:
    // Shows the colour dialog; false when the user cancelled. Replaceable, so a box can
    // bring its own picker.
    virtual bool ExecuteCustomColorDialog(TColor& color);
    bool CustomItemSelected() const { return (exStyle_ & bscbCustomColor) && ItemIndex() == 0; }
    void ListClosed(bool accepted) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void CreateWnd() override;
    void DrawItemContent(gfx::Canvas& c, int index, const TRect& itemRect, const TRect& textRect,
                         TbsItemState state, const gfx::Font& font, TColor color) override;

private:
    TbsColorBoxStyle exStyle_ = bscbStandardColors | bscbExtendedColors | bscbSystemColors;
    TColor selected_ = 0;
    bool showNames_ = true;
    TColor defaultColorColor_ = 0;
    TColor noneColorColor_ = 0;
    TColor customColor_ = clBlack;
    bool built_ = false;
};

// "clMoneyGreen" as "Money Green".
std::string PrettyColorName(const std::string& identifier);

}  // namespace skin
