#pragma once
// A modal message box: the text, and an OK button, in a small framed window centred on
// the active form (or the work area). Enter, Escape, Space, a click on OK or the close
// button end it. The loop also ends when the application terminates.
//
// Its windows: the box (class "TMessageForm", titled with the caption), a child
// "TMessageText" holding the text and a child "TMessageButton" holding "OK".

#include <string>

#include "wm/Types.h"

namespace vcl {

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;

// IDOK once the user closed it; 0 when the application ended meanwhile.
int MessageBox(const std::string& text, const std::string& caption, unsigned flags = MB_OK);

}  // namespace vcl
