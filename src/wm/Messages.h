#pragma once
// Message numbers, hit-test codes, key and button flags and the structures some messages
// point to. The numbers are the classic desktop values, since the frame, the controls and
// the menus are written against them.

#include <cstdint>

#include "base/Geometry.h"
#include "wm/Types.h"

namespace wm {

// --- window messages ---------------------------------------------------------------
constexpr UINT WM_NULL = 0;
constexpr UINT WM_CREATE = 1;
constexpr UINT WM_DESTROY = 2;
constexpr UINT WM_MOVE = 3;
constexpr UINT WM_SIZE = 5;
constexpr UINT WM_ACTIVATE = 6;
constexpr UINT WM_SETFOCUS = 7;
constexpr UINT WM_KILLFOCUS = 8;
constexpr UINT WM_ENABLE = 10;
constexpr UINT WM_SETTEXT = 12;
constexpr UINT WM_PAINT = 15;
constexpr UINT WM_CLOSE = 16;
constexpr UINT WM_QUIT = 18;
constexpr UINT WM_ERASEBKGND = 20;
constexpr UINT WM_ENDSESSION = 0x16;
constexpr UINT WM_SHOWWINDOW = 24;
constexpr UINT WM_CANCELMODE = 31;
constexpr UINT WM_SETCURSOR = 32;
constexpr UINT WM_MOUSEACTIVATE = 33;
constexpr UINT WM_GETMINMAXINFO = 36;
constexpr UINT WM_WINDOWPOSCHANGING = 70;
constexpr UINT WM_WINDOWPOSCHANGED = 71;
constexpr UINT WM_NCCREATE = 129;
constexpr UINT WM_NCDESTROY = 130;
constexpr UINT WM_NCCALCSIZE = 131;
constexpr UINT WM_NCHITTEST = 132;
constexpr UINT WM_NCPAINT = 133;
constexpr UINT WM_NCACTIVATE = 134;
constexpr UINT WM_NCMOUSEMOVE = 160;
constexpr UINT WM_NCLBUTTONDOWN = 161;
constexpr UINT WM_NCLBUTTONUP = 162;
constexpr UINT WM_NCLBUTTONDBLCLK = 163;
constexpr UINT WM_NCRBUTTONDOWN = 164;
constexpr UINT WM_NCRBUTTONUP = 165;
constexpr UINT WM_NCRBUTTONDBLCLK = 166;
constexpr UINT WM_NCMBUTTONDOWN = 167;
constexpr UINT WM_NCMBUTTONUP = 168;
constexpr UINT WM_NCMBUTTONDBLCLK = 169;
constexpr UINT WM_KEYDOWN = 256;
constexpr UINT WM_KEYUP = 257;
constexpr UINT WM_CHAR = 258;
constexpr UINT WM_SYSKEYDOWN = 260;
constexpr UINT WM_SYSKEYUP = 261;
constexpr UINT WM_SYSCHAR = 262;
constexpr UINT WM_SYSCOMMAND = 274;
constexpr UINT WM_TIMER = 275;
constexpr UINT WM_MOUSEMOVE = 512;
constexpr UINT WM_LBUTTONDOWN = 513;
constexpr UINT WM_LBUTTONUP = 514;
constexpr UINT WM_LBUTTONDBLCLK = 515;
constexpr UINT WM_RBUTTONDOWN = 516;
constexpr UINT WM_RBUTTONUP = 517;
constexpr UINT WM_RBUTTONDBLCLK = 518;
constexpr UINT WM_MBUTTONDOWN = 519;
constexpr UINT WM_MBUTTONUP = 520;
constexpr UINT WM_MBUTTONDBLCLK = 521;
constexpr UINT WM_MOUSEWHEEL = 522;
constexpr UINT WM_PARENTNOTIFY = 528;
constexpr UINT WM_ENTERMENULOOP = 529;
constexpr UINT WM_EXITMENULOOP = 530;
constexpr UINT WM_SIZING = 532;
constexpr UINT WM_CAPTURECHANGED = 533;
constexpr UINT WM_MOVING = 534;
constexpr UINT WM_ENTERSIZEMOVE = 561;
constexpr UINT WM_EXITSIZEMOVE = 562;
constexpr UINT WM_MOUSELEAVE = 0x2A3;
// The pointer entered the window (the counterpart of WM_MOUSELEAVE, sent to every window
// the pointer moves onto; wParam 0, lParam the client position). Our own number.
constexpr UINT WM_MOUSEENTER = 0x2A5;
constexpr UINT WM_HOTKEY = 0x0312;
// Hot-key modifier bits (RegisterHotKey).
constexpr unsigned MOD_ALT = 0x1;
constexpr unsigned MOD_CONTROL = 0x2;
constexpr unsigned MOD_SHIFT = 0x4;
constexpr unsigned MOD_WIN = 0x8;
constexpr UINT WM_USER = 0x400;
// Skin notices (wParam: the skin description concerned, or 0 for any).
constexpr UINT WM_SKIN_CHANGING = 1225;
constexpr UINT WM_SKIN_CHANGED = 1226;
constexpr UINT WM_SKIN_REFIT = 1227;
constexpr UINT WM_SKIN_MENU_CLOSED = 1228;

// --- hit-test codes (WM_NCHITTEST results) -----------------------------------------
constexpr int HTERROR = -2;
constexpr int HTTRANSPARENT = -1;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTSYSMENU = 3;
constexpr int HTMINBUTTON = 8;
constexpr int HTMAXBUTTON = 9;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;
constexpr int HTBORDER = 18;
constexpr int HTOBJECT = 19;
constexpr int HTCLOSE = 20;

constexpr bool IsSizingHitCode(int hit) { return hit >= HTLEFT && hit <= HTBOTTOMRIGHT; }

// --- mouse key flags (wParam of client mouse messages) -----------------------------
constexpr WPARAM MK_LBUTTON = 1;
constexpr WPARAM MK_RBUTTON = 2;
constexpr WPARAM MK_SHIFT = 4;
constexpr WPARAM MK_CONTROL = 8;
constexpr WPARAM MK_MBUTTON = 16;

// Virtual keys of the mouse buttons (for GetKeyState).
constexpr int VK_LBUTTON = 1;
constexpr int VK_RBUTTON = 2;
constexpr int VK_MBUTTON = 4;
constexpr int VK_F10 = 0x79;

// --- WM_SYSCOMMAND ------------------------------------------------------------------
constexpr WPARAM SC_SIZE = 0xF000;  // + the WMSZ_ edge in the low bits
constexpr WPARAM SC_MOVE = 0xF010;
constexpr WPARAM SC_MINIMIZE = 0xF020;
constexpr WPARAM SC_MAXIMIZE = 0xF030;
constexpr WPARAM SC_CLOSE = 0xF060;
constexpr WPARAM SC_KEYMENU = 0xF100;
constexpr WPARAM SC_RESTORE = 0xF120;

// Edges of WM_SIZING (wParam); a sizing hit code is the edge + 9.
constexpr WPARAM WMSZ_LEFT = 1, WMSZ_RIGHT = 2, WMSZ_TOP = 3, WMSZ_TOPLEFT = 4,
                 WMSZ_TOPRIGHT = 5, WMSZ_BOTTOM = 6, WMSZ_BOTTOMLEFT = 7,
                 WMSZ_BOTTOMRIGHT = 8;

// --- WM_ACTIVATE / WM_MOUSEACTIVATE ------------------------------------------------
constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;
constexpr WPARAM WA_CLICKACTIVE = 2;
constexpr LRESULT MA_ACTIVATE = 1;
constexpr LRESULT MA_ACTIVATEANDEAT = 2;
constexpr LRESULT MA_NOACTIVATE = 3;
constexpr LRESULT MA_NOACTIVATEANDEAT = 4;

// --- WM_SIZE wParam -----------------------------------------------------------------
constexpr WPARAM SIZE_RESTORED = 0;

// --- parameter packing ----------------------------------------------------------------
// Mouse positions: x in the low 16 bits, y in the high 16 bits, both signed.
constexpr LPARAM MakePointParam(int x, int y) {
    return static_cast<LPARAM>(static_cast<uint32_t>(static_cast<uint16_t>(x)) |
                               (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16));
}
constexpr LPARAM MakePointParam(TPoint p) { return MakePointParam(p.X, p.Y); }
constexpr int PointParamX(LPARAM lp) {
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uintptr_t>(lp) & 0xFFFF));
}
constexpr int PointParamY(LPARAM lp) {
    return static_cast<int16_t>(
        static_cast<uint16_t>((static_cast<uintptr_t>(lp) >> 16) & 0xFFFF));
}
constexpr TPoint PointFromParam(LPARAM lp) { return {PointParamX(lp), PointParamY(lp)}; }
// Two 16-bit halves (WM_SIZE's width/height, WM_MOUSEACTIVATE's hit code/message).
constexpr uintptr_t MakeLong(unsigned low, unsigned high) {
    return (low & 0xFFFFu) | ((high & 0xFFFFu) << 16);
}
constexpr unsigned LowWord(uintptr_t v) { return static_cast<unsigned>(v & 0xFFFF); }
constexpr unsigned HighWord(uintptr_t v) { return static_cast<unsigned>((v >> 16) & 0xFFFF); }
// WM_MOUSEWHEEL: wParam's high word is the signed wheel delta (120 per notch).
constexpr int WheelDelta(WPARAM wp) { return static_cast<int16_t>(HighWord(wp)); }
constexpr int kWheelNotch = 120;

// --- structures messages point to ----------------------------------------------------
// WM_GETMINMAXINFO (lParam): the size limits of moving and sizing.
struct MINMAXINFO {
    TPoint ptMaxSize;
    TPoint ptMaxPosition;
    TPoint ptMinTrackSize;
    TPoint ptMaxTrackSize;
};

// WM_NCCALCSIZE (lParam): rgrc[0] holds the proposed window rectangle (in the parent's
// client coordinates, screen for top-levels) and receives the client rectangle in the
// same coordinates.
struct NCCALCSIZE_PARAMS {
    TRect rgrc[3];
};

// WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED (lParam). A handler of the first may change
// x, y, cx, cy and flags.
struct WINDOWPOS {
    HWND hwnd = 0;
    HWND hwndInsertAfter = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    UINT flags = 0;
};

// A queued message as the loop primitives return it. `pt` is the pointer in screen
// coordinates when the message was made; `character` carries the character of a key
// press (UTF-32, 0 for none) so TranslateMessage can make WM_CHAR from it.
struct MSG {
    HWND hwnd = 0;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    uint64_t time = 0;
    TPoint pt;
    uint32_t character = 0;
};

}  // namespace wm
