#include "wm/x11/X11KeyMap.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <array>
#include <utility>

namespace wm::x11 {

namespace {

// Keys whose virtual key is not their character.
constexpr std::array<std::pair<KeySym, int>, 56> kTable{{
    {XK_BackSpace, 0x08},   {XK_Tab, 0x09},        {XK_ISO_Left_Tab, 0x09},
    {XK_Return, 0x0D},      {XK_KP_Enter, 0x0D},   {XK_Shift_L, 0x10},
    {XK_Shift_R, 0x10},     {XK_Control_L, 0x11},  {XK_Control_R, 0x11},
    {XK_Alt_L, 0x12},       {XK_Alt_R, 0x12},      {XK_ISO_Level3_Shift, 0x12},
    {XK_Pause, 0x13},       {XK_Caps_Lock, 0x14},  {XK_Escape, 0x1B},
    {XK_space, 0x20},       {XK_Prior, 0x21},      {XK_Next, 0x22},
    {XK_End, 0x23},         {XK_Home, 0x24},       {XK_Left, 0x25},
    {XK_Up, 0x26},          {XK_Right, 0x27},      {XK_Down, 0x28},
    {XK_Print, 0x2C},       {XK_Insert, 0x2D},     {XK_Delete, 0x2E},
    {XK_Super_L, 0x5B},     {XK_Super_R, 0x5C},    {XK_Menu, 0x5D},
    {XK_KP_Multiply, 0x6A}, {XK_KP_Add, 0x6B},     {XK_KP_Subtract, 0x6D},
    {XK_KP_Decimal, 0x6E},  {XK_KP_Separator, 0x6E}, {XK_KP_Divide, 0x6F},
    {XK_KP_Home, 0x24},     {XK_KP_End, 0x23},     {XK_KP_Prior, 0x21},
    {XK_KP_Next, 0x22},     {XK_KP_Left, 0x25},    {XK_KP_Up, 0x26},
    {XK_KP_Right, 0x27},    {XK_KP_Down, 0x28},    {XK_KP_Insert, 0x2D},
    {XK_KP_Delete, 0x2E},   {XK_Num_Lock, 0x90},   {XK_Scroll_Lock, 0x91},
    {XK_semicolon, 0xBA},   {XK_plus, 0xBB},       {XK_comma, 0xBC},
    {XK_minus, 0xBD},       {XK_period, 0xBE},     {XK_slash, 0xBF},
    {XK_numbersign, 0xBF},  {XK_dead_circumflex, 0xDC},
}};

}  // namespace

int VirtualKeyFromKeysym(KeySym k) {
    if (k >= XK_a && k <= XK_z) return static_cast<int>(k - XK_a) + 'A';
    if (k >= XK_A && k <= XK_Z) return static_cast<int>(k - XK_A) + 'A';
    if (k >= XK_0 && k <= XK_9) return static_cast<int>(k - XK_0) + '0';
    if (k >= XK_KP_0 && k <= XK_KP_9) return static_cast<int>(k - XK_KP_0) + 0x60;
    if (k >= XK_F1 && k <= XK_F24) return static_cast<int>(k - XK_F1) + 0x70;
    // German keys: the positions of the classic layout's OEM keys.
    if (k == XK_udiaeresis || k == XK_Udiaeresis) return 0xBA;
    if (k == XK_odiaeresis || k == XK_Odiaeresis) return 0xC0;
    if (k == XK_adiaeresis || k == XK_Adiaeresis) return 0xDE;
    if (k == XK_ssharp) return 0xDB;
    if (k == XK_less) return 0xE2;
    for (const auto& [keysym, vk] : kTable)
        if (keysym == k) return vk;
    return 0;
}

KeySym KeysymFromVirtualKey(int vk) {
    if (vk >= 'A' && vk <= 'Z') return XK_a + static_cast<KeySym>(vk - 'A');
    if (vk >= '0' && vk <= '9') return XK_0 + static_cast<KeySym>(vk - '0');
    if (vk >= 0x60 && vk <= 0x69) return XK_KP_0 + static_cast<KeySym>(vk - 0x60);
    if (vk >= 0x70 && vk <= 0x87) return XK_F1 + static_cast<KeySym>(vk - 0x70);
    for (const auto& [keysym, key] : kTable)
        if (key == vk) return keysym;
    return NoSymbol;
}

}  // namespace wm::x11
