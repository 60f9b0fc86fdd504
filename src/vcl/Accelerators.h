#pragma once
// Captions with accelerators: "&Datei" shows "Datei" with the D underlined and is
// reached with Alt+D; "&&" stands for one "&".

#include <string>
#include <string_view>

namespace vcl {

// The accelerator character of a caption (lower-cased), 0 when there is none.
char32_t GetHotkey(std::string_view caption);
// The caption without accelerator marks ("&&" becomes "&").
std::string StripHotkey(std::string_view caption);
// Whether ch is the caption's accelerator (case-insensitive, Latin-1 letters included).
bool IsAccel(char32_t ch, std::string_view caption);
// The character in lower case, for ASCII and Latin-1 letters.
char32_t LowerChar(char32_t ch);

}  // namespace vcl
