#pragma once
// Colours as the program stores them: 0x00BBGGRR. Negative values name system colours
// (0xFF000000 | index), which are resolved to RGB through ColorToRGB before any
// arithmetic. Velmora carries one fixed light palette for them, so a drawing never
// depends on the desktop's theme.

#include <cstdint>

using TColor = int32_t;

namespace base {
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | unsigned(index)); }
constexpr TColor RGB(int r, int g, int b) {
    return TColor((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }
}  // namespace base

// Plain colours.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
// "No colour" and "the default colour": not system colours, never drawn as such.
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours, by their index in the palette.
constexpr TColor clScrollBar = base::SystemColor(0);
constexpr TColor clBackground = base::SystemColor(1);
constexpr TColor clActiveCaption = base::SystemColor(2);
constexpr TColor clInactiveCaption = base::SystemColor(3);
constexpr TColor clMenu = base::SystemColor(4);
constexpr TColor clWindow = base::SystemColor(5);
constexpr TColor clWindowFrame = base::SystemColor(6);
constexpr TColor clMenuText = base::SystemColor(7);
constexpr TColor clWindowText = base::SystemColor(8);
constexpr TColor clCaptionText = base::SystemColor(9);
constexpr TColor clActiveBorder = base::SystemColor(10);
constexpr TColor clInactiveBorder = base::SystemColor(11);
constexpr TColor clAppWorkSpace = base::SystemColor(12);
constexpr TColor clHighlight = base::SystemColor(13);
constexpr TColor clHighlightText = base::SystemColor(14);
constexpr TColor clBtnFace = base::SystemColor(15);
constexpr TColor clBtnShadow = base::SystemColor(16);
constexpr TColor clGrayText = base::SystemColor(17);
constexpr TColor clBtnText = base::SystemColor(18);
constexpr TColor clInactiveCaptionText = base::SystemColor(19);
constexpr TColor clBtnHighlight = base::SystemColor(20);
constexpr TColor cl3DDkShadow = base::SystemColor(21);
constexpr TColor cl3DLight = base::SystemColor(22);
constexpr TColor clInfoText = base::SystemColor(23);
constexpr TColor clInfoBk = base::SystemColor(24);
constexpr TColor clHotLight = base::SystemColor(26);
constexpr TColor clGradientActiveCaption = base::SystemColor(27);
constexpr TColor clGradientInactiveCaption = base::SystemColor(28);
constexpr TColor clMenuHighlight = base::SystemColor(29);
constexpr TColor clMenuBar = base::SystemColor(30);

namespace base {
// The RGB value (0x00BBGGRR) of any colour: system colours through the palette,
// clNone and clDefault unchanged, everything else with its top byte cleared.
TColor ColorToRGB(TColor color);
bool IsSystemColor(TColor color);
}  // namespace base
