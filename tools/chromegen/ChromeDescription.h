#pragma once
// The Chrome skin's description (skin.ini) as lines.

#include <string>
#include <vector>

namespace chromegen {

std::vector<std::string> ChromeDescription();

}  // namespace chromegen
