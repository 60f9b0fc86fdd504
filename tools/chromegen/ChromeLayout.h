#pragma once
// Where every face lies in the Chrome skin's pictures. The pictures and the description
// are both made from these numbers, so they cannot drift apart.

#include "base/Geometry.h"

namespace chromegen::layout {

// Picture indexes ([PICTURES] keys "0".."5").
constexpr int kFrameButtons = 0, kMaxButton = 1, kPopup = 2, kMenu = 3, kControls = 4;

// The frame picture (162 x 140).
constexpr int kFrameW = 162, kFrameH = 140;
constexpr TRect kClient{5, 24, 157, 135};
constexpr TRect kCaptionArea{16, 4, 157, 21};   // [FORMINFO] captionrect
constexpr TRect kCaptionObject{16, 4, 140, 21}; // the caption element in the frame picture

// Frame buttons: 17 x 16 cells, states in columns.
constexpr int kBtnW = 17, kBtnH = 16;
constexpr int kStateX[6] = {1, 21, 41, 61, 81, 101};  // normal, hot, down, restore, hot, down
constexpr int kRowClose = 30, kRowMin = 50, kRowRollUp = 70, kRowSysMenu = 90;
constexpr TRect kTray{1, 9, 15, 23};  // the tray button, also its window rectangle
constexpr TRect Button(int state, int row) { return TRect::FromSize(kStateX[state], row, kBtnW, kBtnH); }
constexpr TRect TrayState(int state) { return TRect::FromSize(kStateX[state], 9, 14, 14); }

// The popup window picture (88 x 80).
constexpr int kPopupW = 88, kPopupH = 80;

// Menu picture.
constexpr TRect kMenuItem{0, 0, 67, 20}, kMenuItemActive{0, 20, 67, 40}, kMenuDivider{0, 40, 67, 45};
constexpr TRect kBarItem{70, 0, 131, 20}, kBarItemActive{70, 20, 131, 40}, kBarItemDown{70, 40, 131, 60};
constexpr TRect kMenuBar{0, 60, 60, 82};
constexpr TRect BarButton(int n, bool active) { return TRect::FromSize((active ? 52 : 0) + 13 * n, 84, 12, 12); }

// Controls picture.
constexpr TRect kButton{0, 0, 28, 25}, kButtonHot{30, 0, 58, 25}, kButtonDown{60, 0, 88, 25};
constexpr TRect kResize{90, 0, 118, 25}, kResizeHot{120, 0, 148, 25}, kResizeDown{150, 0, 178, 25};
constexpr TRect kMenuButton{180, 0, 222, 25}, kMenuButtonHot{224, 0, 266, 25}, kMenuButtonDown{268, 0, 310, 25};
constexpr TRect kPanel{0, 30, 20, 50}, kToolPanel{22, 30, 42, 50}, kStatusBar{44, 30, 64, 50},
    kBigToolPanel{66, 30, 86, 50}, kScrollBox{88, 30, 98, 40}, kControlBar{100, 30, 120, 50},
    kSplitter{122, 30, 128, 50}, kLabel{130, 30, 150, 50};
constexpr TRect kGroupBox{0, 55, 59, 107};
constexpr TRect kExPanel{62, 55, 122, 105}, kExPanelRollV{62, 108, 122, 128}, kExPanelRollH{125, 55, 145, 105};
constexpr TRect Glyph14(int n) { return TRect::FromSize(150 + 15 * (n % 10), 108 + 15 * (n / 10), 14, 14); }
constexpr TRect kCombo{0, 150, 58, 171}, kComboDown{60, 150, 77, 171}, kComboDisabled{80, 150, 97, 171};
constexpr TRect kComboItem{0, 130, 30, 145}, kComboFocusItem{32, 130, 62, 145};
constexpr TRect kEdit{100, 150, 157, 171}, kEditActive{160, 150, 217, 171};
constexpr TRect kSpinEdit{220, 150, 277, 171};
constexpr TRect kListBox{0, 175, 40, 205}, kListItem{42, 175, 72, 196}, kListItemActive{74, 175, 104, 196},
    kListItemFocus{106, 175, 136, 196};
constexpr TRect kCheckBox{0, 210, 33, 229}, kCheckBoxHot{70, 210, 103, 229}, kRadioBox{35, 210, 68, 229};
constexpr TRect CheckImage(bool radio, int n) { return TRect::FromSize((radio ? 84 : 0) + 14 * n, 232, 13, 13); }
constexpr TRect kHScroll{0, 250, 60, 266}, kVScroll{62, 250, 78, 310};
// Hot and pressed arrow buttons: 0..3 horizontal bar, 4..7 vertical bar.
constexpr TRect ScrollPart(int n) { return TRect::FromSize(80 + 17 * (n % 4), n < 4 ? 250 : 290, 16, 16); }
constexpr TRect kHThumb{80, 268, 100, 284}, kHThumbHot{102, 268, 122, 284}, kHThumbDown{124, 268, 144, 284};
constexpr TRect kVThumb{146, 268, 162, 288}, kVThumbHot{164, 268, 180, 288}, kVThumbDown{182, 268, 198, 288};
constexpr TRect kGauge{200, 250, 260, 266}, kGaugeBar{200, 268, 260, 280};
constexpr TRect kTrack{262, 250, 312, 266}, kTrackThumb{262, 268, 272, 284}, kTrackThumbHot{274, 268, 284, 284};
constexpr TRect kTab{220, 30, 280, 50}, kTabItem{282, 30, 312, 50}, kTabItemActive{282, 52, 312, 72};
constexpr TRect kGridCell{220, 80, 250, 98}, kGridSelect{252, 80, 282, 98}, kGridFixed{284, 80, 314, 98};
constexpr int kControlsW = 316, kControlsH = 312;

}  // namespace chromegen::layout
