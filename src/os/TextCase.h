#pragma once
// Case conversion of the Windows-1252 letters, the only letters the settings file can
// hold. Drive texts and INI names use it, so "Schriftgröße" matches "SCHRIFTGRÖSSE"
// only where the code page itself has both forms (ö/Ö, but ß has no upper case).
// Characters outside that set are left unchanged; a UTF-8 sequence is never split.

#include <string>
#include <string_view>

namespace os {

std::string LowerCaseText(std::string_view utf8);
std::string UpperCaseText(std::string_view utf8);

// Windows-1252 bytes folded to lower case, for comparing names in the settings file.
char FoldCp1252(char c);
bool SameTextCp1252(std::string_view a, std::string_view b);

}  // namespace os
