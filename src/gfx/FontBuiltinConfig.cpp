#include "gfx/FontBuiltinConfig.h"

namespace gfx {

// Keep in step with assets/fonts/fonts.conf (the tests compare what both resolve to).
const char* BuiltinFontConfigXml() {
    return R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont>
    <rejectfont>
      <glob>/usr/share/wine/fonts/*.fon</glob>
      <glob>/usr/share/wine/fonts/tahomabd.ttf</glob>
      <pattern><patelt name="scalable"><bool>false</bool></patelt></pattern>
    </rejectfont>
  </selectfont>
  <alias binding="same"><family>Arial</family><prefer><family>Liberation Sans</family></prefer></alias>
  <alias binding="same"><family>Times New Roman</family><prefer><family>Liberation Serif</family></prefer></alias>
  <alias binding="same"><family>Courier New</family><prefer><family>Liberation Mono</family></prefer></alias>
  <alias binding="same"><family>Verdana</family><prefer><family>DejaVu Sans</family></prefer></alias>
  <alias binding="same"><family>Tahoma</family><prefer><family>Tahoma</family></prefer></alias>
  <alias binding="same"><family>MS Sans Serif</family><prefer><family>Tahoma</family></prefer></alias>
  <alias binding="same"><family>System</family><prefer><family>Tahoma</family></prefer></alias>
  <alias binding="same"><family>Courier</family><prefer><family>Liberation Mono</family></prefer></alias>
  <match target="pattern">
    <edit name="family" mode="append_last"><string>sans-serif</string></edit>
  </match>
  <alias binding="weak">
    <family>sans-serif</family>
    <prefer><family>DejaVu Sans</family><family>Liberation Sans</family></prefer>
  </alias>
</fontconfig>
)";
}

}  // namespace gfx
